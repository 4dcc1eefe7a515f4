#include <cstdio>

#include "airscan/ScanSliders.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/ScanOutput.h"
#include "cli/Session.h"
#include "cli/TickLoop.h"

namespace quoril::cli {
namespace {

void Print(std::FILE* out, OutputFormat format, const ScanTick& tick) {
  PrintTick(out, format, tick, ScanText, ScanJson, ScanCsvRow);
}

}  // namespace

int RunScan(const ScanOptions& options, std::FILE* out) {
  Session session(options.card);
  CAdapter& adapter = session.Adapter();
  session.Open();
  // In the program the main window's poll has run before its Air Scan
  // button: one refresh tells where the card stands, so that the first
  // reading lands on that channel's bar.
  adapter.PacketGetStatus();

  AirScanState state;
  ResetAirScan(adapter, CurrentScanChannel(adapter));
  SelectDisplayMode(options.ber, state, adapter);
  const SliderUpdate sliders =
      OnSliderScroll(options.zoom, kLevelBerMax - options.berLevel, options.ber, state);
  const int barHigh = options.ber ? kBerRangeMax : state.rangeMax;
  adapter.PacketStartScan();

  if (options.format == OutputFormat::kText) PrintLine(out, ScanTextHeading(options.ber, sliders));
  if (options.format == OutputFormat::kCsv) PrintLine(out, ScanCsvHeader());
  Clock& clock = session.GetClock();
  TickLoop{Millis{kScanPeriodMs}, options.sweeps * kScanChannelCount}.Run(clock, [&](int n) {
    const TickStamp stamp{n, clock.Now()};
    const ScanTickResult result = RunScanTick(adapter, state);
    Print(out, options.format, {stamp, result, barHigh});
    return !result.close;
  });
  adapter.PacketStopTest();
  return kExitOk;
}

}  // namespace quoril::cli
