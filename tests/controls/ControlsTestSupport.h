// Helpers of the tests of the edit controls: the classic (unthemed) look for
// the life of a test, keys and mouse events as Qt delivers them, and pixel
// reading in system colours.
#pragma once

#include "toolkit/Colors.h"
#include "toolkit/Control.h"

#include <QEvent>
#include <QImage>
#include <QPoint>
#include <QString>

class QWidget;

// Controls drawn while it lives take the classic look (or the themed one).
class LookPin {
 public:
  explicit LookPin(bool themes = false);
  ~LookPin();
  LookPin(const LookPin&) = delete;
  LookPin& operator=(const LookPin&) = delete;

 private:
  bool m_saved;
};

// A key pressed and released on a widget (its control dispatches it first).
void PressKey(QWidget* widget, int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
              const QString& text = QString());
// Characters typed one by one.
void TypeText(QWidget* widget, const QString& text);
// Mouse events on a widget at a point of its own, with the buttons held after the event.
void MouseEvent(QWidget* widget, QEvent::Type type, const QPoint& pos, Qt::MouseButtons buttons,
                Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void Click(QWidget* widget, const QPoint& pos, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// A wheel turn on a control.
void Wheel(TControl* control, int delta);

// Pixels compared as 8-bit RGB.
QRgb PixelAt(const QImage& image, int x, int y);
QRgb Sys(TColor color);
