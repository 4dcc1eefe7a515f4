#pragma once
// What the windows share for the whole run: the card access, the profile,
// the window system (which shows the message boxes too) and a few facts
// about the start.

#include <filesystem>

#include "adapter/CAdapter.h"
#include "app/Profile.h"
#include "res/WindowSystem.h"

namespace quoril {

struct AppServices {
  CAdapter& adapter;
  Profile& profile;
  WindowSystem& windows;
  std::filesystem::path settingsFile;
  bool simulatedCard = false;
};

}  // namespace quoril
