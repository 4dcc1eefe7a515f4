// The stand-in W32N50.dll against the simulated card in process: the same
// scenario must give the same bytes in every buffer, opening and poll after
// poll, through the real records, event and loader. The stand-ins export
// their calls in each usual way: stdcall or cdecl, plain or decorated names.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

#include "BesideTest.h"
#include "adapter/CAdapter.h"
#include "adapter/ScriptedLibrary.h"
#include "adapter/Win32NdisLibrary.h"
#include "sim/ScenarioLoader.h"
#include "sim/SimulatedCard.h"

namespace quoril {
namespace {

using testing::BesideTest;
using testing::RecordingUi;

constexpr Millis kPollPeriod{300};
constexpr int kPolls = 30;

struct Case {
  const char* name;
  const char* scenario;
  const char* library;
};

// The first of the buffers a poll leaves for the windows that differs, or "".
std::string Difference(const CAdapter& x, const CAdapter& y) {
  std::string name;
  auto part = [&](const char* n, auto member) {
    if (name.empty() && std::memcmp(&(x.*member), &(y.*member), sizeof(x.*member)) != 0) name = n;
  };
#define QUORIL_PART(member) part(#member, &CAdapter::member)
  QUORIL_PART(bufFD43), QUORIL_PART(bufFD42), QUORIL_PART(bufFD44), QUORIL_PART(bufReg3E),
      QUORIL_PART(bufReg74), QUORIL_PART(bufReg66), QUORIL_PART(bufReg7C), QUORIL_PART(bufFDC1),
      QUORIL_PART(bufFD40), QUORIL_PART(bufCount10), QUORIL_PART(bufCount11),
      QUORIL_PART(bufCount12), QUORIL_PART(bufCount13), QUORIL_PART(AdapterAddress),
      QUORIL_PART(nNdisStatus), QUORIL_PART(AdapterName);
#undef QUORIL_PART
  return name;
}

class StandIn : public ::testing::TestWithParam<Case> {};

TEST_P(StandIn, AnswersAsTheSimulatedCardInProcess) {
  const Case c = GetParam();
  ASSERT_EQ(_putenv((std::string("QUORIL_STANDIN_SCENARIO=") + c.scenario).c_str()), 0);

  // In process: one clock for card and timer, stepped as the --fast timer is.
  ManualClock clock;
  RecordingUi localUi;
  CAdapter local;
  local.Connect(MakeSimulatedCard(LoadScenario(c.scenario), clock), localUi);

  auto library = std::make_unique<Win32NdisLibrary>(BesideTest(c.library).c_str());
  ASSERT_TRUE(library->IsUsable()) << library->Problem();
  RecordingUi remoteUi;
  CAdapter remote;
  remote.Connect(std::move(library), remoteUi);

  local.FindInputAdapter();
  remote.FindInputAdapter();
  ASSERT_EQ(Difference(local, remote), "") << "after opening";
  EXPECT_EQ(remoteUi.messages, localUi.messages);

  Millis due = clock.Now() + kPollPeriod;
  for (int n = 1; n <= kPolls; ++n) {
    if (clock.Now() < due) clock.Advance(due - clock.Now());
    local.PacketGetStatus();
    remote.PacketGetStatus();
    ASSERT_EQ(Difference(local, remote), "") << "poll " << n;
    due += kPollPeriod;
    if (due < clock.Now()) due = clock.Now() + kPollPeriod;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Scenarios, StandIn,
    ::testing::Values(Case{"office_stdcall_msvc", "office", "../standin/stdcall/W32N50.dll"},
                      Case{"slow_driver_cdecl_plain", "slow-driver", "../standin/cdecl/W32N50.dll"},
                      Case{"driver_off_stdcall_gnu", "driver-off", "standin-stdcall-gnu.dll"},
                      Case{"lost_link_stdcall_plain", "lost-link", "standin-stdcall-plain.dll"},
                      Case{"office_cdecl_underscore", "office", "standin-cdecl-underscore.dll"}),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace quoril
