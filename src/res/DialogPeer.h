#pragma once
// One dialog window as a window system shows it: the window classes reach
// its controls by their template ids through this, and nothing else. A peer
// lives from DialogEvents::OnAttach(peer) to OnAttach(nullptr). An id that
// names no control of the kind asked for is ignored (queries answer 0 or
// empty), as the platform ignores a message to a missing control.

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "antenna/ChartGeometry.h"
#include "app/Rgb.h"

namespace quoril {

class ChartEvents;
class ChartSurface;

class DialogPeer {
 public:
  virtual ~DialogPeer() = default;

  // --- The window -----------------------------------------------------------
  virtual void SetCaption(std::string_view text) = 0;
  // The window's large and small icons, from the icon resource `iconId`.
  virtual void SetIcon(int iconId) = 0;
  // Appends a separator and an item with `text` to the window's system menu
  // (where the platform has none, to the dialog's context menu). Choosing it
  // calls DialogEvents::OnSysCommand(command).
  virtual void AddSystemMenuItem(unsigned command, std::string_view text) = 0;
  // Ends the modal run: RunModal returns `result` once the current call into
  // the dialog has returned. The window's timers stop at once.
  virtual void EndModal(int result) = 0;
  // Writes a picture of the window, frame included, to `stem` plus the
  // backend's picture extension (".png" or ".bmp"). False when it cannot.
  virtual bool Capture(const std::filesystem::path& stem) = 0;

  // --- Any control ----------------------------------------------------------
  // UTF-8 text of a static, edit box, button or group box; the control
  // repaints at once.
  virtual void SetItemText(int id, std::string_view text) = 0;
  virtual std::string ItemText(int id) const = 0;
  virtual void EnableItem(int id, bool enable) = 0;
  virtual bool IsItemEnabled(int id) const = 0;
  virtual void ShowItem(int id, bool show) = 0;
  virtual bool IsItemVisible(int id) const = 0;
  virtual void SetFocus(int id) = 0;
  // The control with the keyboard focus; 0 when none of the dialog's has it.
  virtual int FocusedItem() const = 0;
  // The control's rectangle in the dialog's client pixels.
  virtual PixelRect ItemRect(int id) const = 0;

  // --- Buttons (radio buttons) ------------------------------------------------
  // Checks or unchecks this button only; its group is left alone.
  virtual void SetCheck(int id, bool checked) = 0;
  virtual bool IsChecked(int id) const = 0;

  // --- Progress bars --------------------------------------------------------
  virtual void SetBarRange(int id, int low, int high) = 0;
  virtual void SetBarStep(int id, int step) = 0;
  // The bar shows a position outside its range at the nearest end.
  virtual void SetBarPos(int id, int position) = 0;
  virtual void SetBarColor(int id, Rgb colour) = 0;
  virtual void SetBarBackground(int id, Rgb colour) = 0;

  // --- Trackbars ------------------------------------------------------------
  virtual void SetSliderRange(int id, int low, int high, bool redraw) = 0;
  virtual void SetSliderTicks(int id, int every) = 0;
  virtual void SetSliderPos(int id, int position, bool redraw) = 0;
  virtual int SliderPos(int id) const = 0;

  // --- Scroll bars ----------------------------------------------------------
  virtual void SetScrollRange(int id, int low, int high, bool redraw) = 0;
  // Kept within the range.
  virtual void SetScrollPos(int id, int position, bool redraw) = 0;
  virtual int ScrollPos(int id) const = 0;

  // --- Timers of the dialog window ------------------------------------------
  // Ticks come `periodMs` apart, start to start; setting a running timer
  // again restarts its period. A tick that overruns drops those that came
  // due meanwhile. All stop when the dialog ends.
  virtual void SetTimer(int timerId, int periodMs) = 0;
  virtual void KillTimer(int timerId) = 0;

  // --- The chart ------------------------------------------------------------
  // A chart surface over `rect` (client pixels) of this dialog, created
  // hidden until the dialog shows. When the dialog's window goes before the
  // returned object, the object stays but does nothing and calls no event.
  virtual std::unique_ptr<ChartSurface> CreateChart(const PixelRect& rect,
                                                    ChartEvents& events) = 0;
};

}  // namespace quoril
