#pragma once
// The air scan dialog's own state and the rules of its construction,
// initialisation and display-mode buttons. The sweep position, the silent
// tick count and the display mode live in the adapter so that they outlive
// one dialog.

#include <cstdint>

#include "app/Rgb.h"

namespace quoril {

class CAdapter;

inline constexpr int kScanTimerId = 1106;
inline constexpr int kScanPeriodMs = 100;
inline constexpr int kScanChannelCount = 13;

// Slider controls: ranges, tick spacing and start positions.
inline constexpr int kZoomSliderId = 1116;
inline constexpr int kZoomMin = 1, kZoomMax = 97, kZoomStart = 97;
inline constexpr int kLevelBerSliderId = 1117;
inline constexpr int kLevelBerMin = 0, kLevelBerMax = 100, kLevelBerStart = 100;
inline constexpr int kSliderTickEvery = 10;
inline constexpr int kZoomTextId = 1176;
inline constexpr int kLevelBerTextId = 1177;
inline constexpr int kDbmRadioId = 1160;
inline constexpr int kBerRadioId = 1161;

// The bars start green on blue, empty.
inline constexpr Rgb kScanBarColour = colours::kGreen;
inline constexpr Rgb kScanBarIdleBackground = colours::kBlue;
inline constexpr int kBerRangeMax = 100;

struct AirScanState {
  int rangeMin = 0;   // m_nRangeMin
  int rangeMax = 97;  // m_nRangeMax, the Zoom position in dBm mode
  int berLevel = 0;   // m_nBerLevel, 0..100
  int step = 1;       // m_nStep
};

// Construction: dBm mode, no silent ticks, and the sweep placed so that its
// first tick tunes the channel after the current one (8-bit arithmetic:
// channel 0 gives index 255, which the first tick wraps to 0).
void ResetAirScan(CAdapter& adapter, std::uint8_t currentChannel);
// The current channel as the constructor reads it (last poll's answer).
std::uint8_t CurrentScanChannel(const CAdapter& adapter);

// What a click on a display-mode button asks of the dialog.
struct DisplayMode {
  bool zoomEnabled;
  bool levelBerEnabled;
  int barLow;  // range of all 13 bars
  int barHigh;
};
DisplayMode SelectDisplayMode(bool showBer, const AirScanState& state, CAdapter& adapter);

}  // namespace quoril
