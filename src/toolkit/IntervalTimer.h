// A repeating timer that a control drives itself: it starts with an
// interval, may change the interval while it runs, and calls OnTick. Controls
// that repeat (spin buttons, list auto-scroll) take one by injection, so that
// tests fire the ticks themselves instead of waiting.
#pragma once

#include <functional>
#include <memory>

class QTimer;
class QObject;

class TIntervalTimer {
 public:
  virtual ~TIntervalTimer() = default;
  // Starts counting from now with the interval in milliseconds; a running
  // timer starts again.
  virtual void Start(int intervalMs) = 0;
  virtual void Stop() = 0;
  virtual bool Active() const = 0;
  virtual int Interval() const = 0;
  // Changes the interval; a running timer keeps running with the new one.
  virtual void SetInterval(int intervalMs) = 0;

  // Runs on every tick. It may stop the timer or free its owner: the timer
  // touches nothing of itself after the call.
  std::function<void()> OnTick;
};

// The timer of the running program: a Qt timer on the GUI thread whose ticks
// run inside Application().Guard.
class TQtIntervalTimer final : public TIntervalTimer {
 public:
  TQtIntervalTimer();
  ~TQtIntervalTimer() override;
  void Start(int intervalMs) override;
  void Stop() override;
  bool Active() const override;
  int Interval() const override;
  void SetInterval(int intervalMs) override;

 private:
  std::unique_ptr<QTimer> m_timer;
};
