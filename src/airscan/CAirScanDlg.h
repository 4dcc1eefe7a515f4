#pragma once
// The air scan: steps the card through channels 1 to 13 every 100 ms and
// shows each channel's level or error reading as an upright bar.

#include <array>

#include "airscan/AirScanState.h"
#include "res/CDialog.h"

namespace quoril {

class CAdapter;

class CAirScanDlg : public CDialog {
 public:
  // Resets the sweep in the adapter to start after the channel of the last
  // poll.
  CAirScanDlg(CAdapter& adapter, WindowSystem& windows);

  void OnTimer(int id) override;
  void OnCommand(int id) override;
  // Either slider moved.
  void OnVScroll(int id, ScrollCode code, int thumb) override;

  const AirScanState& State() const { return state_; }
  // The display mode the radio buttons held at OK (0 dBm, 1 BER).
  int Display() const { return m_nDisplay; }

 protected:
  void DoDataExchange(CDataExchange& dx) override;
  void OnOK() override;
  // Start carries the cancel command, so Escape starts the scan as well.
  void OnCancel() override;

 private:
  void OnStart();
  void OnStop();
  void OnDisplay(bool showBer);
  void SetBarRanges(int low, int high);
  CProgressCtrl& Bar(int channel) { return m_ctlBar[static_cast<std::size_t>(channel - 1)]; }

  CAdapter& adapter_;
  AirScanState state_;
  int m_nDisplay = 0;
  int m_nTimer = 0;
  std::array<CProgressCtrl, kScanChannelCount> m_ctlBar{};
  CSliderCtrl m_ctlZoom;
  CSliderCtrl m_ctlLevelBer;
};

}  // namespace quoril
