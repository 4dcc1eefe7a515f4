// The Win32 platform's other parts: the profile in the registry and the start
// of the platform.

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "ScriptedDialog.h"
#include "app/Platform.h"
#include "res/win32/RegistryProfile.h"
#include "res/win32/WideText.h"

namespace quoril::win32 {
namespace {

// Values are DWORDs (the windows' own test reads them from the registry): one
// of another type reads as the default. A write the registry refuses is told,
// and a later write that succeeds does not hide it.
TEST(RegistryProfile, KeepsIntegersWhereTheFrameworkDoes) {
  RegistryProfile profile("quoril-test-" + std::to_string(GetCurrentProcessId()));
  const std::wstring program = Widen(profile.ProgramKey()), section = program + L"\\AntTest";
  EXPECT_EQ(profile.ReadInt("AntTest", "Speed", 128), 128);
  profile.WriteInt("AntTest", "Speed", -5);
  EXPECT_EQ(profile.ReadInt("AntTest", "Speed", 1), -5);
  EXPECT_EQ(profile.SaveProblem(), "");
  HKEY key = nullptr;
  EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, section.c_str(), 0, KEY_WRITE, &key), ERROR_SUCCESS);
  RegSetValueExW(key, L"Width", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"3"), 4);
  RegCloseKey(key);
  EXPECT_EQ(profile.ReadInt("AntTest", "Width", 7), 7);

  profile.WriteInt(std::string(300, 'a'), "Key", 1);  // longer than a key name may be
  profile.WriteInt("AntTest", "Speed", 2);
  EXPECT_NE(profile.SaveProblem().find("HKEY_CURRENT_USER\\Software\\WLAN Quoril"),
            std::string::npos);
  for (const std::wstring& k : {section, program}) RegDeleteKeyW(HKEY_CURRENT_USER, k.c_str());
}

TEST(Win32Platform, StartsOrRefusesUnknownArguments) {
  std::vector<std::string> none{"quoril"};
  const std::optional<Platform> platform = StartPlatform(none);
  ASSERT_TRUE(platform);
  EXPECT_EQ(platform->settingsFile, std::filesystem::path("c:quoril.cfg"));
  EXPECT_EQ(static_cast<RegistryProfile&>(*platform->profile).ProgramKey(),
            "Software\\WLAN Quoril\\quoril_win32_ui_tests");

  // The refusal's box is answered from a timer of another window system.
  Win32WindowSystem helper(GetModuleHandleW(nullptr));
  BoxSeen seen;
  AnswerBox(helper, IDOK, seen);
  std::vector<std::string> unknown{"quoril", "--bogus"};
  EXPECT_FALSE(StartPlatform(unknown));
  EXPECT_NE(seen.text.find(L"unknown argument: --bogus"), std::wstring::npos);
}

}  // namespace
}  // namespace quoril::win32
