#include "ControlsTestSupport.h"

#include "toolkit/SystemLook.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

LookPin::LookPin(bool themes) : m_saved(ThemesEnabled()) { SetThemesEnabled(themes); }

LookPin::~LookPin() { SetThemesEnabled(m_saved); }

void PressKey(QWidget* widget, int qtKey, Qt::KeyboardModifiers modifiers, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, qtKey, modifiers, text);
  QApplication::sendEvent(widget, &press);
  QKeyEvent release(QEvent::KeyRelease, qtKey, modifiers, text);
  QApplication::sendEvent(widget, &release);
}

void TypeText(QWidget* widget, const QString& text) {
  for (QChar c : text) {
    const int key = c.isLetter() ? Qt::Key_A + (c.toUpper().unicode() - 'A') : c.unicode();
    PressKey(widget, key, c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier, QString(c));
  }
}

void MouseEvent(QWidget* widget, QEvent::Type type, const QPoint& pos, Qt::MouseButtons buttons,
                Qt::KeyboardModifiers modifiers) {
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, QPointF(pos), QPointF(widget->mapToGlobal(pos)), button, buttons, modifiers);
  QApplication::sendEvent(widget, &event);
}

void Click(QWidget* widget, const QPoint& pos, Qt::KeyboardModifiers modifiers) {
  MouseEvent(widget, QEvent::MouseButtonPress, pos, Qt::LeftButton, modifiers);
  MouseEvent(widget, QEvent::MouseButtonRelease, pos, Qt::NoButton, modifiers);
}

void Wheel(TControl* control, int delta) {
  TMessage m;
  m.Kind = TMessageKind::MouseWheel;
  m.WheelDelta = delta;
  control->Dispatch(m);
}

QRgb PixelAt(const QImage& image, int x, int y) { return image.pixel(x, y) | 0xFF000000u; }

QRgb Sys(TColor color) { return ColorToQColor(color).rgb() | 0xFF000000u; }
