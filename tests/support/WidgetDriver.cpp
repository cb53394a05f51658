#include "support/WidgetDriver.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QThread>
#include <QWidget>

void SendMouseEvent(QWidget* widget, QEvent::Type type, const QPoint& screen, Qt::MouseButton button,
                    Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
  QMouseEvent event(type, QPointF(widget->mapFromGlobal(screen)), QPointF(screen), button, buttons, modifiers);
  QApplication::sendEvent(widget, &event);
}

namespace {

void SendMouse(QWidget* widget, QEvent::Type type, const QPoint& pos, Qt::MouseButtons buttons) {
  SendMouseEvent(widget, type, widget->mapToGlobal(pos), Qt::LeftButton, buttons);
}

}  // namespace

void ClickWidget(QWidget* widget, const QPoint& pos) {
  SendMouse(widget, QEvent::MouseButtonPress, pos, Qt::LeftButton);
  SendMouse(widget, QEvent::MouseButtonRelease, pos, Qt::NoButton);
}

void DoubleClickWidget(QWidget* widget, const QPoint& pos) {
  ClickWidget(widget, pos);
  SendMouse(widget, QEvent::MouseButtonDblClick, pos, Qt::LeftButton);
  SendMouse(widget, QEvent::MouseButtonRelease, pos, Qt::NoButton);
}

bool ProcessEventsUntil(const std::function<bool()>& done, int limitMs) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > limitMs) return false;
    QApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(1);
  }
  return true;
}
