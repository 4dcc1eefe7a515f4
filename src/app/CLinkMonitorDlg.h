#pragma once
// The main window: polls the card every 300 ms and shows the link, and
// carries the commands that open the other tools.

#include "app/AppServices.h"
#include "app/PollComputation.h"
#include "app/PollTick.h"
#include "res/CDialog.h"

namespace quoril {

class CLinkMonitorDlg : public CDialog {
 public:
  static constexpr int kPollTimerId = 1105;
  static constexpr unsigned kIdmAboutBox = 0x10;

  // Loads the power and adapter settings into the adapter and makes sure the
  // settings file exists.
  explicit CLinkMonitorDlg(AppServices& services);
  // Saves the adapter settings, unless the window never found its card or
  // ended because the program has to.
  ~CLinkMonitorDlg() override;

  void OnTimer(int id) override;
  void OnCommand(int id) override;
  void OnSysCommand(unsigned id) override;

  // The exit status the program ends with; not 0 only when a command found
  // that the program cannot go on.
  int ExitCode() const { return exitCode_; }

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(CDataExchange& dx) override;
  void OnOK() override;

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
  CProgressCtrl m_ctlInterference;
  CProgressCtrl m_ctlLinkErrors;
  CProgressCtrl m_ctlSignal;
  int m_nPollTimer = 0;
  bool cardFound_ = false;
  int exitCode_ = 0;
};

}  // namespace quoril
