#include "res/win32/Win32WindowSystem.h"

#include <commctrl.h>

#include <memory>

#include "res/DialogEvents.h"
#include "res/win32/TimerMessages.h"
#include "res/win32/WideText.h"
#include "res/win32/Win32DialogPeer.h"
#include "res/win32/Win32DialogTemplate.h"

namespace quoril::win32 {

namespace {

constexpr wchar_t kActionClass[] = L"QuorilActions";
constexpr std::string_view kProgramName = "WLAN Quoril";

struct Buttons {
  BoxButtons buttons;
  UINT flags;
};
constexpr Buttons kButtons[] = {{BoxButtons::kOk, MB_OK},
                                {BoxButtons::kRetryCancel, MB_RETRYCANCEL}};

struct Answer {
  int id;
  BoxAnswer answer;
};
constexpr Answer kAnswers[] = {
    {IDOK, BoxAnswer::kOk}, {IDRETRY, BoxAnswer::kRetry}, {IDCANCEL, BoxAnswer::kCancel}};

// The scroll code's thumb place: trackbars have moved already; a scroll bar
// tells where its thumb was let go in the message, and where it is being
// dragged in its tracking position (32 bits, unlike the message's 16).
int ThumbOf(HWND control, int code, WPARAM wParam) {
  if (code != SB_THUMBPOSITION && code != SB_THUMBTRACK) return 0;
  wchar_t name[32] = {};
  GetClassNameW(control, name, 32);
  if (lstrcmpiW(name, TRACKBAR_CLASSW) == 0) {
    return static_cast<int>(SendMessageW(control, TBM_GETPOS, 0, 0));
  }
  if (code == SB_THUMBPOSITION) return static_cast<short>(HIWORD(wParam));
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_TRACKPOS;
  GetScrollInfo(control, SB_CTL, &info);
  return info.nTrackPos;
}

}  // namespace

struct Win32WindowSystem::ModalRun {
  Win32WindowSystem& system;
  OpenDialog& dialog;
  std::unique_ptr<Win32DialogPeer> peer;
};

Win32WindowSystem::Win32WindowSystem(HINSTANCE instance) : instance_(instance) {
  // The classic controls: the version-6 ones would ignore the bars' colours.
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_PROGRESS_CLASS | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);

