#include "airscan/AirScanState.h"

#include "adapter/CAdapter.h"
#include "adapter/RequestCatalogue.h"

namespace quoril {

void ResetAirScan(CAdapter& adapter, std::uint8_t currentChannel) {
  adapter.ScanShowBer = 0;
  adapter.ScanZeroCount = 0;
  adapter.ScanChannelIndex = static_cast<std::uint8_t>(currentChannel - 1);
}

std::uint8_t CurrentScanChannel(const CAdapter& adapter) {
  return adapter.bufFDC1[catalogue::kRecordValueOffset];
}

DisplayMode SelectDisplayMode(bool showBer, const AirScanState& state, CAdapter& adapter) {
  adapter.ScanShowBer = showBer ? 1 : 0;
  return {!showBer, showBer, state.rangeMin, showBer ? kBerRangeMax : state.rangeMax};
}

}  // namespace quoril
