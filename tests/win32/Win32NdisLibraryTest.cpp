#include "adapter/Win32NdisLibrary.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "BesideTest.h"
#include "adapter/CAdapter.h"
#include "adapter/ScriptedLibrary.h"

namespace quoril {
namespace {

TEST(Win32NdisLibrary, ALibraryWithoutOneOfTheCallsFindsNoAdapter) {
  auto library =
      std::make_unique<Win32NdisLibrary>(testing::BesideTest("standin-no-request.dll").c_str());
  EXPECT_FALSE(library->IsUsable());
  EXPECT_TRUE(library->Problem().ends_with("standin-no-request.dll has no W32N_MakeNdisRequest."))
      << library->Problem();
  testing::RecordingUi ui;
  CAdapter adapter;
  adapter.Connect(std::move(library), ui);

  adapter.FindInputAdapter();
  EXPECT_EQ(ui.messages, std::vector<std::string>{"|Can not find the PC card WLAN"});
  EXPECT_EQ(ui.exitCode, 0);
  EXPECT_EQ(adapter.hInputAdapter, kInvalidAdapter);
}

// A request's completion must be consumed by the wait for it, or the next
// wait would return at once.
TEST(Win32NdisLibrary, TheCompletionEventStartsResetAndResetsAutomatically) {
  Win32NdisLibrary library("no-such-W32N50.dll");
  EXPECT_EQ(library.Problem(), "no-such-W32N50.dll was not found.");
  const EventHandle event = library.CreateCompletionEvent();
  EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_TIMEOUT);
  SetEvent(event);
  EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_OBJECT_0);
  EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_TIMEOUT);
  SetEvent(event);
  library.ResetCompletionEvent(event);
  EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_TIMEOUT);
  library.CloseCompletionEvent(event);
}

}  // namespace
}  // namespace quoril
