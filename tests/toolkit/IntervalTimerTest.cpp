#include "toolkit/Edit.h"
#include "toolkit/Forms.h"
#include "toolkit/FreeWatch.h"
#include "toolkit/IntervalTimer.h"
#include "toolkit/StoredBounds.h"

#include "support/WidgetDriver.h"
#include "support/TestSupport.h"

namespace {

TEST(IntervalTimer, TicksFromTheEventLoopAndTakesANewIntervalWhileRunning) {
  TQtIntervalTimer timer;
  int ticks = 0;
  timer.OnTick = [&] {
    ++ticks;
    timer.SetInterval(1);
  };
  timer.Start(5);
  EXPECT_TRUE(timer.Active());
  EXPECT_EQ(timer.Interval(), 5);
  EXPECT_TRUE(ProcessEventsUntil([&] { return ticks >= 3; }));
  EXPECT_EQ(timer.Interval(), 1);
  EXPECT_TRUE(timer.Active());
  timer.Stop();
  const int seen = ticks;
  ProcessEventsUntil([] { return false; }, 30);
  EXPECT_EQ(ticks, seen);
}

TEST(IntervalTimer, AHandlerMayFreeItsTimer) {
  auto* timer = new TQtIntervalTimer;
  bool ran = false;
  timer->OnTick = [&] {
    ran = true;
    delete timer;
  };
  timer->Start(1);
  EXPECT_TRUE(ProcessEventsUntil([&] { return ran; }));
  ProcessEventsUntil([] { return false; }, 20);  // the Qt timer goes after the tick
}

TEST(FreeWatch, TellsWhetherTheComponentWentMeanwhile) {
  auto* watched = new TComponent(nullptr);
  TFreeWatch kept(watched);
  {
    TFreeWatch watch(watched);
    EXPECT_FALSE(watch.Gone());
    TComponent::Free(watched);
    EXPECT_TRUE(watch.Gone());
  }
  EXPECT_TRUE(kept.Gone());
  TComponent survivor(nullptr);
  { TFreeWatch watch(&survivor); }  // a watch that ends first leaves no link behind
  EXPECT_FALSE(TFreeWatch(&survivor).Gone());
}

TEST(StoredBounds, KeptWhileTheControlOrAContainerLoadsOrIsDesigned) {
  TForm form(nullptr);
  auto* edit = new TEdit(&form);
  edit->SetParent(&form);
  EXPECT_FALSE(KeepsStoredBounds(*edit));
  form.BeginLoading();
  EXPECT_TRUE(KeepsStoredBounds(*edit));
  form.EndLoading();
  edit->SetDesigning(true);
  EXPECT_TRUE(KeepsStoredBounds(*edit));
  edit->SetDesigning(false);
  form.SetDesigning(true, false);
  EXPECT_TRUE(KeepsStoredBounds(*edit));
}

}  // namespace
