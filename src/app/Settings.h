#pragma once
// Loading and saving the settings as the windows do.

#include <cstdint>

#include "app/Profile.h"
#include "app/Rgb.h"

namespace quoril {

class CAdapter;

// Main window construction: power control, power index, power value (its
// low 8 bits) and the two adapter settings into the adapter.
void LoadMainWindowSettings(const Profile& profile, CAdapter& adapter);
// Main window destruction: InputAdapter and OutputAdapter.
void SaveAdapterSettings(const CAdapter& adapter, Profile& profile);
// After the power dialog's OK: switch, index and value, each as its low 8
// bits.
void SavePowerSettings(Profile& profile, std::int32_t powerSwitch, std::int32_t powerIndex,
                       std::uint8_t powerValue);

struct AntennaTestSettings {
  std::int32_t width = 10;
  std::int32_t resolution = 10;
  std::int32_t speed = 100;
  Rgb colour = colours::kRed;
  bool operator==(const AntennaTestSettings&) const = default;
};

// As the Antenna Test command reads them for its dialog.
AntennaTestSettings ReadAntennaTestSettings(const Profile& profile);
// As the chart window reads them: speed default 1 and a negative speed taken
// as 0, a resolution below 1 taken as 1.
AntennaTestSettings ReadChartSettings(const Profile& profile);
// After the Antenna Test dialog's OK: the colour bytes, width, "Style",
// resolution and speed, in that order.
void WriteAntennaTestSettings(Profile& profile, const AntennaTestSettings& settings);

}  // namespace quoril