  WNDCLASSW cls{};
  if (!GetClassInfoW(instance_, kActionClass, &cls)) {
    cls.lpfnWndProc = ActionProc;
    cls.hInstance = instance_;
    cls.lpszClassName = kActionClass;
    RegisterClassW(&cls);
  }
  actionWindow_ = CreateWindowExW(0, kActionClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  instance_, nullptr);
  SetWindowLongPtrW(actionWindow_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32WindowSystem::~Win32WindowSystem() {
  if (actionWindow_) DestroyWindow(actionWindow_);
}

// --- One-shot actions ---------------------------------------------------------

void Win32WindowSystem::After(int ms, std::function<void()> action) {
  const UINT_PTR id = nextAction_++;
  actions_[id] = std::move(action);
  ::SetTimer(actionWindow_, id, static_cast<UINT>(ms > 0 ? ms : 0), nullptr);
}

void Win32WindowSystem::RunAction(UINT_PTR timer) {
  KillTimer(actionWindow_, timer);
  const auto it = actions_.find(timer);
  if (it == actions_.end()) return;
  const std::function<void()> action = std::move(it->second);
  actions_.erase(it);
  action();
}

LRESULT CALLBACK Win32WindowSystem::ActionProc(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
  auto* self = reinterpret_cast<Win32WindowSystem*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_TIMER && self) {
    self->RunAction(wParam);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// --- Message boxes ---------------------------------------------------------------

HWND Win32WindowSystem::InnermostWindow() const {
  for (auto it = OpenDialogs().rbegin(); it != OpenDialogs().rend(); ++it) {
    if (it->peer) return static_cast<Win32DialogPeer*>(it->peer)->Hwnd();
  }
  return nullptr;
}

BoxAnswer Win32WindowSystem::Show(std::string_view caption, std::string_view text,
                                  BoxButtons buttons, BoxIcon icon) {
  UINT flags = icon == BoxIcon::kExclamation ? MB_ICONEXCLAMATION : 0;
  for (const Buttons& b : kButtons) {
    if (b.buttons == buttons) flags |= b.flags;
  }
  const HWND owner = InnermostWindow();
  if (!owner) flags |= MB_TASKMODAL;
  const int id = MessageBoxW(owner, Widen(text).c_str(),
                             Widen(caption.empty() ? kProgramName : caption).c_str(), flags);
  for (const Answer& a : kAnswers) {
    if (a.id == id) return a.answer;
  }
  // The box could not be shown: the careful answer.
  return buttons == BoxButtons::kOk ? BoxAnswer::kOk : BoxAnswer::kCancel;
}

// --- Modal dialogs -----------------------------------------------------------------

int Win32WindowSystem::RunModalWindow(OpenDialog& dialog) {
  const DialogTemplateWords words = BuildDialogTemplate(*dialog.dialogTemplate);
  // The innermost dialog around this one owns it, and is disabled meanwhile.
  HWND owner = nullptr;
  for (const OpenDialog& open : OpenDialogs()) {
    if (&open != &dialog && open.peer) owner = static_cast<Win32DialogPeer*>(open.peer)->Hwnd();
  }
  ModalRun run{*this, dialog, nullptr};
  const INT_PTR result =
      DialogBoxIndirectParamW(instance_, reinterpret_cast<const DLGTEMPLATE*>(words.data()), owner,
                              DialogProc, reinterpret_cast<LPARAM>(&run));
  return static_cast<int>(result);
}

INT_PTR CALLBACK Win32WindowSystem::DialogProc(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto& run = *reinterpret_cast<ModalRun*>(lParam);
    SetWindowLongPtrW(window, DWLP_USER, lParam);
    run.peer =
        std::make_unique<Win32DialogPeer>(window, *run.dialog.dialogTemplate, run.system.instance_);
    run.dialog.peer = run.peer.get();
    run.dialog.events->OnAttach(run.peer.get());
    const bool focusFirst = run.dialog.events->OnInitDialog();
    // Shown and painted now, not when the modal loop first finds its queue
    // empty: an action or a timer that came due meanwhile would otherwise see
    // the window still hidden.
    if (run.dialog.peer && !run.peer->Ended()) {
      ShowWindow(window, SW_SHOW);
      RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    return focusFirst ? TRUE : FALSE;
  }
  auto* run = reinterpret_cast<ModalRun*>(GetWindowLongPtrW(window, DWLP_USER));
  if (!run || !run->dialog.peer) return FALSE;
  return Handle(*run, message, wParam, lParam);
}

INT_PTR Win32WindowSystem::Handle(ModalRun& run, UINT message, WPARAM wParam, LPARAM lParam) {
  DialogEvents& events = *run.dialog.events;
  const HWND window = run.peer->Hwnd();
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) != BN_CLICKED) return FALSE;
      events.OnCommand(LOWORD(wParam));
      return TRUE;
    case WM_TIMER:
      events.OnTimer(static_cast<int>(wParam));
      DropQueuedTimerMessages(window);
      return TRUE;
    case WM_HSCROLL:
    case WM_VSCROLL: {
      const auto control = reinterpret_cast<HWND>(lParam);
      const int code = LOWORD(wParam);
      if (!control || code > SB_ENDSCROLL) return FALSE;
      const int id = GetDlgCtrlID(control);
      const auto scroll = static_cast<ScrollCode>(code);
      if (message == WM_HSCROLL) {
        events.OnHScroll(id, scroll, ThumbOf(control, code, wParam));
      } else {
        events.OnVScroll(id, scroll, ThumbOf(control, code, wParam));
      }
      return TRUE;
    }
    case WM_SYSCOMMAND: {
      // The platform keeps the low four bits of a command for itself.
      const auto command = static_cast<unsigned>(wParam & 0xFFF0);
      if (!run.peer->IsMenuCommand(command)) return FALSE;
      events.OnSysCommand(command);
      return TRUE;
    }
    case WM_DESTROY:
      events.OnAttach(nullptr);
      run.dialog.peer = nullptr;
      run.peer->Detach();
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace quoril::win32
