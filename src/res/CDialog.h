#pragma once
// The base of every window class: a modal dialog made from its numbered
// template on the window system it is given, in the manner of the dialog
// framework the windows were designed on. DoModal makes the window, runs
// OnInitDialog (which exchanges data into the controls), delivers the
// dialog's events to the virtual handlers below and returns the result that
// ended it; the window is gone when DoModal returns, and so are its timers.
// Handlers reach controls by id; outside a modal run they do nothing.

#include <string>
#include <string_view>

#include "app/Rgb.h"

#include "res/DialogEvents.h"
#include "res/DialogPeer.h"
#include "res/MessageBoxes.h"
#include "res/WindowSystem.h"

namespace quoril {

class CDialog;

// The data-exchange step's direction and its verdict. A validation that
// fails shows its message and marks the exchange failed; UpdateData then
// returns false and OK keeps the dialog open.
class CDataExchange {
 public:
  CDataExchange(CDialog& dialog, bool saveAndValidate)
      : m_pDlgWnd(&dialog), m_bSaveAndValidate(saveAndValidate) {}
  void Fail() { m_bFailed = true; }
  bool Failed() const { return m_bFailed; }

  CDialog* m_pDlgWnd;
  bool m_bSaveAndValidate;

 private:
  bool m_bFailed = false;
};

// Controls bound by id, as DDX_Control binds them: thin handles that talk to
// the owner's window while it is open.
class CControl {
 public:
  void Bind(CDialog& owner, int id) {
    owner_ = &owner;
    id_ = id;
  }
  int Id() const { return id_; }
  void EnableWindow(bool enable);

 protected:
  DialogPeer* Peer() const;

 private:
  CDialog* owner_ = nullptr;
  int id_ = 0;
};

class CProgressCtrl : public CControl {
 public:
  void SetRange(int low, int high);
  void SetStep(int step);
  void SetPos(int position);
  void SetBarColor(Rgb colour);
  void SetBkColor(Rgb colour);
};

class CSliderCtrl : public CControl {
 public:
  void SetRange(int low, int high, bool redraw = false);
  void SetTicFreq(int every);
  void SetPos(int position, bool redraw = true);
  int GetPos() const;
};

class CScrollBar : public CControl {
 public:
  void SetScrollRange(int low, int high, bool redraw = true);
  void SetScrollPos(int position, bool redraw = true);
  int GetScrollPos() const;
};

class CDialog : public DialogEvents {
 public:
  static constexpr int IDOK = 1;
  static constexpr int IDCANCEL = 2;

  CDialog(int templateId, WindowSystem& windows);
  ~CDialog() override;
  CDialog(const CDialog&) = delete;
  CDialog& operator=(const CDialog&) = delete;

  // Runs the dialog modally and returns the result it ended with.
  int DoModal();
  void EndDialog(int result);
  // Runs DoDataExchange; false when a validation failed.
  bool UpdateData(bool saveAndValidate = true);

  // Open between OnAttach(peer) and OnAttach(nullptr). Derived classes that
  // override OnAttach call this one first.
  bool IsOpen() const { return m_pPeer != nullptr; }
  DialogPeer* Peer() const { return m_pPeer; }
  const res::DialogTemplate& Template() const { return m_template; }
  WindowSystem& Windows() const { return m_windows; }

  // Controls by id.
  void SetDlgItemText(int id, std::string_view text);
  std::string GetDlgItemText(int id) const;
  void EnableItem(int id, bool enable);
  void CheckDlgButton(int id, bool checked);
  bool IsDlgButtonChecked(int id) const;

  // Window timers; SetTimer returns the id.
  int SetTimer(int timerId, int periodMs);
  void KillTimer(int timerId);

  BoxAnswer MessageBox(std::string_view text, std::string_view caption, BoxButtons buttons,
                       BoxIcon icon = BoxIcon::kNone);

  // DialogEvents, routed to the handlers below.
  void OnAttach(DialogPeer* peer) override;
  bool OnInitDialog() override;
  void OnCommand(int id) override;
  void OnTimer(int timerId) override;
  void OnHScroll(int id, ScrollCode code, int thumb) override;
  void OnVScroll(int id, ScrollCode code, int thumb) override;
  void OnSysCommand(unsigned command) override;

 protected:
  virtual void DoDataExchange(CDataExchange& dx);
  // The framework's OK: UpdateData(true), and when it holds, EndDialog(IDOK).
  virtual void OnOK();
  virtual void OnCancel();

  // Data exchange helpers. Once a validation has failed, the rest of the
  // exchange is skipped, as the framework's exception would skip it.
  void DDX_Control(CDataExchange& dx, int id, CControl& control);
  // The index of the checked button in the radio group that starts at
  // `firstId` (the radio buttons from it up to the next control that starts
  // a group), -1 for none; loading any other index unchecks them all.
  void DDX_Radio(CDataExchange& dx, int firstId, int& value);
  void DDX_Scroll(CDataExchange& dx, int id, int& value);
  // On saving: value outside low..high shows the framework's range message
  // and fails the exchange.
  void DDV_MinMaxInt(CDataExchange& dx, int value, int low, int high);

 private:
  const res::DialogTemplate& m_template;
  WindowSystem& m_windows;
  DialogPeer* m_pPeer = nullptr;
};

}  // namespace quoril
