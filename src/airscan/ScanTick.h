#pragma once
// One tick of the air scan: a reading, the channel it belongs to, and the
// next channel tuned.

#include <cstdint>

#include "airscan/AirScanState.h"
#include "airscan/ScanChannelControls.h"
#include "app/Rgb.h"
#include "app/ShortText.h"

namespace quoril {

class CAdapter;

struct ScanTickResult {
  bool close = false;     // thirteen silent ticks: end the dialog with OK, kill the timer
  std::uint8_t tune = 1;  // the channel tuned for the next reading
  int channel = 1;        // the channel the reading belongs to, 1..13
  const ScanChannelControls* controls = nullptr;  // mark, unmark, value text, bar
  ShortText valueText;                            // 97 - level, "%02.0f"
  int barValue = 0;                               // ber in BER mode, level in dBm mode (unclamped)
  Rgb background = colours::kBlue;                // yellow when the threshold is at or above ber
};

// Advances ScanZeroCount and ScanChannelIndex of `adapter`; makes no request.
ScanTickResult ComputeScanTick(std::uint8_t level, std::uint8_t ber, const AirScanState& state,
                               CAdapter& adapter);

// PacketGetStatus, the computation on its readings, then PacketSetChannel.
ScanTickResult RunScanTick(CAdapter& adapter, const AirScanState& state);

}  // namespace quoril
