#include "airscan/ScanTick.h"

#include <gtest/gtest.h>

#include <vector>

#include "adapter/CardScript.h"
#include "adapter/RequestCatalogue.h"
#include "airscan/ScanSliders.h"

namespace quoril {
namespace {

using testing::CardScript;

class ScanTickTest : public ::testing::Test {
 protected:
  ScanTickTest() {
    card.registers[catalogue::kRegRxLevel] = 47;
    card.registers[catalogue::kRegLinkErrors] = 5;
  }
  void Open(std::uint8_t currentChannel) {
    card.records[catalogue::kRecordChannel] = {currentChannel};
    card.adapter.PacketGetStatus();
    ResetAirScan(card.adapter, CurrentScanChannel(card.adapter));
  }
  CardScript card;
  AirScanState state;
};

TEST_F(ScanTickTest, SweepStartsAfterTheCurrentChannel) {
  Open(5);
  std::vector<int> shown;
  for (int i = 0; i < 14; ++i) shown.push_back(RunScanTick(card.adapter, state).channel);
  EXPECT_EQ(shown, (std::vector<int>{5, 6, 7, 8, 9, 10, 11, 12, 13, 1, 2, 3, 4, 5}));
  EXPECT_EQ(card.TunedChannels(),
            (std::vector<std::uint8_t>{6, 7, 8, 9, 10, 11, 12, 13, 1, 2, 3, 4, 5, 6}));
}

TEST_F(ScanTickTest, ChannelsOutsideTheSweepStartItAtChannelOne) {
  for (std::uint8_t current : {std::uint8_t{0}, std::uint8_t{13}, std::uint8_t{14}}) {
    Open(current);
    const ScanTickResult r = RunScanTick(card.adapter, state);
    EXPECT_EQ(r.tune, 1) << int{current};
    EXPECT_EQ(r.channel, 13) << int{current};
    EXPECT_EQ(r.controls->labelId, 1157);
    EXPECT_EQ(r.controls->marked, "1&3");
    EXPECT_EQ(r.controls->previousLabelId, 1156);
    EXPECT_EQ(r.controls->unmarked, "12");
  }
}

TEST_F(ScanTickTest, ThirteenSilentTicksCloseTheScan) {
  Open(1);
  card.registers[catalogue::kRegLinkErrors] = 0;
  for (int i = 1; i <= 12; ++i) ASSERT_FALSE(RunScanTick(card.adapter, state).close) << i;
  EXPECT_TRUE(RunScanTick(card.adapter, state).close);
}

TEST_F(ScanTickTest, ANonZeroBerOrAThresholdRestartsTheSilentCount) {
  Open(1);
  card.registers[catalogue::kRegLinkErrors] = 0;
  for (int i = 0; i < 12; ++i) RunScanTick(card.adapter, state);
  card.registers[catalogue::kRegLinkErrors] = 1;
  RunScanTick(card.adapter, state);
  card.registers[catalogue::kRegLinkErrors] = 0;
  for (int i = 0; i < 12; ++i) ASSERT_FALSE(RunScanTick(card.adapter, state).close);

  state.berLevel = 1;
  for (int i = 0; i < 30; ++i) ASSERT_FALSE(RunScanTick(card.adapter, state).close);
}

TEST_F(ScanTickTest, ValueTextAndBarFollowTheReadings) {
  Open(3);
  const std::pair<std::uint8_t, const char*> texts[] = {{47, "50"},   {97, "00"}, {100, "-3"},
                                                        {124, "-27"}, {0, "97"},  {90, "07"}};
  for (const auto& [level, text] : texts) {
    card.registers[catalogue::kRegRxLevel] = level;
    const ScanTickResult r = RunScanTick(card.adapter, state);
    EXPECT_EQ(r.valueText, text);
    EXPECT_EQ(r.barValue, level);  // dBm mode
  }
  SelectDisplayMode(true, state, card.adapter);
  card.registers[catalogue::kRegLinkErrors] = 33;
  const ScanTickResult r = RunScanTick(card.adapter, state);
  EXPECT_EQ(r.barValue, 33);
  EXPECT_EQ(r.valueText, "07");  // the text stays the level in BER mode
}

TEST_F(ScanTickTest, BackgroundIsYellowWhileTheThresholdCoversTheBer) {
  Open(3);
  card.registers[catalogue::kRegLinkErrors] = 0;
  EXPECT_EQ(RunScanTick(card.adapter, state).background, colours::kYellow);
  card.registers[catalogue::kRegLinkErrors] = 1;
  EXPECT_EQ(RunScanTick(card.adapter, state).background, colours::kBlue);
  state.berLevel = 40;
  card.registers[catalogue::kRegLinkErrors] = 40;
  EXPECT_EQ(RunScanTick(card.adapter, state).background, colours::kYellow);
  card.registers[catalogue::kRegLinkErrors] = 41;
  EXPECT_EQ(RunScanTick(card.adapter, state).background, colours::kBlue);
}

TEST(ScanChannelControls, EachChannelUnmarksTheOneBefore) {
  for (const ScanChannelControls& c : kScanChannelControls) {
    const ScanChannelControls& before = ControlsOfChannel(c.channel == 1 ? 13 : c.channel - 1);
    EXPECT_EQ(c.previousLabelId, before.labelId);
    EXPECT_EQ(c.barId, 1131 + c.channel);
  }
}

TEST(ScanSliders, TextsAndThresholds) {
  AirScanState state;
  SliderUpdate u = OnSliderScroll(97, 100, false, state);
  EXPECT_EQ(u.zoomText, "-97...00");
  EXPECT_EQ(u.levelBerText, "00");
  EXPECT_EQ(state.berLevel, 0);
  EXPECT_TRUE(u.applyRange);

  u = OnSliderScroll(90, 95, false, state);
  EXPECT_EQ(u.zoomText, "-97...- 7");
  EXPECT_EQ(u.levelBerText, " 5");
  EXPECT_EQ(state.berLevel, 5);

  u = OnSliderScroll(47, 0, true, state);
  EXPECT_EQ(u.zoomText, "-97...-50");
  EXPECT_EQ(u.levelBerText, "100");
  EXPECT_EQ(state.rangeMax, 47);
  EXPECT_EQ(state.berLevel, 100);
  EXPECT_FALSE(u.applyRange);  // BER mode keeps its 0..100 range
}

TEST(ScanDisplayMode, EachModeEnablesItsSliderAndItsRange) {
  CAdapter adapter;
  AirScanState state;
  state.rangeMax = 47;
  DisplayMode m = SelectDisplayMode(true, state, adapter);
  EXPECT_EQ(adapter.ScanShowBer, 1);
  EXPECT_FALSE(m.zoomEnabled);
  EXPECT_TRUE(m.levelBerEnabled);
  EXPECT_EQ(m.barHigh, 100);
  m = SelectDisplayMode(false, state, adapter);
  EXPECT_EQ(adapter.ScanShowBer, 0);
  EXPECT_TRUE(m.zoomEnabled);
  EXPECT_EQ(m.barLow, 0);
  EXPECT_EQ(m.barHigh, 47);
}

}  // namespace
}  // namespace quoril
