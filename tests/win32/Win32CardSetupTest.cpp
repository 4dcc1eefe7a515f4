#include <gtest/gtest.h>

#include "adapter/CAdapter.h"
#include "adapter/ScriptedLibrary.h"
#include "app/CardSetup.h"

namespace quoril {
namespace {

// No W32N50.dll lies beside the test program or on Wine's path.
TEST(Win32CardSetup, TheRealLibraryIsTheDefaultAndItsAbsenceFindsNoCard) {
  ASSERT_TRUE(RealLibraryAvailable());
  Card card = SetUpCard({std::nullopt, "", true});  // --fast is allowed with it
  EXPECT_FALSE(card.simulated);
  EXPECT_EQ(card.description, "W32N50.dll");
  EXPECT_EQ(card.libraryProblem, "W32N50.dll was not found.");

  testing::RecordingUi ui;
  CAdapter adapter;
  adapter.Connect(std::move(card.library), ui);
  adapter.FindInputAdapter();
  EXPECT_EQ(ui.messages, std::vector<std::string>{"|Can not find the PC card WLAN"});
  EXPECT_EQ(ui.exitCode, 0);
}

}  // namespace
}  // namespace quoril
