#include "antenna/CAntennaTestDlg.h"

#include <algorithm>
#include <iterator>

#include "adapter/CAdapter.h"
#include "antenna/CAntennaInfoDlg.h"
#include "res/DialogTemplate.h"

namespace quoril {

CAntennaTestDlg::CAntennaTestDlg(CAdapter& adapter, const Profile& profile, WindowSystem& windows)
    : CDialog(res::kAntennaTest, windows), m_adapter(adapter), m_wndChart(adapter, profile) {}

void CAntennaTestDlg::OnAttach(DialogPeer* peer) {
  CDialog::OnAttach(peer);
  if (!peer) m_wndChart.Destroy();
}

void CAntennaTestDlg::DoDataExchange(CDataExchange& dx) {
  DDX_Control(dx, kSpeedBar.id, m_ctlSpeed);
  DDX_Control(dx, kClearBar.id, m_ctlClear);
  DDV_MinMaxInt(dx, m_nWidth, kWidthMin, kWidthMax);
  DDX_Scroll(dx, kClearBar.id, m_nResolution);
  DDX_Scroll(dx, kSpeedBar.id, m_nSpeed);
}

bool CAntennaTestDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_wndChart.Create(Peer()->ItemRect(kChartFrame), *Peer());
  m_wndChart.SetColor(m_crColor);
  m_wndChart.SetResolution(m_nResolution);
  m_wndChart.SetSpeed(m_nSpeed);
  m_wndChart.SetWidth(m_nWidth);
  m_ctlClear.SetScrollRange(kClearBar.low, kClearBar.high, true);
  m_ctlSpeed.SetScrollRange(kSpeedBar.low, kSpeedBar.high, true);
  m_ctlClear.SetScrollPos(m_nResolution);
  m_ctlSpeed.SetScrollPos(m_nSpeed);
  return true;
}

void CAntennaTestDlg::OnHScroll(int id, ScrollCode code, int thumb) {
  const bool speed = id == kSpeedBar.id;
  if (!speed && id != kClearBar.id) return;
  CScrollBar& bar = speed ? m_ctlSpeed : m_ctlClear;
  bar.SetScrollPos(ScrollPosition(code, bar.GetScrollPos(), thumb, speed ? kSpeedBar : kClearBar));
  m_wndChart.SetSpeed(m_ctlSpeed.GetScrollPos());
  m_wndChart.SetResolution(m_ctlClear.GetScrollPos());
}

void CAntennaTestDlg::OnCommand(int id) {
  if (id == kInformButton) {
    OnInform();
    return;
  }
  CDialog::OnCommand(id);
}

void CAntennaTestDlg::OnInform() {
  std::fill(std::begin(m_adapter.VswrByChannel), std::end(m_adapter.VswrByChannel), 0.0);
  CAntennaInfoDlg report(m_adapter, Windows());
  report.DoModal();
}

}  // namespace quoril
