#include "cli/CliRun.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace quoril::testing {

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<nlohmann::json> CliRun::JsonLines() const {
  std::vector<nlohmann::json> lines;
  for (const std::string& line : OutLines()) {
    const nlohmann::json parsed = nlohmann::json::parse(line, nullptr, false);
    EXPECT_FALSE(parsed.is_discarded()) << "not JSON: " << line;
    lines.push_back(parsed);
  }
  return lines;
}

CliRun RunCli(const std::string& arguments) {
  const TempFile err("cli-stderr");
  const std::string command =
      std::string(QUORIL_CLI_PATH) + " " + arguments + " 2>'" + err.Path() + "'";
  CliRun run;
  std::FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;  // status -1: every caller checks the status or output
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
    run.out.append(buffer, n);
  const int wait = pclose(pipe);
  run.status = WIFEXITED(wait) ? WEXITSTATUS(wait) : -1;
  run.err = ReadFile(err.Path());
  return run;
}

TempFile::TempFile(const std::string& name, const std::string& content)
    : path((std::filesystem::temp_directory_path() /
            ("quoril-" + std::to_string(getpid()) + "-" + name))
               .string()) {
  std::ofstream(path, std::ios::binary) << content;
}

TempFile::~TempFile() {
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
}

}  // namespace quoril::testing
