#pragma once
// Hides the station addresses and BSS IDs of a session: each address it has
// been shown gets a stand-in of its own, 02:00:00:00:00:01 for the first,
// :02 for the second and so on (locally administered, so never a real
// card's), and every occurrence of its six bytes is replaced by the stand-in.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace quoril {

class AddressMask {
 public:
  using Address = std::array<std::uint8_t, 6>;

  // Remembers `address`, unless it is known already or says nothing (all
  // zero bytes or all ones).
  void Learn(std::span<const std::uint8_t, 6> address);
  // Replaces every known address in `bytes`; sets bit i of `replaced` for
  // each byte i it replaced (up to byte 31).
  void Apply(std::span<std::uint8_t> bytes, std::uint32_t& replaced) const;

  std::size_t Size() const { return pairs_.size(); }

 private:
  struct Pair {
    Address real;
    Address standIn;
  };
  bool IsReal(const Address& address) const;

  std::vector<Pair> pairs_;
  std::uint32_t nextStandIn_ = 1;
};

}  // namespace quoril
