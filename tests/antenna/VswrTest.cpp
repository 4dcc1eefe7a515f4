#include "antenna/Vswr.h"

#include <gtest/gtest.h>

#include <climits>
#include <tuple>

#include "antenna/ChartOptions.h"
#include "antenna/VswrScroll.h"

namespace quoril {
namespace {

TEST(Vswr, RawReadingsToVswrAndPlotHeight) {
  // Raw reading, VSWR, plot height. No reading (0x80) lies exactly on the axis.
  const std::tuple<std::uint8_t, double, int> cases[] = {
      {0xFF, 1.0000064, 0},   {0x00, 0.9999936, 0},   {0xF0, 1.41940, 41},      {0xE0, 1.96413, 96},
      {0xC0, 3.44913, 244},   {0x81, 8.89733, 789},   {0x01, 1.02587, 2},       {0x10, 1.58113, 58},
      {0x74, -1.84789, -284}, {0x36, 127.453, 12645}, {0x37, -205.588, -20658}, {0x80, 0.0, 0}};
  for (const auto& [raw, vswr, height] : cases) {
    EXPECT_NEAR(VswrFromRaw(raw), vswr, 5e-6 * std::abs(vswr)) << int{raw};
    EXPECT_EQ(PlotHeight(raw), height) << int{raw};
  }
}

TEST(ChartOptions, SweepPeriodStaysPositiveAndOnlyAChangeRepaints) {
  // Speed 1..100 runs from 545 to 50 ms; a profile value outside never
  // gives a period of zero or less.
  for (auto [speed, period] : {std::pair{1, 545}, {100, 50}, {5000, 50}, {0, 545}})
    EXPECT_EQ(SweepPeriodMs(speed), period) << speed;

  // Whether a same setting repaints shows in the antenna window's test.
  ChartOptions options;
  EXPECT_TRUE(options.SetResolution(0));
  EXPECT_EQ(options.resolution, 1);
}

TEST(VswrScroll, MovesAreLimitedTo1To100AndToTheBarsRange) {
  struct Case {
    ScrollCode code;
    int current, thumb;
    ScrollBarRange bar;
    int expected;
  };
  using enum ScrollCode;
  // The last two: a position read from the settings may be any int.
  const Case cases[] = {
      {kPageRight, 25, 0, kClearBar, 30},     {kPageRight, 95, 0, kSpeedBar, 100},
      {kPageLeft, 5, 0, kSpeedBar, 1},        {kLineRight, 40, 0, kSpeedBar, 41},
      {kLeft, 50, 0, kSpeedBar, 1},           {kRight, 5, 0, kClearBar, 30},
      {kThumbTrack, 5, 77, kSpeedBar, 77},    {kThumbPosition, 5, 0, kSpeedBar, 1},
      {kEndScroll, 17, 99, kClearBar, 17},    {kLineLeft, INT_MIN, 0, kSpeedBar, 1},
      {kPageRight, INT_MAX, 0, kClearBar, 30}};
  for (const Case& c : cases) {
    EXPECT_EQ(ScrollPosition(c.code, c.current, c.thumb, c.bar), c.expected)
        << int(c.code) << " from " << c.current;
  }
}

}  // namespace
}  // namespace quoril
