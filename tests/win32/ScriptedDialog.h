#pragma once
// A dialog over one of the program's real templates for the Win32 backend's
// tests: it records what the window system tells it and, once its window
// shows, runs a script inside the modal loop and ends.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "res/DialogEvents.h"
#include "res/DialogTemplate.h"
#include "res/win32/Win32DialogPeer.h"
#include "res/win32/Win32WindowSystem.h"

namespace quoril::win32 {

inline constexpr int kScriptEnded = 77;

struct ScrollEvent {
  int id;
  ScrollCode code;
  bool vertical;
  int positionThen;  // the control's own position when the event came
  bool operator==(const ScrollEvent&) const = default;
};

class ScriptedDialog : public DialogEvents {
 public:
  using Script = std::function<void(ScriptedDialog&)>;

  ScriptedDialog(Win32WindowSystem& windows, int templateId, Script script)
      : windows_(windows),
        template_(*res::FindDialogTemplate(templateId)),
        script_(std::move(script)) {}

  int Run() { return windows_.RunModal(template_, *this); }

  Win32DialogPeer& Peer() { return *peer_; }
  HWND Hwnd() const { return hwnd_; }
  HWND Item(int id) const { return GetDlgItem(hwnd_, id); }

  // Handles what is queued, as the dialog's modal loop would.
  void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (!IsDialogMessageW(hwnd_, &message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
    }
  }

  void OnAttach(DialogPeer* peer) override {
    peer_ = static_cast<Win32DialogPeer*>(peer);
    if (peer_) hwnd_ = peer_->Hwnd();
  }
  bool OnInitDialog() override {
    if (onInit) onInit(*this);
    windows_.After(0, [this] {
      if (!peer_) return;
      if (script_) script_(*this);
      if (peer_) peer_->EndModal(kScriptEnded);
    });
    return true;
  }
  void OnCommand(int id) override { commands.push_back(id); }
  void OnTimer(int id) override { timers.push_back(id); }
  void OnHScroll(int id, ScrollCode code, int) override {
    scrolls.push_back({id, code, false, peer_->ScrollPos(id)});
  }
  void OnVScroll(int id, ScrollCode code, int) override {
    scrolls.push_back({id, code, true, peer_->SliderPos(id)});
  }
  void OnSysCommand(unsigned command) override { sysCommands.push_back(command); }

  Script onInit;
  std::vector<int> commands;
  std::vector<int> timers;
  std::vector<ScrollEvent> scrolls;
  std::vector<unsigned> sysCommands;

 private:
  Win32WindowSystem& windows_;
  const res::DialogTemplate& template_;
  Script script_;
  Win32DialogPeer* peer_ = nullptr;
  HWND hwnd_ = nullptr;
};

// Pushes a key into the queue of the control with the focus, as typing would.
inline void Type(ScriptedDialog& dialog, WPARAM key) {
  PostMessageW(GetFocus(), WM_KEYDOWN, key, 0);
  PostMessageW(GetFocus(), WM_KEYUP, key, 0);
  dialog.Pump();
}

// The colour shown at (x, y) of `window`'s client area, read from its
// dialog's window, which holds the pictures of its controls.
inline COLORREF PixelOf(HWND window, int x, int y) {
  const HWND dialog = GetAncestor(window, GA_ROOT);
  POINT at{x, y};
  MapWindowPoints(window, dialog, &at, 1);
  const HDC dc = GetDC(dialog);
  const COLORREF colour = GetPixel(dc, at.x, at.y);
  ReleaseDC(dialog, dc);
  return colour;
}

// What a box showed, once answered.
struct BoxSeen {
  HWND owner = nullptr;
  std::wstring text;
};

// Answers the next box of the program with `button` once it shows.
inline void AnswerBox(Win32WindowSystem& windows, int button, BoxSeen& seen) {
  windows.After(20, [&windows, button, &seen] {
    const HWND box = FindWindowW(L"#32770", L"WLAN Quoril");
    if (!box) return AnswerBox(windows, button, seen);
    wchar_t text[256] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 256);
    seen = {GetWindow(box, GW_OWNER), text};
    PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(button), 0);
  });
}

// WM_TIMER messages still queued for `window`.
inline bool TimerQueued(HWND window) {
  MSG message;
  return PeekMessageW(&message, window, WM_TIMER, WM_TIMER, PM_NOREMOVE);
}

}  // namespace quoril::win32
