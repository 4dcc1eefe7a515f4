#pragma once
// The raw bytes a poll tick reads out of the adapter's answer buffers after
// PacketGetStatus, by the names the link monitor gives them.

#include <array>
#include <cstdint>

namespace quoril {

class CAdapter;

struct PollInputs {
  std::uint8_t S = 0;                                // signal level, record 0xFD43 byte 6
  std::uint8_t N = 0;                                // interference level, register 0x7C
  std::uint8_t L = 0;                                // link-error level, register 0x66
  std::uint8_t P = 0;                                // port status, low byte of record 0xFD40
  std::array<std::uint8_t, 6> B{};                   // BSS ID, B0 first
  std::uint8_t R = 0;                                // transmit rate code
  std::uint8_t Ch = 0;                               // channel
  std::uint8_t T = 0;                                // transmit power setting, register 0x3E
  std::uint8_t M = 0;                                // transmit power reading, register 0x74
  std::uint32_t C10 = 0, C11 = 0, C12 = 0, C13 = 0;  // traffic counters
  std::uint32_t status = 0;                          // status of the last card request

  static PollInputs Read(const CAdapter& adapter);
};

}  // namespace quoril
