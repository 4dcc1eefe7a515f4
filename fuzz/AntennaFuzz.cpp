// The antenna test over arbitrary readings: the sweep step on a card whose
// register answers come from the bytes (with an arbitrary chart size and
// start channel), the VSWR conversion of every raw byte, and the report over
// the table the sweep leaves and over arbitrary doubles.

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>

#include "FuzzCheck.h"
#include "FuzzedCard.h"
#include "adapter/CAdapter.h"
#include "antenna/AntennaReport.h"
#include "antenna/ChartSweep.h"
#include "antenna/Vswr.h"

namespace quoril::fuzz {
namespace {

void CheckReport(const AntennaReport& r) {
  FUZZ_CHECK(r.minChannel >= 0 && r.minChannel <= 14);
  FUZZ_CHECK(r.maxChannel >= 0 && r.maxChannel <= 13);
  FUZZ_CHECK(!r.verdict.empty());
  for (const ShortText& t : r.values) FUZZ_CHECK(WellFormed(t));
  FUZZ_CHECK(WellFormed(r.minText) && WellFormed(r.maxText));
  FUZZ_CHECK(WellFormed(r.minChannelText) && WellFormed(r.maxChannelText));
}

void Sweep(FuzzedDataProvider& data) {
  FuzzedAdapter fuzzed(data);
  CAdapter& adapter = fuzzed.adapter;
  // Client sizes a window can have; the plot is a tenth inside.
  const int width = data.ConsumeIntegralInRange(0, 4000);
  const int height = data.ConsumeIntegralInRange(0, 4000);
  ChartSweep sweep = MakeChartSweep({0, 0, width, height});
  sweep.channel = data.ConsumeIntegral<int>();
  while (data.remaining_bytes() > 0) {
    const SweepStep step = RunSweepStep(adapter, sweep);
    FUZZ_CHECK(step.channel >= 1 && step.channel <= 15);
    FUZZ_CHECK(step.tuned >= 1 && step.tuned <= 14);
    FUZZ_CHECK(std::isfinite(step.vswr));
    if (data.ConsumeBool()) CheckReport(RefreshAntennaReport(adapter.VswrByChannel));
  }
  CheckReport(RefreshAntennaReport(adapter.VswrByChannel));
}

void ReportOverAnyTable(FuzzedDataProvider& data) {
  double table[14];
  for (double& v : table)
    v = data.ConsumeBool() ? AnyDouble(data) : VswrFromRaw(data.ConsumeIntegral<std::uint8_t>());
  CheckReport(RefreshAntennaReport(table));
}

}  // namespace
}  // namespace quoril::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  quoril::fuzz::ReportOverAnyTable(data);
  quoril::fuzz::Sweep(data);
  return 0;
}
