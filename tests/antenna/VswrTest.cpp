#include "antenna/Vswr.h"

#include <gtest/gtest.h>

#include <climits>

#include "antenna/ChartOptions.h"
#include "antenna/VswrScroll.h"

namespace quoril {
namespace {

TEST(Vswr, RawReadingsToVswrAndPlotHeight) {
  struct Case {
    std::uint8_t raw;
    double vswr;
    int height;
  };
  const Case cases[] = {
      {0xFF, 1.0000064, 0},   {0x00, 0.9999936, 0},   {0xF0, 1.41940, 41},      {0xE0, 1.96413, 96},
      {0xC0, 3.44913, 244},   {0x81, 8.89733, 789},   {0x01, 1.02587, 2},       {0x10, 1.58113, 58},
      {0x74, -1.84789, -284}, {0x36, 127.453, 12645}, {0x37, -205.588, -20658},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(VswrFromRaw(c.raw), c.vswr, 5e-6 * std::abs(c.vswr)) << int{c.raw};
    EXPECT_EQ(PlotHeight(c.raw), c.height) << int{c.raw};
  }
}

TEST(Vswr, NoReadingIsExactlyZeroOnTheAxis) {
  EXPECT_EQ(VswrFromRaw(0x80), 0.0);
  EXPECT_EQ(PlotHeight(0x80), 0);
}

TEST(Vswr, ReadingsFrom0x37To0x7FAreNegative) {
  for (int raw = 0; raw < 0x80; ++raw) {
    EXPECT_EQ(VswrFromRaw(static_cast<std::uint8_t>(raw)) < 0, raw >= 0x37) << raw;
  }
}

TEST(SweepPeriod, SpeedRunsFrom545To50AndStaysPositiveOutsideItsRange) {
  EXPECT_EQ(SweepPeriodMs(1), 545);
  EXPECT_EQ(SweepPeriodMs(100), 50);
  EXPECT_EQ(SweepPeriodMs(110), 50);
  EXPECT_EQ(SweepPeriodMs(5000), 50);
  EXPECT_EQ(SweepPeriodMs(0), 545);  // a negative profile speed reads as 0
}

TEST(ChartOptions, OnlyAChangeRepaints) {
  ChartOptions options;
  EXPECT_FALSE(options.SetResolution(10));
  EXPECT_TRUE(options.SetResolution(0));
  EXPECT_EQ(options.resolution, 1);
  EXPECT_FALSE(options.SetResolution(-4));  // also 1
  EXPECT_FALSE(options.SetWidth(10));
  EXPECT_TRUE(options.SetWidth(500));
}

TEST(VswrScroll, MovesAreLimitedTo1To100AndToTheBarsRange) {
  EXPECT_EQ(ScrollPosition(ScrollCode::kPageRight, 25, 0, kClearBar), 30);
  EXPECT_EQ(ScrollPosition(ScrollCode::kPageRight, 95, 0, kSpeedBar), 100);
  EXPECT_EQ(ScrollPosition(ScrollCode::kPageLeft, 5, 0, kSpeedBar), 1);
  EXPECT_EQ(ScrollPosition(ScrollCode::kLineLeft, 1, 0, kClearBar), 1);
  EXPECT_EQ(ScrollPosition(ScrollCode::kLineRight, 40, 0, kSpeedBar), 41);
  EXPECT_EQ(ScrollPosition(ScrollCode::kLeft, 50, 0, kSpeedBar), 1);
  EXPECT_EQ(ScrollPosition(ScrollCode::kRight, 5, 0, kClearBar), 30);
  EXPECT_EQ(ScrollPosition(ScrollCode::kRight, 5, 0, kSpeedBar), 100);
  EXPECT_EQ(ScrollPosition(ScrollCode::kThumbTrack, 5, 77, kSpeedBar), 77);
  EXPECT_EQ(ScrollPosition(ScrollCode::kThumbPosition, 5, 0, kSpeedBar), 1);
  EXPECT_EQ(ScrollPosition(ScrollCode::kEndScroll, 17, 99, kClearBar), 17);
}

TEST(VswrScroll, StepsFromTheEndsOfIntStayInRange) {
  // A position taken from the settings may be any int.
  EXPECT_EQ(ScrollPosition(ScrollCode::kLineLeft, INT_MIN, 0, kSpeedBar), 1);
  EXPECT_EQ(ScrollPosition(ScrollCode::kPageLeft, INT_MIN, 0, kClearBar), 1);
  EXPECT_EQ(ScrollPosition(ScrollCode::kLineRight, INT_MAX, 0, kSpeedBar), 100);
  EXPECT_EQ(ScrollPosition(ScrollCode::kPageRight, INT_MAX, 0, kClearBar), 30);
}

}  // namespace
}  // namespace quoril
