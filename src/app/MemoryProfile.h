#pragma once
// A profile held in memory, for tests and for runs that must leave no trace.
// It remembers the order of writes.

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/Profile.h"

namespace quoril {

class MemoryProfile final : public Profile {
 public:
  struct Write {
    std::string section;
    std::string key;
    std::int32_t value;
    bool operator==(const Write&) const = default;
  };

  std::int32_t ReadInt(std::string_view section, std::string_view key,
                       std::int32_t defaultValue) const override;
  void WriteInt(std::string_view section, std::string_view key, std::int32_t value) override;

  std::optional<std::int32_t> Find(std::string_view section, std::string_view key) const;
  const std::vector<Write>& Writes() const { return writes_; }

 private:
  std::map<std::pair<std::string, std::string>, std::int32_t, std::less<>> values_;
  std::vector<Write> writes_;
};

}  // namespace quoril
