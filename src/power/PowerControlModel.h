#pragma once
// The rules of the power dialog. Every click takes effect in the adapter at
// once (the poll writes the value to the card); OK hands back the three
// values the caller stores.

#include <cstdint>
#include <optional>

namespace quoril {

class CAdapter;

class PowerControlModel {
 public:
  // Copies the switch and the index from the adapter. The card value starts
  // as the adapter's current value, so that OK without a checked button
  // stores the value in force.
  explicit PowerControlModel(CAdapter& adapter);

  // Data exchange at initialisation: the index re-derives the card value
  // when it names a button. The window then checks CheckedButton() and the
  // switch, and enables the power buttons by PowerButtonsEnabled().
  void Load();
  // Data exchange at OK: the checked power button (none: -1, as the radio
  // group reads back) and the switch as the window reads them.
  void Save(int checkedIndex, int switchIndex);

  void ClickPower(int index);
  void ClickOn();
  void ClickOff();

  bool PowerButtonsEnabled() const { return powerSwitch_ != 0; }
  std::optional<int> CheckedButton() const;

  std::int32_t PowerIndex() const { return powerIndex_; }    // m_nPowerIndex
  std::int32_t PowerSwitch() const { return powerSwitch_; }  // m_nPowerSwitch
  std::uint8_t PowerValue() const { return powerValue_; }    // m_byPowerValue

 private:
  void DeriveValue();

  CAdapter& adapter_;
  std::int32_t powerIndex_;
  std::int32_t powerSwitch_;
  std::uint8_t powerValue_;
};

}  // namespace quoril
