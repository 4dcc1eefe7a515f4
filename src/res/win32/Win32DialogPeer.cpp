#include "res/win32/Win32DialogPeer.h"

#include <commctrl.h>

#include <algorithm>

#include "res/win32/ColouredBar.h"
#include "res/win32/TimerMessages.h"
#include "res/win32/WideText.h"
#include "res/win32/Win32ChartSurface.h"
#include "res/win32/WindowPicture.h"

namespace quoril::win32 {

namespace {

using res::ControlKind;

bool IsTextKind(ControlKind kind) {
  return kind == ControlKind::kStatic || kind == ControlKind::kEdit ||
         kind == ControlKind::kGroupBox || kind == ControlKind::kPushButton ||
         kind == ControlKind::kRadioButton;
}

BOOL CALLBACK StopChartTimers(HWND child, LPARAM) {
  SendMessageW(child, kStopTimersMessage, 0, 0);
  return TRUE;
}

}  // namespace

Win32DialogPeer::Win32DialogPeer(HWND dialog, const res::DialogTemplate& dialogTemplate,
                                 HINSTANCE instance)
    : dialog_(dialog), template_(dialogTemplate), instance_(instance) {
  for (const res::ControlTemplate& control : template_.controls) {
    if (control.kind == ControlKind::kProgressBar) {
      PaintInClassicColours(GetDlgItem(dialog_, control.id));
    }
  }
}

void Win32DialogPeer::Detach() {
  dialog_ = nullptr;
}

bool Win32DialogPeer::IsMenuCommand(unsigned command) const {
  return std::find(menuCommands_.begin(), menuCommands_.end(), command) != menuCommands_.end();
}

HWND Win32DialogPeer::Item(int id) const {
  if (!dialog_ || id == res::kNoId || !template_.Find(id)) return nullptr;
  return GetDlgItem(dialog_, id);
}

HWND Win32DialogPeer::Item(int id, ControlKind kind) const {
  const res::ControlTemplate* control = template_.Find(id);
  return control && control->kind == kind ? Item(id) : nullptr;
}

LRESULT Win32DialogPeer::Send(int id, ControlKind kind, UINT message, WPARAM wParam,
                              LPARAM lParam) const {
  const HWND item = Item(id, kind);
  return item ? SendMessageW(item, message, wParam, lParam) : 0;
}

// --- The window ---------------------------------------------------------------

void Win32DialogPeer::SetCaption(std::string_view text) {
  if (dialog_) SetWindowTextW(dialog_, Widen(text).c_str());
}

void Win32DialogPeer::SetIcon(int iconId) {
  if (!dialog_) return;
  struct Size {
    WPARAM which;
    int widthMetric, heightMetric;
  };
  for (const Size& s :
       {Size{ICON_BIG, SM_CXICON, SM_CYICON}, Size{ICON_SMALL, SM_CXSMICON, SM_CYSMICON}}) {
    // Shared: the system frees it with the module.
    const HANDLE icon =
        LoadImageW(instance_, MAKEINTRESOURCEW(iconId), IMAGE_ICON, GetSystemMetrics(s.widthMetric),
                   GetSystemMetrics(s.heightMetric), LR_SHARED);
    if (icon) SendMessageW(dialog_, WM_SETICON, s.which, reinterpret_cast<LPARAM>(icon));
  }
}

void Win32DialogPeer::AddSystemMenuItem(unsigned command, std::string_view text) {
  const HMENU menu = dialog_ ? GetSystemMenu(dialog_, FALSE) : nullptr;
  if (!menu) return;
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING, command, Widen(text).c_str());
  menuCommands_.push_back(command);
}

void Win32DialogPeer::EndModal(int result) {
  if (!dialog_) return;
  ended_ = true;
  for (int id : timers_) ::KillTimer(dialog_, static_cast<UINT_PTR>(id));
  timers_.clear();
  EnumChildWindows(dialog_, StopChartTimers, 0);
  EndDialog(dialog_, result);
}

bool Win32DialogPeer::Capture(const std::filesystem::path& stem) {
  if (!dialog_) return false;
  std::filesystem::path file = stem;
  file += ".bmp";
  return WriteWindowPicture(dialog_, file);
}

// --- Any control --------------------------------------------------------------

void Win32DialogPeer::SetItemText(int id, std::string_view text) {
  const res::ControlTemplate* control = template_.Find(id);
  const HWND item = control && IsTextKind(control->kind) ? Item(id) : nullptr;
  if (!item) return;
  SetWindowTextW(item, Widen(text).c_str());
  UpdateWindow(item);
}

std::string Win32DialogPeer::ItemText(int id) const {
  const res::ControlTemplate* control = template_.Find(id);
  const HWND item = control && IsTextKind(control->kind) ? Item(id) : nullptr;
  if (!item) return {};
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(item)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(item, text.data(), static_cast<int>(text.size()))));
  return Narrow(text);
}

void Win32DialogPeer::EnableItem(int id, bool enable) {
  if (const HWND item = Item(id)) EnableWindow(item, enable);
}

