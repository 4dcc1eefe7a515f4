#pragma once
// What the windowed program needs of the platform it runs on, made once at
// start: the window system, the per-user profile and where the settings file
// lives. Each backend (Qt, Win32) defines StartPlatform; the program links
// exactly one.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/Profile.h"
#include "res/WindowSystem.h"

namespace quoril {

struct Platform {
  std::unique_ptr<WindowSystem> windows;
  // The platform's store: on Windows the registry, under the key
  // HKEY_CURRENT_USER\Software\WLAN Quoril\<program name>\<section>;
  // elsewhere the native settings file of Qt.
  std::unique_ptr<Profile> profile;
  std::filesystem::path settingsFile;
};

// `toolkitArgs`: the program's name, then the arguments the program itself
// did not take (the toolkit's own options). Returns nullopt after a message
// on standard error when the toolkit refuses them or cannot start. Where the
// platform has polite requests to end (Ctrl-C, SIGTERM), the window system
// answers them by ending the open dialogs from the innermost.
std::optional<Platform> StartPlatform(std::vector<std::string>& toolkitArgs);

}  // namespace quoril
