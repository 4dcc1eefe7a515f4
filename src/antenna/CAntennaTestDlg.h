#pragma once
// The VSWR test dialog: the chart over its frame, the "Clear" and "Speed"
// scroll bars, and "Inform..." for the antenna report. The caller sets the
// four settings before DoModal and reads them back after OK; the dialog
// itself touches neither the profile nor the card.

#include "antenna/CChartWnd.h"
#include "antenna/VswrScroll.h"
#include "app/Rgb.h"
#include "res/CDialog.h"

namespace quoril {

class CAdapter;
class Profile;

class CAntennaTestDlg : public CDialog {
 public:
  static constexpr int kInformButton = 1007;
  static constexpr int kChartFrame = 1006;
  static constexpr int kWidthMin = 1;
  static constexpr int kWidthMax = 100;

  // `profile` is read by the chart as it is constructed.
  CAntennaTestDlg(CAdapter& adapter, const Profile& profile, WindowSystem& windows);

  void OnAttach(DialogPeer* peer) override;
  void OnCommand(int id) override;
  // Any move of either bar, whatever its code.
  void OnHScroll(int id, ScrollCode code, int thumb) override;

  CChartWnd& Chart() { return m_wndChart; }

  int m_nWidth = 0;
  int m_nResolution = 0;  // position of "Clear"
  int m_nSpeed = 0;       // position of "Speed"
  Rgb m_crColor = 0;

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(CDataExchange& dx) override;

 private:
  void OnInform();

  CAdapter& m_adapter;
  CScrollBar m_ctlSpeed;
  CScrollBar m_ctlClear;
  CChartWnd m_wndChart;
};

}  // namespace quoril
