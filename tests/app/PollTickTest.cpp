#include "app/PollTick.h"

#include <gtest/gtest.h>

#include <type_traits>

#include "adapter/CardScript.h"
#include "adapter/RequestCatalogue.h"

namespace quoril {
namespace {

using testing::CardScript;

class PollTickTest : public ::testing::Test {
 protected:
  PollTickTest() {
    card.registers[catalogue::kRegLinkErrors] = 30;
    card.records[catalogue::kRecordPortStatus] = {4, 0};
    card.SetSignal(60);
  }
  CardScript card;
};

TEST_F(PollTickTest, LinkErrorZeroClearsRegister62AndTheAlarmJudgesThatWrite) {
  card.registers[catalogue::kRegLinkErrors] = 0;
  card.signalRecordStatus = 6;  // overwritten by the later write
  card.clearReg62Status = 0x00010001;
  const PollResult r = RunPollTick(card.adapter);
  EXPECT_EQ(card.WrittenRegisters(), std::vector<std::uint8_t>{catalogue::kRegLinkErrorClear});
  EXPECT_EQ(card.library().Requests().size(), 14u);
  EXPECT_EQ(r.alarm.kind, DriverAlarm::Kind::kFailure);
  EXPECT_EQ(r.alarm.text, "WLAN Driver FAILURE: 00010001");

  card.clearReg62Status = 0;
  EXPECT_EQ(RunPollTick(card.adapter).alarm.kind, DriverAlarm::Kind::kNone);
  EXPECT_EQ(card.WrittenRegisters().size(), 2u);  // on every tick while L stays 0
}

TEST_F(PollTickTest, WithoutTheClearTheSignalQueryIsJudged) {
  card.signalRecordStatus = 6;
  PollResult r = RunPollTick(card.adapter);
  EXPECT_TRUE(card.WrittenRegisters().empty());
  EXPECT_EQ(r.alarm.kind, DriverAlarm::Kind::kOff);
  EXPECT_EQ(r.alarm.text, "WLAN Driver OFF");

  card.signalRecordStatus = kNdisStatusFailure;
  r = RunPollTick(card.adapter);
  EXPECT_EQ(r.alarm.kind, DriverAlarm::Kind::kNone);

  card.signalRecordStatus = 0xC0000002;
  EXPECT_EQ(RunPollTick(card.adapter).alarm.text, "WLAN Driver FAILURE: c0000002");
}

TEST_F(PollTickTest, StateLivesInTheAdapterAndRescanRestartsTheThroughput) {
  card.counters[catalogue::kCounterRx0] = 900;
  for (int i = 0; i < 12; ++i) RunPollTick(card.adapter);
  EXPECT_EQ(card.adapter.ThroughputWarmup, 2);
  EXPECT_EQ(card.adapter.PrevRxCount, 900.0);
  EXPECT_EQ(card.adapter.LastSignalLevel, 0);  // no stale check while associated

  card.adapter.PacketRescan();
  card.counters[catalogue::kCounterRx0] = 1800;
  PollResult r;
  for (int i = 0; i < 6; ++i) r = RunPollTick(card.adapter);
  EXPECT_EQ(r[PollText::kRxThroughput].text, "0");
  EXPECT_EQ(card.adapter.ThroughputWarmup, 1);
}

// A tick must not touch the heap: its result owns nothing but fixed buffers.
static_assert(std::is_trivially_copyable_v<PollResult>);
static_assert(std::is_trivially_destructible_v<PollResult>);

}  // namespace
}  // namespace quoril
