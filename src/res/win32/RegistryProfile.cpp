#include "res/win32/RegistryProfile.h"

#include <windows.h>

#include "res/win32/WideText.h"

namespace quoril::win32 {

namespace {

std::wstring SectionKey(const std::string& programKey, std::string_view section) {
  std::string path = programKey;
  path += '\\';
  path += section;
  return Widen(path);
}

}  // namespace

RegistryProfile::RegistryProfile(std::string programName)
    : programKey_("Software\\WLAN Quoril\\" + programName) {}

std::int32_t RegistryProfile::ReadInt(std::string_view section, std::string_view key,
                                      std::int32_t defaultValue) const {
  HKEY handle = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, SectionKey(programKey_, section).c_str(), 0, KEY_READ,
                    &handle) != ERROR_SUCCESS) {
    return defaultValue;
  }
  DWORD type = 0;
  DWORD value = 0;
  DWORD size = sizeof(value);
  const LONG status = RegQueryValueExW(handle, Widen(key).c_str(), nullptr, &type,
                                       reinterpret_cast<BYTE*>(&value), &size);
  RegCloseKey(handle);
  if (status != ERROR_SUCCESS || type != REG_DWORD || size != sizeof(value)) return defaultValue;
  return static_cast<std::int32_t>(value);
}

void RegistryProfile::WriteInt(std::string_view section, std::string_view key, std::int32_t value) {
  HKEY handle = nullptr;
  LONG status =
      RegCreateKeyExW(HKEY_CURRENT_USER, SectionKey(programKey_, section).c_str(), 0, nullptr,
                      REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &handle, nullptr);
  if (status == ERROR_SUCCESS) {
    const auto data = static_cast<DWORD>(value);
    status = RegSetValueExW(handle, Widen(key).c_str(), 0, REG_DWORD,
                            reinterpret_cast<const BYTE*>(&data), sizeof(data));
    RegCloseKey(handle);
  }
  if (status != ERROR_SUCCESS && problem_.empty()) {
    problem_ = "The settings could not be saved in the registry under HKEY_CURRENT_USER\\" +
               programKey_ + ".";
  }
}

std::string ExecutableBaseName() {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring name(path, length);
  name = name.substr(name.find_last_of(L"\\/") + 1);
  const std::size_t dot = name.find_last_of(L'.');
  if (dot != std::wstring::npos && dot > 0) name.resize(dot);
  return Narrow(name);
}

}  // namespace quoril::win32
