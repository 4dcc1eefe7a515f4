#include "airscan/ScanTick.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "adapter/CardScript.h"
#include "adapter/RequestCatalogue.h"
#include "airscan/ScanSliders.h"

namespace quoril {
namespace {

using namespace catalogue;

class ScanTickTest : public ::testing::Test {
 protected:
  // Opens the scan on a card whose last poll said `currentChannel`.
  void Open(std::uint8_t currentChannel, std::uint8_t ber = 5) {
    card.registers[kRegRxLevel] = 47;
    card.registers[kRegLinkErrors] = ber;
    card.records[kRecordChannel] = {currentChannel};
    card.adapter.PacketGetStatus();
    ResetAirScan(card.adapter, CurrentScanChannel(card.adapter));
  }
  ScanTickResult Tick() { return RunScanTick(card.adapter, state); }
  testing::CardScript card;
  AirScanState state;
};

TEST_F(ScanTickTest, SweepStartsAfterTheCurrentChannelOrAtChannelOne) {
  Open(5);
  std::vector<int> shown;
  for (int i = 0; i < 14; ++i) shown.push_back(Tick().channel);
  EXPECT_EQ(shown, (std::vector<int>{5, 6, 7, 8, 9, 10, 11, 12, 13, 1, 2, 3, 4, 5}));
  EXPECT_EQ(card.TunedChannels(),
            (std::vector<std::uint8_t>{6, 7, 8, 9, 10, 11, 12, 13, 1, 2, 3, 4, 5, 6}));
  // Channels outside the sweep start it at channel one.
  for (int current : {0, 13, 14}) {
    Open(static_cast<std::uint8_t>(current));
    const ScanTickResult r = Tick();
    EXPECT_EQ(r.tune, 1) << current;
    EXPECT_EQ(r.channel, 13) << current;
    EXPECT_EQ(r.controls->labelId, 1157);
    EXPECT_EQ(r.controls->marked, "1&3");
  }
}

TEST_F(ScanTickTest, ThirteenSilentTicksInARowCloseTheScanWhileTheThresholdIsZero) {
  Open(1, 0);
  for (int i = 0; i < 12; ++i) Tick();
  card.registers[kRegLinkErrors] = 1;  // one reading starts the count again
  EXPECT_FALSE(Tick().close);
  card.registers[kRegLinkErrors] = 0;
  for (int i = 1; i <= 12; ++i) ASSERT_FALSE(Tick().close) << i;
  EXPECT_TRUE(Tick().close);

  state.berLevel = 1;
  for (int i = 0; i < 30; ++i) ASSERT_FALSE(Tick().close);
}

TEST_F(ScanTickTest, ValueTextBarAndBackgroundFollowTheReadings) {
  Open(3);
  const std::pair<std::uint8_t, const char*> texts[] = {{47, "50"},   {97, "00"}, {100, "-3"},
                                                        {124, "-27"}, {0, "97"},  {90, "07"}};
  for (const auto& [level, text] : texts) {
    card.registers[kRegRxLevel] = level;
    const ScanTickResult r = Tick();
    EXPECT_EQ(r.valueText, text);
    EXPECT_EQ(r.barValue, level);  // dBm mode
  }
  // Yellow while the threshold is at or above the BER.
  const std::tuple<int, std::uint8_t, Rgb> backgrounds[] = {{0, 0, colours::kYellow},
                                                            {0, 1, colours::kBlue},
                                                            {40, 40, colours::kYellow},
                                                            {40, 41, colours::kBlue}};
  for (const auto& [threshold, ber, colour] : backgrounds) {
    state.berLevel = threshold;
    card.registers[kRegLinkErrors] = ber;
    EXPECT_EQ(Tick().background, colour) << threshold << " " << int{ber};
  }
}

TEST(ScanSliders, TextsThresholdsAndRanges) {
  struct Case {
    int zoom, level;
    bool ber;
    const char *zoomText, *levelText;
    int berLevel;
  };
  const Case cases[] = {{97, 100, false, "-97...00", "00", 0},
                        {90, 95, false, "-97...- 7", " 5", 5},
                        {47, 0, true, "-97...-50", "100", 100}};
  for (const Case& c : cases) {
    AirScanState state;
    const SliderUpdate u = OnSliderScroll(c.zoom, c.level, c.ber, state);
    // BER mode keeps its 0..100 range.
    EXPECT_EQ(std::tuple(u.zoomText.view(), u.levelBerText.view(), state.berLevel, state.rangeMax,
                         u.applyRange),
              std::tuple(c.zoomText, c.levelText, c.berLevel, c.zoom, !c.ber));
  }
}

}  // namespace
}  // namespace quoril
