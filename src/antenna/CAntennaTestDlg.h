#pragma once
// The VSWR test dialog: the chart over its frame, the "Clear" and "Speed"
// scroll bars, and "Inform..." for the antenna report. The caller sets the
// four settings before DoModal and reads them back after OK; the dialog
// itself touches neither the profile nor the card.

#include <QAbstractSlider>
#include <optional>

#include "antenna/CChartWnd.h"
#include "antenna/VswrScroll.h"
#include "app/Rgb.h"
#include "res/TemplateDialog.h"

class QScrollBar;

namespace quoril {

class CAdapter;
class MessageBoxes;
class Profile;

class CAntennaTestDlg : public TemplateDialog {
  Q_OBJECT
 public:
  static constexpr int kInformButton = 1007;
  static constexpr int kChartFrame = 1006;
  static constexpr int kWidthMin = 1;
  static constexpr int kWidthMax = 100;

  // `profile` is read by the chart as it is constructed; `boxes` shows the
  // range message of OK.
  CAntennaTestDlg(CAdapter& adapter, const Profile& profile, MessageBoxes& boxes,
                  QWidget* parent = nullptr);

  void OnCommand(int id) override;
  // A scroll event of either bar; `thumb` is the thumb's place for the thumb
  // codes.
  void OnHScroll(ScrollCode code, int thumb, QScrollBar* bar);

  CChartWnd& Chart() { return m_wndChart; }

  int m_nWidth = 0;
  int m_nResolution = 0;  // position of "Clear"
  int m_nSpeed = 0;       // position of "Speed"
  Rgb m_crColor = 0;

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(bool save) override;
  void OnOK() override;

 private:
  void OnInform();
  void ConnectBar(QScrollBar* bar);
  // The framework's range check: the message and false when out of range.
  bool MinMaxInt(int value, int low, int high);

  CAdapter& m_adapter;
  MessageBoxes& m_boxes;
  QScrollBar* m_ctlSpeed = nullptr;
  QScrollBar* m_ctlClear = nullptr;
  bool m_bExchangeFailed = false;
  CChartWnd m_wndChart;
};

// The scroll code of a scroll bar action, or none for "no action".
std::optional<ScrollCode> ScrollCodeOf(QAbstractSlider::SliderAction action);

}  // namespace quoril
