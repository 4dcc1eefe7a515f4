// The platform of the Windows build: the Win32 window system, the profile in
// the registry and the settings file in the current folder of drive C:.

#include <windows.h>

#include <cstdio>

#include "app/Platform.h"
#include "res/win32/RegistryProfile.h"
#include "res/win32/Win32WindowSystem.h"

namespace quoril {

std::optional<Platform> StartPlatform(std::vector<std::string>& toolkitArgs) {
  auto windows = std::make_unique<win32::Win32WindowSystem>(GetModuleHandleW(nullptr));
  if (toolkitArgs.size() > 1) {
    // No toolkit options here: whatever the program left is unknown. A GUI
    // program has no console to speak to, so the box says it too.
    const std::string text =
        "quoril: unknown argument: " + toolkitArgs[1] + "\nRun with --help for more information.";
    std::fprintf(stderr, "%s\n", text.c_str());
    windows->Show({}, text, BoxButtons::kOk, BoxIcon::kExclamation);
    return std::nullopt;
  }
  Platform platform;
  platform.windows = std::move(windows);
  platform.profile = std::make_unique<win32::RegistryProfile>(win32::ExecutableBaseName());
  platform.settingsFile = "c:quoril.cfg";
  return platform;
}

}  // namespace quoril
