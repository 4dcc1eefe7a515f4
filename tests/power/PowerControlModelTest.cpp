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

class PowerControlModelTest : public ::testing::Test {
 protected:
  PowerControlModelTest() {
    adapter.TxPowerControl = 1;
    adapter.TxPowerIndex = 7;
    adapter.TxPowerValue = 128;
  }
  CAdapter adapter;
};

TEST_F(PowerControlModelTest, OpeningOffDisablesThePowerButtonsUntilOn) {
  adapter.TxPowerControl = 0;
  PowerControlModel model(adapter);
  model.Load();
  EXPECT_FALSE(model.PowerButtonsEnabled());
  EXPECT_EQ(model.CheckedButton(), 7);
  model.ClickOn();
  EXPECT_TRUE(model.PowerButtonsEnabled());
  EXPECT_EQ(adapter.TxPowerControl, 1);
  model.ClickOff();
  EXPECT_EQ(adapter.TxPowerControl, 0);
}

TEST_F(PowerControlModelTest, OpeningRederivesTheValueFromTheIndex) {
  adapter.TxPowerIndex = 2;
  adapter.TxPowerValue = 77;
  PowerControlModel model(adapter);
  model.Load();
  EXPECT_EQ(adapter.TxPowerValue, 29);
  EXPECT_EQ(model.PowerValue(), 29);
}

TEST_F(PowerControlModelTest, AClickTakesEffectAtOnceAndOkStoresIt) {
  PowerControlModel model(adapter);
  model.Load();
  model.ClickPower(3);  // "20"
  EXPECT_EQ(adapter.TxPowerIndex, 3);
  EXPECT_EQ(adapter.TxPowerValue, 254);
  model.Save(*model.CheckedButton(), 1);

  MemoryProfile profile;
  SavePowerSettings(profile, model.PowerSwitch(), model.PowerIndex(), model.PowerValue());
  EXPECT_EQ(profile.Find("TX_Power", "Ex_TxPower"), 3);
  EXPECT_EQ(profile.Find("TX_Power", "TxPower"), 254);
  EXPECT_EQ(profile.Find("TX_Power", "ON_OFF_TxPower"), 1);
}

TEST_F(PowerControlModelTest, CancelKeepsTheClickInForce) {
  {
    PowerControlModel model(adapter);
    model.Load();
    model.ClickPower(5);  // "60", then Cancel: nothing is read back
  }
  EXPECT_EQ(adapter.TxPowerValue, 168);
}

TEST_F(PowerControlModelTest, OkWithNoButtonCheckedStoresTheValueInForce) {
  adapter.TxPowerIndex = 12;
  adapter.TxPowerValue = 200;
  PowerControlModel model(adapter);
  model.Load();
  EXPECT_EQ(model.CheckedButton(), std::nullopt);
  model.Save(-1, 1);
  EXPECT_EQ(adapter.TxPowerValue, 200);

  MemoryProfile profile;
  SavePowerSettings(profile, model.PowerSwitch(), model.PowerIndex(), model.PowerValue());
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
