#include "power/PowerControlModel.h"

#include "adapter/CAdapter.h"
#include "power/PowerButtons.h"

namespace quoril {

PowerControlModel::PowerControlModel(CAdapter& adapter)
    : adapter_(adapter),
      powerIndex_(adapter.TxPowerIndex),
      powerSwitch_(adapter.TxPowerControl),
      powerValue_(adapter.TxPowerValue) {}

void PowerControlModel::DeriveValue() {
  if (const auto button = PowerButtonAt(powerIndex_)) {
    powerValue_ = button->cardValue;
    adapter_.TxPowerValue = button->cardValue;
  }
}

void PowerControlModel::Load() {
  DeriveValue();
}

void PowerControlModel::Save(int checkedIndex, int switchIndex) {
  powerIndex_ = checkedIndex;
  powerSwitch_ = switchIndex;
  DeriveValue();
}

void PowerControlModel::ClickPower(int index) {
  const auto button = PowerButtonAt(index);
  if (!button) return;
  powerIndex_ = adapter_.TxPowerIndex = index;
  powerValue_ = adapter_.TxPowerValue = button->cardValue;
}

void PowerControlModel::ClickOn() {
  powerSwitch_ = adapter_.TxPowerControl = 1;
}

void PowerControlModel::ClickOff() {
  powerSwitch_ = adapter_.TxPowerControl = 0;
}

std::optional<int> PowerControlModel::CheckedButton() const {
  if (!PowerButtonAt(powerIndex_)) return std::nullopt;
  return powerIndex_;
}

}  // namespace quoril
