// The stand-in W32N50.dll against the simulated card in process: the same
// scenario must give the same bytes in every buffer, opening and poll after
// poll, through the real records, event and loader.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <ostream>
#include <string>
#include <vector>

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

void PrintTo(const Case& c, std::ostream* os) {
  *os << c.name;
}

// Everything a poll leaves for the windows to read, by name.
std::map<std::string, std::vector<std::uint8_t>> Snapshot(const CAdapter& a) {
  std::map<std::string, std::vector<std::uint8_t>> parts;
  auto add = [&parts](const char* name, const auto& value) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&value);
    parts[name].assign(bytes, bytes + sizeof value);
  };
  add("bufFD43", a.bufFD43);
  add("bufFD42", a.bufFD42);
  add("bufFD44", a.bufFD44);
  add("bufReg3E", a.bufReg3E);
  add("bufReg74", a.bufReg74);
  add("bufReg66", a.bufReg66);
  add("bufReg7C", a.bufReg7C);
  add("bufFDC1", a.bufFDC1);
  add("bufFD40", a.bufFD40);
  add("bufCount10", a.bufCount10);
  add("bufCount11", a.bufCount11);
  add("bufCount12", a.bufCount12);
  add("bufCount13", a.bufCount13);
  add("AdapterAddress", a.AdapterAddress);
  add("nNdisStatus", a.nNdisStatus);
  add("AdapterName", a.AdapterName);
  return parts;
}

// "" when equal, else the first byte that differs.
std::string Difference(const CAdapter& expected, const CAdapter& actual) {
  const auto want = Snapshot(expected);
  const auto got = Snapshot(actual);
  for (const auto& [name, bytes] : want) {
    const auto& other = got.at(name);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      if (bytes[i] == other[i]) continue;
      char text[96];
      std::snprintf(text, sizeof text, "%s byte %zu: %02x expected, %02x from the stand-in",
                    name.c_str(), i, bytes[i], other[i]);
      return text;
    }
  }
  return "";
}

class StandIn : public ::testing::TestWithParam<Case> {};

TEST_P(StandIn, AnswersAsTheSimulatedCardInProcess) {
  const Case c = GetParam();
  const std::string variable = std::string("QUORIL_STANDIN_SCENARIO=") + c.scenario;
  ASSERT_EQ(_putenv(variable.c_str()), 0);

  // In process: one clock for card and timer, stepped as the --fast timer is.
  ManualClock clock;
  const Scenario scenario = LoadScenario(c.scenario);
  RecordingUi localUi;
  CAdapter local;
  local.Connect(MakeSimulatedCard(scenario, clock), localUi);

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
    ::testing::Values(Case{"office_stdcall", "office", "../standin/stdcall/W32N50.dll"},
                      Case{"office_cdecl", "office", "../standin/cdecl/W32N50.dll"},
                      Case{"slow_driver", "slow-driver", "../standin/stdcall/W32N50.dll"},
                      Case{"driver_off", "driver-off", "../standin/cdecl/W32N50.dll"},
                      Case{"lost_link", "lost-link", "../standin/stdcall/W32N50.dll"}),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace quoril
