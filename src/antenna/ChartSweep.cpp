#include "antenna/ChartSweep.h"

#include <algorithm>

#include "adapter/CAdapter.h"
#include "adapter/RequestCatalogue.h"
#include "antenna/ChartFrame.h"
#include "antenna/ChartPrimitives.h"
#include "antenna/Vswr.h"

namespace quoril {

namespace {
// Set by a repaint: out of range, so that the next step starts at channel 1.
constexpr int kRestartChannel = 120;
}  // namespace

ChartSweep MakeChartSweep(const PixelRect& client) {
  ChartSweep sweep;
  sweep.cursor.plot = PlotRectangle(client);
  sweep.cursor.scales = ChannelAxisScales(sweep.cursor.plot);
  return sweep;
}

SweepStep RunSweepStep(CAdapter& adapter, ChartSweep& sweep) {
  if (sweep.channel <= 0 || sweep.channel >= 16) sweep.channel = 1;
  adapter.PacketSetTxLevel(kTestTxLevel);
  adapter.PacketReadReg74();

  SweepStep step;
  step.channel = sweep.channel;
  step.raw = adapter.bufReg74Test[catalogue::kRegisterValueOffset];
  step.vswr = VswrFromRaw(step.raw);
  step.plotY = PlotHeight(step.raw);
  const PrimitiveOps sample =
      PlotSample(sweep.cursor, {sweep.channel - 1, step.plotY}, kChartCurveColour);
  std::copy_n(sample.ops.begin(), sample.count, step.ops.begin());
  if (sweep.channel >= 1 && sweep.channel <= kChartChannels) {
    adapter.VswrByChannel[sweep.channel - 1] = step.vswr;
  }

  sweep.channel += 1;
  if (sweep.channel > kChartChannels) {
    sweep.channel = 1;
    sweep.cursor.last = {0, 0};
  }
  step.tuned = static_cast<std::uint8_t>(sweep.channel);
  adapter.PacketSetChannel(step.tuned);
  return step;
}

DrawList RunChartPaint(CAdapter& adapter, ChartSweep& sweep, const PixelRect& client,
                       TextExtent xTitle) {
  DrawList out;
  DrawOp fill;
  fill.kind = DrawOp::Kind::kFill;
  fill.colour = kChartBackground;
  fill.from = {client.left, client.top};
  fill.to = {client.right, client.bottom};
  out.push_back(fill);

  sweep.channel = kRestartChannel;
  adapter.PacketSetChannel(1);
  DrawFrame(sweep.cursor, xTitle, out);
  adapter.PacketSetChannel(1);
  adapter.PacketSetTxLevel(kTestTxLevel);
  return out;
}

}  // namespace quoril
