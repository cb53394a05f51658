// An interval timer for tests: it only records what the control asks of it,
// and the test fires its ticks by hand, so nothing waits for real time.
#pragma once

#include "toolkit/IntervalTimer.h"

#include <vector>

class ManualTimer : public TIntervalTimer {
 public:
  void Start(int intervalMs) override {
    m_interval = intervalMs;
    m_active = true;
    starts.push_back(intervalMs);
  }
  void Stop() override { m_active = false; }
  bool Active() const override { return m_active; }
  int Interval() const override { return m_interval; }
  void SetInterval(int intervalMs) override { m_interval = intervalMs; }

  // One tick, as the event loop would deliver it while the timer runs.
  void Fire() {
    if (!m_active || !OnTick) return;
    const auto tick = OnTick;
    tick();
  }

  // The intervals Start was called with, in order.
  std::vector<int> starts;

 private:
  int m_interval = 0;
  bool m_active = false;
};
