#pragma once
// The scenarios that come with the program, as JSON texts in the format of
// docs/scenarios.md, read by the same loader as files.

#include <span>
#include <string_view>

namespace quoril::builtin {

// "office" first: the default.
std::span<const std::string_view> Names();
// Empty when there is no built-in scenario of that name.
std::string_view Text(std::string_view name);

}  // namespace quoril::builtin
