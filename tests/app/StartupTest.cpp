// The program as a whole on the recording backend: its options, its start
// on the simulated card with the ways it can end, the settings problem it
// reports.

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "adapter/CAdapter.h"
#include "app/CWlanApp.h"
#include "app/CommandLine.h"
#include "app/MemoryProfile.h"
#include "res/recording/RecordingWindowSystem.h"

namespace quoril {
namespace {

namespace fs = std::filesystem;
using recording::RecordingWindowSystem;

std::optional<int> Parse(std::vector<const char*> args, CommandLine& out) {
  out = {};
  args.insert(args.begin(), "quoril");
  return ParseCommandLine(static_cast<int>(args.size()), args.data(), out);
}

TEST(StartupTest, OptionsLeaveTheToolkitWhatTheProgramDoesNotKnow) {
  CommandLine out;
  EXPECT_EQ(Parse({"--simulate", "-platform", "offscreen", "--bogus"}, out), std::nullopt);
  EXPECT_TRUE(out.simulate && out.scenario.empty());
  EXPECT_EQ(out.rest, (std::vector<std::string>{"quoril", "-platform", "offscreen", "--bogus"}));
  EXPECT_EQ(Parse({"--simulate=lost-link", "--trace=-", "--quit-after=20"}, out), std::nullopt);
  EXPECT_EQ(out.scenario + " " + out.trace + " " + std::to_string(out.quitAfterMs),
            "lost-link - 20");
  EXPECT_EQ(Parse({"--simulate", "my card.json"}, out), std::nullopt);
  EXPECT_EQ(out.scenario, "my card.json");
  // Questions and mistakes end before any window; --trace needs a file.
  const std::pair<const char*, int> ends[] = {
      {"--help", 0}, {"--version", 0}, {"--trace", 2}, {"--quit-after=0", 2}};
  for (const auto& [arg, code] : ends) EXPECT_EQ(Parse({arg}, out), code) << arg;
}

// A profile in memory whose store could not be written.
class UnwritableProfile final : public Profile {
 public:
  std::int32_t ReadInt(std::string_view s, std::string_view k, std::int32_t d) const override {
    return inner_.ReadInt(s, k, d);
  }
  void WriteInt(std::string_view s, std::string_view k, std::int32_t v) override {
    inner_.WriteInt(s, k, v);
  }
  std::string SaveProblem() const override {
    return inner_.Writes().empty() ? "" : "The settings could not be saved to the store.";
  }

 private:
  MemoryProfile inner_;
};

// The application on a recording platform with its profile in memory.
struct AppRun {
  explicit AppRun(std::unique_ptr<Profile> store = std::make_unique<MemoryProfile>()) {
    auto recording = std::make_unique<RecordingWindowSystem>();
    windows = recording.get();
    profile = store.get();
    platform.windows = std::move(recording);
    platform.profile = std::move(store);
    platform.settingsFile = folder / "quoril.cfg";
    fs::create_directories(folder);
  }
  ~AppRun() { fs::remove_all(folder); }
  int Start(const std::string& scenario, int quitAfterMs) {
    CommandLine options;
    options.simulate = true;
    options.scenario = scenario;
    options.quitAfterMs = quitAfterMs;
    return app.Start(options, platform, adapter);
  }
  std::vector<std::string> Boxes() const {
    std::vector<std::string> out;
    for (const auto& box : windows->Boxes()) out.push_back(box.caption + "|" + box.text);
    return out;
  }
  std::vector<std::string> LogWith(std::string_view what) const {
    std::vector<std::string> out;
    for (const std::string& line : windows->Log()) {
      if (line.find(what) != std::string::npos) out.push_back(line);
    }
    return out;
  }

  fs::path folder =
      fs::temp_directory_path() / ("quoril-startup-test-" + std::to_string(std::random_device{}()));
  Platform platform;
  RecordingWindowSystem* windows = nullptr;
  Profile* profile = nullptr;
  CWlanApp app;
  CAdapter adapter;
};

TEST(StartupTest, ThePollRunsUntilTheExitWhoseSavingProblemIsReported) {
  AppRun run(std::make_unique<UnwritableProfile>());
  EXPECT_EQ(run.Start("office", 1600), 0);
  EXPECT_EQ(run.LogWith("102 tick").size(), 5u);  // 300 ms apart until the Exit at 1.6 s
  EXPECT_EQ(run.LogWith("102 end"), std::vector<std::string>{"102 end 1"});
  for (const char* line :
       {"102 caption WLAN Quoril (simulated card)", "102 menu 16 &About WLAN Quoril"})
    EXPECT_EQ(run.LogWith(line).size(), 1u) << line;
  EXPECT_TRUE(fs::exists(run.platform.settingsFile));
  EXPECT_EQ(run.profile->ReadInt("Adapter", "InputAdapter", 0), 1);
  EXPECT_EQ(run.Boxes(),
            std::vector<std::string>{"Error!|The settings could not be saved to the store."});
}

TEST(StartupTest, ABadScenarioOrNoCardEndsWithOneBoxAndSavesNothing) {
  const std::tuple<const char*, int, const char*> cases[] = {
      {"no-such-scenario", 2, "Error!|"}, {"no-card", 0, "|Can not find the PC card WLAN"}};
  for (const auto& [scenario, code, box] : cases) {
    AppRun run;
    EXPECT_EQ(run.Start(scenario, 0), code);
    ASSERT_EQ(run.Boxes().size(), 1u);
    EXPECT_TRUE(run.Boxes()[0].starts_with(box)) << run.Boxes()[0];
    EXPECT_TRUE(code == 0 || run.Boxes()[0].find(scenario) != std::string::npos);
    EXPECT_EQ(run.profile->ReadInt("Adapter", "InputAdapter", -1), -1);
  }
}

}  // namespace
}  // namespace quoril
