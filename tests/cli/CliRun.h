#pragma once
// Runs the built quoril-cli with arguments and collects what it printed.

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace quoril::testing {

std::vector<std::string> SplitLines(const std::string& text);
std::string ReadFile(const std::string& path);

struct CliRun {
  int status = -1;  // exit status, -1 when it did not exit normally
  std::string out;
  std::string err;

  std::vector<std::string> OutLines() const { return SplitLines(out); }
  std::vector<std::string> ErrLines() const { return SplitLines(err); }
  // Every line of standard output as JSON; fails the test on a bad line.
  std::vector<nlohmann::json> JsonLines() const;
};

// `arguments` go to the shell as they are.
CliRun RunCli(const std::string& arguments);

// A file in the test's temporary directory, removed by the destructor.
struct TempFile {
  explicit TempFile(const std::string& name, const std::string& content = "");
  ~TempFile();
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  const std::string& Path() const { return path; }
  const std::string path;
};

}  // namespace quoril::testing
