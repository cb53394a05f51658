#include "toolkit/Application.h"
#include "toolkit/PropAccess.h"
#include "toolkit/SysUtils.h"
#include "toolkit/Timer.h"

#include "support/TestSupport.h"
#include "support/WidgetDriver.h"

#include <ostream>

namespace {

TEST(Timer, FiresItsHandlerFromTheEventLoop) {
  TTimer timer(nullptr);
  int ticks = 0;
  timer.SetInterval(5);
  timer.OnTimer = [&](TObject* sender) {
    EXPECT_EQ(sender, &timer);
    ++ticks;
  };
  EXPECT_FALSE(timer.Active());  // assigning the field directly starts nothing
  timer.SetOnTimer(timer.OnTimer);
  EXPECT_TRUE(timer.Active());
  EXPECT_TRUE(ProcessEventsUntil([&] { return ticks >= 2; }));
  timer.SetEnabled(false);
  const int seen = ticks;
  ProcessEventsUntil([] { return false; }, 30);
  EXPECT_EQ(ticks, seen);
}

struct ActiveCase {
  const char* what;
  bool enabled;
  uint32_t interval;
  bool handler;
  bool designing;
  bool active;
};

void PrintTo(const ActiveCase& c, std::ostream* os) { *os << c.what; }

class TimerActive : public ::testing::TestWithParam<ActiveCase> {};

TEST_P(TimerActive, CountsOnlyWhenEverythingIsThere) {
  const ActiveCase& c = GetParam();
  TTimer timer(nullptr);
  timer.SetDesigning(c.designing);
  timer.SetInterval(c.interval);
  timer.SetEnabled(c.enabled);
  if (c.handler) timer.SetOnTimer([](TObject*) {});
  EXPECT_EQ(timer.Active(), c.active);
}

INSTANTIATE_TEST_SUITE_P(Cases, TimerActive,
                         ::testing::Values(ActiveCase{"all", true, 1000, true, false, true},
                                           ActiveCase{"disabled", false, 1000, true, false, false},
                                           ActiveCase{"zero", true, 0, true, false, false},
                                           ActiveCase{"nohandler", true, 1000, false, false, false},
                                           ActiveCase{"designing", true, 1000, true, true, false}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST(Timer, StartsOnlyOnceLoadingEnds) {
  TTimer timer(nullptr);
  timer.BeginLoading();
  timer.SetOnTimer([](TObject*) {});
  EXPECT_FALSE(timer.Active());
  timer.EndLoading();
  EXPECT_TRUE(timer.Active());
}

TEST(Timer, PublishesEnabledIntervalAndOnTimer) {
  TTimer timer(nullptr);
  EXPECT_EQ(GetOrdProp(timer, PropByName(timer, "Interval")), 1000);
  SetOrdProp(timer, PropByName(timer, "Interval"), 250);
  EXPECT_EQ(timer.Interval(), 250u);
  EXPECT_EQ(PropByName(timer, "Interval").PropType, &Types::Cardinal());
  EXPECT_EQ(GetOrdProp(timer, PropByName(timer, "Enabled")), 1);
  EXPECT_EQ(PropByName(timer, "OnTimer").Kind(), TTypeKind::tkMethod);
}

TEST(Timer, AnErrorOfTheHandlerGoesToTheApplicationsHandler) {
  QString caught;
  auto saved = Application().OnException;
  Application().OnException = [&](const std::exception& e) { caught = QString::fromUtf8(e.what()); };
  TTimer timer(nullptr);
  timer.SetInterval(1);
  timer.SetOnTimer([&](TObject*) {
    timer.SetEnabled(false);
    throw EInvalidOperation("Tick failed");
  });
  EXPECT_TRUE(ProcessEventsUntil([&] { return !caught.isEmpty(); }));
  Application().OnException = saved;
  EXPECT_EQ(caught, "Tick failed");
}

TEST(Timer, HandlerMayFreeItsOwnTimer) {
  auto* timer = new TTimer(nullptr);
  bool freed = false;
  timer->SetInterval(1);
  timer->SetOnTimer([&](TObject* sender) {
    delete static_cast<TTimer*>(sender);
    freed = true;
  });
  EXPECT_TRUE(ProcessEventsUntil([&] { return freed; }));
  ProcessEventsUntil([] { return false; }, 20);
}

}  // namespace
