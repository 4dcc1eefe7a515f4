// quoril-cli as a user runs it, on the built-in scenarios with --fast.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "cli/CliRun.h"

namespace quoril::testing {
namespace {

using nlohmann::json;

// Lines of `text` that contain `needle`, in order.
std::vector<std::string> Matching(const std::vector<std::string>& lines,
                                  const std::string& needle) {
  std::vector<std::string> found;
  for (const std::string& line : lines) {
    if (line.find(needle) != std::string::npos) found.push_back(line);
  }
  return found;
}

// Index of the first line at or after `from` containing `needle`; npos if none.
std::size_t Find(const std::vector<std::string>& lines, const std::string& needle,
                 std::size_t from = 0) {
  for (std::size_t i = from; i < lines.size(); ++i) {
    if (lines[i].find(needle) != std::string::npos) return i;
  }
  return std::string::npos;
}

// "sent=..." of a trace line.
std::string Sent(const std::string& line) {
  const std::size_t at = line.find("sent=");
  const std::size_t end = line.find(" status=");
  return at == std::string::npos ? "" : line.substr(at + 5, end - at - 5);
}

// --- monitor -------------------------------------------------------------

TEST(CliMonitor, EachTickIsALineOfTheWindowsTexts) {
  const CliRun run = RunCli("monitor --simulate --fast --count=20 --json");
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<json> lines = run.JsonLines();
  ASSERT_EQ(lines.size(), 20u);
  for (int tick = 1; tick <= 20; ++tick) {
    EXPECT_EQ(lines[tick - 1]["tick"], tick);
    EXPECT_DOUBLE_EQ(lines[tick - 1]["time"].get<double>(), 0.3 * tick);
  }
  // Throughput stays empty, then reads zero, then a figure.
  EXPECT_EQ(lines[4]["texts"]["rx_throughput"], "");
  EXPECT_EQ(lines[5]["texts"]["tx_throughput"], "0");
  EXPECT_GT(std::stol(lines[19]["texts"]["rx_throughput"].get<std::string>()), 0);
  EXPECT_EQ(lines[0]["texts"]["port_status"], "PRISM II told - Connected to ESS");
  EXPECT_EQ(lines[0]["texts"]["link_state"], "Associated - BSS ID = 00:60:1d:0a:0b:0c");
  EXPECT_EQ(lines[0]["bars"]["interference"]["colour"], "#ff0000");
  EXPECT_EQ(lines[0]["alarm"], "none");
}

TEST(CliMonitor, DriverOffEndsTheCommandWithItsOwnStatus) {
  const CliRun run = RunCli("monitor --simulate=driver-off --fast --json");
  EXPECT_EQ(run.status, 4);
  EXPECT_EQ(run.ErrLines(), std::vector<std::string>{"WLAN Driver OFF"});
  const std::vector<json> lines = run.JsonLines();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.back()["alarm"], "off");
  EXPECT_EQ(lines.back()["status"], "00000006");
  EXPECT_EQ(lines.end()[-2]["alarm"], "none");
}

TEST(CliMonitor, ChosenPowerIsWrittenOnceAndThenHeldAndOffLeavesTheRegisterAlone) {
  const CliRun run = RunCli("monitor --simulate --fast --count=3 --power=20 --json --trace=-");
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> trace = run.ErrLines();
  const std::vector<std::string> writes = Matching(trace, "sent=31 00 3e 00");
  ASSERT_EQ(writes.size(), 1u);
  EXPECT_EQ(Sent(writes[0]), "31 00 3e 00 fe");
  EXPECT_EQ(Sent(trace.at(Find(trace, "sent=31 00 3e 00") + 1)), "38 15 00 00 08 00");
  EXPECT_EQ(run.JsonLines().back()["texts"]["tx_power_setting"], "20.2");

  const CliRun off = RunCli("monitor --simulate --fast --count=2 --power=off --trace=-");
  ASSERT_EQ(off.status, 0) << off.err;
  EXPECT_TRUE(Matching(off.ErrLines(), "sent=31 00 3e").empty());
}

// --- scan ----------------------------------------------------------------

TEST(CliScan, TwoSweepsHearTheOfficeNeighboursAndBerModeShowsTheirErrors) {
  const std::vector<json> sweeps = RunCli("scan --simulate --fast --count=2 --json").JsonLines();
  ASSERT_EQ(sweeps.size(), 26u);
  std::set<int> heard;
  for (const json& line : sweeps) {
    if (line["bar"] != 0) heard.insert(line["channel"].get<int>());
  }
  EXPECT_EQ(heard, (std::set<int>{1, 6, 11}));
  EXPECT_EQ(sweeps[0]["channel"], 6);  // the channel the card stood on comes first

  std::map<int, int> errors;
  for (const json& line : RunCli("scan --simulate --fast --count=1 --ber --json").JsonLines()) {
    if (line["bar"] != 0) errors[line["channel"]] = line["bar"];
  }
  EXPECT_EQ(errors, (std::map<int, int>{{1, 6}, {6, 3}, {11, 9}}));
}

TEST(CliScan, TextShowsTheSlidersAndTheStopCommandEndsTheScan) {
  const CliRun run = RunCli("scan --simulate --fast --count=1 --zoom=47 --level-ber=5 --trace=-");
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> lines = run.OutLines();
  ASSERT_EQ(lines.size(), 14u);
  EXPECT_EQ(lines[0], "dBm  Zoom -97...-50  Level BER  5");
  EXPECT_NE(lines[1].find("channel  6"), std::string::npos) << lines[1];
  EXPECT_NE(lines[1].find("/47"), std::string::npos) << lines[1];
  const std::vector<std::string> trace = run.ErrLines();
  EXPECT_EQ(Matching(trace, "sent=38 10 18 f5 68 00").size(), 1u);
  ASSERT_GE(trace.size(), 2u);
  EXPECT_EQ(Sent(trace[trace.size() - 2]), "38 0f 20 00 00 00");
}

TEST(CliScan, ThirteenSilentTicksCloseTheScanUnlessTheThresholdIsRaised) {
  const TempFile quiet("quiet.json", R"({"base": "office", "accessPoints": []})");
  const CliRun closed = RunCli("scan --simulate=" + quiet.Path() + " --fast --count=3 --trace=-");
  ASSERT_EQ(closed.status, 0) << closed.err;
  ASSERT_EQ(closed.OutLines().size(), 15u);  // heading, 13 ticks, the note
  EXPECT_EQ(closed.OutLines().back().rfind("closed:", 0), 0u);
  const std::vector<std::string> trace = closed.ErrLines();
  EXPECT_EQ(Sent(trace[trace.size() - 2]), "38 0f 20 00 00 00");
  const CliRun open =
      RunCli("scan --simulate=" + quiet.Path() + " --fast --count=3 --json --level-ber=1");
  EXPECT_EQ(open.JsonLines().size(), 39u);
}

// --- antenna -------------------------------------------------------------

TEST(CliAntenna, EachSweepEndsWithTheReportAndTheStopCommandEndsTheTest) {
  const CliRun run = RunCli("antenna --simulate --fast --count=2 --speed=50 --json --trace=-");
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<json> lines = run.JsonLines();
  ASSERT_EQ(lines.size(), 28u);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i]["channel"], static_cast<int>(i % 14) + 1);
    EXPECT_EQ(lines[i]["report"].is_null(), i % 14 != 13) << "step " << i + 1;
  }
  EXPECT_EQ(lines[13]["report"]["verdict"], "Nice antenna ...");
  EXPECT_EQ(lines[13]["report"]["values"].size(), 14u);
  const std::vector<std::string> trace = run.ErrLines();
  EXPECT_EQ(Sent(trace.at(Find(trace, "sent=08 00 43 fd") + 1)), "38 0e ff ff 00 00");
  EXPECT_EQ(Matching(trace, "sent=30 00 74 00 00 ").size(), 28u);  // the test's own read
  EXPECT_EQ(Sent(trace[trace.size() - 2]), "38 0f 20 00 00 00");

  const CliRun bad = RunCli("antenna --simulate=bad-antenna --fast --count=1");
  ASSERT_FALSE(bad.OutLines().empty());
  EXPECT_EQ(bad.OutLines().back(), "  Problems ... Check a cable, pigtail, antenna");
}

