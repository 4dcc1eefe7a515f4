#include "cli/CliRun.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace quoril::testing {
namespace {

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

}  // namespace

std::vector<std::string> CliRun::OutLines() const {
  return SplitLines(out);
}
std::vector<std::string> CliRun::ErrLines() const {
  return SplitLines(err);
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
  if (!pipe) {
    ADD_FAILURE() << "cannot run " << command;
    return run;
  }
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
    run.out.append(buffer, n);
  const int wait = pclose(pipe);
  run.status = WIFEXITED(wait) ? WEXITSTATUS(wait) : -1;
  run.err = ReadFile(err.Path());
  return run;
}

TempFile::TempFile(const std::string& name, const std::string& content)
    : path_((std::filesystem::temp_directory_path() /
             ("quoril-" + std::to_string(getpid()) + "-" + name))
                .string()) {
  std::ofstream(path_, std::ios::binary) << content;
}

TempFile::~TempFile() {
  std::error_code ignored;
  std::filesystem::remove(path_, ignored);
}

}  // namespace quoril::testing
