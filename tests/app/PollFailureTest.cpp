// A card that fails requests in the middle of a poll, or goes away. The alarm
// judges the tick's last request; the display goes on from the buffers, where
// a failed register read leaves the register's number in the value's place.

#include <gtest/gtest.h>

#include <cstdint>

#include "adapter/FailingCard.h"
#include "adapter/RequestCatalogue.h"
#include "app/PollTick.h"
#include "sim/ScenarioLoader.h"

namespace quoril {
namespace {

using testing::FailingRig;
using testing::Vanish;
using namespace catalogue;

constexpr std::uint32_t kStatuses[] = {1,          6,          kNdisStatusFailure, 0xC00000BB,
                                       0xC0010012, 0xC0010016, 0xFFFFFFFF};
// With power control off and link errors reported, a tick is 13 requests,
// the signal query last; the register reads are requests 2 to 5.
constexpr int kTickRequests = 13;
constexpr int kPowerSettingRead = 2, kPowerReadingRead = 3, kRxLevelRead = 4, kLinkErrorRead = 5;

// A tick whose requests `firstFailed` to `lastFailed` failed, against a good one.
void ExpectDisplay(const PollResult& got, const PollResult& want, int firstFailed, int lastFailed) {
  const auto failed = [&](int position) {
    return position >= firstFailed && position <= lastFailed;
  };
  ShortText text;
  for (std::size_t i = 0; i < kPollTextCount; ++i) {
    EXPECT_EQ(got.texts[i].set, want.texts[i].set) << "text " << kPollTextControl[i];
    const auto which = static_cast<PollText>(i);
    if (which == PollText::kTxPowerSetting && failed(kPowerSettingRead)) {
      FormatTxPowerSetting(kRegTxPower, text);
    } else if (which == PollText::kTxPowerReading && failed(kPowerReadingRead)) {
      FormatTxPowerReading(kRegPowerReading, text);
    } else if (which == PollText::kInterference && failed(kRxLevelRead)) {
      text.Format("- %01.0f dBm", 97.0 - kRegRxLevel);
    } else {
      text = want.texts[i].text;
    }
    EXPECT_EQ(got.texts[i].text, text) << "text " << kPollTextControl[i];
  }
  EXPECT_EQ(got.interferenceBar, failed(kRxLevelRead) ? kRegRxLevel : want.interferenceBar);
  EXPECT_EQ(got.linkErrorBar, failed(kLinkErrorRead) ? kRegLinkErrors : want.linkErrorBar);
  EXPECT_EQ(got.signalBar, want.signalBar);
  EXPECT_EQ(got.signalColour, want.signalColour);
  EXPECT_EQ(got.clearReg62, !failed(kLinkErrorRead) && want.clearReg62);
}

// Two cards, one of them to fail, after a good first tick.
struct TwinRigs {
  explicit TwinRigs(const Scenario& scenario) : good(scenario), failing(scenario) {
    RunPollTick(good.adapter);
    RunPollTick(failing.adapter);
  }
  FailingRig good;
  FailingRig failing;
};

TEST(PollFailure, AFailureAnywhereLeavesTheBuffersAndOnlyTheLastRequestRaisesTheAlarm) {
  for (const std::uint32_t status : kStatuses) {
    for (int position = 0; position < kTickRequests; ++position) {
      SCOPED_TRACE(::testing::Message() << "status " << status << " at request " << position);
      TwinRigs rigs(LoadScenario("office"));
      rigs.failing.card->FailOnly(static_cast<std::size_t>(position), status);
      const PollResult want = RunPollTick(rigs.good.adapter);
      const PollResult got = RunPollTick(rigs.failing.adapter);
      ExpectDisplay(got, want, position, position);
      const DriverAlarm alarm =
          position == kTickRequests - 1 ? DriverAlarm::Judge(status) : DriverAlarm{};
      EXPECT_EQ(got.alarm.kind, alarm.kind);
      EXPECT_EQ(got.alarm.text, alarm.text);
      // The next tick is clean again.
      EXPECT_EQ(RunPollTick(rigs.failing.adapter).alarm.kind, DriverAlarm::Kind::kNone);
    }
  }
}

// A card gone at any request raises its alarm on that tick and every one
// after (Retry polls again). A failed register 0x62 write is the main
// window's test.
TEST(PollFailure, ACardGoneRaisesTheRightAlarmOnEveryTickAfter) {
  for (const Vanish how : {Vanish::kDriverOff, Vanish::kPulledOut}) {
    for (int position = 0; position < kTickRequests; ++position) {
      SCOPED_TRACE(::testing::Message() << ::testing::PrintToString(how) << " at " << position);
      TwinRigs rigs(LoadScenario("office"));
      rigs.failing.card->VanishAt(how, static_cast<std::size_t>(position));
      const PollResult want = RunPollTick(rigs.good.adapter);
      for (int retry = 0; retry < 3; ++retry) {
        const PollResult got = RunPollTick(rigs.failing.adapter);
        ExpectDisplay(got, want, retry == 0 ? position : 0, kTickRequests);
        EXPECT_EQ(got.alarm.kind, how == Vanish::kDriverOff ? DriverAlarm::Kind::kOff
                                                            : DriverAlarm::Kind::kFailure);
        EXPECT_EQ(got.alarm.text, testing::AlarmTextFor(how));
      }
    }
  }
}

}  // namespace
}  // namespace quoril
