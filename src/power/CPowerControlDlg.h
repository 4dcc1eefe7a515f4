#pragma once
// The transmit power dialog: manual control on or off and one of eight
// output powers. Every click takes effect in the adapter at once; the caller
// stores the three values when the dialog ends with OK.

#include "power/PowerControlModel.h"
#include "res/TemplateDialog.h"

namespace quoril {

class CAdapter;

class CPowerControlDlg : public TemplateDialog {
  Q_OBJECT
 public:
  explicit CPowerControlDlg(CAdapter& adapter, QWidget* parent = nullptr);

  void OnCommand(int id) override;
  // The switch, index and card value as the dialog ended.
  const PowerControlModel& Model() const { return model_; }

 protected:
  void DoDataExchange(bool save) override;

 private:
  void EnablePowerButtons(bool enable);

  PowerControlModel model_;
};

}  // namespace quoril
