#include "airscan/CAirScanDlg.h"

#include "adapter/CAdapter.h"
#include "airscan/ScanSliders.h"
#include "airscan/ScanTick.h"
#include "res/DialogTemplate.h"

namespace quoril {

namespace {

constexpr int kFirstBarId = 1132;
constexpr int kStopCommand = 3;

// Sets a slider as the program does, which notifies nobody.
void Prepare(CSliderCtrl& slider, int low, int high, int position) {
  slider.SetRange(low, high, false);
  slider.SetTicFreq(kSliderTickEvery);
  slider.SetPos(position, true);
}

}  // namespace

CAirScanDlg::CAirScanDlg(CAdapter& adapter, WindowSystem& windows)
    : CDialog(res::kAirScan, windows), adapter_(adapter) {
  ResetAirScan(adapter_, CurrentScanChannel(adapter_));
}

void CAirScanDlg::DoDataExchange(CDataExchange& dx) {
  for (int k = 0; k < kScanChannelCount; ++k) DDX_Control(dx, kFirstBarId + k, Bar(k + 1));
  DDX_Radio(dx, kDbmRadioId, m_nDisplay);
  DDX_Control(dx, kZoomSliderId, m_ctlZoom);
  DDX_Control(dx, kLevelBerSliderId, m_ctlLevelBer);
  if (dx.m_bSaveAndValidate) return;

  state_ = AirScanState{};
  Prepare(m_ctlZoom, kZoomMin, kZoomMax, kZoomStart);
  Prepare(m_ctlLevelBer, kLevelBerMin, kLevelBerMax, kLevelBerStart);
  state_.berLevel = 0;
  for (CProgressCtrl& bar : m_ctlBar) {
    bar.SetBarColor(kScanBarColour);
    bar.SetBkColor(kScanBarIdleBackground);
    bar.SetRange(state_.rangeMin, state_.rangeMax);
    bar.SetStep(state_.step);
    bar.SetPos(0);
  }
  m_ctlLevelBer.EnableWindow(false);
  m_nTimer = SetTimer(kScanTimerId, kScanPeriodMs);
}

void CAirScanDlg::OnTimer(int) {
  const ScanTickResult tick = RunScanTick(adapter_, state_);
  if (tick.close) OnOK();
  const ScanChannelControls& c = *tick.controls;
  SetDlgItemText(c.labelId, c.marked);
  SetDlgItemText(c.previousLabelId, c.unmarked);
  SetDlgItemText(c.valueTextId, tick.valueText.view());
  CProgressCtrl& bar = Bar(tick.channel);
  bar.SetPos(tick.barValue);
  bar.SetBkColor(tick.background);
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
      CDialog::OnCommand(id);
  }
}

void CAirScanDlg::OnOK() {
  CDialog::OnOK();
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
  m_ctlZoom.EnableWindow(mode.zoomEnabled);
  m_ctlLevelBer.EnableWindow(mode.levelBerEnabled);
  SetBarRanges(mode.barLow, mode.barHigh);
}

void CAirScanDlg::OnVScroll(int, ScrollCode, int) {
  const SliderUpdate update =
      OnSliderScroll(m_ctlZoom.GetPos(), m_ctlLevelBer.GetPos(), adapter_.ScanShowBer != 0, state_);
  SetDlgItemText(kLevelBerTextId, update.levelBerText.view());
  SetDlgItemText(kZoomTextId, update.zoomText.view());
  if (update.applyRange) SetBarRanges(state_.rangeMin, state_.rangeMax);
}

void CAirScanDlg::SetBarRanges(int low, int high) {
  for (CProgressCtrl& bar : m_ctlBar) bar.SetRange(low, high);
}

}  // namespace quoril