// --- probe and raw -------------------------------------------------------

TEST(CliProbeAndRaw, PrintTheCardOrNoCardWithItsOwnStatus) {
  const CliRun probe = RunCli("probe --simulate");
  ASSERT_EQ(probe.status, 0) << probe.err;
  EXPECT_EQ(probe.OutLines(),
            (std::vector<std::string>{"Adapter: PRISM2_1", "Address: 00:60:1d:f0:12:34",
                                      "nNdisStatus: 0000"}));
  const std::vector<std::string> raw = RunCli("raw --simulate").OutLines();
  EXPECT_EQ(Matching(raw, "BSS ID").at(0), "BSS ID  00:60:1d:0a:0b:0c");
  EXPECT_EQ(Matching(raw, "Ch ").at(0), "Ch  6");
  EXPECT_EQ(raw.back(), "nNdisStatus  00000000");

  const CliRun none = RunCli("raw --simulate=no-card");
  EXPECT_EQ(none.status, 3);
  EXPECT_EQ(none.ErrLines(), std::vector<std::string>{"Can not find the PC card WLAN"});
  EXPECT_EQ(none.out, "");
}

// --- bad input and version ------------------------------------------

TEST(CliErrors, BadOptionsAndFilesGetAMessageNamingTheProblemAndStatusTwo) {
  const TempFile bad("bad.json", "{\n  \"adapters\": [{\"name\": 5}]\n}\n");
  const TempFile broken("broken.json", "{\n  \"adapters\": [\n}\n");
  const std::pair<std::string, std::string> cases[] = {
      {"monitor --simulate=" + bad.Path() + " --fast --count=1", bad.Path() + ": /adapters/0/name"},
      {"raw --simulate=" + broken.Path(), broken.Path() + ":3:"},
      {"monitor --count=0", ""},
      {"scan --zoom=98", ""},
      {"antenna --speed=0", ""},
      {"monitor --power=7", ""},
      {"monitor --json --csv", ""},
      {"raw --simulate=nowhere", ""},
      {"probe --simulate --trace=/nonexistent-dir/trace.txt", ""},
      {"frobnicate", ""}};
  for (const auto& [args, message] : cases) {
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.status, 2) << args;
    EXPECT_EQ(run.out, "") << args;
    EXPECT_FALSE(run.err.empty()) << args;
    EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
  }
}

}  // namespace
}  // namespace quoril::testing
