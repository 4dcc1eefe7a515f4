#pragma once
// The transmit power dialog: manual control on or off and one of eight
// output powers. Every click takes effect in the adapter at once; the caller
// stores the three values when the dialog ends with OK.

#include "power/PowerControlModel.h"
#include "res/CDialog.h"

namespace quoril {

class CAdapter;

class CPowerControlDlg : public CDialog {
 public:
  CPowerControlDlg(CAdapter& adapter, WindowSystem& windows);

  void OnCommand(int id) override;
  // The switch, index and card value as the dialog ended.
  const PowerControlModel& Model() const { return model_; }

 protected:
  void DoDataExchange(CDataExchange& dx) override;

 private:
  void EnablePowerButtons(bool enable);

  PowerControlModel model_;
};

}  // namespace quoril
