#include "support/WidgetDriver.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QThread>
#include <QWidget>

namespace {

void SendMouse(QWidget* widget, QEvent::Type type, const QPoint& pos, Qt::MouseButtons buttons) {
  QMouseEvent event(type, QPointF(pos), QPointF(widget->mapToGlobal(pos)), Qt::LeftButton, buttons, Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
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
