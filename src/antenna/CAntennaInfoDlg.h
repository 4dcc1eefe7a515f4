#pragma once
// The antenna report: the VSWR of each of the 14 channel points, the
// smallest and largest with their channels, and a verdict. It re-reads the
// adapter's table every 300 ms while the chart fills it underneath.

#include <array>

#include "res/CDialog.h"

namespace quoril {

class CAdapter;

class CAntennaInfoDlg : public CDialog {
 public:
  CAntennaInfoDlg(CAdapter& adapter, WindowSystem& windows);

  // Any timer notification refreshes the report.
  void OnTimer(int id) override;

 protected:
  // Both ways: takes the table, fills the value boxes and starts the refresh.
  void DoDataExchange(CDataExchange& dx) override;

 private:
  void TakeTable();
  void ShowValues();

  CAdapter& m_adapter;
  int m_nTimer = 0;
  std::array<double, 14> m_dVswr{};
};

}  // namespace quoril
