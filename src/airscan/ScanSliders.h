#pragma once
// The Zoom and Level BER sliders: a scroll of either sets the top of the dBm
// scale and the BER threshold, and the texts over the sliders.

#include "airscan/AirScanState.h"
#include "app/ShortText.h"

namespace quoril {

struct SliderUpdate {
  ShortText zoomText;       // control 1176
  ShortText levelBerText;   // control 1177
  bool applyRange = false;  // set all bars to state.rangeMin..state.rangeMax
};

SliderUpdate OnSliderScroll(int zoomPosition, int levelBerPosition, bool showBer,
                            AirScanState& state);

}  // namespace quoril
