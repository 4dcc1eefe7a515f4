#pragma once
// Qt's own command-line options (-platform, -style, ...), which Qt takes out
// of the arguments as the application starts.

#include <optional>
#include <span>
#include <string>

namespace quoril {

// The first of `args` that is neither one of Qt's options nor the value of
// one; none when Qt takes them all.
std::optional<std::string> FindUnknownQtArgument(std::span<const std::string> args);
// Whether `args` choose the widget style (-style).
bool ChoosesQtStyle(std::span<const std::string> args);

}  // namespace quoril
