#include "antenna/CAntennaTestDlg.h"

#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>
#include <cstdio>
#include <iterator>

#include "adapter/CAdapter.h"
#include "antenna/CAntennaInfoDlg.h"
#include "res/MessageBoxes.h"
#include "res/DialogTemplate.h"

namespace quoril {

namespace {

constexpr int kPageStep = 10;

struct ActionCode {
  QAbstractSlider::SliderAction action;
  ScrollCode code;
};
constexpr ActionCode kActionCodes[] = {
    {QAbstractSlider::SliderSingleStepSub, ScrollCode::kLineLeft},
    {QAbstractSlider::SliderSingleStepAdd, ScrollCode::kLineRight},
    {QAbstractSlider::SliderPageStepSub, ScrollCode::kPageLeft},
    {QAbstractSlider::SliderPageStepAdd, ScrollCode::kPageRight},
    {QAbstractSlider::SliderMove, ScrollCode::kThumbTrack},
    {QAbstractSlider::SliderToMinimum, ScrollCode::kLeft},
    {QAbstractSlider::SliderToMaximum, ScrollCode::kRight},
};

void SetRange(QScrollBar* bar, const ScrollBarRange& range) {
  bar->setRange(range.low, range.high);
  bar->setSingleStep(1);
  bar->setPageStep(kPageStep);
}

}  // namespace

std::optional<ScrollCode> ScrollCodeOf(QAbstractSlider::SliderAction action) {
  for (const ActionCode& a : kActionCodes) {
    if (a.action == action) return a.code;
  }
  return std::nullopt;
}

CAntennaTestDlg::CAntennaTestDlg(CAdapter& adapter, const Profile& profile, MessageBoxes& boxes,
                                 QWidget* parent)
    : TemplateDialog(res::kAntennaTest, parent),
      m_adapter(adapter),
      m_boxes(boxes),
      m_ctlSpeed(Item<QScrollBar>(kSpeedBar.id)),
      m_ctlClear(Item<QScrollBar>(kClearBar.id)),
      m_wndChart(adapter, profile) {
  ConnectBar(m_ctlSpeed);
  ConnectBar(m_ctlClear);
}

void CAntennaTestDlg::ConnectBar(QScrollBar* bar) {
  // The action arrives after the bar moved its thumb and before it takes the
  // new value, so the handler's position is the one that stays.
  connect(bar, &QAbstractSlider::actionTriggered, this, [this, bar](int action) {
    const auto code = ScrollCodeOf(static_cast<QAbstractSlider::SliderAction>(action));
    if (code) OnHScroll(*code, bar->sliderPosition(), bar);
  });
  connect(bar, &QAbstractSlider::sliderReleased, this,
          [this, bar] { OnHScroll(ScrollCode::kThumbPosition, bar->sliderPosition(), bar); });
}

void CAntennaTestDlg::DoDataExchange(bool save) {
  // The bars are bound as the dialog is built.
  if (save && !MinMaxInt(m_nWidth, kWidthMin, kWidthMax)) {
    m_bExchangeFailed = true;
    return;
  }
  if (save) {
    m_nResolution = m_ctlClear->value();
    m_nSpeed = m_ctlSpeed->value();
  } else {
    m_ctlClear->setValue(m_nResolution);
    m_ctlSpeed->setValue(m_nSpeed);
  }
}

bool CAntennaTestDlg::MinMaxInt(int value, int low, int high) {
  if (value >= low && value <= high) return true;
  char text[80];
  std::snprintf(text, sizeof text, "Please enter an integer between %d and %d.", low, high);
  m_boxes.Show({}, text, BoxButtons::kOk, BoxIcon::kExclamation);
  return false;
}

bool CAntennaTestDlg::OnInitDialog() {
  TemplateDialog::OnInitDialog();
  m_wndChart.Create(GetDlgItem(kChartFrame)->geometry(), this);
  m_wndChart.SetColor(m_crColor);
  m_wndChart.SetResolution(m_nResolution);
  m_wndChart.SetSpeed(m_nSpeed);
  m_wndChart.SetWidth(m_nWidth);
  SetRange(m_ctlClear, kClearBar);
  SetRange(m_ctlSpeed, kSpeedBar);
  m_ctlClear->setValue(m_nResolution);
  m_ctlSpeed->setValue(m_nSpeed);
  return true;
}

void CAntennaTestDlg::OnOK() {
  m_bExchangeFailed = false;
  UpdateData(true);
  if (m_bExchangeFailed) return;
  EndDialog(kIdOk);
}

void CAntennaTestDlg::OnHScroll(ScrollCode code, int thumb, QScrollBar* bar) {
  const ScrollBarRange& range = bar == m_ctlSpeed ? kSpeedBar : kClearBar;
  const int pos = ScrollPosition(code, bar->value(), thumb, range);
  {
    // Moving the thumb here must not come back as another scroll event.
    const QSignalBlocker quiet(bar);
    bar->setSliderPosition(pos);
  }
  m_wndChart.SetSpeed(m_ctlSpeed->sliderPosition());
  m_wndChart.SetResolution(m_ctlClear->sliderPosition());
}

void CAntennaTestDlg::OnCommand(int id) {
  if (id == kInformButton) {
    OnInform();
    return;
  }
  TemplateDialog::OnCommand(id);
}

void CAntennaTestDlg::OnInform() {
  std::fill(std::begin(m_adapter.VswrByChannel), std::end(m_adapter.VswrByChannel), 0.0);
  CAntennaInfoDlg report(m_adapter);
  report.DoModal();
}

}  // namespace quoril
