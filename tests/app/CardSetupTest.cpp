#include "app/CardSetup.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "adapter/CAdapter.h"
#include "adapter/ScriptedLibrary.h"

namespace quoril {
namespace {

std::string TempPath(const std::string& name) {
  return (std::filesystem::temp_directory_path() /
          ("quoril-" + std::to_string(getpid()) + "-" + name))
      .string();
}

std::string ReadAll(const std::string& path) {
  std::stringstream text;
  text << std::ifstream(path).rdbuf();
  return text.str();
}

TEST(CardSetup, ScenariosByNameOrFileAndTheDefaultWithoutTheRealLibrary) {
  ASSERT_FALSE(RealLibraryAvailable());
  const std::string path = TempPath("setup.json");
  std::ofstream(path) << R"({"base": "office", "adapters": []})";
  // The adapter's search on each card: the name found, or the exit code.
  for (const auto& [simulate, found] : {std::pair<std::optional<std::string>, const char*>{
                                            {}, "simulated card, scenario office PRISM2_1"},
                                        {path, "exit 0"}}) {
    Card card = SetUpCard({simulate, "", false});
    EXPECT_TRUE(card.simulated);
    testing::RecordingUi ui;
    CAdapter adapter;
    adapter.Connect(std::move(card.library), ui);
    adapter.FindInputAdapter();
    EXPECT_EQ(ui.exitCode == -1 ? card.description + " " + adapter.AdapterName
                                : "exit " + std::to_string(ui.exitCode),
              found);
  }
  std::filesystem::remove(path);
}

TEST(CardSetup, ProblemsAreMessagesNamingWhatIsWrong) {
  const auto message = [](const CardOptions& options) -> std::string {
    try {
      SetUpCard(options);
    } catch (const CardSetupError& e) {
      return e.what();
    }
    return "no error";
  };
  const std::string bad = TempPath("bad-setup.json");
  std::ofstream(bad) << "{\"seed\": -1}";
  EXPECT_NE(message({bad, "", false}).find(bad), std::string::npos);
  std::filesystem::remove(bad);

  const std::string unwritable = "/nonexistent-quoril-dir/trace.txt";
  EXPECT_NE(message({"", unwritable, false}).find(unwritable), std::string::npos);

  // A bad scenario is reported before the trace file is touched.
  const std::string trace = TempPath("untouched.txt");
  std::ofstream(trace) << "keep";
  EXPECT_NE(message({"no-such-scenario", trace, false}).find("no-such-scenario"),
            std::string::npos);
  EXPECT_EQ(ReadAll(trace), "keep");
  std::filesystem::remove(trace);
}

TEST(CardSetup, TheBoundaryKeepsItsClockAndTraceAliveAfterTheCardIsGone) {
  const std::string path = TempPath("trace.txt");
  {
    testing::RecordingUi ui;
    CAdapter adapter;
    {
      Card card = SetUpCard({"", path, true});
      adapter.Connect(std::move(card.library), ui);
    }  // the clock's and the file's other owner is gone
    adapter.FindInputAdapter();
    adapter.PacketGetStatus();
  }  // the adapter closes the card, which is traced, then the file closes
  const std::string trace = ReadAll(path);
  std::filesystem::remove(path);
  EXPECT_EQ(trace.rfind("0.000 first-adapter rc=0 name=\"ETHER_1\"\n", 0), 0u) << trace;
  EXPECT_NE(trace.find("sent=02 00 43 fd"), std::string::npos);
  EXPECT_EQ(trace.substr(trace.size() - 15), "close handle=3\n");
}

}  // namespace
}  // namespace quoril
