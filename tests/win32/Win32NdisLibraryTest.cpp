#include "adapter/Win32NdisLibrary.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

#include "BesideTest.h"
#include "ProbeState.h"
#include "adapter/CAdapter.h"
#include "adapter/RequestCatalogue.h"
#include "adapter/ScriptedLibrary.h"

namespace quoril {
namespace {

using testing::BesideTest;
using testing::RecordingUi;

std::uint32_t Le32(const std::uint8_t* at) {
  std::uint32_t v;
  std::memcpy(&v, at, 4);
  return v;
}

std::uint32_t AddressOf(const void* p) {
  return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(p));
}

// Loads a probe library itself, so that the test can set it up before the
// adapter loads the same module and read what it saw afterwards.
class ProbeTest : public ::testing::Test {
 protected:
  void Load(const char* file) {
    path_ = BesideTest(file);
    module_.handle = LoadLibraryA(path_.c_str());
    ASSERT_NE(module_.handle, nullptr) << path_;
    auto entry = reinterpret_cast<probe::StateFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(module_.handle, probe::kStateExport)));
    ASSERT_NE(entry, nullptr);
    state_ = entry();
    *state_ = probe::State{};
  }

  void AddAdapter(const char* name, bool opens = true, int opensLeft = -1) {
    probe::Adapter& a = state_->adapters[state_->adapterCount++];
    std::strncpy(a.name, name, sizeof a.name - 1);
    a.opens = opens;
    a.opensLeft = opensLeft;
  }

  void Connect() { adapter_.Connect(std::make_unique<Win32NdisLibrary>(path_.c_str()), ui_); }

  struct Module {
    HMODULE handle = nullptr;
    ~Module() {
      if (handle) FreeLibrary(handle);
    }
  } module_;  // released after the adapter, which holds the library too
  std::string path_;
  probe::State* state_ = nullptr;
  RecordingUi ui_;
  CAdapter adapter_;
};

// --- Every way of exporting the calls ----------------------------------------

class ExportedAs : public ProbeTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(ExportedAs, FindsOpensAndPollsTheCard) {
  Load(GetParam());
  AddAdapter("card");
  state_->answer[0] = 0x0B;
  Connect();

  adapter_.FindInputAdapter();
  EXPECT_TRUE(ui_.messages.empty());
  EXPECT_STREQ(adapter_.AdapterName, "card");
  EXPECT_EQ(adapter_.InputAdapter, 1);
  EXPECT_EQ(adapter_.hInputAdapter, static_cast<AdapterHandle>(probe::kFirstHandle));
  EXPECT_EQ(state_->openCalls, 2);   // probe, then for use
  EXPECT_EQ(state_->closeCalls, 1);  // after the probe
  EXPECT_EQ(state_->requestCalls, 3);

  adapter_.PacketGetStatus();
  EXPECT_EQ(state_->requestCalls, 3 + 13);
  EXPECT_EQ(state_->requestHandle, probe::kFirstHandle);
  EXPECT_EQ(adapter_.bufFD44[catalogue::kRecordValueOffset], 0x0B);
  EXPECT_EQ(adapter_.nNdisStatus, 0u);
}

INSTANTIATE_TEST_SUITE_P(Probe, ExportedAs,
                         ::testing::Values("probe-stdcall-msvc.dll", "probe-stdcall-gnu.dll",
                                           "probe-stdcall-plain.dll", "probe-cdecl-plain.dll",
                                           "probe-cdecl-underscore.dll"),
                         [](const auto& variant) {
                           std::string name = variant.param;
                           name = name.substr(6, name.size() - 10);  // "probe-" ... ".dll"
                           for (char& c : name) c = c == '-' ? '_' : c;
                           return name;
                         });

// --- The 32-bit records ---------------------------------------------------------

TEST_F(ProbeTest, RequestRecordHasEveryFieldAtItsByte) {
  Load("probe-stdcall-plain.dll");
  state_->status = 0x1234;
  Win32NdisLibrary library(path_.c_str());
  std::uint8_t buffer[256] = {};
  NdisRequest request;
  request.type = NdisRequestType::kSet;
  request.oid = 0xFF020198;
  request.buffer = buffer;
  request.length = sizeof buffer;
  request.bytesWritten = 0x11223344;
  request.bytesNeeded = 0x55667788;
  CompletionRecord completion;
  completion.hEvent = library.CreateCompletionEvent();
  state_->answer[0] = 0x5A;

  EXPECT_EQ(library.MakeNdisRequest(0x1001, request, completion, 1), 0x1234u);
  library.CloseCompletionEvent(completion.hEvent);

  const std::uint8_t* record = state_->requestRecord;
  EXPECT_EQ(Le32(record + 20), 1u);
  EXPECT_EQ(Le32(record + 24), 0xFF020198u);
  EXPECT_EQ(Le32(record + 28), AddressOf(buffer));
  EXPECT_EQ(Le32(record + 32), 256u);
  EXPECT_EQ(Le32(record + 36), 0x11223344u);
  EXPECT_EQ(Le32(record + 40), 0x55667788u);
  for (std::size_t i : {0u, 19u, 44u, 300u, 555u}) EXPECT_EQ(record[i], 0) << "byte " << i;
  EXPECT_EQ(state_->requestHandle, 0x1001u);
  EXPECT_EQ(state_->wait, 1u);
  EXPECT_EQ(buffer[4], 0x5A) << "the answer did not arrive through the address at byte 28";
}

