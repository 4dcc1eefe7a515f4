#pragma once
// The link of a scenario as a function of scenario time: which phase holds,
// the signal byte (stepped once per time step, so a random walk depends on
// time alone, not on how often it is read) and the traffic counters.

#include <cstddef>
#include <cstdint>
#include <random>
#include <vector>

#include "sim/Scenario.h"

namespace quoril {

class LinkTimeline {
 public:
  // Keeps a reference: `scenario` must outlive the timeline.
  explicit LinkTimeline(const Scenario& scenario);

  std::size_t PhaseIndexAt(Millis t) const;
  const LinkPhase& PhaseAt(Millis t) const { return scenario_.phases[PhaseIndexAt(t)]; }
  Millis LatencyAt(Millis t) const;

  // The signal byte at time t. Times are expected not to go back; an earlier
  // time than already seen gives the latest value.
  std::uint8_t SignalAt(Millis t);

  // Counter item 0x10 + index (index 0..3) at time t, wrapped to 32 bits.
  std::uint32_t CounterAt(std::size_t index, Millis t) const;

 private:
  void Step();
  // Bytes·ms of traffic in [from, to): rx when `rx`, else tx.
  std::uint64_t TrafficBetween(Millis from, Millis to, bool rx) const;

  const Scenario& scenario_;
  std::vector<Millis> starts_;  // of each phase

  std::mt19937 random_;
  std::int64_t step_ = -1;  // the last step taken
  std::size_t phase_ = 0;   // phase of that step
  int signal_ = 0;
  int rampFrom_ = 0;
};

}  // namespace quoril
