#include "res/win32/Win32ChartSurface.h"

#include <algorithm>

#include "res/DialogTemplate.h"
#include "res/win32/TimerMessages.h"
#include "res/win32/WideText.h"

namespace quoril::win32 {

namespace {

constexpr wchar_t kClassName[] = L"QuorilChart";

// Registered once per process, with the program's blank cursor.
void RegisterChartClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSW existing;
  if (GetClassInfoW(instance, kClassName, &existing)) return;
  WNDCLASSW cls{};
  cls.style = CS_HREDRAW | CS_VREDRAW;
  cls.lpfnWndProc = procedure;
  cls.hInstance = instance;
  cls.hCursor = LoadCursorW(instance, MAKEINTRESOURCEW(res::kBlankCursor));
  cls.lpszClassName = kClassName;
  RegisterClassW(&cls);
}

HFONT CreateLabelFont() {
  return CreateFontW(17, 0, 0, 0, 500, TRUE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_DECORATIVE | DEFAULT_PITCH,
                     L"Courier New");
}

}  // namespace

Win32ChartSurface::Win32ChartSurface(HWND parent, const PixelRect& rect, ChartEvents& events,
                                     HINSTANCE instance)
    : events_(events), width_(std::max(rect.Width(), 0)), height_(std::max(rect.Height(), 0)) {
  memory_ = CreateCompatibleDC(nullptr);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = std::max(width_, 1);
  info.bmiHeader.biHeight = -std::max(height_, 1);  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_ = CreateDIBSection(memory_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  oldBitmap_ = SelectObject(memory_, bitmap_);
  PatBlt(memory_, 0, 0, width_, height_, WHITENESS);
  font_ = CreateLabelFont();
  oldFont_ = SelectObject(memory_, font_);

  if (!parent) return;
  RegisterChartClass(instance, WindowProc);
  window_ = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_DISABLED, rect.left,
                            rect.top, width_, height_, parent, nullptr, instance, this);
}

Win32ChartSurface::~Win32ChartSurface() {
  if (window_) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
  SelectObject(memory_, oldFont_);
  SelectObject(memory_, oldBitmap_);
  DeleteObject(font_);
  DeleteObject(bitmap_);
  DeleteDC(memory_);
}

PixelRect Win32ChartSurface::ClientRect() const {
  return {0, 0, width_, height_};
}

TextExtent Win32ChartSurface::Extent(std::string_view text) const {
  const std::wstring wide = Widen(text);
  SIZE size{};
  GetTextExtentPoint32W(memory_, wide.c_str(), static_cast<int>(wide.size()), &size);
  return {size.cx, size.cy};
}

void Win32ChartSurface::Draw(std::span<const DrawOp> ops) {
  for (const DrawOp& op : ops) DrawOne(op);
  if (painting_ || !window_ || !IsWindowVisible(window_)) return;
  const HDC dc = GetDC(window_);
  Show(dc, RECT{0, 0, width_, height_});
  ReleaseDC(window_, dc);
}

void Win32ChartSurface::DrawOne(const DrawOp& op) {
  switch (op.kind) {
    case DrawOp::Kind::kFill: {
      const HBRUSH brush = CreateSolidBrush(op.colour);
      const RECT area{op.from.x, op.from.y, op.to.x, op.to.y};
      FillRect(memory_, &area, brush);
      DeleteObject(brush);
      break;
    }
    case DrawOp::Kind::kPixel:
      SetPixelV(memory_, op.to.x, op.to.y, op.colour);
      break;
    case DrawOp::Kind::kLine: {
      const HPEN pen = CreatePen(PS_SOLID, op.penWidth, op.colour);
      const HGDIOBJ old = SelectObject(memory_, pen);
      MoveToEx(memory_, op.from.x, op.from.y, nullptr);
      LineTo(memory_, op.to.x, op.to.y);  // leaves out the last pixel
      SelectObject(memory_, old);
      DeleteObject(pen);
      break;
    }
    case DrawOp::Kind::kText: {
      const std::wstring text = Widen(op.text.view());
      SetBkMode(memory_, TRANSPARENT);
      SetTextColor(memory_, RGB(0, 0, 0));
      TextOutW(memory_, op.from.x, op.from.y, text.c_str(), static_cast<int>(text.size()));
      break;
    }
  }
}

void Win32ChartSurface::Show(HDC target, const RECT& area) const {
  BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, memory_,
         area.left, area.top, SRCCOPY);
}

void Win32ChartSurface::Invalidate() {
  paintPending_ = true;
  if (!window_) return;
  InvalidateRect(window_, nullptr, FALSE);
  UpdateWindow(window_);  // paints now when showing, else at the first showing
}

void Win32ChartSurface::SetTimer(int timerId, int periodMs) {
  if (!window_) return;
  ::SetTimer(window_, static_cast<UINT_PTR>(timerId), static_cast<UINT>(std::max(periodMs, 1)),
             nullptr);
  timers_.insert(timerId);
}

void Win32ChartSurface::KillTimer(int timerId) {
  if (!window_) return;
  ::KillTimer(window_, static_cast<UINT_PTR>(timerId));
  timers_.erase(timerId);
}

void Win32ChartSurface::StopTimers() {
  for (int id : timers_) ::KillTimer(window_, static_cast<UINT_PTR>(id));
  timers_.clear();
}

void Win32ChartSurface::Paint() {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(window_, &paint);
  if (paintPending_) {
    paintPending_ = false;
    painting_ = true;
    events_.OnPaint();
    painting_ = false;
  }
  Show(dc, paint.rcPaint);
  EndPaint(window_, &paint);
}

LRESULT Win32ChartSurface::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND window = window_;
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_PRINTCLIENT:
      Show(reinterpret_cast<HDC>(wParam), RECT{0, 0, width_, height_});
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the bitmap covers everything
    case WM_TIMER:
      if (timers_.count(static_cast<int>(wParam))) {
        events_.OnTimer(static_cast<int>(wParam));
        if (window_) DropQueuedTimerMessages(window_);
      }
      return 0;
    case kStopTimersMessage:
      StopTimers();
      return 0;
    case WM_NCDESTROY:
      timers_.clear();
      window_ = nullptr;
      break;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK Win32ChartSurface::WindowProc(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    auto* self = static_cast<Win32ChartSurface*>(create->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Win32ChartSurface*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  return self->Handle(message, wParam, lParam);
}

}  // namespace quoril::win32
