#include "app/CardSetup.h"

#include <gtest/gtest.h>

#include "adapter/CAdapter.h"
#include "adapter/ScriptedLibrary.h"
#include "cli/CliRun.h"

namespace quoril {
namespace {

using testing::ReadFile;
using testing::TempFile;

// Without --simulate and without the real library, the simulated office.
TEST(CardSetup, TheDefaultWithoutTheRealLibraryIsTheSimulatedOffice) {
  ASSERT_FALSE(RealLibraryAvailable());
  Card card = SetUpCard({{}, "", false});
  EXPECT_TRUE(card.simulated);
  testing::RecordingUi ui;
  CAdapter adapter;
  adapter.Connect(std::move(card.library), ui);
  adapter.FindInputAdapter();
  EXPECT_EQ(card.description + " " + adapter.AdapterName,
            "simulated card, scenario office PRISM2_1");
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
  const TempFile bad("bad-setup.json", "{\"seed\": -1}");
  EXPECT_NE(message({bad.Path(), "", false}).find(bad.Path()), std::string::npos);

  const std::string unwritable = "/nonexistent-quoril-dir/trace.txt";
  EXPECT_NE(message({"", unwritable, false}).find(unwritable), std::string::npos);

  // A bad scenario is reported before the trace file is touched.
  const TempFile trace("untouched.txt", "keep");
  EXPECT_NE(message({"no-such-scenario", trace.Path(), false}).find("no-such-scenario"),
            std::string::npos);
  EXPECT_EQ(ReadFile(trace.Path()), "keep");
}

TEST(CardSetup, TheBoundaryKeepsItsClockAndTraceAliveAfterTheCardIsGone) {
  const TempFile file("trace.txt");
  {
    testing::RecordingUi ui;
    CAdapter adapter;
    {
      Card card = SetUpCard({"", file.Path(), true});
      adapter.Connect(std::move(card.library), ui);
    }  // the clock's and the file's other owner is gone
    adapter.FindInputAdapter();
    adapter.PacketGetStatus();
  }  // the adapter closes the card, which is traced, then the file closes
  const std::string trace = ReadFile(file.Path());
  EXPECT_EQ(trace.rfind("0.000 first-adapter rc=0 name=\"ETHER_1\"\n", 0), 0u) << trace;
  EXPECT_NE(trace.find("sent=02 00 43 fd"), std::string::npos);
  EXPECT_EQ(trace.substr(trace.size() - 15), "close handle=3\n");
}

}  // namespace
}  // namespace quoril
