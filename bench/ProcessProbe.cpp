// Measures a program from outside, as a user's machine sees it:
//
//   quoril_process_probe first-line PATTERN -- COMMAND...
//     milliseconds from the start of COMMAND to the first line of its
//     standard output or error that contains PATTERN; then ends it.
//   quoril_process_probe run SECONDS -- COMMAND...
//     lets COMMAND settle for a second, then its CPU time over SECONDS as a
//     share of one core, and its peak resident memory once it is ended.
//   quoril_process_probe complete -- COMMAND...
//     runs COMMAND to its end: its peak resident memory and its wall time.
//
// Prints key=value pairs on one line. Linux only (/proc, wait4).

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

[[noreturn]] void Die(const std::string& message) {
  std::fprintf(stderr, "quoril_process_probe: %s\n", message.c_str());
  std::exit(2);
}

struct Child {
  pid_t pid = -1;
  int output = -1;  // read end of its merged standard output and error
};

Child Spawn(const std::vector<char*>& command, bool captureOutput) {
  int pipeFds[2] = {-1, -1};
  if (captureOutput && pipe(pipeFds) != 0) Die("cannot make a pipe");
  const pid_t pid = fork();
  if (pid < 0) Die("cannot fork");
  if (pid == 0) {
    const int sink = captureOutput ? pipeFds[1] : open("/dev/null", O_WRONLY);
    dup2(sink, STDOUT_FILENO);
    dup2(sink, STDERR_FILENO);
    if (captureOutput) close(pipeFds[0]);
    execvp(command[0], command.data());
    _exit(127);
  }
  if (captureOutput) close(pipeFds[1]);
  return {pid, captureOutput ? pipeFds[0] : -1};
}

// CPU time of a running process so far, in seconds: the scheduler's own
// nanosecond count summed over its threads (the clock-tick count in
// /proc/PID/stat is too coarse for a program that is idle 99.9% of the time).
double CpuSeconds(pid_t pid) {
  const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
  std::error_code error;
  double total = 0.0;
  for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
    std::ifstream schedstat(task.path() / "schedstat");
    unsigned long long ns = 0;
    if (schedstat >> ns) total += static_cast<double>(ns) / 1e9;
  }
  if (error) Die("cannot read " + tasks.string());
  return total;
}

struct Ended {
  int status = 0;
  long maxRssKb = 0;
};

Ended Reap(pid_t pid) {
  Ended ended;
  rusage usage{};
  if (wait4(pid, &ended.status, 0, &usage) < 0) Die("wait4 failed");
  ended.maxRssKb = usage.ru_maxrss;
  return ended;
}

Ended Stop(pid_t pid) {
  kill(pid, SIGTERM);
  return Reap(pid);
}

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

int FirstLine(std::string_view pattern, const std::vector<char*>& command) {
  const auto start = Clock::now();
  const Child child = Spawn(command, true);
  std::string pending;
  char chunk[4096];
  for (;;) {
    const ssize_t n = read(child.output, chunk, sizeof chunk);
    if (n <= 0) break;
    pending.append(chunk, static_cast<std::size_t>(n));
    // Only whole lines count.
    const std::size_t end = pending.rfind('\n');
    if (end == std::string::npos) continue;
    if (std::string_view(pending).substr(0, end).find(pattern) != std::string_view::npos) {
      const double ms = MsSince(start);
      Stop(child.pid);
      std::printf("ms=%.1f\n", ms);
      return 0;
    }
    pending.erase(0, end + 1);
  }
  Reap(child.pid);
  Die("the program ended without printing \"" + std::string(pattern) + "\"");
}

int Run(double seconds, const std::vector<char*>& command) {
  const Child child = Spawn(command, false);
  std::this_thread::sleep_for(std::chrono::seconds(1));
  const double cpu0 = CpuSeconds(child.pid);
  const auto t0 = Clock::now();
  std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
  const double cpu1 = CpuSeconds(child.pid);
  const double wall = MsSince(t0) / 1000.0;
  const Ended ended = Stop(child.pid);
  std::printf("cpu_percent=%.3f cpu_seconds=%.3f window_seconds=%.1f maxrss_kb=%ld\n",
              100.0 * (cpu1 - cpu0) / wall, cpu1 - cpu0, wall, ended.maxRssKb);
  return 0;
}

int Complete(const std::vector<char*>& command) {
  const auto start = Clock::now();
  const Child child = Spawn(command, false);
  const Ended ended = Reap(child.pid);
  std::printf("maxrss_kb=%ld wall_ms=%.0f exit=%d\n", ended.maxRssKb, MsSince(start),
              WIFEXITED(ended.status) ? WEXITSTATUS(ended.status) : -1);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string_view> args(argv + 1, argv + argc);
  std::size_t dashes = 0;
  while (dashes < args.size() && args[dashes] != "--") ++dashes;
  if (args.empty() || dashes + 1 >= args.size()) {
    Die("usage: first-line PATTERN | run SECONDS | complete, then -- COMMAND...");
  }
  std::vector<char*> command(argv + 1 + dashes + 1, argv + argc);
  command.push_back(nullptr);
  if (args[0] == "first-line" && dashes == 2) return FirstLine(args[1], command);
  if (args[0] == "run" && dashes == 2) return Run(std::atof(argv[2]), command);
  if (args[0] == "complete" && dashes == 1) return Complete(command);
  Die("unknown mode or missing argument: " + std::string(args[0]));
}
