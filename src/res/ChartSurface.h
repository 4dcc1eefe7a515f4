#pragma once
// A child window of a dialog that shows a picture drawn from DrawOps. The
// picture is kept in an image between exposures: a window passing over the
// surface leaves it as it was. The surface takes no mouse or keyboard input
// and shows the blank cursor (resource 129) over itself.

#include <memory>
#include <span>
#include <string_view>

#include "antenna/DrawOp.h"

namespace quoril {

class ChartEvents {
 public:
  virtual ~ChartEvents() = default;
  // The surface asks for its picture: at its first showing, and after
  // Invalidate(). Draw() from here paints the whole picture anew.
  virtual void OnPaint() = 0;
  // A timer of the surface (ChartSurface::SetTimer) came due; as dialog
  // timers, ticks that came due meanwhile are dropped.
  virtual void OnTimer(int timerId) = 0;
};

class ChartSurface {
 public:
  virtual ~ChartSurface() = default;

  // Its client area in pixels, (0, 0) at its top-left corner.
  virtual PixelRect ClientRect() const = 0;
  // Width and cell height of `text` in the chart's label font.
  virtual TextExtent Extent(std::string_view text) const = 0;
  // Draws into the kept image and shows the change.
  virtual void Draw(std::span<const DrawOp> ops) = 0;
  // Asks for OnPaint: before this returns when the surface is showing,
  // otherwise at its first showing.
  virtual void Invalidate() = 0;
  virtual void SetTimer(int timerId, int periodMs) = 0;
  virtual void KillTimer(int timerId) = 0;
};

}  // namespace quoril
