#include "cli/TickLoop.h"

#include <gtest/gtest.h>

#include <vector>

#include "cli/Interrupt.h"

namespace quoril::cli {
namespace {

TEST(TickLoopTest, TicksComeOnePeriodApartStartToStartAndASlowOneDropsTheTicksDueMeanwhile) {
  ManualClock clock;
  std::vector<long long> starts;  // ms
  const LoopEnd end = TickLoop{Millis{300}, 5}.Run(clock, [&](int n) {
    starts.push_back(clock.Now().count());
    EXPECT_EQ(n, static_cast<int>(starts.size()));
    clock.Advance(Millis{n == 3 ? 700 : 40});  // the requests take a while
    return true;
  });
  EXPECT_EQ(end, LoopEnd::kCount);
  // Tick 3 ends at 1600: the ticks due at 1200 and 1500 are dropped, not run
  // back to back, and the next keeps the rhythm.
  EXPECT_EQ(starts, (std::vector<long long>{300, 600, 900, 1800, 2100}));
}

// Ctrl-C while waiting for a tick ends the wait at once.
TEST(TickLoopTest, AnInterruptEndsTheWaitAtOnce) {
  ManualClock clock;
  RequestInterrupt();
  const TickLoop loop{Millis{300}, 0};
  EXPECT_EQ(loop.Run(clock, [](int) { return true; }), LoopEnd::kInterrupted);
  EXPECT_EQ(clock.Now().count(), 0);
  ClearInterrupt();
}

}  // namespace
}  // namespace quoril::cli
