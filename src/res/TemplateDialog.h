#pragma once
// The dialog framework the windows are written against: a modal dialog laid
// out from a numbered template, initialised by OnInitDialog, exchanging data
// through DoDataExchange, ended by OnOK and OnCancel, with button commands
// by control id and window timers by timer id.

#include <QDialog>
#include <QString>
#include <map>

#include "res/qt/DialogControls.h"

class QTimer;

namespace quoril {

class TemplateDialog : public QDialog {
  Q_OBJECT
 public:
  // Results of a modal run, and the commands that end one.
  static constexpr int kIdOk = 1;
  static constexpr int kIdCancel = 2;

  explicit TemplateDialog(int templateId, QWidget* parent = nullptr);
  ~TemplateDialog() override;

  // Runs OnInitDialog once and then the dialog modally, unless it ended
  // already; returns the id it ended with.
  int DoModal();
  // OnInitDialog without the modal run (tests, screenshots). Once only.
  void Initialize();
  bool Ended() const { return ended_; }
  int EndResult() const { return result_; }

  QWidget* GetDlgItem(int id) const { return controls_.Item(id); }
  template <class T>
  T* Item(int id) const {
    return controls_.Get<T>(id);
  }
  const DialogControls& Controls() const { return controls_; }
  // Sets the text of the control and repaints it at once.
  void SetDlgItemText(int id, const QString& text);
  QString GetDlgItemText(int id) const;
  void EnableItem(int id, bool enable);

  // Window timers. OnTimer(id) runs `ms` after the timer starts and then
  // `ms` after the end of each tick, so ticks that come due while one runs
  // are dropped rather than run back to back. Setting a running timer again
  // restarts its period. Returns the id.
  int SetTimer(int id, int ms);
  void KillTimer(int id);
  bool IsTimerRunning(int id) const;

  // A button was clicked (its control id). IDOK and IDCANCEL end the dialog.
  virtual void OnCommand(int id);
  // One tick of the timer `id`.
  virtual void OnTimer(int id);

  // Runs DoDataExchange: save = true reads the controls into the members.
  bool UpdateData(bool save = true);
  void EndDialog(int result);

 protected:
  virtual bool OnInitDialog();
  virtual void DoDataExchange(bool save);
  virtual void OnOK();
  virtual void OnCancel();

  void accept() override;
  void reject() override;
  void done(int result) override;

 private:
  void Fire(int id);

  DialogControls controls_;
  std::map<int, QTimer*> timers_;
  std::map<int, bool> armed_;
  bool initialized_ = false;
  bool ended_ = false;
  int result_ = 0;
};

}  // namespace quoril
