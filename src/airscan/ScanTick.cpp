#include "airscan/ScanTick.h"

#include "adapter/CAdapter.h"
#include "adapter/RequestCatalogue.h"

namespace quoril {

namespace {
// Silent ticks (ber 0 with the threshold at 0) after which the scan closes.
constexpr std::uint8_t kSilentTicksBeforeClose = 12;
}  // namespace

ScanTickResult ComputeScanTick(std::uint8_t level, std::uint8_t ber, const AirScanState& state,
                               CAdapter& adapter) {
  ScanTickResult r;
  r.valueText.Format("%02.0f", 97.0 - level);

  if (ber == 0 && state.berLevel == 0) {
    adapter.ScanZeroCount += 1;
    r.close = adapter.ScanZeroCount > kSilentTicksBeforeClose;
  } else {
    adapter.ScanZeroCount = 0;
  }
  r.barValue = adapter.ScanShowBer != 0 ? ber : level;

  adapter.ScanChannelIndex += 1;
  if (adapter.ScanChannelIndex >= kScanChannelCount) adapter.ScanChannelIndex = 0;
  r.tune = static_cast<std::uint8_t>(adapter.ScanChannelIndex + 1);

  // The reading was taken on the channel before the one just tuned.
  r.channel = adapter.ScanChannelIndex == 0 ? kScanChannelCount : adapter.ScanChannelIndex;
  r.controls = &ControlsOfChannel(r.channel);
  r.background = state.berLevel >= ber ? colours::kYellow : colours::kBlue;
  return r;
}

ScanTickResult RunScanTick(CAdapter& adapter, const AirScanState& state) {
  using catalogue::kRegisterValueOffset;
  adapter.PacketGetStatus();
  const ScanTickResult r = ComputeScanTick(adapter.bufReg7C[kRegisterValueOffset],
                                           adapter.bufReg66[kRegisterValueOffset], state, adapter);
  adapter.PacketSetChannel(r.tune);
  return r;
}

}  // namespace quoril
