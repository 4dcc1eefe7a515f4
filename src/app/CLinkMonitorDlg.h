#pragma once
// The main window: polls the card every 300 ms and shows the link, and
// carries the commands that open the other tools.

#include <QIcon>

#include "app/AppServices.h"
#include "app/PollComputation.h"
#include "app/PollTick.h"
#include "res/TemplateDialog.h"

namespace quoril {

class BarControl;

class CLinkMonitorDlg : public TemplateDialog {
  Q_OBJECT
 public:
  static constexpr int kPollTimerId = 1105;
  static constexpr int kIdmAboutBox = 0x10;

  // Loads the power and adapter settings into the adapter and makes sure the
  // settings file exists.
  explicit CLinkMonitorDlg(AppServices& services, QWidget* parent = nullptr);
  // Saves the adapter settings, unless the window never found its card or
  // ended because the program has to.
  ~CLinkMonitorDlg() override;

  void OnTimer(int id) override;
  void OnCommand(int id) override;
  void OnSysCommand(unsigned id);

  // The exit status the program ends with; not 0 only when a command found
  // that the program cannot go on.
  int ExitCode() const { return exitCode_; }
  bool IsPolling() const { return IsTimerRunning(kPollTimerId); }

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(bool save) override;
  void OnOK() override;
#ifdef Q_OS_WIN
  bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;
#else
  void contextMenuEvent(QContextMenuEvent* event) override;
#endif

 private:
  struct Command;
  static const Command kCommands[];

  void OnTxPower();
  void OnAntennaTest();
  void OnAirScan();
  void OnRescan();
  void OnWlan();
  void OnSq();
  void OnStart();
  void OnStop();
  void OnDelay();

  void StartPoll();
  void StopPoll();
  void ShowPoll(const PollResult& result);
  void RaiseAlarm(const DriverAlarm& alarm);
  void AddAboutItem();
  // Ends the window because the program must end with `code`.
  void EndProgram(int code);

  AppServices& services_;
  CAdapter& adapter_;
  BarControl* m_ctlInterference = nullptr;
  BarControl* m_ctlLinkErrors = nullptr;
  BarControl* m_ctlSignal = nullptr;
  QIcon m_hIcon;
  int m_nPollTimer = 0;
  bool cardFound_ = false;
  int exitCode_ = 0;
};

}  // namespace quoril
