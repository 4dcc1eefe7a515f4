#include "power/CPowerControlDlg.h"

#include "power/PowerButtons.h"
#include "res/DialogTemplate.h"

namespace quoril {

namespace {
// The radio groups, by their first button.
constexpr int kPowerGroup = 1131;
constexpr int kSwitchGroup = kPowerOffId;
}  // namespace

CPowerControlDlg::CPowerControlDlg(CAdapter& adapter, WindowSystem& windows)
    : CDialog(res::kPowerControl, windows), model_(adapter) {}

void CPowerControlDlg::DoDataExchange(CDataExchange& dx) {
  int power = model_.CheckedButton().value_or(-1);
  int powerSwitch = model_.PowerSwitch();
  DDX_Radio(dx, kPowerGroup, power);
  DDX_Radio(dx, kSwitchGroup, powerSwitch);
  if (dx.m_bSaveAndValidate) {
    model_.Save(power, powerSwitch);
  } else {
    model_.Load();
  }
  EnablePowerButtons(model_.PowerButtonsEnabled());
}

void CPowerControlDlg::EnablePowerButtons(bool enable) {
  for (const PowerButton& button : kPowerButtons) EnableItem(button.controlId, enable);
}

void CPowerControlDlg::OnCommand(int id) {
  if (id == kPowerOnId) {
    model_.ClickOn();
    EnablePowerButtons(true);
    return;
  }
  if (id == kPowerOffId) {
    model_.ClickOff();
    EnablePowerButtons(false);
    return;
  }
  for (const PowerButton& button : kPowerButtons) {
    if (button.controlId == id) {
      model_.ClickPower(button.index);
      return;
    }
  }
  CDialog::OnCommand(id);
}

}  // namespace quoril
