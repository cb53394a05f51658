// A timer component: OnTimer runs every Interval milliseconds while the
// timer is enabled. It never runs at design time.
#pragma once

#include "toolkit/Component.h"

#include <memory>

class QTimer;

class TTimer : public TComponent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  explicit TTimer(TComponent* owner);
  ~TTimer() override;

  // Milliseconds between two calls, 1000 by default; 0 stops the timer.
  uint32_t Interval() const { return m_interval; }
  void SetInterval(uint32_t value);
  bool Enabled() const { return m_enabled; }
  void SetEnabled(bool value);
  // Whether the timer is counting now: enabled, an interval and a handler,
  // not designing and not loading.
  bool Active() const;

  TNotifyEvent OnTimer;
  TNotifyEvent GetOnTimer() const { return OnTimer; }
  void SetOnTimer(TNotifyEvent e);

 protected:
  void Loaded() override;
  void DesigningChanged() override;

 private:
  void UpdateTimer();
  void Tick();

  uint32_t m_interval = 1000;
  bool m_enabled = true;
  std::unique_ptr<QTimer> m_timer;
};
