// A main window over a temporary program folder with a "Languages" folder,
// with the program-wide settings and translator, and a recording dialog
// service.
#pragma once

#include "app/mainunit.h"

#include "support/RecordingDialogs.h"
#include "support/TestSupport.h"

class MainWindowTest : public TempDirTest {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Writes Languages/<name> with the given text and CR LF line ends.
  QString WriteLanguage(const QString& name, const QStringList& lines, const char* encoding = "UTF-8");
  QString LanguagePath(const QString& name) const;
  // The key lines of a section of a file, in order.
  QStringList SectionLines(const QString& file, const QString& section) const;
  // Opens a language as the Open command does after the dialog.
  void Open(const QString& language, TGUIChoice guiChoice);

  ScopedDialogs dialogs;
  TMainForm* form = nullptr;
};
