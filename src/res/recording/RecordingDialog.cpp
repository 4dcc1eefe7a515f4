#include "res/recording/RecordingDialog.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "res/RadioGroup.h"
#include "res/recording/RecordingWindowSystem.h"

namespace quoril::recording {

namespace {

using res::ControlKind;

std::string Str(int value) {
  return std::to_string(value);
}

std::string Colour(Rgb colour) {
  char text[16];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", RedOf(colour), GreenOf(colour), BlueOf(colour));
  return text;
}

bool Clickable(ControlKind kind) {
  return kind == ControlKind::kPushButton || kind == ControlKind::kRadioButton;
}

// Dialog units of the template's font (8-point "MS Sans Serif", base units 6
// by 13) as pixels.
PixelRect ToPixels(const res::ControlTemplate& c) {
  return {c.x * 6 / 4, c.y * 13 / 8, (c.x + c.w) * 6 / 4, (c.y + c.h) * 13 / 8};
}

}  // namespace

RecordingDialog::RecordingDialog(RecordingWindowSystem& system,
                                 const res::DialogTemplate& dialogTemplate, DialogEvents& events)
    : system_(system),
      template_(dialogTemplate),
      events_(events),
      caption_(dialogTemplate.caption) {
  for (const res::ControlTemplate& c : template_.controls) {
    if (c.id == res::kNoId) continue;
    ControlState& state = controls_[c.id];
    state.control = &c;
    state.text = c.text;
    state.enabled = !(c.style & res::kDisabled);
    state.visible = !(c.style & res::kHidden);
  }
}

RecordingDialog::~RecordingDialog() = default;

void RecordingDialog::Note(const std::string& line) {
  system_.Note(Str(template_.id) + " " + line);
}

// --- Controls by id -----------------------------------------------------------

ControlState* RecordingDialog::Find(int id) {
  const auto it = controls_.find(id);
  return it == controls_.end() ? nullptr : &it->second;
}

const ControlState* RecordingDialog::Find(int id) const {
  const auto it = controls_.find(id);
  return it == controls_.end() ? nullptr : &it->second;
}

ControlState* RecordingDialog::Find(int id, ControlKind kind) {
  ControlState* state = Find(id);
  return state && state->control->kind == kind ? state : nullptr;
}

const ControlState& RecordingDialog::Control(int id) const {
  const ControlState* state = Find(id);
  if (!state) {
    throw std::logic_error("template " + Str(template_.id) + " has no control " + Str(id));
  }
  return *state;
}

int RecordingDialog::TimerPeriod(int timerId) const {
  const auto it = timers_.find(timerId);
  return it == timers_.end() ? 0 : static_cast<int>(it->second.schedule.Period().count());
}

// --- What a test does -----------------------------------------------------------

void RecordingDialog::Click(int id) {
  const ControlState& state = Control(id);
  if (!Clickable(state.control->kind) || !state.enabled || !state.visible || !open_) {
    throw std::logic_error("control " + Str(id) + " of template " + Str(template_.id) +
                           " cannot be clicked");
  }
  if (state.control->kind == ControlKind::kRadioButton) {
    for (int member : res::RadioGroupOf(template_, id)) Find(member)->checked = member == id;
  }
  Command(id);
}

void RecordingDialog::Command(int id) {
  Note("command " + Str(id));
  events_.OnCommand(id);
}

void RecordingDialog::Scroll(int id, ScrollCode code, int thumb) {
  Note("hscroll " + Str(id) + " " + Str(static_cast<int>(code)) + " " + Str(thumb));
  events_.OnHScroll(id, code, thumb);
}

void RecordingDialog::Slide(int id, int position, ScrollCode code) {
  ControlState* state = Find(id, ControlKind::kSlider);
  if (!state) throw std::logic_error("no trackbar " + Str(id));
  state->pos = std::clamp(position, state->low, state->high);
  Note("vscroll " + Str(id) + " " + Str(static_cast<int>(code)) + " " + Str(state->pos));
  events_.OnVScroll(id, code, state->pos);
}

void RecordingDialog::SysCommand(unsigned command) {
  const bool added = std::any_of(menu_.begin(), menu_.end(),
                                 [command](const auto& item) { return item.first == command; });
  if (!added) throw std::logic_error("no system menu item " + Str(static_cast<int>(command)));
  Note("syscommand " + Str(static_cast<int>(command)));
  events_.OnSysCommand(command);
}

void RecordingDialog::Run(int ms) {
  system_.Run(ms);
}

// --- The window ---------------------------------------------------------------

void RecordingDialog::SetCaption(std::string_view text) {
  caption_ = text;
  Note("caption " + caption_);
}

void RecordingDialog::SetIcon(int iconId) {
  icon_ = iconId;
  Note("icon " + Str(iconId));
}

void RecordingDialog::AddSystemMenuItem(unsigned command, std::string_view text) {
  menu_.emplace_back(command, std::string(text));
  Note("menu " + Str(static_cast<int>(command)) + " " + std::string(text));
}

void RecordingDialog::EndModal(int result) {
  Note("end " + Str(result));
  result_ = result;
  timers_.clear();
  for (const auto& chart : charts_) chart->timers.clear();
}

bool RecordingDialog::Capture(const std::filesystem::path& stem) {
  Note("capture " + stem.string());
  return open_;
}

void RecordingDialog::ShowWindow(bool focusFirst) {
  shown_ = true;
  if (focusFirst) {
    for (const res::ControlTemplate& c : template_.controls) {
      const ControlState* state = Find(c.id);
      if (state && (c.style & res::kTabStop) && state->enabled && state->visible) {
        focus_ = c.id;
        break;
      }
    }
  }
  Note("show");
  for (const auto& chart : charts_) RecordingChart::Show(*chart);
}

void RecordingDialog::Close() {
  open_ = false;
  timers_.clear();
  for (const auto& chart : charts_) {
    chart->alive = false;
    chart->timers.clear();
    chart->events = nullptr;
  }
  Note("close");
}

// --- Any control ----------------------------------------------------------------

void RecordingDialog::SetItemText(int id, std::string_view text) {
  if (ControlState* state = Find(id)) {
    state->text = text;
    Note("text " + Str(id) + " " + state->text);
  }
}

std::string RecordingDialog::ItemText(int id) const {
  const ControlState* state = Find(id);
  return state ? state->text : std::string();
}

void RecordingDialog::EnableItem(int id, bool enable) {
  if (ControlState* state = Find(id)) {
    state->enabled = enable;
    Note((enable ? "enable " : "disable ") + Str(id));
  }
}

bool RecordingDialog::IsItemEnabled(int id) const {
  const ControlState* state = Find(id);
  return state && state->enabled;
}

void RecordingDialog::ShowItem(int id, bool show) {
  if (ControlState* state = Find(id)) {
    state->visible = show;
    Note((show ? "showitem " : "hideitem ") + Str(id));
  }
}

bool RecordingDialog::IsItemVisible(int id) const {
  const ControlState* state = Find(id);
  return state && state->visible;
}

void RecordingDialog::SetFocus(int id) {
  if (Find(id)) focus_ = id;
}

PixelRect RecordingDialog::ItemRect(int id) const {
  const ControlState* state = Find(id);
  return state ? ToPixels(*state->control) : PixelRect{};
}

// --- Buttons ----------------------------------------------------------------------

void RecordingDialog::SetCheck(int id, bool checked) {
  if (ControlState* state = Find(id, ControlKind::kRadioButton)) {
    state->checked = checked;
    Note((checked ? "check " : "uncheck ") + Str(id));
  }
}

bool RecordingDialog::IsChecked(int id) const {
  const ControlState* state = Find(id);
  return state && state->checked;
}

// --- Progress bars, trackbars and scroll bars -----------------------------------

// Each keeps its position within its range, as the platform's do.
void RecordingDialog::SetRangeOf(ControlKind kind, const char* what, int id, int low, int high) {
  if (ControlState* state = Find(id, kind)) {
    state->low = low;
    state->high = high;
    state->pos = std::clamp(state->pos, low, std::max(low, high));
    Note(std::string(what) + "range " + Str(id) + " " + Str(low) + " " + Str(high));
  }
}

void RecordingDialog::SetPosOf(ControlKind kind, const char* what, int id, int position) {
  if (ControlState* state = Find(id, kind)) {
    state->pos = std::clamp(position, state->low, std::max(state->low, state->high));
    Note(std::string(what) + "pos " + Str(id) + " " + Str(position));
  }
}

int RecordingDialog::PosOf(ControlKind kind, int id) const {
  const ControlState* state = Find(id);
  return state && state->control->kind == kind ? state->pos : 0;
}

void RecordingDialog::SetBarRange(int id, int low, int high) {
  SetRangeOf(ControlKind::kProgressBar, "bar", id, low, high);
}

void RecordingDialog::SetBarStep(int id, int step) {
  if (ControlState* state = Find(id, ControlKind::kProgressBar)) {
    state->step = step;
    Note("barstep " + Str(id) + " " + Str(step));
  }
}

void RecordingDialog::SetBarPos(int id, int position) {
  SetPosOf(ControlKind::kProgressBar, "bar", id, position);
}

void RecordingDialog::SetBarColor(int id, Rgb colour) {
  if (ControlState* state = Find(id, ControlKind::kProgressBar)) {
    state->barColour = colour;
    Note("barcolour " + Str(id) + " " + Colour(colour));
  }
}

void RecordingDialog::SetBarBackground(int id, Rgb colour) {
  if (ControlState* state = Find(id, ControlKind::kProgressBar)) {
    state->background = colour;
    Note("barbackground " + Str(id) + " " + Colour(colour));
  }
}

void RecordingDialog::SetSliderRange(int id, int low, int high, bool) {
  SetRangeOf(ControlKind::kSlider, "slider", id, low, high);
}

void RecordingDialog::SetSliderTicks(int id, int every) {
  if (ControlState* state = Find(id, ControlKind::kSlider)) {
    state->ticks = every;
    Note("sliderticks " + Str(id) + " " + Str(every));
  }
}

void RecordingDialog::SetSliderPos(int id, int position, bool) {
  SetPosOf(ControlKind::kSlider, "slider", id, position);
}

int RecordingDialog::SliderPos(int id) const {
  return PosOf(ControlKind::kSlider, id);
}

void RecordingDialog::SetScrollRange(int id, int low, int high, bool) {
  SetRangeOf(ControlKind::kScrollBar, "scroll", id, low, high);
}

void RecordingDialog::SetScrollPos(int id, int position, bool) {
  SetPosOf(ControlKind::kScrollBar, "scroll", id, position);
}

int RecordingDialog::ScrollPos(int id) const {
  return PosOf(ControlKind::kScrollBar, id);
}

// --- Timers and charts ----------------------------------------------------------------

void RecordingDialog::SetTimer(int timerId, int periodMs) {
  if (!open_ || Ended()) return;
  timers_.insert_or_assign(timerId,
                           Timer{TimerSchedule(system_.Now(), Millis{periodMs}), system_.Order()});
  Note("settimer " + Str(timerId) + " " + Str(periodMs));
}

void RecordingDialog::KillTimer(int timerId) {
  timers_.erase(timerId);
  Note("killtimer " + Str(timerId));
}

std::unique_ptr<ChartSurface> RecordingDialog::CreateChart(const PixelRect& rect,
                                                           ChartEvents& events) {
  auto state = std::make_shared<ChartState>();
  state->rect = rect;
  state->events = &events;
  charts_.push_back(state);
  Note("chart " + Str(rect.left) + " " + Str(rect.top) + " " + Str(rect.right) + " " +
       Str(rect.bottom));
  if (shown_) RecordingChart::Show(*state);
  return std::make_unique<RecordingChart>(system_, std::move(state));
}

}  // namespace quoril::recording
