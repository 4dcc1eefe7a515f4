#pragma once
// One dialog window of the recording backend: it keeps the state of every
// control of its template, notes each operation in the window system's log,
// and lets a test act as the user would (click, scroll, slide, choose a
// menu item) and look at what the window shows.

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "res/DialogEvents.h"
#include "res/DialogPeer.h"
#include "res/DialogTemplate.h"
#include "res/recording/RecordingChart.h"

namespace quoril::recording {

class RecordingWindowSystem;

// A control as the window shows it. Bars, trackbars and scroll bars use the
// range and position; progress bars keep their position within the range.
struct ControlState {
  const res::ControlTemplate* control = nullptr;
  std::string text;
  bool enabled = true;
  bool visible = true;
  bool checked = false;
  int low = 0;
  int high = 100;
  int step = 10;
  int pos = 0;
  int ticks = 0;                  // trackbar tick spacing
  std::optional<Rgb> barColour;   // unset: the platform's own
  std::optional<Rgb> background;  // unset: the platform's own
};

class RecordingDialog final : public DialogPeer {
 public:
  RecordingDialog(RecordingWindowSystem& system, const res::DialogTemplate& dialogTemplate,
                  DialogEvents& events);
  ~RecordingDialog() override;

  // --- What a test does -----------------------------------------------------
  // A click on an enabled, visible button: a radio button is checked and the
  // others of its group unchecked first. Throws std::logic_error for a
  // control the user could not click.
  void Click(int id);
  // A command as the keyboard sends it (1 for Enter, 2 for Escape) or as a
  // hidden button would; no check.
  void Command(int id);
  // A scroll bar event; the handler decides where the bar goes.
  void Scroll(int id, ScrollCode code, int thumb = 0);
  // The user moves a trackbar to `position`; it moves, then the dialog hears.
  void Slide(int id, int position, ScrollCode code = ScrollCode::kThumbPosition);
  // A system menu item that the dialog added. Throws std::logic_error when
  // it did not.
  void SysCommand(unsigned command);
  // Lets `ms` of virtual time pass (RecordingWindowSystem::Run).
  void Run(int ms);

  // --- What a test sees -----------------------------------------------------
  int TemplateId() const { return template_.id; }
  const std::string& Caption() const { return caption_; }
  int Icon() const { return icon_; }
  const std::vector<std::pair<unsigned, std::string>>& MenuItems() const { return menu_; }
  bool Shown() const { return shown_; }
  bool Ended() const { return result_.has_value(); }
  int Result() const { return result_.value_or(0); }
  bool Open() const { return open_; }
  // Throws std::logic_error when the template has no control `id`.
  const ControlState& Control(int id) const;
  std::string Text(int id) const { return Control(id).text; }
  // The period of a running timer, 0 when it is not running.
  int TimerPeriod(int timerId) const;
  const std::vector<std::shared_ptr<ChartState>>& Charts() const { return charts_; }

  // --- DialogPeer -----------------------------------------------------------
  void SetCaption(std::string_view text) override;
  void SetIcon(int iconId) override;
  void AddSystemMenuItem(unsigned command, std::string_view text) override;
  void EndModal(int result) override;
  bool Capture(const std::filesystem::path& stem) override;
  void SetItemText(int id, std::string_view text) override;
  std::string ItemText(int id) const override;
  void EnableItem(int id, bool enable) override;
  bool IsItemEnabled(int id) const override;
  void ShowItem(int id, bool show) override;
  bool IsItemVisible(int id) const override;
  void SetFocus(int id) override;
  int FocusedItem() const override { return focus_; }
  PixelRect ItemRect(int id) const override;
  void SetCheck(int id, bool checked) override;
  bool IsChecked(int id) const override;
  void SetBarRange(int id, int low, int high) override;
  void SetBarStep(int id, int step) override;
  void SetBarPos(int id, int position) override;
  void SetBarColor(int id, Rgb colour) override;
  void SetBarBackground(int id, Rgb colour) override;
  void SetSliderRange(int id, int low, int high, bool redraw) override;
  void SetSliderTicks(int id, int every) override;
  void SetSliderPos(int id, int position, bool redraw) override;
  int SliderPos(int id) const override;
  void SetScrollRange(int id, int low, int high, bool redraw) override;
  void SetScrollPos(int id, int position, bool redraw) override;
  int ScrollPos(int id) const override;
  void SetTimer(int timerId, int periodMs) override;
  void KillTimer(int timerId) override;
  std::unique_ptr<ChartSurface> CreateChart(const PixelRect& rect, ChartEvents& events) override;

  // --- For the window system ------------------------------------------------
  struct Timer {
    TimerSchedule schedule;
    std::uint64_t order;
  };
  std::map<int, Timer>& Timers() { return timers_; }
  DialogEvents& Events() { return events_; }
  // Shows the window, putting the focus on the first tab stop when asked.
  void ShowWindow(bool focusFirst);
  // The window goes: its charts stop and call no event any more.
  void Close();

 private:
  ControlState* Find(int id, res::ControlKind kind);
  void SetRangeOf(res::ControlKind kind, const char* what, int id, int low, int high);
  void SetPosOf(res::ControlKind kind, const char* what, int id, int position);
  int PosOf(res::ControlKind kind, int id) const;
  ControlState* Find(int id);
  const ControlState* Find(int id) const;
  void Note(const std::string& line);

  RecordingWindowSystem& system_;
  const res::DialogTemplate& template_;
  DialogEvents& events_;
  std::map<int, ControlState> controls_;
  std::map<int, Timer> timers_;
  std::vector<std::shared_ptr<ChartState>> charts_;
  std::vector<std::pair<unsigned, std::string>> menu_;
  std::string caption_;
  int icon_ = 0;
  int focus_ = 0;
  bool shown_ = false;
  bool open_ = true;
  std::optional<int> result_;
};

}  // namespace quoril::recording
