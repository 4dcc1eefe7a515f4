#include "antenna/CAntennaInfoDlg.h"

#include <algorithm>
#include <iterator>

#include "adapter/CAdapter.h"
#include "antenna/AntennaReport.h"
#include "res/DialogTemplate.h"
#include "res/qt/QtText.h"

namespace quoril {

CAntennaInfoDlg::CAntennaInfoDlg(CAdapter& adapter, QWidget* parent)
    : TemplateDialog(res::kAntennaInfo, parent), m_adapter(adapter) {}

void CAntennaInfoDlg::TakeTable() {
  std::copy(std::begin(m_adapter.VswrByChannel), std::end(m_adapter.VswrByChannel),
            m_dVswr.begin());
}

void CAntennaInfoDlg::ShowValues() {
  ShortText text;
  for (std::size_t i = 0; i < kReportValueBoxIds.size(); ++i) {
    FormatVswrValue(m_adapter.VswrByChannel[i], text);
    SetDlgItemText(kReportValueBoxIds[i], ToQString(text.view()));
  }
}

void CAntennaInfoDlg::DoDataExchange(bool) {
  TakeTable();
  ShowValues();
  m_nTimer = SetTimer(kReportTimerId, kReportPeriodMs);
}

void CAntennaInfoDlg::OnTimer(int) {
  TakeTable();
  const AntennaReport report = RefreshAntennaReport(m_dVswr);
  SetDlgItemText(kReportMaxChannelId, ToQString(report.maxChannelText.view()));
  SetDlgItemText(kReportMinChannelId, ToQString(report.minChannelText.view()));
  SetDlgItemText(kReportMinTextId, ToQString(report.minText.view()));
  SetDlgItemText(kReportMaxTextId, ToQString(report.maxText.view()));
  SetDlgItemText(kReportVerdictId, ToQString(report.verdict));
  ShowValues();
}

}  // namespace quoril
