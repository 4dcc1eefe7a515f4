#include <cstdio>

#include "antenna/ChartOptions.h"
#include "cli/AntennaOutput.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/Session.h"
#include "cli/TickLoop.h"

namespace quoril::cli {
namespace {

// The chart's window: its size shapes only the drawing, which the terminal
// does not show.
constexpr PixelRect kChartClient{0, 0, 420, 300};

void Print(std::FILE* out, OutputFormat format, const AntennaTick& tick) {
  PrintTick(out, format, tick, AntennaText, AntennaJson, AntennaCsvRow);
}

}  // namespace

int RunAntenna(const AntennaOptions& options, std::FILE* out) {
  Session session(options.card);
  CAdapter& adapter = session.Adapter();
  session.Open();
  adapter.PacketSetTxLevel(kTestTxLevel);
  // The chart's first paint restarts the sweep with the card on channel 1.
  ChartSweep sweep = MakeChartSweep(kChartClient);
  RunChartPaint(adapter, sweep, kChartClient, TextExtent{});

  if (options.format == OutputFormat::kCsv) PrintLine(out, AntennaCsvHeader());
  Clock& clock = session.GetClock();
  TickLoop{Millis{SweepPeriodMs(options.speed)}, options.sweeps * kChartChannels}.Run(
      clock, [&](int n) {
        const TickStamp stamp{n, clock.Now()};
        const SweepStep step = RunSweepStep(adapter, sweep);
        if (step.channel == kChartChannels) {
          const AntennaReport report = RefreshAntennaReport(adapter.VswrByChannel);
          Print(out, options.format, {stamp, step, &report});
        } else {
          Print(out, options.format, {stamp, step});
        }
        return true;
      });
  adapter.PacketStopTest();
  return kExitOk;
}

}  // namespace quoril::cli
