#pragma once
// The per-user settings: 32-bit integers by section and key. Reading an
// absent setting gives the reader's default and writes nothing.

#include <cstdint>
#include <string>
#include <string_view>

namespace quoril {

class Profile {
 public:
  virtual ~Profile() = default;
  virtual std::int32_t ReadInt(std::string_view section, std::string_view key,
                               std::int32_t defaultValue) const = 0;
  virtual void WriteInt(std::string_view section, std::string_view key, std::int32_t value) = 0;
  // Empty while every write reached the store; otherwise a sentence for the
  // user naming the store that could not be written.
  virtual std::string SaveProblem() const { return {}; }
};

}  // namespace quoril
