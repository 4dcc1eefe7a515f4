#include "airscan/ScanSliders.h"

// The texts are "%02.0d" and "-97...-%2.0d" in the window's terms; with a
// precision the zero flag is void, so one digit is padded with a blank.

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
    update.levelBerText.Format("%2.0d", state.berLevel);
  }
  if (state.rangeMax == kZoomMax) {
    update.zoomText.Assign("-97...00");
  } else {
    update.zoomText.Format("-97...-%2.0d", kZoomMax - state.rangeMax);
  }
  update.applyRange = !showBer;
  return update;
}

}  // namespace quoril
