#include "toolkit/Screen.h"

#include "toolkit/Application.h"

#include <QApplication>
#include <QFontDatabase>
#include <QScreen>

#include <cmath>

TScreen& Screen() {
  static TScreen screen;
  return screen;
}

int TScreen::PixelsPerInch() const {
  if (m_pixelsPerInch > 0) return m_pixelsPerInch;
  if (QScreen* s = QGuiApplication::primaryScreen()) return static_cast<int>(std::lround(s->logicalDotsPerInch()));
  return 96;
}

int TScreen::Width() const {
  QScreen* s = QGuiApplication::primaryScreen();
  return s ? s->geometry().width() : 0;
}

int TScreen::Height() const {
  QScreen* s = QGuiApplication::primaryScreen();
  return s ? s->geometry().height() : 0;
}

QStringList TScreen::Fonts() const { return QFontDatabase::families(); }

QStringList TScreen::Imes() const { return {}; }

void TScreen::SetCursor(TCursor value) {
  if (value == m_cursor) return;
  if (m_cursor != 0) QApplication::restoreOverrideCursor();
  m_cursor = value;
  if (value != 0) QApplication::setOverrideCursor(QCursor(CursorShape(value)));
}

TCustomForm* TScreen::ActiveForm() const { return Application().ActiveForm(); }
