// Any integer in any setting, or none: the readers, the power dialog's model
// and the chart options take them without fault, and the values a window
// uses as an index or a period stay within their ranges.

#include <fuzzer/FuzzedDataProvider.h>


#include "FuzzCheck.h"
#include "FuzzedCard.h"
#include "adapter/CAdapter.h"
#include "antenna/ChartOptions.h"
#include "antenna/VswrScroll.h"
#include "app/MemoryProfile.h"
#include "app/PollTick.h"
#include "app/Settings.h"
#include "app/SettingsTable.h"
#include "power/PowerButtons.h"
#include "power/PowerControlModel.h"

namespace quoril::fuzz {
namespace {

void CheckAntennaSettings(const AntennaTestSettings& s, FuzzedDataProvider& data) {
  const int period = SweepPeriodMs(s.speed);
  FUZZ_CHECK(period >= 50 && period <= 545);
  ChartOptions options;
  options.SetResolution(s.resolution);
  options.SetWidth(s.width);
  FUZZ_CHECK(options.resolution >= 1);
  const auto code = static_cast<ScrollCode>(data.ConsumeIntegralInRange(0, 8));
  for (const ScrollBarRange& bar : {kSpeedBar, kClearBar}) {
    const int pos = ScrollPosition(code, s.speed, s.width, bar);
    FUZZ_CHECK(pos >= bar.low && pos <= bar.high);
  }
}

}  // namespace
}  // namespace quoril::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  using namespace quoril;
  FuzzedDataProvider data(bytes, size);
  MemoryProfile profile;
  for (const Setting& setting : settings::kAll) {
    if (data.ConsumeBool()) {
      profile.WriteInt(setting.section, setting.key, data.ConsumeIntegral<std::int32_t>());
    }
  }

  fuzz::FuzzedAdapter fuzzed(data);
  CAdapter& adapter = fuzzed.adapter;
  LoadMainWindowSettings(profile, adapter);

  PowerControlModel power(adapter);
  power.Load();
  const auto checked = power.CheckedButton();
  FUZZ_CHECK(!checked || PowerButtonAt(*checked).has_value());
  RunPollTick(adapter);  // the poll applies the power setting
  power.Save(data.ConsumeIntegral<int>(), data.ConsumeIntegral<int>());
  SavePowerSettings(profile, power.PowerSwitch(), power.PowerIndex(), power.PowerValue());

  fuzz::CheckAntennaSettings(ReadAntennaTestSettings(profile), data);
  fuzz::CheckAntennaSettings(ReadChartSettings(profile), data);
  SaveAdapterSettings(adapter, profile);
  return 0;
}
