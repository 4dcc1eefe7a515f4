// The power dialog: the buttons it checks and enables on opening, clicks that
// take effect at once, and what OK reads back.

#include <gtest/gtest.h>

#include "power/CPowerControlDlg.h"
#include "power/PowerButtons.h"
#include "support/WindowRig.h"

namespace quoril {
namespace {

using testing::RecordingDialog;

struct PowerRig : testing::WindowRig {
  int Open(std::int32_t control, std::int32_t index,
           const std::function<void(RecordingDialog&)>& script) {
    adapter.TxPowerControl = control;
    adapter.TxPowerIndex = index;
    adapter.TxPowerValue = 77;
    dialog.emplace(adapter, windows);
    return Run(*dialog, script);
  }
  std::optional<CPowerControlDlg> dialog;
};

bool PowersEnabled(const RecordingDialog& d, bool enabled) {
  for (const PowerButton& b : kPowerButtons) {
    if (d.Control(b.controlId).enabled != enabled) return false;
  }
  return true;
}

TEST(PowerControlDlgTest, OnAndOffEnableThePowersAndClicksTakeEffectAtOnce) {
  PowerRig rig;
  const int result = rig.Open(0, 7, [&](RecordingDialog& d) {
    EXPECT_TRUE(d.Control(kPowerOffId).checked && !d.Control(kPowerOnId).checked);
    EXPECT_TRUE(d.Control(1143).checked);
    EXPECT_TRUE(PowersEnabled(d, false));
    d.Click(kPowerOnId);
    EXPECT_TRUE(PowersEnabled(d, true));
    EXPECT_EQ(rig.adapter.TxPowerControl, 1);
    d.Click(1139);  // "20"
    EXPECT_EQ(rig.adapter.TxPowerIndex, 3);
    EXPECT_EQ(rig.adapter.TxPowerValue, 254);
    d.Click(1141);  // "60"
    d.Click(kPowerOffId);
    EXPECT_TRUE(PowersEnabled(d, false));
    EXPECT_EQ(rig.adapter.TxPowerControl, 0);
    d.Command(CDialog::IDCANCEL);
  });
  EXPECT_EQ(result, CDialog::IDCANCEL);
  EXPECT_EQ(rig.adapter.TxPowerValue, 168);  // the clicks stay in force
}

TEST(PowerControlDlgTest, OkReadsTheButtonsBack) {
  struct Case {
    std::int32_t index;
    std::vector<int> clicks;
    int powerIndex, powerSwitch, value;
  };
  const Case cases[] = {
      {0, {1132, kPowerOffId}, 1, 0, 59},
      {9, {}, -1, 1, 77},  // outside the buttons: none checked, the value kept
  };
  for (const Case& c : cases) {
    PowerRig rig;
    EXPECT_EQ(rig.Open(1, c.index,
                       [&](RecordingDialog& d) {
                         for (int id : c.clicks) d.Click(id);
                         d.Click(CDialog::IDOK);
                       }),
              CDialog::IDOK);
    EXPECT_EQ(rig.dialog->Model().PowerIndex(), c.powerIndex);
    EXPECT_EQ(rig.dialog->Model().PowerSwitch(), c.powerSwitch);
    EXPECT_EQ(rig.adapter.TxPowerValue, c.value);
  }
}

}  // namespace
}  // namespace quoril
