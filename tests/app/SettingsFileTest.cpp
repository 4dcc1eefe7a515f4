#include "app/SettingsFile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace quoril {
namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path& path) {
  std::stringstream all;
  all << std::ifstream(path).rdbuf();
  return all.str();
}

TEST(SettingsFile, IsCreatedWhenMissingKeptOtherwiseAndAtMostSixLinesAreRead) {
  const fs::path folder = fs::temp_directory_path() / ("quoril-cfg-" + std::to_string(getpid()));
  fs::create_directories(folder);
  const fs::path file = folder / "quoril.cfg";
  EXPECT_EQ(TouchSettingsFile(file), 0);
  EXPECT_EQ(Contents(file), "");

  std::ofstream(file) << "1\n2\n3\n4\n5\n6\n7\n8\n";
  EXPECT_EQ(TouchSettingsFile(file), 6);
  EXPECT_EQ(Contents(file), "1\n2\n3\n4\n5\n6\n7\n8\n");
  EXPECT_EQ(TouchSettingsFile(folder), -1);  // one that cannot be made is no error
  fs::remove_all(folder);
}

}  // namespace
}  // namespace quoril
