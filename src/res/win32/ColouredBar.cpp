#include "res/win32/ColouredBar.h"

#include <commctrl.h>

#include <algorithm>

namespace quoril::win32 {

namespace {

constexpr wchar_t kProperty[] = L"QuorilColouredBar";
constexpr int kBlockGap = 2;

struct BarLook {
  WNDPROC original;
  COLORREF bar = CLR_DEFAULT;
  COLORREF background = CLR_DEFAULT;
};

COLORREF Resolve(COLORREF colour, int systemColour) {
  return colour == CLR_DEFAULT ? GetSysColor(systemColour) : colour;
}

void Fill(HDC dc, const RECT& area, COLORREF colour) {
  const HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &area, brush);
  DeleteObject(brush);
}

void Paint(HWND bar, const BarLook& look, HDC dc) {
  RECT client;
  GetClientRect(bar, &client);
  Fill(dc, client, Resolve(look.background, COLOR_3DFACE));

  PBRANGE range{};
  CallWindowProcW(look.original, bar, PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
  const auto position = static_cast<int>(CallWindowProcW(look.original, bar, PBM_GETPOS, 0, 0));
  const int span = range.iHigh - range.iLow;
  if (span <= 0) return;
  const LONG style = GetWindowLongW(bar, GWL_STYLE);
  const bool upright = style & PBS_VERTICAL;
  const int length = upright ? client.bottom : client.right;
  const int breadth = upright ? client.right : client.bottom;
  const int filled =
      MulDiv(std::clamp(position, range.iLow, range.iHigh) - range.iLow, length, span);
  // Blocks two thirds of the bar's breadth long, as the classic bar draws them.
  const int block = (style & PBS_SMOOTH) ? filled : std::max(breadth * 2 / 3, 1);
  const int step = (style & PBS_SMOOTH) ? filled : block + kBlockGap;
  const COLORREF colour = Resolve(look.bar, COLOR_HIGHLIGHT);
  for (int from = 0; from < filled && step > 0; from += step) {
    const int to = std::min(from + block, filled);
    const RECT piece =
        upright ? RECT{0, length - to, breadth, length - from} : RECT{from, 0, to, breadth};
    Fill(dc, piece, colour);
  }
}

LRESULT CALLBACK BarProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* look = static_cast<BarLook*>(GetPropW(bar, kProperty));
  const WNDPROC original = look->original;
  switch (message) {
    case PBM_SETBARCOLOR:
    case PBM_SETBKCOLOR: {
      COLORREF& slot = message == PBM_SETBARCOLOR ? look->bar : look->background;
      const COLORREF previous = slot;
      slot = static_cast<COLORREF>(lParam);
      InvalidateRect(bar, nullptr, FALSE);
      return previous;
    }
    case PBM_GETBARCOLOR:
      return look->bar;
    case PBM_GETBKCOLOR:
      return look->background;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      const HDC dc = BeginPaint(bar, &paint);
      Paint(bar, *look, dc);
      EndPaint(bar, &paint);
      return 0;
    }
    case WM_PRINTCLIENT:
      Paint(bar, *look, reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_NCDESTROY:
      RemovePropW(bar, kProperty);
      SetWindowLongPtrW(bar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
      delete look;
      break;
    default:
      break;
  }
  return CallWindowProcW(original, bar, message, wParam, lParam);
}

}  // namespace

void PaintInClassicColours(HWND bar) {
  auto* look = new BarLook{reinterpret_cast<WNDPROC>(GetWindowLongPtrW(bar, GWLP_WNDPROC))};
  SetPropW(bar, kProperty, look);
  SetWindowLongPtrW(bar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(BarProc));
}

}  // namespace quoril::win32
