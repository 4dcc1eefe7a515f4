#include "res/qt/QtOptions.h"

#include <string_view>

namespace quoril {

namespace {

struct QtOption {
  std::string_view name;
  bool takesValue;
};
constexpr QtOption kQtOptions[] = {
    {"platform", true},
    {"platformpluginpath", true},
    {"platformtheme", true},
    {"plugin", true},
    {"qwindowgeometry", true},
    {"geometry", true},
    {"qwindowicon", true},
    {"qwindowtitle", true},
    {"title", true},
    {"display", true},
    {"name", true},
    {"style", true},
    {"stylesheet", true},
    {"session", true},
    {"reverse", false},
    {"widgetcount", false},
    {"nograb", false},
    {"dograb", false},
    {"sync", false},
    {"qmljsdebugger", true},
};

// One or two dashes, then the name, then perhaps "=value".
const QtOption* FindQtOption(std::string_view arg) {
  if (arg.size() < 2 || arg[0] != '-') return nullptr;
  arg.remove_prefix(arg[1] == '-' ? 2 : 1);
  arg = arg.substr(0, arg.find('='));
  for (const QtOption& option : kQtOptions) {
    if (option.name == arg) return &option;
  }
  return nullptr;
}

}  // namespace

std::optional<std::string> FindUnknownQtArgument(std::span<const std::string> args) {
  bool valueDue = false;
  for (const std::string& arg : args) {
    if (valueDue) {
      valueDue = false;
      continue;
    }
    const QtOption* option = FindQtOption(arg);
    if (!option) return arg;
    valueDue = option->takesValue && arg.find('=') == std::string::npos;
  }
  return std::nullopt;
}

bool ChoosesQtStyle(std::span<const std::string> args) {
  for (const std::string& arg : args) {
    const QtOption* option = FindQtOption(arg);
    if (option && option->name == "style") return true;
  }
  return false;
}

}  // namespace quoril
