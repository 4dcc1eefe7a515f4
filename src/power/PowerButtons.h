#pragma once
// The eight fixed output powers of the power dialog: button, caption, index
// and the value register 0x3E takes for it.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace quoril {

struct PowerButton {
  int controlId;
  std::string_view caption;  // mW
  int index;
  std::uint8_t cardValue;
};

inline constexpr std::array<PowerButton, 8> kPowerButtons = {{
    {1131, "1", 0, 0x7F},
    {1132, "5", 1, 0x3B},
    {1138, "10", 2, 0x1D},
    {1139, "20", 3, 0xFE},
    {1140, "40", 4, 0xC8},
    {1141, "60", 5, 0xA8},
    {1142, "80", 6, 0x91},
    {1143, "100", 7, 0x80},
}};

inline constexpr int kPowerOffId = 1134;
inline constexpr int kPowerOnId = 1135;

// The button of an index, none outside 0..7.
std::optional<PowerButton> PowerButtonAt(int index);

}  // namespace quoril