bool Win32DialogPeer::IsItemEnabled(int id) const {
  const HWND item = Item(id);
  return item && IsWindowEnabled(item);
}

void Win32DialogPeer::ShowItem(int id, bool show) {
  if (const HWND item = Item(id)) ShowWindow(item, show ? SW_SHOWNA : SW_HIDE);
}

bool Win32DialogPeer::IsItemVisible(int id) const {
  // The control's own visibility: the dialog itself may not show yet.
  const HWND item = Item(id);
  return item && (GetWindowLongW(item, GWL_STYLE) & WS_VISIBLE);
}

void Win32DialogPeer::SetFocus(int id) {
  // Through the dialog manager, so that the default button follows.
  if (const HWND item = Item(id)) {
    SendMessageW(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(item), TRUE);
  }
}

int Win32DialogPeer::FocusedItem() const {
  const HWND focus = GetFocus();
  if (!dialog_ || !focus || !IsChild(dialog_, focus)) return 0;
  const int id = GetDlgCtrlID(focus);
  return template_.Find(id) ? id : 0;
}

PixelRect Win32DialogPeer::ItemRect(int id) const {
  const HWND item = Item(id);
  if (!item) return {};
  RECT r;
  GetWindowRect(item, &r);
  MapWindowPoints(nullptr, dialog_, reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right, r.bottom};
}

// --- Buttons -----------------------------------------------------------------

void Win32DialogPeer::SetCheck(int id, bool checked) {
  Send(id, ControlKind::kRadioButton, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool Win32DialogPeer::IsChecked(int id) const {
  return Send(id, ControlKind::kRadioButton, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// --- Progress bars -------------------------------------------------------------

void Win32DialogPeer::SetBarRange(int id, int low, int high) {
  Send(id, ControlKind::kProgressBar, PBM_SETRANGE32, static_cast<WPARAM>(low), high);
}

void Win32DialogPeer::SetBarStep(int id, int step) {
  Send(id, ControlKind::kProgressBar, PBM_SETSTEP, static_cast<WPARAM>(step), 0);
}

void Win32DialogPeer::SetBarPos(int id, int position) {
  // The bar keeps a position outside its range at the nearest end itself.
  Send(id, ControlKind::kProgressBar, PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

void Win32DialogPeer::SetBarColor(int id, Rgb colour) {
  Send(id, ControlKind::kProgressBar, PBM_SETBARCOLOR, 0, static_cast<LPARAM>(colour));
}

void Win32DialogPeer::SetBarBackground(int id, Rgb colour) {
  Send(id, ControlKind::kProgressBar, PBM_SETBKCOLOR, 0, static_cast<LPARAM>(colour));
}

// --- Trackbars ------------------------------------------------------------------

void Win32DialogPeer::SetSliderRange(int id, int low, int high, bool redraw) {
  Send(id, ControlKind::kSlider, TBM_SETRANGEMIN, FALSE, low);
  Send(id, ControlKind::kSlider, TBM_SETRANGEMAX, redraw, high);
}

void Win32DialogPeer::SetSliderTicks(int id, int every) {
  Send(id, ControlKind::kSlider, TBM_SETTICFREQ, static_cast<WPARAM>(every), 0);
}

void Win32DialogPeer::SetSliderPos(int id, int position, bool redraw) {
  Send(id, ControlKind::kSlider, TBM_SETPOS, redraw, position);
}

int Win32DialogPeer::SliderPos(int id) const {
  return static_cast<int>(Send(id, ControlKind::kSlider, TBM_GETPOS, 0, 0));
}

// --- Scroll bars ----------------------------------------------------------------

void Win32DialogPeer::SetScrollRange(int id, int low, int high, bool redraw) {
  if (const HWND item = Item(id, ControlKind::kScrollBar)) {
    ::SetScrollRange(item, SB_CTL, low, high, redraw);
  }
}

void Win32DialogPeer::SetScrollPos(int id, int position, bool redraw) {
  if (const HWND item = Item(id, ControlKind::kScrollBar)) {
    ::SetScrollPos(item, SB_CTL, position, redraw);
  }
}

int Win32DialogPeer::ScrollPos(int id) const {
  const HWND item = Item(id, ControlKind::kScrollBar);
  return item ? ::GetScrollPos(item, SB_CTL) : 0;
}

// --- Timers -----------------------------------------------------------------------

void Win32DialogPeer::SetTimer(int timerId, int periodMs) {
  if (!dialog_ || ended_) return;
  ::SetTimer(dialog_, static_cast<UINT_PTR>(timerId), static_cast<UINT>(std::max(periodMs, 1)),
             nullptr);
  timers_.insert(timerId);
}

void Win32DialogPeer::KillTimer(int timerId) {
  if (!dialog_) return;
  ::KillTimer(dialog_, static_cast<UINT_PTR>(timerId));
  timers_.erase(timerId);
}

// --- The chart ---------------------------------------------------------------------

std::unique_ptr<ChartSurface> Win32DialogPeer::CreateChart(const PixelRect& rect,
                                                           ChartEvents& events) {
  return std::make_unique<Win32ChartSurface>(dialog_, rect, events, instance_);
}

}  // namespace quoril::win32
