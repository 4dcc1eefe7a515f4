// Finding, opening and closing the card.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <tuple>

#include "adapter/CAdapter.h"
#include "adapter/ScriptedLibrary.h"

namespace quoril::testing {
namespace {

using ::testing::ElementsAre;

class CAdapterConnection : public ::testing::Test {
 protected:
  void Connect(std::vector<FakeAdapter> adapters) {
    auto library = std::make_unique<ScriptedLibrary>();
    library->adapters = std::move(adapters);
    lib = library.get();
    adapter = std::make_unique<CAdapter>();
    adapter->Connect(std::move(library), ui);
  }

  RecordingUi ui;
  ScriptedLibrary* lib = nullptr;
  std::unique_ptr<CAdapter> adapter;
};

TEST_F(CAdapterConnection, SkipsAdapterThatCannotOpenAndUsesTheNextThatAnswers) {
  Connect({{"Broken", false, true}, {"Prism", true, true}});
  adapter->FindInputAdapter();

  EXPECT_THAT(lib->Kinds(),
              ElementsAre("reset-event", "first", "open Broken", "last-error", "next", "open Prism",
                          "request", "close", "open Prism", "request", "request"));
  EXPECT_STREQ(adapter->AdapterName, "Prism");
  EXPECT_EQ(adapter->InputAdapter, 1);
  EXPECT_EQ(adapter->hInputAdapter, 101);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(ui.exitCode, -1);

  // The probe, then the station address, then the first signal record.
  EXPECT_THAT(lib->Described(), ElementsAre("q ff010181 256 00 00 01 fc", "q 01010102 6 ",
                                            "q ff010181 8192 08 00 43 fd"));
}

// With no card that answers, every candidate is closed before the next, and
// only once.
TEST_F(CAdapterConnection, NoCardThatAnswersShowsAMessageWithoutExiting) {
  const std::pair<std::vector<FakeAdapter>, std::vector<std::string>> cases[] = {
      {{}, {"reset-event", "first"}},
      {{{"A", true, false}, {"B", true, false}},
       {"reset-event", "first", "open A", "request", "close", "next", "open B", "request", "close",
        "next"}}};
  for (const auto& [adapters, kinds] : cases) {
    Connect(adapters);
    adapter->FindInputAdapter();
    EXPECT_EQ(lib->Kinds(), kinds);
    EXPECT_THAT(ui.messages, ElementsAre("|Can not find the PC card WLAN"));
    EXPECT_EQ(ui.exitCode, 0);
    EXPECT_EQ(adapter->InputAdapter, 0);
    const auto tally = lib->tally;
    adapter.reset();
    EXPECT_EQ(tally->closes, adapters.empty() ? 0 : 2);
    EXPECT_EQ(tally->eventCloses, 1);
    ui.messages.clear();
    ui.exitCode = -1;
  }
}

// Opening goes on after either failure; the status shows at least four digits.
TEST_F(CAdapterConnection, AddressAndSignalRecordFailuresAreShown) {
  // The failing request (probe, address, then the signal record), its status, the box.
  const std::tuple<std::size_t, std::uint32_t, const char*> cases[] = {
      {1, 0xC0000001, "Error!|In InitInputAdapter: PacketGetAddress returned nonzero"},
      {2, 1, "Error! --> PacketGetChanel|nNdisStatus: 0001 "},
      {2, 0xC0000001, "Error! --> PacketGetChanel|nNdisStatus: c0000001 "}};
  for (const auto& [request, status, message] : cases) {
    Connect({{"Prism"}});
    lib->statusAt[request] = status;
    adapter->FindInputAdapter();
    EXPECT_THAT(ui.messages, ElementsAre(message));
    EXPECT_EQ(lib->Requests().size(), 3u);
    EXPECT_EQ(adapter->hInputAdapter, 100);
    EXPECT_EQ(adapter->nNdisStatus, request == 2 ? status : 0u);
    ui.messages.clear();
  }
}

TEST_F(CAdapterConnection, ReopenFailureShowsErrorAndThrows) {
  Connect({{"Prism"}});
  adapter->FindInputAdapter();
  lib->adapters[0].opens = false;
  EXPECT_THROW(adapter->InitInputAdapter(), CAdapter::Initialization);
  EXPECT_THAT(ui.messages,
              ElementsAre("Error!|In InitInputAdapter: hInputAdapter == INVALID_HANDLE_VALUE"));
}

TEST_F(CAdapterConnection, SearchingAgainClosesTheOpenHandleFirst) {
  Connect({{"Prism"}});
  adapter->FindInputAdapter();
  lib->log.clear();
  adapter->FindInputAdapter();
  EXPECT_THAT(lib->Kinds(), ElementsAre("close", "first", "open Prism", "request", "close",
                                        "open Prism", "request", "request"));
  const auto tally = lib->tally;
  adapter.reset();
  EXPECT_EQ(tally->closes, 4);  // two probes, the open handle, and the exit
}

TEST_F(CAdapterConnection, AFailingCompletionEventThrows) {
  auto failing = std::make_unique<ScriptedLibrary>();
  failing->eventFails = true;
  EXPECT_THROW(CAdapter().Connect(std::move(failing), ui), CAdapter::Initialization);
}

}  // namespace
}  // namespace quoril::testing
