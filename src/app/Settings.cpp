#include "app/Settings.h"

#include <algorithm>

#include "adapter/CAdapter.h"
#include "app/SettingsTable.h"

namespace quoril {

using namespace settings;

namespace {

std::int32_t Read(const Profile& profile, const Setting& setting) {
  return profile.ReadInt(setting.section, setting.key, setting.defaultValue);
}

void Write(Profile& profile, const Setting& setting, std::int32_t value) {
  profile.WriteInt(setting.section, setting.key, value);
}

std::uint8_t LowByte(std::int32_t value) {
  return static_cast<std::uint8_t>(value & 0xFF);
}

Rgb ReadColour(const Profile& profile) {
  return MakeRgb(LowByte(Read(profile, kAntColorRed)), LowByte(Read(profile, kAntColorGreen)),
                 LowByte(Read(profile, kAntColorBlue)));
}

}  // namespace

void LoadMainWindowSettings(const Profile& profile, CAdapter& adapter) {
  adapter.TxPowerControl = Read(profile, kTxPowerSwitch);
  adapter.TxPowerIndex = Read(profile, kTxPowerIndex);
  adapter.TxPowerValue = LowByte(Read(profile, kTxPowerValue));
  adapter.InputAdapter = Read(profile, kInputAdapter);
  adapter.OutputAdapter = Read(profile, kOutputAdapter);
}

void SaveAdapterSettings(const CAdapter& adapter, Profile& profile) {
  Write(profile, kInputAdapter, adapter.InputAdapter);
  Write(profile, kOutputAdapter, adapter.OutputAdapter);
}

void SavePowerSettings(Profile& profile, std::int32_t powerSwitch, std::int32_t powerIndex,
                       std::uint8_t powerValue) {
  Write(profile, kTxPowerSwitch, LowByte(powerSwitch));
  Write(profile, kTxPowerIndex, LowByte(powerIndex));
  Write(profile, kTxPowerValue, powerValue);
}

AntennaTestSettings ReadAntennaTestSettings(const Profile& profile) {
  AntennaTestSettings s;
  s.width = Read(profile, kAntWidth);
  s.resolution = Read(profile, kAntResolution);
  s.speed = Read(profile, kAntSpeed);
  s.colour = ReadColour(profile);
  return s;
}

AntennaTestSettings ReadChartSettings(const Profile& profile) {
  AntennaTestSettings s;
  s.width = Read(profile, kAntWidth);
  s.resolution = std::max(Read(profile, kAntResolution), 1);
  s.speed = std::max(profile.ReadInt(kAntSpeed.section, kAntSpeed.key, kChartSpeedDefault), 0);
  s.colour = ReadColour(profile);
  return s;
}

void WriteAntennaTestSettings(Profile& profile, const AntennaTestSettings& s) {
  Write(profile, kAntColorRed, RedOf(s.colour));
  Write(profile, kAntColorGreen, GreenOf(s.colour));
  Write(profile, kAntColorBlue, BlueOf(s.colour));
  Write(profile, kAntWidth, s.width);
  Write(profile, kAntStyle, kAntStyleValue);
  Write(profile, kAntResolution, s.resolution);
  Write(profile, kAntSpeed, s.speed);
}

}  // namespace quoril
