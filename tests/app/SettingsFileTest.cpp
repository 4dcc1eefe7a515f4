#include "app/SettingsFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace quoril {
namespace {

namespace fs = std::filesystem;

class SettingsFileTest : public ::testing::Test {
 protected:
  SettingsFileTest()
      : folder_(fs::temp_directory_path() /
                ("quoril-settings-" +
                 std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  ~SettingsFileTest() override { fs::remove_all(folder_); }

  std::string Contents(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
  }

  fs::path folder_;
};

TEST_F(SettingsFileTest, AMissingFileIsCreatedEmpty) {
  const fs::path file = folder_ / "quoril.cfg";
  EXPECT_EQ(TouchSettingsFile(file), 0);
  ASSERT_TRUE(fs::exists(file));
  EXPECT_EQ(fs::file_size(file), 0u);
}

TEST_F(SettingsFileTest, AnExistingFileKeepsItsContentsAndAtMostSixLinesAreRead) {
  const fs::path file = folder_ / "quoril.cfg";
  const std::string text = "1\n2\n3\n4\n5\n6\n7\n8\n";
  std::ofstream(file) << text;
  EXPECT_EQ(TouchSettingsFile(file), 6);
  EXPECT_EQ(Contents(file), text);

  std::ofstream(file) << "only line without end";
  EXPECT_EQ(TouchSettingsFile(file), 1);
  EXPECT_EQ(Contents(file), "only line without end");
}

TEST_F(SettingsFileTest, AFileThatCannotBeMadeIsNoError) {
  EXPECT_EQ(TouchSettingsFile(folder_ / "no such folder" / "quoril.cfg"), -1);
  EXPECT_EQ(TouchSettingsFile(folder_), -1);  // a folder, not a file
}

}  // namespace
}  // namespace quoril
