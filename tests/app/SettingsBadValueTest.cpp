// Every setting at values out of its range: whatever the profile holds, the
// power dialog checks one of its buttons or none, the poll applies only a
// byte, and the exit writes back the two adapter settings and nothing else,
// so no other setting is lost or rewritten.

#include <gtest/gtest.h>

#include <climits>
#include <tuple>

#include "adapter/FailingCard.h"
#include "app/MemoryProfile.h"
#include "app/PollTick.h"
#include "app/Settings.h"
#include "app/SettingsTable.h"
#include "power/PowerButtons.h"
#include "power/PowerControlModel.h"

namespace quoril {
namespace {

using Write = MemoryProfile::Write;

constexpr std::int32_t kBadValues[] = {INT_MIN, -129, -1, 0, 101, 256, 384, INT_MAX};

class SettingIsBad : public ::testing::TestWithParam<std::tuple<Setting, std::int32_t>> {};

TEST_P(SettingIsBad, IsTakenWithinRangeAndNoOtherSettingIsLost) {
  const auto [bad, value] = GetParam();
  MemoryProfile profile;
  for (const Setting& s : settings::kAll) {
    const bool isBad = s.section == bad.section && s.key == bad.key;
    profile.WriteInt(s.section, s.key, isBad ? value : s.defaultValue);
  }
  const std::vector<Write> stored = profile.Writes();

  // Start: the main window loads its settings, then finds the card; the
  // poll applies the power.
  testing::FailingRig rig("office");
  LoadMainWindowSettings(profile, rig.adapter);
  rig.adapter.FindInputAdapter();
  const std::int32_t power = profile.ReadInt("TX_Power", "TxPower", 128);
  EXPECT_EQ(rig.adapter.TxPowerValue, static_cast<std::uint8_t>(power & 0xFF));
  RunPollTick(rig.adapter);
  if (rig.adapter.TxPowerControl != 0) {
    RunPollTick(rig.adapter);
    EXPECT_EQ(rig.adapter.bufReg3E[2], rig.adapter.TxPowerValue);
  }

  // The power dialog: a checked button is one of the eight, or none.
  PowerControlModel dialog(rig.adapter);
  dialog.Load();
  if (const auto checked = dialog.CheckedButton()) {
    EXPECT_TRUE(PowerButtonAt(*checked));
  }

  // Exit: only the adapter settings are written, the output adapter as it
  // was read; every other keeps its value.
  const std::int32_t output = *profile.Find("Adapter", "OutputAdapter");
  SaveAdapterSettings(rig.adapter, profile);
  const std::vector<Write> exitWrites(profile.Writes().begin() + stored.size(),
                                      profile.Writes().end());
  EXPECT_EQ(exitWrites, (std::vector<Write>{{"Adapter", "InputAdapter", 1},
                                            {"Adapter", "OutputAdapter", output}}));
  for (const Write& w : stored) {
    if (w.section == "Adapter") continue;
    EXPECT_EQ(profile.Find(w.section, w.key), w.value) << w.section << "/" << w.key;
  }
}

INSTANTIATE_TEST_SUITE_P(EverySettingEveryBadValue, SettingIsBad,
                         ::testing::Combine(::testing::ValuesIn(settings::kAll),
                                            ::testing::ValuesIn(kBadValues)));

}  // namespace
}  // namespace quoril