TEST_F(ProbeTest, RegistryRecordNameAtByte520IsOpened) {
  Load("probe-cdecl-plain.dll");
  const std::string longest(259, 'x');  // all that fits before the end of the record
  AddAdapter("{4D36E972-E325-11CE-BFC1-08002BE10318}", false);
  AddAdapter(longest.c_str());
  Connect();

  adapter_.FindInputAdapter();
  EXPECT_EQ(std::string(adapter_.AdapterName), longest);
  EXPECT_EQ(std::string(state_->lastOpened), longest);
  // One record for the whole enumeration.
  EXPECT_EQ(state_->enumerationRecords[0], state_->enumerationRecords[1]);
}

TEST_F(ProbeTest, RequestsCompleteThroughTheAdaptersAutoResetEvent) {
  Load("probe-stdcall-msvc.dll");
  AddAdapter("card");
  Connect();
  adapter_.FindInputAdapter();

  EXPECT_EQ(state_->overlappedEvent, adapter_.m_Overlapped.hEvent);
  EXPECT_NE(state_->overlappedAddress, 0u);
  EXPECT_FALSE(state_->eventSignalledOnEntry);
  EXPECT_TRUE(state_->eventResetByWait);
}

// --- Adapters and libraries that fail ---------------------------------------------

TEST_F(ProbeTest, AnAdapterThatCannotBeOpenedIsSkipped) {
  Load("probe-stdcall-gnu.dll");
  AddAdapter("gone", false);
  AddAdapter("card");
  Connect();

  adapter_.FindInputAdapter();
  EXPECT_TRUE(ui_.messages.empty());
  EXPECT_STREQ(adapter_.AdapterName, "card");
  EXPECT_EQ(state_->lastErrorCalls, 1);
}

TEST_F(ProbeTest, AnAdapterThatCannotBeOpenedAgainStopsTheSetUp) {
  Load("probe-cdecl-underscore.dll");
  AddAdapter("card", true, 1);  // the probe's open succeeds, the second fails
  Connect();

  EXPECT_THROW(adapter_.FindInputAdapter(), CAdapter::Initialization);
  ASSERT_EQ(ui_.messages.size(), 1u);
  EXPECT_EQ(ui_.messages[0], "Error!|In InitInputAdapter: hInputAdapter == INVALID_HANDLE_VALUE");
  EXPECT_EQ(state_->lastErrorCalls, 1);
}

TEST_F(ProbeTest, ALibraryWithoutOneOfTheCallsFindsNoAdapter) {
  Load("probe-no-request.dll");
  AddAdapter("card");
  Win32NdisLibrary probe(path_.c_str());
  EXPECT_FALSE(probe.IsUsable());
  EXPECT_NE(probe.Problem().find("W32N_MakeNdisRequest"), std::string::npos) << probe.Problem();
  Connect();

  adapter_.FindInputAdapter();
  EXPECT_EQ(ui_.messages, std::vector<std::string>{"|Can not find the PC card WLAN"});
  EXPECT_EQ(ui_.exitCode, 0);
  EXPECT_EQ(state_->firstCalls, 0);  // nothing of a half library is called
  EXPECT_EQ(state_->openCalls, 0);
}

TEST(Win32NdisLibrary, AMissingLibraryFindsNoAdapter) {
  auto library = std::make_unique<Win32NdisLibrary>("no-such-W32N50.dll");
  EXPECT_FALSE(library->IsUsable());
  EXPECT_NE(library->Problem().find("no-such-W32N50.dll"), std::string::npos);
  RecordingUi ui;
  CAdapter adapter;
  adapter.Connect(std::move(library), ui);

  adapter.FindInputAdapter();
  EXPECT_EQ(ui.messages, std::vector<std::string>{"|Can not find the PC card WLAN"});
  EXPECT_EQ(ui.exitCode, 0);
  EXPECT_EQ(adapter.hInputAdapter, kInvalidAdapter);
}

}  // namespace
}  // namespace quoril
