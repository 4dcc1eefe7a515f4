// The power dialog: the buttons it checks and enables on opening, clicks that
// take effect at once, and what OK reads back.

#include <gtest/gtest.h>

#include "power/CPowerControlDlg.h"
#include "power/PowerButtons.h"
#include "support/WindowRig.h"

namespace quoril {
namespace {

using testing::RecordingDialog;

bool PowersEnabled(const RecordingDialog& d, bool enabled) {
  for (const PowerButton& b : kPowerButtons) {
    if (d.Control(b.controlId).enabled != enabled) return false;
  }
  return true;
}

TEST(PowerControlDlgTest, OnAndOffEnableThePowersClicksTakeEffectAtOnceAndOkReadsThemBack) {
  testing::WindowRig rig;
  rig.adapter.TxPowerControl = 0;
  rig.adapter.TxPowerIndex = 7;
  CPowerControlDlg dialog(rig.adapter, rig.windows);
  const int result = rig.Run(dialog, [&](RecordingDialog& d) {
    EXPECT_TRUE(d.Control(kPowerOffId).checked && !d.Control(kPowerOnId).checked);
    EXPECT_TRUE(d.Control(1143).checked);
    EXPECT_TRUE(PowersEnabled(d, false));
    d.Click(kPowerOnId);
    EXPECT_TRUE(PowersEnabled(d, true));
    EXPECT_EQ(rig.adapter.TxPowerControl, 1);
    d.Click(1139);  // "20"
    EXPECT_EQ(rig.adapter.TxPowerIndex, 3);
    EXPECT_EQ(rig.adapter.TxPowerValue, 254);
    d.Click(1132);
    d.Click(kPowerOffId);
    EXPECT_TRUE(PowersEnabled(d, false));
    EXPECT_EQ(rig.adapter.TxPowerControl, 0);
    d.Click(CDialog::IDOK);
  });
  EXPECT_EQ(result, CDialog::IDOK);
  EXPECT_EQ(dialog.Model().PowerIndex(), 1);
  EXPECT_EQ(dialog.Model().PowerSwitch(), 0);
  EXPECT_EQ(rig.adapter.TxPowerValue, 59);
}

}  // namespace
}  // namespace quoril
