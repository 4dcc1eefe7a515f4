#pragma once
// Message boxes on the screen.

#include "res/MessageBoxes.h"

namespace quoril {

class QtMessageBoxes final : public MessageBoxes {
 public:
  BoxAnswer Show(std::string_view caption, std::string_view text, BoxButtons buttons,
                 BoxIcon icon) override;
};

}  // namespace quoril
