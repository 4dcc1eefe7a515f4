#pragma once
// The profile in Qt's native settings store, a configuration file, under the
// organisation "WLAN Quoril" and the program's name.

#include <QSettings>
#include <filesystem>
#include <memory>

#include "app/Profile.h"

namespace quoril {

class SettingsProfile final : public Profile {
 public:
  // Organisation "WLAN Quoril", the application's name (the executable's
  // base name), native format.
  SettingsProfile();
  // A store of the caller's, e.g. a file in a test's folder.
  explicit SettingsProfile(std::unique_ptr<QSettings> settings);

  // A stored value that is not a number reads as the default.
  std::int32_t ReadInt(std::string_view section, std::string_view key,
                       std::int32_t defaultValue) const override;
  void WriteInt(std::string_view section, std::string_view key, std::int32_t value) override;
  std::string SaveProblem() const override;

  QSettings& Store() const { return *settings_; }
  // False once a write could not reach the store (a folder or a file that
  // cannot be written): what the run changed is then not kept.
  bool Saved() const { return saved_; }

 private:
  std::unique_ptr<QSettings> settings_;
  bool saved_ = true;
};

// Where the settings file goes: quoril.cfg in the folder that holds the
// profile's own file, which is made when it is missing.
std::filesystem::path SettingsFilePath(const SettingsProfile& profile);

}  // namespace quoril
