#pragma once
// The Win32 backend of the window system: dialogs built from their templates
// in memory and run by the platform's dialog manager, message boxes owned by
// the innermost open dialog, and one-shot actions on timers of a hidden
// window.

#include <windows.h>

#include <map>

#include "res/WindowSystem.h"

namespace quoril::win32 {

class Win32DialogPeer;

class Win32WindowSystem final : public WindowSystem {
 public:
  // `instance`: the module holding the icons, the cursor and the strings.
  explicit Win32WindowSystem(HINSTANCE instance);
  ~Win32WindowSystem() override;
  Win32WindowSystem(const Win32WindowSystem&) = delete;
  Win32WindowSystem& operator=(const Win32WindowSystem&) = delete;

  void After(int ms, std::function<void()> action) override;
  BoxAnswer Show(std::string_view caption, std::string_view text, BoxButtons buttons,
                 BoxIcon icon) override;

  // The window of the innermost open dialog that has one, or null.
  HWND InnermostWindow() const;

 protected:
  int RunModalWindow(OpenDialog& dialog) override;

 private:
  struct ModalRun;
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK ActionProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static INT_PTR Handle(ModalRun& run, UINT message, WPARAM wParam, LPARAM lParam);
  void RunAction(UINT_PTR timer);

  HINSTANCE instance_;
  HWND actionWindow_ = nullptr;  // message-only; its timers run the actions
  std::map<UINT_PTR, std::function<void()>> actions_;
  UINT_PTR nextAction_ = 1;
};

}  // namespace quoril::win32
