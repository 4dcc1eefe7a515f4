#include "power/PowerControlModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "adapter/CAdapter.h"
#include "app/MemoryProfile.h"
#include "app/PollComputation.h"
#include "app/Settings.h"
#include "power/PowerButtons.h"

namespace quoril {
namespace {

void SetPower(CAdapter& adapter, std::int32_t control, std::int32_t index, std::uint8_t value) {
  adapter.TxPowerControl = control;
  adapter.TxPowerIndex = index;
  adapter.TxPowerValue = value;
}

TEST(PowerControlModel, OpeningRederivesTheValueOnlyFromAnIndexThatNamesAButton) {
  CAdapter named;
  SetPower(named, 1, 2, 77);
  PowerControlModel model(named);
  model.Load();
  EXPECT_EQ(named.TxPowerValue, 29);
  model.ClickPower(8);  // no such button: nothing
  EXPECT_EQ(model.CheckedButton(), 2);

  // No button checked: OK stores 255 with the value in force.
  CAdapter outside;
  SetPower(outside, 1, 12, 200);
  PowerControlModel kept(outside);
  kept.Load();
  EXPECT_EQ(kept.CheckedButton(), std::nullopt);
  kept.Save(-1, 1);
  MemoryProfile profile;
  SavePowerSettings(profile, kept.PowerSwitch(), kept.PowerIndex(), kept.PowerValue());
  EXPECT_EQ(profile.Find("TX_Power", "Ex_TxPower"), 255);
  EXPECT_EQ(profile.Find("TX_Power", "TxPower"), 200);
}

TEST(PowerButtons, EachCardValueReadsBackAsItsCaption) {
  ShortText shown;
  for (const PowerButton& b : kPowerButtons) {
    FormatTxPowerSetting(b.cardValue, shown);
    const double mw = std::strtod(shown.c_str(), nullptr);
    const double caption = std::stod(std::string(b.caption));
    EXPECT_LE(std::abs(mw - caption), 0.01 * caption + 0.05) << b.caption;
  }
  EXPECT_FALSE(PowerButtonAt(8).has_value());
  EXPECT_FALSE(PowerButtonAt(-1).has_value());
}

}  // namespace
}  // namespace quoril
