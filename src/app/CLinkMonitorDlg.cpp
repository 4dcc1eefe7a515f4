#include "app/CLinkMonitorDlg.h"

#include "airscan/CAirScanDlg.h"
#include "antenna/AntennaTestCommand.h"
#include "app/BoxAdapterUi.h"
#include "app/CAboutDlg.h"
#include "app/Settings.h"
#include "app/SettingsFile.h"
#include "power/CPowerControlDlg.h"
#include "res/DialogTemplate.h"

namespace quoril {

namespace {

constexpr int kStartButton = 1102;
constexpr int kStopButton = 1107;

void Prepare(CProgressCtrl& bar, const BarRange& range) {
  bar.SetRange(range.low, range.high);
  bar.SetStep(range.step);
  bar.SetPos(0);
}

}  // namespace

// The window's message map for buttons.
struct CLinkMonitorDlg::Command {
  int id;
  void (CLinkMonitorDlg::*handler)();
};

const CLinkMonitorDlg::Command CLinkMonitorDlg::kCommands[] = {
    {kStartButton, &CLinkMonitorDlg::OnStart},
    {kStopButton, &CLinkMonitorDlg::OnStop},
    {1019, &CLinkMonitorDlg::OnSq},
    {1020, &CLinkMonitorDlg::OnRescan},
    {1105, &CLinkMonitorDlg::OnTxPower},
    {1104, &CLinkMonitorDlg::OnDelay},
    {1112, &CLinkMonitorDlg::OnAntennaTest},
    {1024, &CLinkMonitorDlg::OnAirScan},
    {1018, &CLinkMonitorDlg::OnWlan},
};

CLinkMonitorDlg::CLinkMonitorDlg(AppServices& services)
    : CDialog(res::kLinkMonitor, services.windows),
      services_(services),
      adapter_(services.adapter) {
  LoadMainWindowSettings(services_.profile, adapter_);
  TouchSettingsFile(services_.settingsFile);
}

CLinkMonitorDlg::~CLinkMonitorDlg() {
  if (cardFound_) SaveAdapterSettings(adapter_, services_.profile);
}

void CLinkMonitorDlg::DoDataExchange(CDataExchange& dx) {
  DDX_Control(dx, kInterferenceBarId, m_ctlInterference);
  DDX_Control(dx, kLinkErrorBarId, m_ctlLinkErrors);
  DDX_Control(dx, kSignalBarId, m_ctlSignal);
}

bool CLinkMonitorDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  if (services_.simulatedCard) Peer()->SetCaption("WLAN Quoril (simulated card)");
  Prepare(m_ctlInterference, kInterferenceBarRange);
  Prepare(m_ctlLinkErrors, kLinkErrorBarRange);
  Prepare(m_ctlSignal, kSignalBarRange);
  AddAboutItem();
  Peer()->SetIcon(res::kApplicationIcon);
  EnableItem(kStartButton, false);
  EnableItem(kStopButton, false);
  // Without a card this ends the program (ProgramExit), before anything is
  // saved.
  adapter_.FindInputAdapter();
  cardFound_ = true;
  StartPoll();
  return true;
}

void CLinkMonitorDlg::AddAboutItem() {
  const std::string_view text = res::LoadResourceString(res::kAboutItemString);
  if (!text.empty()) Peer()->AddSystemMenuItem(kIdmAboutBox, text);
}

// --- The poll ---------------------------------------------------------------

void CLinkMonitorDlg::StartPoll() {
  m_nPollTimer = SetTimer(kPollTimerId, kPollPeriodMs);
}

void CLinkMonitorDlg::StopPoll() {
  KillTimer(m_nPollTimer);
}

void CLinkMonitorDlg::OnTimer(int) {
  const PollResult result = RunPollTick(adapter_);
  ShowPoll(result);
  if (result.alarm.kind != DriverAlarm::Kind::kNone) RaiseAlarm(result.alarm);
}

void CLinkMonitorDlg::ShowPoll(const PollResult& r) {
  m_ctlInterference.SetBarColor(r.interferenceColour);
  if (r.signalColourSet) m_ctlSignal.SetBarColor(r.signalColour);
  m_ctlSignal.SetPos(r.signalBar);
  m_ctlInterference.SetPos(r.interferenceBar);
  m_ctlLinkErrors.SetPos(r.linkErrorBar);
  for (std::size_t i = 0; i < kPollTextCount; ++i) {
    if (r.texts[i].set) SetDlgItemText(kPollTextControl[i], r.texts[i].text.view());
  }
}

void CLinkMonitorDlg::RaiseAlarm(const DriverAlarm& alarm) {
  StopPoll();
  const std::string_view text = alarm.text.view();
  if (alarm.kind == DriverAlarm::Kind::kOff) {
    MessageBox(text, {}, BoxButtons::kOk);
    OnOK();
    return;
  }
  if (MessageBox(text, {}, BoxButtons::kRetryCancel) == BoxAnswer::kRetry) {
    StartPoll();
  } else {
    OnOK();
  }
}

void CLinkMonitorDlg::OnOK() {
  EnableItem(kStopButton, false);
  EnableItem(kStartButton, true);
  CDialog::OnOK();
  StopPoll();
}

void CLinkMonitorDlg::EndProgram(int code) {
  exitCode_ = code;
  cardFound_ = false;
  StopPoll();
  EndDialog(IDCANCEL);
}

// --- Commands ---------------------------------------------------------------

void CLinkMonitorDlg::OnCommand(int id) {
  for (const Command& command : kCommands) {
    if (command.id == id) {
      (this->*command.handler)();
      return;
    }
  }
  CDialog::OnCommand(id);
}

void CLinkMonitorDlg::OnTxPower() {
  CPowerControlDlg dialog(adapter_, Windows());
  if (dialog.DoModal() != IDOK) return;
  const PowerControlModel& chosen = dialog.Model();
  SavePowerSettings(services_.profile, chosen.PowerSwitch(), chosen.PowerIndex(),
                    chosen.PowerValue());
}

// The poll goes on while the antenna test runs.
void CLinkMonitorDlg::OnAntennaTest() {
  RunAntennaTest(adapter_, services_.profile, Windows());
}

void CLinkMonitorDlg::OnAirScan() {
  CAirScanDlg dialog(adapter_, Windows());
  StopPoll();
  adapter_.PacketStartScan();
  dialog.DoModal();
  adapter_.PacketStopTest();
  StartPoll();
}

void CLinkMonitorDlg::OnRescan() {
  StopPoll();
  adapter_.PacketRescan();
  StartPoll();
}

void CLinkMonitorDlg::OnWlan() {
  // Runs inside the window's loop: what would end the program ends the
  // window instead, and the application ends with its status. An adapter
  // that cannot be opened again has said so in its own box already.
  try {
    adapter_.FindInputAdapter();
  } catch (const ProgramExit& exit) {
    EndProgram(exit.code);
  } catch (const CAdapter::Initialization&) {
    EndProgram(kSetupFailureExit);
  }
}

void CLinkMonitorDlg::OnSq() {
  adapter_.PacketGetStatus();
}

void CLinkMonitorDlg::OnStart() {
  EnableItem(kStartButton, false);
}

void CLinkMonitorDlg::OnStop() {
  EnableItem(kStopButton, false);
  EnableItem(kStartButton, true);
}

void CLinkMonitorDlg::OnDelay() {}

// --- About ------------------------------------------------------------------

void CLinkMonitorDlg::OnSysCommand(unsigned id) {
  if ((id & 0xFFF0) != kIdmAboutBox) return;
  CAboutDlg about(Windows());
  about.DoModal();
}

}  // namespace quoril
