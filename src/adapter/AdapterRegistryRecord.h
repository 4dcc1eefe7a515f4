#pragma once
// The library's 780-byte adapter registry record. The program reads only the
// zero-terminated adapter name at byte 520.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quoril {

struct AdapterRegistryRecord {
  static constexpr std::size_t kSize = 780;
  static constexpr std::size_t kNameOffset = 520;
  static constexpr std::size_t kNameCapacity = kSize - kNameOffset;

  std::array<std::uint8_t, kSize> bytes{};

  // The name up to its terminator, or to the end of the record when a
  // library forgot the terminator.
  std::string_view Name() const;
  // Stores `name`, cut to fit, with its terminator.
  void SetName(std::string_view name);
};

static_assert(sizeof(AdapterRegistryRecord) == AdapterRegistryRecord::kSize);

}  // namespace quoril
