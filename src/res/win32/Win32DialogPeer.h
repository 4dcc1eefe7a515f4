#pragma once
// One dialog window of the Win32 backend: the template's controls reached by
// id through the platform's control messages.

#include <windows.h>

#include <set>
#include <vector>

#include "res/DialogPeer.h"
#include "res/DialogTemplate.h"

namespace quoril::win32 {

class Win32DialogPeer final : public DialogPeer {
 public:
  Win32DialogPeer(HWND dialog, const res::DialogTemplate& dialogTemplate, HINSTANCE instance);

  HWND Hwnd() const { return dialog_; }
  // The window is going: every later call does nothing.
  void Detach();
  // EndModal was called.
  bool Ended() const { return ended_; }
  // A command that AddSystemMenuItem put in the system menu.
  bool IsMenuCommand(unsigned command) const;

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
  // The control with `id`, or nullptr (also for a control of another kind).
  HWND Item(int id) const;
  HWND Item(int id, res::ControlKind kind) const;
  LRESULT Send(int id, res::ControlKind kind, UINT message, WPARAM wParam, LPARAM lParam) const;

  HWND dialog_;
  const res::DialogTemplate& template_;
  HINSTANCE instance_;
  std::set<int> timers_;
  std::vector<unsigned> menuCommands_;
  bool ended_ = false;
};

}  // namespace quoril::win32
