#pragma once
// The profile in the registry, where the dialog framework keeps it:
// HKEY_CURRENT_USER\Software\WLAN Quoril\<program name>\<section>, one
// REG_DWORD value per key.

#include <string>

#include "app/Profile.h"

namespace quoril::win32 {

class RegistryProfile final : public Profile {
 public:
  // `programName`: the executable's base name, as the framework names the
  // application.
  explicit RegistryProfile(std::string programName);

  // A value that is absent or not a REG_DWORD reads as the default.
  std::int32_t ReadInt(std::string_view section, std::string_view key,
                       std::int32_t defaultValue) const override;
  // Creates the keys on the way.
  void WriteInt(std::string_view section, std::string_view key, std::int32_t value) override;
  std::string SaveProblem() const override { return problem_; }

  // "Software\WLAN Quoril\<program name>", under HKEY_CURRENT_USER.
  const std::string& ProgramKey() const { return programKey_; }

 private:
  std::string programKey_;
  std::string problem_;
};

// The base name of the running executable ("quoril" for quoril.exe).
std::string ExecutableBaseName();

}  // namespace quoril::win32
