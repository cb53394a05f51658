#include "toolkit/IntervalTimer.h"

#include "toolkit/Application.h"

#include <QTimer>

#include <algorithm>

TQtIntervalTimer::TQtIntervalTimer() : m_timer(std::make_unique<QTimer>()) {
  QObject::connect(m_timer.get(), &QTimer::timeout, [this] {
    // The handler may free the owner and with it this timer: a copy runs.
    if (!OnTick) return;
    const std::function<void()> tick = OnTick;
    Application().Guard(tick);
  });
}

TQtIntervalTimer::~TQtIntervalTimer() {
  // Freed from inside its own tick: Qt is still in the timer's signal, so the
  // Qt timer goes after the current event.
  m_timer->stop();
  m_timer->disconnect();
  m_timer.release()->deleteLater();
}

void TQtIntervalTimer::Start(int intervalMs) { m_timer->start(std::max(0, intervalMs)); }

void TQtIntervalTimer::Stop() { m_timer->stop(); }

bool TQtIntervalTimer::Active() const { return m_timer->isActive(); }

int TQtIntervalTimer::Interval() const { return m_timer->interval(); }

void TQtIntervalTimer::SetInterval(int intervalMs) { m_timer->setInterval(std::max(0, intervalMs)); }
