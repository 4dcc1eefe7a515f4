#pragma once
// The air scan: steps the card through channels 1 to 13 every 100 ms and
// shows each channel's level or error reading as an upright bar.

#include <array>

#include "airscan/AirScanState.h"
#include "res/TemplateDialog.h"

class QSlider;

namespace quoril {

class BarControl;
class CAdapter;

class CAirScanDlg : public TemplateDialog {
  Q_OBJECT
 public:
  // Resets the sweep in the adapter to start after the channel of the last
  // poll.
  explicit CAirScanDlg(CAdapter& adapter, QWidget* parent = nullptr);

  void OnTimer(int id) override;
  void OnCommand(int id) override;

  const AirScanState& State() const { return state_; }
  int Display() const { return m_nDisplay; }
  BarControl* Bar(int channel) const { return m_ctlBar[static_cast<std::size_t>(channel - 1)]; }

 protected:
  void DoDataExchange(bool save) override;
  void OnOK() override;
  // Start carries the cancel command, so Escape starts the scan as well.
  void OnCancel() override;

 private:
  void OnStart();
  void OnStop();
  void OnDisplay(bool showBer);
  void OnVScroll();
  void SetBarRanges(int low, int high);

  CAdapter& adapter_;
  AirScanState state_;
  int m_nDisplay = 0;
  int m_nTimer = 0;
  std::array<BarControl*, kScanChannelCount> m_ctlBar{};
  QSlider* m_ctlZoom = nullptr;
  QSlider* m_ctlLevelBer = nullptr;
};

}  // namespace quoril
