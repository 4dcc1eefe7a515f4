#include "adapter/AddressMask.h"

#include <algorithm>

namespace quoril {
namespace {

AddressMask::Address StandIn(std::uint32_t n) {
  return {0x02,
          0x00,
          static_cast<std::uint8_t>(n >> 24),
          static_cast<std::uint8_t>(n >> 16),
          static_cast<std::uint8_t>(n >> 8),
          static_cast<std::uint8_t>(n)};
}

}  // namespace

void AddressMask::Learn(std::span<const std::uint8_t, 6> address) {
  Address real;
  std::copy(address.begin(), address.end(), real.begin());
  const bool blank =
      std::all_of(real.begin(), real.end(), [](std::uint8_t b) { return b == 0; }) ||
      std::all_of(real.begin(), real.end(), [](std::uint8_t b) { return b == 0xFF; });
  if (blank || IsReal(real)) return;
  // A stand-in that is some other real address of the session would merge
  // the two.
  Address standIn = StandIn(nextStandIn_++);
  while (IsReal(standIn)) standIn = StandIn(nextStandIn_++);
  pairs_.push_back({real, standIn});
}

bool AddressMask::IsReal(const Address& address) const {
  return std::any_of(pairs_.begin(), pairs_.end(),
                     [&address](const Pair& pair) { return pair.real == address; });
}

void AddressMask::Apply(std::span<std::uint8_t> bytes, std::uint32_t& replaced) const {
  if (bytes.size() < 6) return;
  for (std::size_t at = 0; at + 6 <= bytes.size(); ++at) {
    for (const Pair& pair : pairs_) {
      if (!std::equal(pair.real.begin(), pair.real.end(), bytes.begin() + at)) continue;
      std::copy(pair.standIn.begin(), pair.standIn.end(), bytes.begin() + at);
      for (std::size_t i = at; i < at + 6 && i < 32; ++i) replaced |= std::uint32_t{1} << i;
      break;
    }
  }
}

}  // namespace quoril
