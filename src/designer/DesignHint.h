// The hint bubbles of the design surface: the name and class of the control
// under the pointer after the hint pause, and positions and sizes while a
// drag runs. Every engine has one controller; all controllers share one
// hint window, which shows the text of the controller that showed last.
#pragma once

#include <QPoint>
#include <QString>

#include <memory>

class QTimer;
class QWidget;
class TComponent;
class TControl;
class TDEng;

class TDEngHint {
 public:
  explicit TDEngHint(TDEng& engine);
  ~TDEngHint();
  TDEngHint(const TDEngHint&) = delete;
  TDEngHint& operator=(const TDEngHint&) = delete;

  // Shows `text` at the pointer: at once, or after the application's hint
  // pause. With auto-hide it goes after the hint hide pause; with a watched
  // control it shows only while the pointer is over that control; with
  // cancel-on-input a key, a click or the wheel anywhere hides it.
  void Show(const QString& text, bool delayed, bool autoHide, TControl* watched, bool cancelOnInput);
  void Hide();
  // Whether this controller's hint is up.
  bool Showing() const { return m_showing; }
  QString Text() const { return m_text; }
  // Hides the hint when the event is input that cancels it.
  void CancelOnEvent(int qtEventType);
  // A control is going: the controller forgets it.
  void ControlGone(const TComponent* component);

  // The hint window all controllers share; nullptr when none exists.
  static QWidget* Window();

 private:
  void ShowNow();
  void Tick();

  TDEng& m_engine;
  std::unique_ptr<QTimer> m_timer;
  enum class TTimerMode { Show, Hide } m_timerMode = TTimerMode::Show;
  bool m_autoHide = false;
  QString m_text;
  bool m_showing = false;
  TControl* m_watched = nullptr;
  bool m_cancelOnInput = false;
};
