#include "sim/LinkTimeline.h"

#include <algorithm>

namespace quoril {
namespace {

constexpr std::int64_t kMsPerSecond = 1000;

}  // namespace

LinkTimeline::LinkTimeline(const Scenario& scenario) : scenario_(scenario), random_(scenario.seed) {
  Millis start{0};
  for (const LinkPhase& phase : scenario_.phases) {
    starts_.push_back(start);
    if (phase.duration) start += *phase.duration;
  }
}

std::size_t LinkTimeline::PhaseIndexAt(Millis t) const {
  std::size_t index = 0;
  for (std::size_t i = 1; i < starts_.size() && starts_[i] <= t; ++i) index = i;
  return index;
}

Millis LinkTimeline::LatencyAt(Millis t) const {
  const LinkPhase& phase = PhaseAt(t);
  return phase.latency ? *phase.latency : scenario_.latency;
}

std::uint8_t LinkTimeline::SignalAt(Millis t) {
  const std::int64_t target = t.count() < 0 ? 0 : t.count() / scenario_.timeStep.count();
  while (step_ < target) Step();
  return static_cast<std::uint8_t>(signal_);
}

// One time step: one draw of the generator whatever the phase, so that a walk
// later on sees the same numbers however the phases before it are shaped.
void LinkTimeline::Step() {
  ++step_;
  const Millis t = scenario_.timeStep * step_;
  const std::size_t index = PhaseIndexAt(t);
  const bool entering = step_ == 0 || index != phase_;
  phase_ = index;
  const LinkPhase& phase = scenario_.phases[index];
  const SignalSpec& spec = phase.signal;
  const auto draw = static_cast<std::uint32_t>(random_());

  if (entering && spec.hasStart) signal_ = spec.value;
  switch (spec.shape) {
    case SignalShape::kConstant:
    case SignalShape::kFrozen:
      break;
    case SignalShape::kRamp: {
      if (entering) rampFrom_ = signal_;
      // The phase's last step reaches `to`. The loader refuses a ramp
      // without a duration.
      const std::int64_t duration = phase.duration ? phase.duration->count() : 0;
      const std::int64_t length = std::max<std::int64_t>(duration - scenario_.timeStep.count(), 1);
      const std::int64_t into = std::min((t - starts_[index]).count(), length);
      const std::int64_t span = int{spec.to} - rampFrom_;
      // Rounded to the nearest, halves away from the start.
      const std::int64_t offset = (2 * span * into + (span < 0 ? -length : length)) / (2 * length);
      signal_ = rampFrom_ + static_cast<int>(offset);
      break;
    }
    case SignalShape::kWalk: {
      if (entering && spec.hasStart) break;
      const int width = 2 * spec.maxStep + 1;
      const int delta = static_cast<int>(draw % static_cast<std::uint32_t>(width)) - spec.maxStep;
      signal_ = std::clamp(signal_ + delta, int{spec.min}, int{spec.max});
      break;
    }
  }
}

std::uint64_t LinkTimeline::TrafficBetween(Millis from, Millis to, bool rx) const {
  std::uint64_t total = 0;
  for (std::size_t i = 0; i < starts_.size(); ++i) {
    const Millis begin = std::max(from, starts_[i]);
    const bool last = i + 1 == starts_.size();
    const Millis end = last ? to : std::min(to, starts_[i + 1]);
    if (end <= begin) continue;
    const LinkPhase& phase = scenario_.phases[i];
    const TrafficRates& rates = phase.traffic ? *phase.traffic : scenario_.traffic.rates;
    const std::uint64_t rate = rx ? rates.rxBytesPerSecond : rates.txBytesPerSecond;
    total += rate * static_cast<std::uint64_t>((end - begin).count());
  }
  return total;
}

std::uint32_t LinkTimeline::CounterAt(std::size_t index, Millis t) const {
  if (index > 3 || t.count() < 0) return 0;
  Millis since{0};
  bool wasReset = false;
  for (Millis reset : scenario_.traffic.resets) {
    if (reset <= t && reset >= since) {
      since = reset;
      wasReset = true;
    }
  }
  const bool rx = index >= 2;
  const std::uint64_t bytes =
      TrafficBetween(since, t, rx) / static_cast<std::uint64_t>(kMsPerSecond);
  // Items 0x10 and 0x12 count directed frames, 0x11 and 0x13 the rest; an
  // eighth of the traffic is broadcast.
  const bool broadcast = index % 2 == 1;
  const std::uint64_t share = broadcast ? bytes / 8 : bytes - bytes / 8;
  const std::uint64_t initial = wasReset ? 0 : scenario_.traffic.initial[index];
  return static_cast<std::uint32_t>(initial + share);
}

}  // namespace quoril
