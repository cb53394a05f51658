// The bridge from a control's Qt widgets to the control: it filters every
// event of the widget and of the widget's own inner widgets, turns input
// into TMessage and passes it to TControl::Dispatch, and delivers the
// requests a control posts to itself.
#pragma once

#include <QObject>

class QChildEvent;
class QEvent;
class QKeyEvent;
class QMouseEvent;
class QWheelEvent;
class QWidget;
class TControl;
struct TMessage;

class TControlAdapter : public QObject {
 public:
  explicit TControlAdapter(TControl* control);
  ~TControlAdapter() override;

  // Starts filtering a widget of the control (its own or an inner one).
  void Watch(QWidget* widget);
  // Queues a request to be dispatched after the current event.
  void Post(int number, intptr_t param);

  bool eventFilter(QObject* watched, QEvent* event) override;
  bool event(QEvent* event) override;

  // The Qt event type used for posted requests.
  static int RequestEventType();
  // A widget that others place into a control's widget (a designer's grab
  // handle) and that is no part of the control: its events stay its own.
  // Mark it before it gets its parent.
  static void MarkForeign(QWidget* widget);
  static bool IsForeign(const QWidget* widget);

 private:
  bool Deliver(TMessage& message);
  // One step per kind of event; each returns whether Qt must stop there.
  void WatchAddedChild(QChildEvent* event);
  bool HandleMouse(QMouseEvent* event);
  bool HandleWheel(QWheelEvent* event);
  bool HandleEnterLeave(bool entering);
  bool HandleKey(QWidget* widget, QKeyEvent* event);
  bool HandleFocus(bool gained);
  bool HandleClose(QEvent* event);
  bool HandleDrag(QWidget* widget, QEvent* event);
  bool HandleHint(QWidget* widget, QEvent* event);
  TControl* m_control;
};
