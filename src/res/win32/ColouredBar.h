#pragma once
// Progress bars that always show the colours they are given. The platform's
// bar ignores them once a visual theme draws it, and the colours carry the
// link's state, so the bar's client area is painted here in the classic
// way: the background, then the filled part as one piece (smooth) or as
// blocks, growing rightwards or, standing upright, upwards.

#include <windows.h>

namespace quoril::win32 {

// Takes over the painting of the progress bar `bar` for its whole life.
void PaintInClassicColours(HWND bar);

}  // namespace quoril::win32
