#include "adapter/AdapterRegistryRecord.h"

#include <algorithm>
#include <cstring>

namespace quoril {

std::string_view AdapterRegistryRecord::Name() const {
  const auto* begin = reinterpret_cast<const char*>(bytes.data() + kNameOffset);
  const auto* end = static_cast<const char*>(std::memchr(begin, 0, kNameCapacity));
  return {begin, end ? static_cast<std::size_t>(end - begin) : kNameCapacity};
}

void AdapterRegistryRecord::SetName(std::string_view name) {
  const std::size_t n = std::min(name.size(), kNameCapacity - 1);
  std::memcpy(bytes.data() + kNameOffset, name.data(), n);
  std::fill(bytes.begin() + static_cast<std::ptrdiff_t>(kNameOffset + n), bytes.end(), 0);
}

}  // namespace quoril
