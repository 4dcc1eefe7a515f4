#pragma once
// One template dialog on Qt widgets: builds the window with its controls,
// turns what the user does into the dialog's events, and carries out what
// the dialog asks of its controls by id.

#include <QPointer>
#include <memory>

#include "res/DialogPeer.h"
#include "res/DialogTemplate.h"
#include "res/qt/DialogControls.h"

class QEventLoop;
class QWidget;

namespace quoril {

class DialogEvents;
class DialogWindow;
class PeriodicTimers;

class QtDialogPeer final : public DialogPeer {
 public:
  QtDialogPeer(const res::DialogTemplate& dialogTemplate, DialogEvents& events);
  ~QtDialogPeer() override;

  // Shows the window, with the focus on the first tab stop when asked, and
  // delivers its events until EndModal. Returns at once when it ended
  // already.
  void RunModal(bool focusFirstTabStop);
  bool Ended() const { return ended_; }
  int Result() const { return result_; }
  QWidget& Window() const;

  void SetCaption(std::string_view text) override;
  void SetIcon(int iconId) override;
  void AddSystemMenuItem(unsigned command, std::string_view text) override;
  void EndModal(int result) override;
  bool Capture(const std::filesystem::path& stem) override;

  void SetItemText(int id, std::string_view text) override;
  std::string ItemText(int id) const override;
  void EnableItem(int id, bool enable) override;
  bool IsItemEnabled(int id) const override;
  void ShowItem(int id, bool show) override;
  bool IsItemVisible(int id) const override;
  void SetFocus(int id) override;
  int FocusedItem() const override;
  PixelRect ItemRect(int id) const override;

  void SetCheck(int id, bool checked) override;
  bool IsChecked(int id) const override;

  void SetBarRange(int id, int low, int high) override;
  void SetBarStep(int id, int step) override;
  void SetBarPos(int id, int position) override;
  void SetBarColor(int id, Rgb colour) override;
  void SetBarBackground(int id, Rgb colour) override;

  void SetSliderRange(int id, int low, int high, bool redraw) override;
  void SetSliderTicks(int id, int every) override;
  void SetSliderPos(int id, int position, bool redraw) override;
  int SliderPos(int id) const override;

  void SetScrollRange(int id, int low, int high, bool redraw) override;
  void SetScrollPos(int id, int position, bool redraw) override;
  int ScrollPos(int id) const override;

  void SetTimer(int timerId, int periodMs) override;
  void KillTimer(int timerId) override;

  std::unique_ptr<ChartSurface> CreateChart(const PixelRect& rect, ChartEvents& events) override;

 private:
  template <class T>
  T* Item(int id) const {
    return controls_.Get<T>(id);
  }
  // Wires every control to the events it sends.
  void ConnectControls();
  void ConnectButton(int id);
  template <class Control>
  void ConnectScroll(int id, Control* control);
  // A click on an automatic radio button checks it and unchecks the rest of
  // its group before the command goes out.
  void CheckAlone(int id);
  void FocusFirstTabStop();
  // Calls into the dialog while it has not ended.
  template <class Call>
  void Deliver(Call call);

  DialogEvents& events_;
  std::unique_ptr<DialogWindow> window_;
  DialogControls controls_;
  PeriodicTimers* timers_;
  QPointer<QEventLoop> loop_;
  bool ended_ = false;
  int result_ = 0;
};

}  // namespace quoril
