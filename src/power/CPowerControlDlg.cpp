#include "power/CPowerControlDlg.h"

#include "power/PowerButtons.h"
#include "res/DialogTemplate.h"

namespace quoril {

namespace {
// The radio groups, by their first button.
constexpr int kPowerGroup = 1131;
constexpr int kSwitchGroup = kPowerOffId;
}  // namespace

CPowerControlDlg::CPowerControlDlg(CAdapter& adapter, QWidget* parent)
    : TemplateDialog(res::kPowerControl, parent), model_(adapter) {}

void CPowerControlDlg::DoDataExchange(bool save) {
  if (save) {
    model_.Save(Controls().RadioIndex(kPowerGroup), Controls().RadioIndex(kSwitchGroup));
  } else {
    Controls().SetRadioIndex(kPowerGroup, model_.CheckedButton().value_or(-1));
    Controls().SetRadioIndex(kSwitchGroup, model_.PowerSwitch());
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
  TemplateDialog::OnCommand(id);
}

}  // namespace quoril
