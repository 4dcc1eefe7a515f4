#include "cli/TickLoop.h"

#include <gtest/gtest.h>

#include <vector>

#include "cli/Interrupt.h"

namespace quoril::cli {
namespace {

class TickLoopTest : public ::testing::Test {
 protected:
  void SetUp() override { ClearInterrupt(); }
  void TearDown() override { ClearInterrupt(); }

  ManualClock clock;
  std::vector<long long> starts;  // ms
};

TEST_F(TickLoopTest, TicksComeOnePeriodApartAfterAFirstPeriod) {
  const LoopEnd end = TickLoop{Millis{300}, 3}.Run(clock, [&](int n) {
    starts.push_back(clock.Now().count());
    EXPECT_EQ(n, static_cast<int>(starts.size()));
    clock.Advance(Millis{40});  // the requests take a while
    return true;
  });
  EXPECT_EQ(end, LoopEnd::kCount);
  EXPECT_EQ(starts, (std::vector<long long>{300, 600, 900}));
}

TEST_F(TickLoopTest, ASlowTickIsFollowedAFullPeriodAfterItsEnd) {
  TickLoop{Millis{300}, 4}.Run(clock, [&](int n) {
    starts.push_back(clock.Now().count());
    clock.Advance(Millis{n == 2 ? 700 : 10});
    return true;
  });
  // Tick 2 ends at 1300: the ticks due at 900 and 1200 are dropped, not run
  // back to back.
  EXPECT_EQ(starts, (std::vector<long long>{300, 600, 1600, 1900}));
}

TEST_F(TickLoopTest, StopsWhenATickAsksOrOnInterrupt) {
  const TickLoop loop{Millis{50}, 0};
  EXPECT_EQ(loop.Run(clock, [&](int n) { return n < 7; }), LoopEnd::kStopped);
  EXPECT_EQ(clock.Now().count(), 350);

  int ticks = 0;
  const LoopEnd end = loop.Run(clock, [&](int) {
    if (++ticks == 3) RequestInterrupt();
    return true;
  });
  EXPECT_EQ(end, LoopEnd::kInterrupted);
  EXPECT_EQ(ticks, 3);
}

TEST_F(TickLoopTest, WaitingEndsAtOnceOnInterrupt) {
  RequestInterrupt();
  EXPECT_FALSE(WaitUntil(clock, Millis{10'000}));
  EXPECT_EQ(clock.Now().count(), 0);
  ClearInterrupt();
  EXPECT_TRUE(WaitUntil(clock, Millis{10'000}));
  EXPECT_EQ(clock.Now().count(), 10'000);
}

}  // namespace
}  // namespace quoril::cli
