#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "adapter/CardScript.h"
#include "adapter/RequestCatalogue.h"
#include "antenna/ChartFrame.h"
#include "antenna/ChartGeometry.h"
#include "antenna/ChartSweep.h"

namespace quoril {
namespace {

using testing::CardScript;

// The chart control of the VSWR dialog as it comes out at 96 dpi.
constexpr PixelRect kClient{0, 0, 384, 309};

TEST(ChartFrame, PixelsAreTruncatedTowardZeroAndTheFrameHasTicksThresholdAxesAndTitles) {
  const PixelRect plot = PlotRectangle(kClient);
  EXPECT_EQ(plot, (PixelRect{30, 30, 354, 279}));
  const ChartScales s = ChannelAxisScales(plot);
  // VSWR 2.0 of channel 14 comes out at 279 - 249.00000000000003, one pixel
  // above the top edge; a negative VSWR below the plot and left of it.
  EXPECT_EQ(ToPixel({13, 100}, s, plot), (Pixel{310, 29}));
  EXPECT_EQ(ToPixel({-1, -284}, s, plot), (Pixel{8, 986}));

  ChartCursor cursor{plot, {}, {5, 5}};
  DrawList ops;
  DrawFrame(cursor, {63, 17}, ops);

  std::vector<const DrawOp*> texts;
  for (const DrawOp& op : ops)
    if (op.kind == DrawOp::Kind::kText) texts.push_back(&op);
  ASSERT_EQ(texts.size(), 10u + 14u + 2u);
  std::vector<std::string> shown;
  for (std::size_t i : {0u, 10u, 24u, 25u}) shown.emplace_back(texts[i]->text.c_str());
  EXPECT_EQ(shown, (std::vector<std::string>{"1.0", "1", "Channel", "VSWR"}));

  // The threshold at VSWR 1.4 spans the plot: 50 units of width / 50.
  const auto green = std::find_if(ops.begin(), ops.end(), [](const DrawOp& op) {
    return op.kind == DrawOp::Kind::kLine && op.colour == kChartThresholdColour;
  });
  ASSERT_NE(green, ops.end());
  EXPECT_EQ(green->from, (Pixel{30, 179}));  // 279 - 40 x 2.49 = 179.4
  EXPECT_EQ(green->to, (Pixel{354, 179}));
}

TEST(ChartSweep, APaintRestartsAtChannelOneAndAStepMeasuresRecordsAndTunes) {
  CardScript card;
  ChartSweep sweep = MakeChartSweep(kClient);
  card.adapter.VswrByChannel[6] = 1.5;
  sweep.channel = 7;
  sweep.cursor.last = {6, 50};
  const DrawList ops = RunChartPaint(card.adapter, sweep, kClient, {63, 17});
  EXPECT_EQ(ops.front().kind, DrawOp::Kind::kFill);
  EXPECT_EQ(ops.front().colour, kChartBackground);
  EXPECT_EQ(ops.front().to, (Pixel{384, 309}));
  EXPECT_EQ(card.TunedChannels(), (std::vector<std::uint8_t>{1, 1}));
  EXPECT_EQ(card.WrittenRegisters(), std::vector<std::uint8_t>{catalogue::kRegTxPower});

  card.library().log.clear();
  card.registers[catalogue::kRegPowerReading] = 0xF0;
  const SweepStep step = RunSweepStep(card.adapter, sweep);
  EXPECT_EQ(step.channel, 1);
  EXPECT_EQ(step.plotY, 41);
  EXPECT_NEAR(card.adapter.VswrByChannel[0], 1.4194, 1e-4);
  EXPECT_EQ(card.adapter.VswrByChannel[6], 1.5);  // the table is kept
  EXPECT_EQ(step.tuned, 2);
  std::vector<std::string> sent;
  for (const auto* call : card.library().Requests()) sent.push_back(testing::Hex(call->sent));
  EXPECT_EQ(sent,
            (std::vector<std::string>{"38 0e ff ff 00 00", "31 00 3e 00 80", "38 0e ff ff 00 00",
                                      "30 00 74 00 00", "38 08 02 00 00 00"}));
  // Pixel, the black X, then the line from the origin.
  std::vector<std::tuple<Pixel, Pixel, Rgb>> drawn;
  for (const DrawOp& op : step.ops) drawn.emplace_back(op.from, op.to, op.colour);
  EXPECT_EQ(drawn, (std::vector<std::tuple<Pixel, Pixel, Rgb>>{
                       {step.ops[0].from, {30, 176}, kChartCurveColour},
                       {{28, 178}, {33, 173}, colours::kBlack},
                       {{28, 174}, {33, 179}, colours::kBlack},
                       {{30, 279}, {30, 176}, step.ops[3].colour}}));

  // After channel 14 the sweep starts again from the origin.
  for (int channel = 2; channel <= 14; ++channel)
    EXPECT_EQ(RunSweepStep(card.adapter, sweep).channel, channel);
  EXPECT_EQ(card.TunedChannels().back(), 1);
  const SweepStep again = RunSweepStep(card.adapter, sweep);
  EXPECT_EQ(again.channel, 1);
  EXPECT_EQ(again.ops[3].from, (Pixel{30, 279}));
}

}  // namespace
}  // namespace quoril
