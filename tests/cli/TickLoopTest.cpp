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

TEST(TickLoopTest, StopsWhenATickAsksOrOnInterruptAndWaitingEndsOnInterrupt) {
  ManualClock clock;
  const TickLoop loop{Millis{50}, 0};
  EXPECT_EQ(loop.Run(clock, [&](int n) { return n < 7; }), LoopEnd::kStopped);
  EXPECT_EQ(clock.Now().count(), 350);
  const LoopEnd end = loop.Run(clock, [&](int n) {
    if (n == 3) RequestInterrupt();
    return n < 4;  // a fourth tick would end the loop as asked
  });
  EXPECT_EQ(end, LoopEnd::kInterrupted);
  // The interrupt is still set: waiting ends at once.
  const Millis start = clock.Now();
  EXPECT_FALSE(WaitUntil(clock, start + Millis{10'000}));
  EXPECT_EQ(clock.Now(), start);
  ClearInterrupt();
}

}  // namespace
}  // namespace quoril::cli
