#pragma once
// What the windows share for the whole run: the card access, the profile,
// the message boxes and a few facts about the start.

#include <filesystem>

#include "adapter/CAdapter.h"
#include "res/MessageBoxes.h"
#include "app/Profile.h"

namespace quoril {

struct AppServices {
  CAdapter& adapter;
  Profile& profile;
  MessageBoxes& boxes;
  std::filesystem::path settingsFile;
  bool simulatedCard = false;
};

}  // namespace quoril
