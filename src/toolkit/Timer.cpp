#include "toolkit/Timer.h"

#include "toolkit/Application.h"

#include <QTimer>

#include <climits>

const TClassInfo& TTimer::StaticClass() {
  static const TClassInfo info("TTimer", &TComponent::StaticClass(), [](TClassInfo& c) {
    Publisher<TTimer>(c)
        .Creatable()
        .Prop("Enabled", Types::Boolean(), &TTimer::Enabled, &TTimer::SetEnabled)
        .Prop("Interval", Types::Cardinal(), &TTimer::Interval, &TTimer::SetInterval)
        .Prop("OnTimer", Types::Method(), &TTimer::GetOnTimer, &TTimer::SetOnTimer);
  });
  return info;
}

TTimer::TTimer(TComponent* owner) : TComponent(owner), m_timer(std::make_unique<QTimer>()) {
  // Every tick comes from the event loop: an error of the handler goes to
  // the application's handler, not through Qt.
  QObject::connect(m_timer.get(), &QTimer::timeout, [this] { Application().Guard([this] { Tick(); }); });
}

TTimer::~TTimer() {
  Destroying();
  // The handler may free its own timer while Qt is still inside the tick:
  // the Qt timer is cut loose and goes after the current event.
  m_timer->stop();
  m_timer->disconnect();
  m_timer.release()->deleteLater();
}

void TTimer::SetInterval(uint32_t value) {
  if (value == m_interval) return;
  m_interval = value;
  UpdateTimer();
}

void TTimer::SetEnabled(bool value) {
  if (value == m_enabled) return;
  m_enabled = value;
  UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent e) {
  OnTimer = std::move(e);
  UpdateTimer();
}

bool TTimer::Active() const { return m_timer->isActive(); }

void TTimer::Loaded() {
  TComponent::Loaded();
  UpdateTimer();
}

void TTimer::DesigningChanged() { UpdateTimer(); }

void TTimer::UpdateTimer() {
  // A change of any setting starts the count again, as a new timer would.
  m_timer->stop();
  if (!m_enabled || m_interval == 0 || !OnTimer || IsDesigning() || IsLoading() || IsDestroying()) return;
  m_timer->start(static_cast<int>(std::min<uint32_t>(m_interval, INT_MAX)));
}

void TTimer::Tick() {
  // The handler may disable the timer or free it, and with it the stored
  // handler: a copy runs, and nothing of the timer is touched after the call.
  if (!OnTimer) return;
  const TNotifyEvent handler = OnTimer;
  handler(this);
}
