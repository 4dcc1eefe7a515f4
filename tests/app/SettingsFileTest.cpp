#include "app/SettingsFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "cli/CliRun.h"

namespace quoril {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;

TEST(SettingsFile, IsCreatedWhenMissingKeptOtherwiseAndAtMostSixLinesAreRead) {
  const testing::TempFile file("quoril.cfg");
  fs::remove(file.Path());
  EXPECT_EQ(TouchSettingsFile(file.Path()), 0);
  EXPECT_TRUE(fs::exists(file.Path()));
  EXPECT_EQ(ReadFile(file.Path()), "");

  std::ofstream(file.Path()) << "1\n2\n3\n4\n5\n6\n7\n8\n";
  EXPECT_EQ(TouchSettingsFile(file.Path()), 6);
  EXPECT_EQ(ReadFile(file.Path()), "1\n2\n3\n4\n5\n6\n7\n8\n");
  EXPECT_EQ(TouchSettingsFile(fs::temp_directory_path()),
            -1);  // one that cannot be made is no error
}

}  // namespace
}  // namespace quoril
