// The Win32 platform's other parts: pictures of windows, the profile in the
// registry and the start of the platform.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <vector>

#include "ScriptedDialog.h"
#include "app/Platform.h"
#include "res/win32/RegistryProfile.h"
#include "res/win32/WideText.h"

namespace quoril::win32 {
namespace {

std::uint32_t Little32(const std::vector<unsigned char>& bytes, std::size_t at) {
  return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
         static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

TEST(Win32Capture, WritesAPictureOfTheWholeWindow) {
  Win32WindowSystem windows(GetModuleHandleW(nullptr));
  const auto folder = std::filesystem::temp_directory_path() / "quoril-capture";
  std::filesystem::create_directories(folder);
  RECT frame{};
  ScriptedDialog dialog(windows, res::kAboutBox, [&](ScriptedDialog& d) {
    GetWindowRect(d.Hwnd(), &frame);
    EXPECT_TRUE(d.Peer().Capture(folder / "about"));
  });
  dialog.Run();

  std::vector<unsigned char> bytes;
  {
    std::ifstream file(folder / "about.bmp", std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(file), {});
  }
  std::filesystem::remove_all(folder);
  ASSERT_GT(bytes.size(), 54u);
  EXPECT_EQ(bytes[0], 'B');
  EXPECT_EQ(bytes[1], 'M');
  EXPECT_EQ(Little32(bytes, 18), static_cast<std::uint32_t>(frame.right - frame.left));
  EXPECT_EQ(Little32(bytes, 22), static_cast<std::uint32_t>(frame.bottom - frame.top));
  const std::set<unsigned char> shades(bytes.begin() + 54, bytes.end());
  EXPECT_GT(shades.size(), 4u) << "a picture, not a blank";
}

class RegistryProfileTest : public testing::Test {
 protected:
  void TearDown() override {
    for (const char* section : {"\\AntTest", ""}) {
      RegDeleteKeyW(HKEY_CURRENT_USER, Widen(profile.ProgramKey() + section).c_str());
    }
  }
  std::wstring SectionKey(const char* section) const {
    return Widen(profile.ProgramKey() + "\\" + section);
  }

  RegistryProfile profile{"quoril-test-" + std::to_string(GetCurrentProcessId())};
};

// Values are DWORDs (the windows' own test reads them from the registry): one
// of another type reads as the default. A write the registry refuses is told,
// and a later write that succeeds does not hide it.
TEST_F(RegistryProfileTest, KeepsIntegersWhereTheFrameworkDoes) {
  EXPECT_EQ(profile.ReadInt("AntTest", "Speed", 128), 128);
  HKEY key = nullptr;
  EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, SectionKey("AntTest").c_str(), 0, KEY_READ, &key),
            ERROR_SUCCESS)
      << "reading wrote nothing";

  profile.WriteInt("AntTest", "Speed", -5);
  EXPECT_EQ(profile.ReadInt("AntTest", "Speed", 1), -5);
  EXPECT_EQ(profile.SaveProblem(), "");
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, SectionKey("AntTest").c_str(), 0, KEY_WRITE, &key),
            ERROR_SUCCESS);
  RegSetValueExW(key, L"Width", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"3"), 4);
  RegCloseKey(key);
  EXPECT_EQ(profile.ReadInt("AntTest", "Width", 7), 7);

  profile.WriteInt(std::string(300, 'a'), "Key", 1);  // longer than a key name may be
  profile.WriteInt("AntTest", "Speed", 2);
  EXPECT_NE(profile.SaveProblem().find("HKEY_CURRENT_USER\\Software\\WLAN Quoril"),
            std::string::npos);
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
  std::wstring said;
  std::function<void()> answer = [&] {
    const HWND box = FindWindowW(L"#32770", L"WLAN Quoril");
    if (!box) return helper.After(20, answer);
    wchar_t text[256] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 256);
    said = text;
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  };
  helper.After(20, answer);
  std::vector<std::string> unknown{"quoril", "--bogus"};
  EXPECT_FALSE(StartPlatform(unknown));
  EXPECT_NE(said.find(L"unknown argument: --bogus"), std::wstring::npos);
}

}  // namespace
}  // namespace quoril::win32
