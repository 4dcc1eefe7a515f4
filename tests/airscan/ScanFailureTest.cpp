// A card that goes away in the middle of an air scan, at every request of a
// tick: the scan goes on stepping through its channels within bounds, and
// the poll that resumes after it raises the driver alarm.

#include <gtest/gtest.h>

#include <tuple>

#include "adapter/Vanish.h"
#include "airscan/ScanTick.h"
#include "app/PollTick.h"

namespace quoril {
namespace {

using testing::Vanish;

// Power control off: the status refresh is 13 requests, then the tuning.
constexpr int kScanTickRequests = 14;

class ScanCardVanishes : public ::testing::TestWithParam<std::tuple<Vanish, int>> {};

TEST_P(ScanCardVanishes, TheSweepStaysInItsChannelsAndThePollRaisesTheAlarm) {
  const auto [how, position] = GetParam();
  testing::FailingRig rig("office");
  CAdapter& adapter = rig.adapter;
  RunPollTick(adapter);
  adapter.PacketStartScan();
  ResetAirScan(adapter, CurrentScanChannel(adapter));
  const AirScanState state;
  for (int i = 0; i < 3; ++i) RunScanTick(adapter, state);

  testing::VanishAt(*rig.card, how, static_cast<std::size_t>(position));
  for (int i = 0; i < 2 * kScanChannelCount; ++i) {
    const ScanTickResult r = RunScanTick(adapter, state);
    ASSERT_GE(r.channel, 1);
    ASSERT_LE(r.channel, kScanChannelCount);
    EXPECT_EQ(r.tune, r.channel % kScanChannelCount + 1);
    ASSERT_NE(r.controls, nullptr);
    EXPECT_EQ(r.controls->channel, r.channel);
    EXPECT_FALSE(r.valueText.empty());
    rig.clock.Advance(Millis{kScanPeriodMs});
  }

  adapter.PacketStopTest();
  const PollResult poll = RunPollTick(adapter);
  EXPECT_EQ(poll.alarm.text, testing::AlarmTextFor(how));
}

INSTANTIATE_TEST_SUITE_P(AtEveryRequest, ScanCardVanishes,
                         ::testing::Combine(::testing::Values(Vanish::kDriverOff,
                                                              Vanish::kPulledOut),
                                            ::testing::Range(0, kScanTickRequests)));

}  // namespace
}  // namespace quoril
