// The screen: its logical resolution, size, fonts, cursor and active form.
#pragma once

#include "toolkit/Cursors.h"

#include <QStringList>

class TCustomForm;

class TScreen {
 public:
  // Pixels per logical inch: 96 on a standard screen. Tests may set it.
  int PixelsPerInch() const;
  void SetPixelsPerInch(int value) { m_pixelsPerInch = value; }
  // The resolution set with SetPixelsPerInch; 0 when the platform's is used.
  int PixelsPerInchOverride() const { return m_pixelsPerInch; }
  int Width() const;
  int Height() const;
  // The installed screen font families, in the font database's order.
  QStringList Fonts() const;
  // The installed input method names. Qt's input context names none (on
  // Linux the one in use is chosen outside the program), so the list is empty.
  QStringList Imes() const;
  // A screen-wide cursor (crHourGlass while busy); crDefault lets controls choose.
  TCursor Cursor() const { return m_cursor; }
  void SetCursor(TCursor value);
  TCustomForm* ActiveForm() const;

 private:
  int m_pixelsPerInch = 0;
  TCursor m_cursor = 0;
};

TScreen& Screen();
