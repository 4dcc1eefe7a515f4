#include "antenna/CAntennaInfoDlg.h"

#include <algorithm>
#include <iterator>

#include "adapter/CAdapter.h"
#include "antenna/AntennaReport.h"
#include "res/DialogTemplate.h"

namespace quoril {

CAntennaInfoDlg::CAntennaInfoDlg(CAdapter& adapter, WindowSystem& windows)
    : CDialog(res::kAntennaInfo, windows), m_adapter(adapter) {}

void CAntennaInfoDlg::TakeTable() {
  std::copy(std::begin(m_adapter.VswrByChannel), std::end(m_adapter.VswrByChannel),
            m_dVswr.begin());
}

void CAntennaInfoDlg::ShowValues() {
  ShortText text;
  for (std::size_t i = 0; i < kReportValueBoxIds.size(); ++i) {
    FormatVswrValue(m_adapter.VswrByChannel[i], text);
    SetDlgItemText(kReportValueBoxIds[i], text.view());
  }
}

void CAntennaInfoDlg::DoDataExchange(CDataExchange&) {
  TakeTable();
  ShowValues();
  m_nTimer = SetTimer(kReportTimerId, kReportPeriodMs);
}

void CAntennaInfoDlg::OnTimer(int) {
  TakeTable();
  const AntennaReport report = RefreshAntennaReport(m_dVswr);
  SetDlgItemText(kReportMaxChannelId, report.maxChannelText.view());
  SetDlgItemText(kReportMinChannelId, report.minChannelText.view());
  SetDlgItemText(kReportMinTextId, report.minText.view());
  SetDlgItemText(kReportMaxTextId, report.maxText.view());
  SetDlgItemText(kReportVerdictId, report.verdict);
  ShowValues();
}

}  // namespace quoril
