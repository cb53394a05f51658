// Helpers for tests that drive real widgets: mouse clicks delivered as Qt
// events, waiting for the event loop, and a default locale pinned for one test.
#pragma once

#include <QEvent>
#include <QLocale>
#include <QPoint>

#include <functional>

class QWidget;
class TComponent;

// A mouse event as the window system delivers it: at a point on the screen,
// with the button that changed, the buttons held and the modifier keys.
void SendMouseEvent(QWidget* widget, QEvent::Type type, const QPoint& screen, Qt::MouseButton button,
                    Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = {});
// A left-button press and release at a point of the widget (its own coordinates).
void ClickWidget(QWidget* widget, const QPoint& pos);
// A left-button double click at a point of the widget.
void DoubleClickWidget(QWidget* widget, const QPoint& pos);
// Runs the event loop until `done` holds; false when it did not within
// `limitMs` (a safety stop, not a timing check).
bool ProcessEventsUntil(const std::function<bool()>& done, int limitMs = 5000);

// Sets the default locale and puts the previous one back when it goes.
class LocalePin {
 public:
  explicit LocalePin(const QLocale& locale) : m_saved(QLocale()) { QLocale::setDefault(locale); }
  ~LocalePin() { QLocale::setDefault(m_saved); }
  LocalePin(const LocalePin&) = delete;
  LocalePin& operator=(const LocalePin&) = delete;

 private:
  QLocale m_saved;
};
