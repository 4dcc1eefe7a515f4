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
    for (const char* section : {"\\TX_Power", "\\AntTest", ""}) {
      RegDeleteKeyW(HKEY_CURRENT_USER, Widen(profile.ProgramKey() + section).c_str());
    }
  }
  std::wstring SectionKey(const char* section) const {
    return Widen(profile.ProgramKey() + "\\" + section);
  }

  RegistryProfile profile{"quoril-test-" + std::to_string(GetCurrentProcessId())};
};

TEST_F(RegistryProfileTest, KeepsIntegersWhereTheFrameworkDoes) {
  EXPECT_EQ(profile.ReadInt("TX_Power", "TxPower", 128), 128);
  HKEY key = nullptr;
  EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, SectionKey("TX_Power").c_str(), 0, KEY_READ, &key),
            ERROR_SUCCESS)
      << "reading wrote nothing";

  profile.WriteInt("TX_Power", "TxPower", 384);
  profile.WriteInt("AntTest", "Speed", -5);
  EXPECT_EQ(profile.ReadInt("TX_Power", "TxPower", 128), 384);
  EXPECT_EQ(profile.ReadInt("AntTest", "Speed", 1), -5);
  EXPECT_EQ(profile.SaveProblem(), "");

  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, SectionKey("TX_Power").c_str(), 0,
                          KEY_READ | KEY_WRITE, &key),
            ERROR_SUCCESS);
  DWORD type = 0, value = 0, size = sizeof(value);
  RegQueryValueExW(key, L"TxPower", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(value, 384u);
  // A value of another type reads as the default.
  RegSetValueExW(key, L"Ex_TxPower", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"3"), 4);
  EXPECT_EQ(profile.ReadInt("TX_Power", "Ex_TxPower", 7), 7);
  RegDeleteValueW(key, L"TxPower");
  RegDeleteValueW(key, L"Ex_TxPower");
  RegCloseKey(key);
  HKEY ant = nullptr;
  RegOpenKeyExW(HKEY_CURRENT_USER, SectionKey("AntTest").c_str(), 0, KEY_WRITE, &ant);

  // A key name longer than the registry takes: the write fails and says so,
  // and a later write that succeeds does not hide it.
  profile.WriteInt(std::string(300, 'a'), "Key", 1);
  profile.WriteInt("AntTest", "Speed", 2);
  EXPECT_NE(profile.SaveProblem().find("HKEY_CURRENT_USER\\Software\\WLAN Quoril"),
            std::string::npos);
  RegDeleteValueW(ant, L"Speed");
  RegCloseKey(ant);
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
