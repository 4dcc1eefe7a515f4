// The air-scan tick over arbitrary card answers, from an arbitrary sweep
// position, silent-tick count, display mode and slider state.

#include <fuzzer/FuzzedDataProvider.h>


#include "FuzzCheck.h"
#include "FuzzedCard.h"
#include "adapter/CAdapter.h"
#include "airscan/ScanTick.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  using namespace quoril;
  FuzzedDataProvider data(bytes, size);
  fuzz::FuzzedAdapter fuzzed(data);
  CAdapter& adapter = fuzzed.adapter;

  ResetAirScan(adapter, data.ConsumeIntegral<std::uint8_t>());
  adapter.ScanChannelIndex = data.ConsumeIntegral<std::uint8_t>();
  adapter.ScanZeroCount = data.ConsumeIntegral<std::uint8_t>();
  AirScanState state;
  state.rangeMax = data.ConsumeIntegralInRange(kZoomMin, kZoomMax);
  state.berLevel = data.ConsumeIntegralInRange(kLevelBerMin, kLevelBerMax);
  SelectDisplayMode(data.ConsumeBool(), state, adapter);

  while (data.remaining_bytes() > 0) {
    const ScanTickResult r = RunScanTick(adapter, state);
    FUZZ_CHECK(r.channel >= 1 && r.channel <= kScanChannelCount);
    FUZZ_CHECK(r.tune >= 1 && r.tune <= kScanChannelCount);
    FUZZ_CHECK(r.controls != nullptr && r.controls->channel == r.channel);
    FUZZ_CHECK(fuzz::WellFormed(r.valueText));
    FUZZ_CHECK(r.barValue >= 0 && r.barValue <= 255);
  }
  return 0;
}
