// Ctrl-C on a running test: it ends through its ordinary path.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "cli/CliRun.h"

namespace quoril::testing {
namespace {

// Starts quoril-cli with `command` on the real clock, waits until its trace
// shows the card open (so its handler is in place), sends SIGINT and returns
// the exit status and the trace.
std::pair<int, std::string> Interrupt(const std::string& command) {
  const TempFile trace(command + "-interrupt.txt");
  const std::string traceOption = "--trace=" + trace.Path();
  const char* argv[] = {QUORIL_CLI_PATH, command.c_str(), "--simulate", traceOption.c_str(),
                        nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, QUORIL_CLI_PATH, &actions, nullptr,
                                  const_cast<char* const*>(argv), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return {-1, "cannot start"};

  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (ReadFile(trace.Path()).find("sent=08 00 43 fd") == std::string::npos &&
         std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  kill(pid, SIGINT);
  int wait = 0;
  waitpid(pid, &wait, 0);
  return {WIFEXITED(wait) ? WEXITSTATUS(wait) : -1, ReadFile(trace.Path())};
}

TEST(CliInterrupt, CtrlCEndsTheTestsWithTheStopCommand) {
  for (const char* command : {"scan", "antenna"}) {
    const auto [status, trace] = Interrupt(command);
    EXPECT_EQ(status, 0) << command;
    const std::vector<std::string> lines = SplitLines(trace);
    ASSERT_GE(lines.size(), 2u) << command;
    EXPECT_NE(lines[lines.size() - 2].find("sent=38 0f 20 00 00 00"), std::string::npos) << trace;
    EXPECT_NE(lines.back().find("close handle="), std::string::npos) << trace;
  }
}

}  // namespace
}  // namespace quoril::testing
