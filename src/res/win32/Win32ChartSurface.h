#pragma once
// The chart surface of the Win32 backend: a child window of a class of its
// own (blank cursor, no background brush) whose picture lives in a memory
// bitmap. Draw() paints into the bitmap and shows the change; WM_PAINT only
// copies the bitmap, so an exposure leaves the picture as it was.

#include <windows.h>

#include <set>

#include "res/ChartSurface.h"

namespace quoril::win32 {

class Win32ChartSurface final : public ChartSurface {
 public:
  // A child of `parent` over `rect` (its client pixels); makes no window
  // when `parent` is null.
  Win32ChartSurface(HWND parent, const PixelRect& rect, ChartEvents& events, HINSTANCE instance);
  ~Win32ChartSurface() override;
  Win32ChartSurface(const Win32ChartSurface&) = delete;
  Win32ChartSurface& operator=(const Win32ChartSurface&) = delete;

  // Null once the window has gone.
  HWND Hwnd() const { return window_; }

  PixelRect ClientRect() const override;
  TextExtent Extent(std::string_view text) const override;
  void Draw(std::span<const DrawOp> ops) override;
  void Invalidate() override;
  void SetTimer(int timerId, int periodMs) override;
  void KillTimer(int timerId) override;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void Paint();
  void DrawOne(const DrawOp& op);
  void Show(HDC target, const RECT& area) const;
  void StopTimers();

  HWND window_ = nullptr;
  ChartEvents& events_;
  int width_ = 0;
  int height_ = 0;
  HDC memory_ = nullptr;  // the kept picture, with the label font selected
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ oldBitmap_ = nullptr;
  HFONT font_ = nullptr;
  HGDIOBJ oldFont_ = nullptr;
  std::set<int> timers_;
  bool paintPending_ = true;
  bool painting_ = false;
};

}  // namespace quoril::win32
