#include "res/recording/RecordingChart.h"

#include "res/recording/RecordingWindowSystem.h"

namespace quoril::recording {

int ChartState::TimerPeriod(int id) const {
  const auto it = timers.find(id);
  return it == timers.end() ? 0 : static_cast<int>(it->second.schedule.Period().count());
}

RecordingChart::~RecordingChart() {
  state_->alive = false;
  state_->timers.clear();
  state_->events = nullptr;
}

PixelRect RecordingChart::ClientRect() const {
  return {0, 0, state_->rect.Width(), state_->rect.Height()};
}

TextExtent RecordingChart::Extent(std::string_view text) const {
  return {9 * static_cast<int>(text.size()), 17};
}

void RecordingChart::Draw(std::span<const DrawOp> ops) {
  if (!state_->alive) return;
  state_->ops.insert(state_->ops.end(), ops.begin(), ops.end());
}

void RecordingChart::Invalidate() {
  if (!state_->alive) return;
  state_->paintPending = true;
  if (state_->shown) Show(*state_);
}

void RecordingChart::Show(ChartState& state) {
  state.shown = true;
  if (!state.alive || !state.paintPending || !state.events) return;
  state.paintPending = false;
  ++state.paints;
  state.opsAtPaint = state.ops.size();
  state.events->OnPaint();
}

void RecordingChart::SetTimer(int timerId, int periodMs) {
  if (!state_->alive) return;
  state_->timers.insert_or_assign(
      timerId, ChartState::Timer{TimerSchedule(system_.Now(), Millis{periodMs}), system_.Order()});
}

void RecordingChart::KillTimer(int timerId) {
  state_->timers.erase(timerId);
}

}  // namespace quoril::recording
