#pragma once
// How the card's power detector (register 0x74) relates to the transmit power
// setting (register 0x3E) and to the antenna's VSWR, in the dB scales the
// program's windows use to read them back. The card answers with the raw byte
// that those readers turn into the figure nearest the truth.

#include <array>
#include <cstdint>

namespace quoril::detector {

// The "no reading" value of register 0x74.
inline constexpr std::uint8_t kNoReading = 0x80;

// Output power in mW for a register 0x3E setting.
double SettingMw(std::uint8_t setting);
// Power in mW for a register 0x74 reading other than kNoReading.
double ReadingMw(std::uint8_t reading);

// Register 0x74 by register 0x3E: the reading whose power is nearest the
// setting's, kNoReading for settings below the 20 mW the detector can see.
std::array<std::uint8_t, 256> PowerReadings();
// The reading whose VSWR, as the antenna test computes it, is nearest
// `vswr`; kNoReading for a VSWR below 1.
std::uint8_t ReadingForVswr(double vswr);

}  // namespace quoril::detector
