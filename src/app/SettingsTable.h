#pragma once
// Every setting the program reads or writes, with the default its main
// reader passes.

#include <array>
#include <cstdint>
#include <string_view>

namespace quoril {

struct Setting {
  std::string_view section;
  std::string_view key;
  std::int32_t defaultValue;
};

namespace settings {
inline constexpr std::string_view kApplicationKey = "WLAN Quoril";

inline constexpr Setting kTxPowerSwitch{"TX_Power", "ON_OFF_TxPower", 1};
inline constexpr Setting kTxPowerIndex{"TX_Power", "Ex_TxPower", 7};
inline constexpr Setting kTxPowerValue{"TX_Power", "TxPower", 128};
inline constexpr Setting kInputAdapter{"Adapter", "InputAdapter", 0};
inline constexpr Setting kOutputAdapter{"Adapter", "OutputAdapter", 0};
inline constexpr Setting kAntWidth{"AntTest", "Width", 10};
inline constexpr Setting kAntResolution{"AntTest", "Resolution", 10};
inline constexpr Setting kAntSpeed{"AntTest", "Speed", 100};
inline constexpr Setting kAntColorRed{"AntTest", "ColorRed", 255};
inline constexpr Setting kAntColorGreen{"AntTest", "ColorGreen", 0};
inline constexpr Setting kAntColorBlue{"AntTest", "ColorBlue", 0};
// Written as kAntStyleValue, read by nobody.
inline constexpr Setting kAntStyle{"AntTest", "Style", 0};
inline constexpr std::int32_t kAntStyleValue = 256;

// The chart window reads the speed with a default of its own.
inline constexpr std::int32_t kChartSpeedDefault = 1;

inline constexpr std::array<Setting, 12> kAll = {
    kTxPowerSwitch, kTxPowerIndex, kTxPowerValue, kInputAdapter,  kOutputAdapter, kAntWidth,
    kAntResolution, kAntSpeed,     kAntColorRed,  kAntColorGreen, kAntColorBlue,  kAntStyle};
}  // namespace settings

}  // namespace quoril
