#pragma once
// The message boxes the windows show, behind an interface so that tests can
// answer them. Captions may be empty: the box then carries the program's
// name.

#include <string_view>

namespace quoril {

enum class BoxButtons { kOk, kRetryCancel };
enum class BoxIcon { kNone, kExclamation };
enum class BoxAnswer { kOk, kRetry, kCancel };

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // Shows the box modally and returns the button chosen.
  virtual BoxAnswer Show(std::string_view caption, std::string_view text, BoxButtons buttons,
                         BoxIcon icon) = 0;
};

}  // namespace quoril
