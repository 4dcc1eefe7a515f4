#include "app/SettingsFile.h"

#include <cstdio>
#include <memory>

namespace quoril {

namespace {
constexpr int kLinesRead = 6;
}

int TouchSettingsFile(const std::filesystem::path& path) {
  // "a+" creates a missing file and keeps an existing one as it is.
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(
      std::fopen(path.string().c_str(), "a+"), &std::fclose);
  if (!file) return -1;
  std::rewind(file.get());
  int lines = 0;
  char line[256];
  while (lines < kLinesRead && std::fgets(line, sizeof line, file.get())) ++lines;
  return lines;
}

}  // namespace quoril
