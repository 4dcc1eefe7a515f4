#include "app/MemoryProfile.h"

namespace quoril {

std::int32_t MemoryProfile::ReadInt(std::string_view section, std::string_view key,
                                    std::int32_t defaultValue) const {
  return Find(section, key).value_or(defaultValue);
}

void MemoryProfile::WriteInt(std::string_view section, std::string_view key, std::int32_t value) {
  values_[{std::string(section), std::string(key)}] = value;
  writes_.push_back({std::string(section), std::string(key), value});
}

std::optional<std::int32_t> MemoryProfile::Find(std::string_view section,
                                                std::string_view key) const {
  const auto it = values_.find(std::pair{std::string(section), std::string(key)});
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

}  // namespace quoril
