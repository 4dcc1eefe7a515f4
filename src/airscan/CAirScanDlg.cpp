#include "airscan/CAirScanDlg.h"

#include <QSignalBlocker>
#include <QSlider>

#include "adapter/CAdapter.h"
#include "airscan/ScanSliders.h"
#include "airscan/ScanTick.h"
#include "res/qt/BarControl.h"
#include "res/DialogTemplate.h"
#include "res/qt/QtText.h"

namespace quoril {

namespace {

constexpr int kFirstBarId = 1132;
constexpr int kStopCommand = 3;

// Sets a slider as the program does, which notifies nobody.
void Prepare(QSlider* slider, int low, int high, int position) {
  const QSignalBlocker quiet(slider);
  slider->setRange(low, high);
  slider->setTickInterval(kSliderTickEvery);
  slider->setValue(position);
}

}  // namespace

CAirScanDlg::CAirScanDlg(CAdapter& adapter, QWidget* parent)
    : TemplateDialog(res::kAirScan, parent), adapter_(adapter) {
  ResetAirScan(adapter_, CurrentScanChannel(adapter_));
  for (QSlider* slider : {Item<QSlider>(kZoomSliderId), Item<QSlider>(kLevelBerSliderId)}) {
    connect(slider, &QSlider::valueChanged, this, [this] { OnVScroll(); });
  }
}

void CAirScanDlg::DoDataExchange(bool save) {
  for (int k = 0; k < kScanChannelCount; ++k) {
    m_ctlBar[static_cast<std::size_t>(k)] = Item<BarControl>(kFirstBarId + k);
  }
  m_ctlZoom = Item<QSlider>(kZoomSliderId);
  m_ctlLevelBer = Item<QSlider>(kLevelBerSliderId);
  if (save) {
    m_nDisplay = Controls().RadioIndex(kDbmRadioId);
    return;
  }
  Controls().SetRadioIndex(kDbmRadioId, m_nDisplay);

  state_ = AirScanState{};
  Prepare(m_ctlZoom, kZoomMin, kZoomMax, kZoomStart);
  Prepare(m_ctlLevelBer, kLevelBerMin, kLevelBerMax, kLevelBerStart);
  state_.berLevel = 0;
  for (BarControl* bar : m_ctlBar) {
    bar->SetBarColor(ColorFromRef(kScanBarColour));
    bar->SetBackgroundColor(ColorFromRef(kScanBarIdleBackground));
    bar->SetRange(state_.rangeMin, state_.rangeMax);
    bar->SetStep(state_.step);
    bar->SetPos(0);
  }
  m_ctlLevelBer->setEnabled(false);
  m_nTimer = SetTimer(kScanTimerId, kScanPeriodMs);
}

void CAirScanDlg::OnTimer(int) {
  const ScanTickResult tick = RunScanTick(adapter_, state_);
  if (tick.close) OnOK();
  const ScanChannelControls& c = *tick.controls;
  SetDlgItemText(c.labelId, ToQString(c.marked));
  SetDlgItemText(c.previousLabelId, ToQString(c.unmarked));
  SetDlgItemText(c.valueTextId, ToQString(tick.valueText.view()));
  BarControl* bar = Bar(tick.channel);
  bar->SetPos(tick.barValue);
  bar->SetBackgroundColor(ColorFromRef(tick.background));
}

void CAirScanDlg::OnCommand(int id) {
  switch (id) {
    case kStopCommand:
      OnStop();
      return;
    case kDbmRadioId:
      OnDisplay(false);
      return;
    case kBerRadioId:
      OnDisplay(true);
      return;
    default:
      TemplateDialog::OnCommand(id);
  }
}

void CAirScanDlg::OnOK() {
  TemplateDialog::OnOK();
  KillTimer(m_nTimer);
}

void CAirScanDlg::OnCancel() {
  OnStart();
}

void CAirScanDlg::OnStart() {
  adapter_.PacketStartScan();
  m_nTimer = SetTimer(kScanTimerId, kScanPeriodMs);
}

void CAirScanDlg::OnStop() {
  KillTimer(m_nTimer);
  adapter_.PacketStopTest();
}

void CAirScanDlg::OnDisplay(bool showBer) {
  const DisplayMode mode = SelectDisplayMode(showBer, state_, adapter_);
  m_ctlZoom->setEnabled(mode.zoomEnabled);
  m_ctlLevelBer->setEnabled(mode.levelBerEnabled);
  SetBarRanges(mode.barLow, mode.barHigh);
}

void CAirScanDlg::OnVScroll() {
  const SliderUpdate update =
      OnSliderScroll(m_ctlZoom->value(), m_ctlLevelBer->value(), adapter_.ScanShowBer != 0, state_);
  SetDlgItemText(kLevelBerTextId, ToQString(update.levelBerText.view()));
  SetDlgItemText(kZoomTextId, ToQString(update.zoomText.view()));
  if (update.applyRange) SetBarRanges(state_.rangeMin, state_.rangeMax);
}

void CAirScanDlg::SetBarRanges(int low, int high) {
  for (BarControl* bar : m_ctlBar) bar->SetRange(low, high);
}

}  // namespace quoril
