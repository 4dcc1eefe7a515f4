#include "airscan/ScanSliders.h"

// With a precision the zero flag of "%02.0d" is void, so one digit is padded
// with a blank.

namespace quoril {

SliderUpdate OnSliderScroll(int zoomPosition, int levelBerPosition, bool showBer,
                            AirScanState& state) {
  SliderUpdate update;
  state.rangeMax = zoomPosition;
  state.berLevel = kLevelBerMax - levelBerPosition;
  if (state.berLevel < 1) {
    state.berLevel = 0;
    update.levelBerText.Assign("00");
  } else {
    update.levelBerText.FormatUnchecked("%02.0d", state.berLevel);
  }
  if (state.rangeMax == kZoomMax) {
    update.zoomText.Assign("-97...00");
  } else {
    update.zoomText.FormatUnchecked("-97...-%02.0d", kZoomMax - state.rangeMax);
  }
  update.applyRange = !showBer;
  return update;
}

}  // namespace quoril
