#include "app/CLinkMonitorDlg.h"

#include <QContextMenuEvent>
#include <QMenu>

#include "airscan/CAirScanDlg.h"
#include "antenna/AntennaTestCommand.h"
#include "app/BoxAdapterUi.h"
#include "app/CAboutDlg.h"
#include "app/PollTick.h"
#include "app/Settings.h"
#include "app/SettingsFile.h"
#include "power/CPowerControlDlg.h"
#include "res/qt/BarControl.h"
#include "res/DialogTemplate.h"
#include "res/qt/QtText.h"
#include "res/qt/Resources.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace quoril {

namespace {

constexpr int kStartButton = 1102;
constexpr int kStopButton = 1107;

void Prepare(BarControl* bar, const BarRange& range) {
  bar->SetRange(range.low, range.high);
  bar->SetStep(range.step);
  bar->SetPos(0);
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

CLinkMonitorDlg::CLinkMonitorDlg(AppServices& services, QWidget* parent)
    : TemplateDialog(res::kLinkMonitor, parent),
      services_(services),
      adapter_(services.adapter),
      m_hIcon(ApplicationIcon()) {
  if (services_.simulatedCard) setWindowTitle(QStringLiteral("WLAN Quoril (simulated card)"));
  LoadMainWindowSettings(services_.profile, adapter_);
  TouchSettingsFile(services_.settingsFile);
}

CLinkMonitorDlg::~CLinkMonitorDlg() {
  if (cardFound_) SaveAdapterSettings(adapter_, services_.profile);
}

void CLinkMonitorDlg::DoDataExchange(bool) {
  m_ctlInterference = Item<BarControl>(kInterferenceBarId);
  m_ctlLinkErrors = Item<BarControl>(kLinkErrorBarId);
  m_ctlSignal = Item<BarControl>(kSignalBarId);
}

bool CLinkMonitorDlg::OnInitDialog() {
  TemplateDialog::OnInitDialog();
  Prepare(m_ctlInterference, kInterferenceBarRange);
  Prepare(m_ctlLinkErrors, kLinkErrorBarRange);
  Prepare(m_ctlSignal, kSignalBarRange);
  AddAboutItem();
  setWindowIcon(m_hIcon);
  EnableItem(kStartButton, false);
  EnableItem(kStopButton, false);
  // Without a card this ends the program (ProgramExit), before anything is
  // saved.
  adapter_.FindInputAdapter();
  cardFound_ = true;
  StartPoll();
  return true;
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
  m_ctlInterference->SetBarColor(ColorFromRef(r.interferenceColour));
  if (r.signalColourSet) m_ctlSignal->SetBarColor(ColorFromRef(r.signalColour));
  m_ctlSignal->SetPos(r.signalBar);
  m_ctlInterference->SetPos(r.interferenceBar);
  m_ctlLinkErrors->SetPos(r.linkErrorBar);
  for (std::size_t i = 0; i < kPollTextCount; ++i) {
    if (r.texts[i].set) SetDlgItemText(kPollTextControl[i], ToQString(r.texts[i].text.view()));
  }
}

void CLinkMonitorDlg::RaiseAlarm(const DriverAlarm& alarm) {
  StopPoll();
  const std::string_view text = alarm.text.view();
  if (alarm.kind == DriverAlarm::Kind::kOff) {
    services_.boxes.Show({}, text, BoxButtons::kOk, BoxIcon::kNone);
    OnOK();
    return;
  }
  if (services_.boxes.Show({}, text, BoxButtons::kRetryCancel, BoxIcon::kNone) ==
      BoxAnswer::kRetry) {
    StartPoll();
  } else {
    OnOK();
  }
}

void CLinkMonitorDlg::OnOK() {
  EnableItem(kStopButton, false);
  EnableItem(kStartButton, true);
  TemplateDialog::OnOK();
  StopPoll();
}

void CLinkMonitorDlg::EndProgram(int code) {
  exitCode_ = code;
  cardFound_ = false;
  StopPoll();
  EndDialog(kIdCancel);
}

// --- Commands ---------------------------------------------------------------

void CLinkMonitorDlg::OnCommand(int id) {
  for (const Command& command : kCommands) {
    if (command.id == id) {
      (this->*command.handler)();
      return;
    }
  }
  TemplateDialog::OnCommand(id);
}

void CLinkMonitorDlg::OnTxPower() {
  CPowerControlDlg dialog(adapter_);
  if (dialog.DoModal() != kIdOk) return;
  const PowerControlModel& chosen = dialog.Model();
  SavePowerSettings(services_.profile, chosen.PowerSwitch(), chosen.PowerIndex(),
                    chosen.PowerValue());
}

// The poll goes on while the antenna test runs.
void CLinkMonitorDlg::OnAntennaTest() {
  RunAntennaTest(adapter_, services_.profile, services_.boxes);
}

void CLinkMonitorDlg::OnAirScan() {
  CAirScanDlg dialog(adapter_);
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
  // window instead, and the application ends with its status.
  try {
    adapter_.FindInputAdapter();
  } catch (const ProgramExit& exit) {
    EndProgram(exit.code);
  } catch (const CAdapter::Initialization&) {
    ShowSetupFailure(services_.boxes);
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
  CAboutDlg about;
  about.DoModal();
}

#ifdef Q_OS_WIN

void CLinkMonitorDlg::AddAboutItem() {
  const QString text = ToQString(res::LoadResourceString(res::kAboutItemString));
  HMENU menu = GetSystemMenu(reinterpret_cast<HWND>(winId()), FALSE);
  if (!menu || text.isEmpty()) return;
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING, kIdmAboutBox, reinterpret_cast<const wchar_t*>(text.utf16()));
}

bool CLinkMonitorDlg::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
  const MSG* msg = static_cast<const MSG*>(message);
  if (msg->message == WM_SYSCOMMAND && (msg->wParam & 0xFFF0) == kIdmAboutBox) {
    OnSysCommand(static_cast<unsigned>(msg->wParam));
    *result = 0;
    return true;
  }
  return TemplateDialog::nativeEvent(eventType, message, result);
}

#else

// No system menu here: the About item lives in the window's context menu.
void CLinkMonitorDlg::AddAboutItem() {}

void CLinkMonitorDlg::contextMenuEvent(QContextMenuEvent* event) {
  const QString text = ToQString(res::LoadResourceString(res::kAboutItemString));
  if (text.isEmpty()) return;
  QMenu menu(this);
  const QAction* about = menu.addAction(text);
  if (menu.exec(event->globalPos()) == about) OnSysCommand(kIdmAboutBox);
}

#endif

}  // namespace quoril
