#include "app/PollState.h"

#include "adapter/CAdapter.h"

namespace quoril {

PollState PollState::Load(const CAdapter& adapter) {
  PollState s;
  s.SameSignalCount = adapter.SameSignalCount;
  s.ThroughputTick = adapter.ThroughputTick;
  s.ThroughputWarmup = adapter.ThroughputWarmup;
  s.LastSignalLevel = adapter.LastSignalLevel;
  s.PrevRxCount = adapter.PrevRxCount;
  s.PrevTxCount = adapter.PrevTxCount;
  return s;
}

void PollState::Store(CAdapter& adapter) const {
  adapter.SameSignalCount = SameSignalCount;
  adapter.ThroughputTick = ThroughputTick;
  adapter.ThroughputWarmup = ThroughputWarmup;
  adapter.LastSignalLevel = LastSignalLevel;
  adapter.PrevRxCount = PrevRxCount;
  adapter.PrevTxCount = PrevTxCount;
}

}  // namespace quoril
