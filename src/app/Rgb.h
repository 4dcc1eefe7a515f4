#pragma once
// Colours as the platform's colour references: 24 bits, red in the low byte,
// then green, then blue.

#include <cstdint>

namespace quoril {

using Rgb = std::uint32_t;

constexpr Rgb MakeRgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return static_cast<Rgb>(red) | static_cast<Rgb>(green) << 8 | static_cast<Rgb>(blue) << 16;
}
constexpr std::uint8_t RedOf(Rgb c) {
  return static_cast<std::uint8_t>(c & 0xFF);
}
constexpr std::uint8_t GreenOf(Rgb c) {
  return static_cast<std::uint8_t>(c >> 8 & 0xFF);
}
constexpr std::uint8_t BlueOf(Rgb c) {
  return static_cast<std::uint8_t>(c >> 16 & 0xFF);
}

namespace colours {
inline constexpr Rgb kBlack = MakeRgb(0, 0, 0);
inline constexpr Rgb kRed = MakeRgb(255, 0, 0);
inline constexpr Rgb kGreen = MakeRgb(0, 255, 0);
inline constexpr Rgb kBlue = MakeRgb(0, 0, 255);
inline constexpr Rgb kYellow = MakeRgb(255, 255, 0);
inline constexpr Rgb kGrey = MakeRgb(128, 128, 128);
}  // namespace colours

}  // namespace quoril
