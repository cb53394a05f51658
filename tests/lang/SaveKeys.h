// The key writes of the main window's Save, for tests that need a full Save
// without the window: the controls of the movie frame as the sample German
// file lists them, and the writes in the order the Save makes them.
#pragma once

#include "lang/IniFile.h"

#include <QString>

#include <vector>

struct TFrameControl {
  QString name;
  bool label;  // has a caption key
};

// The 64 controls of the frame section of sample/Languages/Deutsch.lng, in
// the order of their layout keys.
std::vector<TFrameControl> SampleFrameControls();

// The writes of a Save with a custom layout: the file information, each
// control's caption (labels) and six layout keys, then the labels' captions
// again. Two variants differ in every value but the constant ones.
void WriteLayoutSave(TIniFile& ini, const std::vector<TFrameControl>& controls, int variant);
