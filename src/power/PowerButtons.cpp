#include "power/PowerButtons.h"

namespace quoril {

std::optional<PowerButton> PowerButtonAt(int index) {
  if (index < 0 || index >= static_cast<int>(kPowerButtons.size())) return std::nullopt;
  return kPowerButtons[static_cast<std::size_t>(index)];
}

}  // namespace quoril
