#pragma once
// Qt's own command-line options, which the program leaves to the toolkit:
// for the Qt window system to refuse anything else before it starts.

#include <optional>
#include <string>
#include <vector>

namespace quoril {

// The first of `args` (the program's name left out) that is neither one of
// Qt's options nor the value of one; nothing when all are Qt's.
std::optional<std::string> FindUnknownQtArgument(const std::vector<std::string>& args);

// Whether `args` choose a style (-style), which then wins over the
// program's choice of look.
bool ChoosesQtStyle(const std::vector<std::string>& args);

}  // namespace quoril
