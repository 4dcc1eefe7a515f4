// A card that goes away in the middle of an antenna sweep, at every request
// of a step, while the main poll keeps ticking between steps as it does
// under the test dialog: the sweep stays within its channels, the table
// and the report stay readable, and every poll after it raises the alarm.

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "adapter/Vanish.h"
#include "antenna/AntennaReport.h"
#include "antenna/ChartSweep.h"
#include "app/PollTick.h"

namespace quoril {
namespace {

using testing::Vanish;

// Level 128 (three requests), the reading, the tuning.
constexpr int kSweepStepRequests = 5;
// Steps at speed 100 (50 ms) between two poll ticks (300 ms).
constexpr int kStepsPerPoll = 6;

class SweepCardVanishes : public ::testing::TestWithParam<std::tuple<Vanish, int>> {};

TEST_P(SweepCardVanishes, TheSweepAndTheReportGoOnAndThePollRaisesTheAlarm) {
  const auto [how, position] = GetParam();
  testing::FailingRig rig("office");
  CAdapter& adapter = rig.adapter;
  adapter.TxPowerControl = 1;
  adapter.TxPowerValue = 128;
  RunPollTick(adapter);
  adapter.PacketSetTxLevel(kTestTxLevel);
  ChartSweep sweep = MakeChartSweep({0, 0, 500, 400});
  RunChartPaint(adapter, sweep, {0, 0, 500, 400}, {40, 12});
  for (int i = 0; i < 5; ++i) RunSweepStep(adapter, sweep);

  testing::VanishAt(*rig.card, how, static_cast<std::size_t>(position));
  int expected = sweep.channel;
  for (int step = 1; step <= 3 * kChartChannels; ++step) {
    const SweepStep s = RunSweepStep(adapter, sweep);
    EXPECT_EQ(s.channel, expected);
    expected = expected % kChartChannels + 1;
    EXPECT_EQ(s.tuned, expected);
    rig.clock.Advance(Millis{50});
    if (step % kStepsPerPoll == 0) {
      EXPECT_EQ(RunPollTick(adapter).alarm.text, testing::AlarmTextFor(how));
    }
  }
  for (double v : adapter.VswrByChannel) EXPECT_TRUE(std::isfinite(v));
  const AntennaReport report = RefreshAntennaReport(adapter.VswrByChannel);
  EXPECT_FALSE(report.verdict.empty());
  for (const ShortText& value : report.values) EXPECT_FALSE(value.empty());
  adapter.PacketStopTest();
}

INSTANTIATE_TEST_SUITE_P(AtEveryRequest, SweepCardVanishes,
                         ::testing::Combine(::testing::Values(Vanish::kDriverOff,
                                                              Vanish::kPulledOut),
                                            ::testing::Range(0, kSweepStepRequests)));

}  // namespace
}  // namespace quoril
