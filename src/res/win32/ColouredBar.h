#pragma once
// Progress bars that always show the colours they are given. The platform's
// bar ignores them once a visual theme draws it, and the colours carry the
// link's state, so the bar's client area is painted here in the classic
// way: the background, then the filled part as one piece (smooth) or as
// blocks, growing rightwards or, standing upright, upwards.

#include <windows.h>

#include <commctrl.h>

// The colour queries of later systems' bars, answered here on every system.
#ifndef PBM_GETBARCOLOR
#define PBM_GETBKCOLOR (WM_USER + 14)
#define PBM_GETBARCOLOR (WM_USER + 15)
#endif

namespace quoril::win32 {

// Takes over the painting and the colour queries of the progress bar `bar`
// for its whole life.
void PaintInClassicColours(HWND bar);

}  // namespace quoril::win32
