#pragma once
// The poll's memory from tick to tick. It lives in the adapter (the rescan
// request resets part of it); a tick loads it, works on the copy and stores
// it back.

#include <cstdint>

namespace quoril {

class CAdapter;

struct PollState {
  std::uint8_t SameSignalCount = 0;
  std::uint8_t ThroughputTick = 0;
  std::uint8_t ThroughputWarmup = 0;
  std::uint8_t LastSignalLevel = 0;
  double PrevRxCount = 0.0;
  double PrevTxCount = 0.0;

  static PollState Load(const CAdapter& adapter);
  void Store(CAdapter& adapter) const;
};

}  // namespace quoril
