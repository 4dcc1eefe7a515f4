// quoril-cli as a user runs it, on the built-in scenarios with --fast.

#include <gtest/gtest.h>

#include <algorithm>
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

TEST(CliMonitor, ThroughputStaysEmptyThenShowsZeroTwiceThenAFigure) {
  const CliRun run = RunCli("monitor --simulate --fast --count=20 --json");
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<json> lines = run.JsonLines();
  ASSERT_EQ(lines.size(), 20u);
  for (int tick = 1; tick <= 20; ++tick) {
    const json& line = lines[tick - 1];
    EXPECT_EQ(line["tick"], tick);
    EXPECT_DOUBLE_EQ(line["time"].get<double>(), 0.3 * tick);
    const std::string rx = line["texts"]["rx_throughput"];
    const std::string tx = line["texts"]["tx_throughput"];
    if (tick <= 5) {
      EXPECT_EQ(rx, "") << "tick " << tick;
      EXPECT_EQ(tx, "") << "tick " << tick;
    } else if (tick < 18) {
      EXPECT_EQ(rx, "0") << "tick " << tick;
      EXPECT_EQ(tx, "0") << "tick " << tick;
    } else {
      EXPECT_GT(std::stol(rx), 0) << "tick " << tick;
      EXPECT_GT(std::stol(tx), 0) << "tick " << tick;
    }
  }
  const json& first = lines[0];
  EXPECT_EQ(first["texts"]["port_status"], "PRISM II told - Connected to ESS");
  EXPECT_EQ(first["texts"]["link_state"], "Associated - BSS ID = 00:60:1d:0a:0b:0c");
  EXPECT_EQ(first["texts"]["rate"], "11");
  EXPECT_EQ(first["texts"]["channel"], "6");
  EXPECT_EQ(first["texts"]["tx_power_setting"], "100.0");
  EXPECT_EQ(first["bars"]["interference"]["colour"], "#ff0000");
  EXPECT_TRUE(first["bars"]["link_errors"]["colour"].is_null());
  EXPECT_EQ(first["alarm"], "none");
  EXPECT_EQ(first["status"], "00000000");
}

TEST(CliMonitor, DriverOffEndsTheCommandWithItsOwnStatus) {
  const CliRun run = RunCli("monitor --simulate=driver-off --fast --json");
  EXPECT_EQ(run.status, 4);
  EXPECT_EQ(run.ErrLines(), std::vector<std::string>{"WLAN Driver OFF"});
  const std::vector<json> lines = run.JsonLines();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.back()["alarm"], "off");
  EXPECT_EQ(lines.back()["status"], "00000006");
  EXPECT_TRUE(std::all_of(lines.begin(), lines.end() - 1,
                          [](const json& l) { return l["alarm"] == "none"; }));
}

TEST(CliMonitor, ChosenPowerIsWrittenOnceAndThenHeld) {
  const CliRun run = RunCli("monitor --simulate --fast --count=3 --power=20 --json --trace=-");
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> trace = run.ErrLines();
  const std::vector<std::string> writes = Matching(trace, "sent=31 00 3e 00");
  ASSERT_EQ(writes.size(), 1u);
  EXPECT_EQ(Sent(writes[0]), "31 00 3e 00 fe");
  const std::size_t write = Find(trace, "sent=31 00 3e 00");
  EXPECT_EQ(Sent(trace[write + 1]), "38 15 00 00 08 00");
  EXPECT_EQ(run.JsonLines().back()["texts"]["tx_power_setting"], "20.2");
}

TEST(CliMonitor, PowerControlOffLeavesTheRegisterAlone) {
  const CliRun run = RunCli("monitor --simulate --fast --count=2 --power=off --trace=-");
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> trace = run.ErrLines();
  EXPECT_TRUE(Matching(trace, "sent=31 00 3e").empty());
  // Two ticks of 13 requests after the two queries of the opening.
  const std::size_t opened = Find(trace, "sent=08 00 43 fd");
  ASSERT_NE(opened, std::string::npos);
  EXPECT_EQ(Matching({trace.begin() + opened + 1, trace.end()}, "query ").size(), 26u);
}

TEST(CliMonitor, CsvHasAHeaderAndOneRowPerTickWithTheTime) {
  const CliRun run = RunCli("monitor --simulate --fast --count=4 --csv");
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> lines = run.OutLines();
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0].rfind("time,tick,port_status,", 0), 0u);
  EXPECT_EQ(lines[1].rfind("0.300,1,PRISM II told - Connected to ESS,", 0), 0u);
  EXPECT_EQ(lines[4].rfind("1.200,4,", 0), 0u);
  const auto columns = [](const std::string& l) { return std::count(l.begin(), l.end(), ','); };
  for (const std::string& line : lines) EXPECT_EQ(columns(line), columns(lines[0])) << line;
}

TEST(CliMonitor, ASlowDriverDelaysTheNextTickByAFullPeriod) {
  const CliRun run = RunCli("monitor --simulate=slow-driver --fast --count=5 --json");
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<json> lines = run.JsonLines();
  ASSERT_EQ(lines.size(), 5u);
  // Each tick outlasts the 300 ms period; the next one starts 300 ms after
  // it ended rather than at once to catch up.
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const double gap = lines[i]["time"].get<double>() - lines[i - 1]["time"].get<double>();
    EXPECT_GE(gap, 0.6 - 1e-9) << "tick " << i + 1;
  }
}

// --- scan ----------------------------------------------------------------

TEST(CliScan, TwoSweepsShowTheOfficeNeighbours) {
  const CliRun run = RunCli("scan --simulate --fast --count=2 --json");
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<json> lines = run.JsonLines();
  ASSERT_EQ(lines.size(), 26u);
  std::multiset<int> channels;
  std::set<int> heard;
  for (const json& line : lines) {
    const int channel = line["channel"];
    channels.insert(channel);
    if (line["bar"].get<int>() > 0) {
      heard.insert(channel);
      EXPECT_EQ(line["background"], "#0000ff") << "channel " << channel;
    } else {
      EXPECT_EQ(line["value_text"], "97") << "channel " << channel;
      EXPECT_EQ(line["background"], "#ffff00") << "channel " << channel;
    }
    EXPECT_EQ(line["bar_high"], 97);
  }
  EXPECT_EQ(heard, (std::set<int>{1, 6, 11}));
  for (int channel = 1; channel <= 13; ++channel) EXPECT_EQ(channels.count(channel), 2u);
  // The first reading belongs to the channel the card stood on.
  EXPECT_EQ(lines[0]["channel"], 6);
  EXPECT_EQ(lines[0]["tuned"], 7);
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

TEST(CliScan, BerModeShowsTheErrorReadings) {
  const CliRun run = RunCli("scan --simulate --fast --count=1 --ber --json");
  ASSERT_EQ(run.status, 0) << run.err;
  for (const json& line : run.JsonLines()) {
    EXPECT_EQ(line["bar_high"], 100);
    const int channel = line["channel"];
    const int expected = channel == 1 ? 6 : channel == 6 ? 3 : channel == 11 ? 9 : 0;
    EXPECT_EQ(line["bar"], expected) << "channel " << channel;
  }
}

TEST(CliScan, ThirteenSilentTicksCloseTheScanUnlessTheThresholdIsRaised) {
  const TempFile quiet("quiet.json", R"({"base": "office", "accessPoints": []})");
  const CliRun closed = RunCli("scan --simulate=" + quiet.Path() + " --fast --count=3 --trace=-");
  ASSERT_EQ(closed.status, 0) << closed.err;
  const std::vector<std::string> lines = closed.OutLines();
  ASSERT_EQ(lines.size(), 15u);  // heading, 13 ticks, the note
  EXPECT_EQ(lines.back().rfind("closed:", 0), 0u);
  const std::vector<std::string> trace = closed.ErrLines();
  EXPECT_EQ(Sent(trace[trace.size() - 2]), "38 0f 20 00 00 00");

  const CliRun open =
      RunCli("scan --simulate=" + quiet.Path() + " --fast --count=3 --json " + "--level-ber=1");
  ASSERT_EQ(open.status, 0) << open.err;
  EXPECT_EQ(open.JsonLines().size(), 39u);
}

// --- antenna -------------------------------------------------------------

TEST(CliAntenna, ABadAntennaIsNotJudgedNice) {
  const CliRun run = RunCli("antenna --simulate=bad-antenna --fast --count=1");
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> lines = run.OutLines();
  ASSERT_FALSE(lines.empty());
  EXPECT_NE(lines.back(), "  Nice antenna ...");
  EXPECT_EQ(lines.back(), "  Problems ... Check a cable, pigtail, antenna");
}

TEST(CliAntenna, EachSweepEndsWithTheReport) {
  const CliRun run = RunCli("antenna --simulate --fast --count=2 --speed=50 --json");
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<json> lines = run.JsonLines();
  ASSERT_EQ(lines.size(), 28u);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const json& line = lines[i];
    EXPECT_EQ(line["channel"], static_cast<int>(i % 14) + 1);
    EXPECT_NEAR(line["time"].get<double>(), 0.3 * static_cast<double>(i + 1), 1e-9);
    EXPECT_EQ(line["report"].is_null(), i % 14 != 13) << "step " << i + 1;
  }
  const json& report = lines[13]["report"];
  EXPECT_EQ(report["verdict"], "Nice antenna ...");
  EXPECT_TRUE(report["complete"].get<bool>());
  EXPECT_EQ(report["values"].size(), 14u);
}

TEST(CliAntenna, TheTestIsFramedByTheLevelAndTheStopCommand) {
  const CliRun run = RunCli("antenna --simulate --fast --count=1 --csv --trace=-");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.OutLines().size(), 15u);
  const std::vector<std::string> trace = run.ErrLines();
  const std::size_t opened = Find(trace, "sent=08 00 43 fd");
  ASSERT_NE(opened, std::string::npos);
  const std::vector<std::string> start = {"38 0e ff ff 00 00", "31 00 3e 00 80",
                                          "38 0e ff ff 00 00", "38 08 01 00 00 00"};
  for (std::size_t i = 0; i < start.size(); ++i) EXPECT_EQ(Sent(trace[opened + 1 + i]), start[i]);
  EXPECT_EQ(Sent(trace[trace.size() - 2]), "38 0f 20 00 00 00");
}

// --- probe and raw -------------------------------------------------------

TEST(CliProbe, PrintsTheCardAndTracesTheOpeningInOrder) {
  const CliRun run = RunCli("probe --simulate --trace=-");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.OutLines(),
            (std::vector<std::string>{"Adapter: PRISM2_1", "Address: 00:60:1d:f0:12:34",
                                      "nNdisStatus: 0000"}));
  const std::vector<std::string> trace = run.ErrLines();
  const std::size_t probe = Find(trace, "sent=00 00 01 fc status=00000000");
  const std::size_t close = Find(trace, "close ", probe);
  const std::size_t reopen = Find(trace, "open \"PRISM2_1\"", close);
  const std::size_t address = Find(trace, "query 01010102 len=6", reopen);
  const std::size_t signal = Find(trace, "query ff010181 len=8192 sent=08 00 43 fd", address);
  EXPECT_NE(probe, std::string::npos);
  EXPECT_NE(close, std::string::npos);
  EXPECT_NE(reopen, std::string::npos);
  EXPECT_NE(address, std::string::npos);
  ASSERT_NE(signal, std::string::npos);
  EXPECT_EQ(close, probe + 1);
}

TEST(CliRaw, NoCardIsReportedWithItsOwnStatus) {
  const CliRun run = RunCli("raw --simulate=no-card");
  EXPECT_EQ(run.status, 3);
  EXPECT_EQ(run.ErrLines(), std::vector<std::string>{"Can not find the PC card WLAN"});
  EXPECT_EQ(run.out, "");
}

TEST(CliRaw, OneRefreshIsTheThirteenRequestsOfThePoll) {
  const CliRun run = RunCli("raw --simulate --trace=-");
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> trace = run.ErrLines();
  const std::size_t opened = Find(trace, "sent=08 00 43 fd");
  ASSERT_NE(opened, std::string::npos);
  const std::vector<std::string> expected = {
      "04 00 42 fd", "02 00 44 fd", "30 00 3e 00", "30 00 74 00", "30 00 7c 00",
      "30 00 66 00", "02 00 c1 fd", "02 00 40 fd", "12 01 02 02", "13 01 02 02",
      "10 01 02 02", "11 01 02 02", "02 00 43 fd"};
  std::vector<std::string> sent;
  for (std::size_t i = opened + 1; i < trace.size(); ++i) {
    if (trace[i].find(" query ") != std::string::npos) sent.push_back(Sent(trace[i]));
  }
  EXPECT_EQ(sent, expected);
  const std::vector<std::string> out = run.OutLines();
  EXPECT_EQ(Matching(out, "BSS ID").at(0), "BSS ID  00:60:1d:0a:0b:0c");
  EXPECT_EQ(Matching(out, "Ch ").at(0), "Ch  6");
  EXPECT_EQ(out.back(), "nNdisStatus  00000000");
}

// --- bad input and repeatability ------------------------------------------

TEST(CliErrors, AMalformedScenarioNamesTheFileThePlaceAndTheProblem) {
  const TempFile bad("bad.json", "{\n  \"adapters\": [{\"name\": 5}]\n}\n");
  const CliRun run = RunCli("monitor --simulate=" + bad.Path() + " --fast --count=1");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  const std::vector<std::string> err = run.ErrLines();
  ASSERT_EQ(err.size(), 1u);
  EXPECT_NE(err[0].find(bad.Path()), std::string::npos) << err[0];
  EXPECT_NE(err[0].find("/adapters/0/name"), std::string::npos) << err[0];

  const TempFile broken("broken.json", "{\n  \"adapters\": [\n}\n");
  const CliRun syntax = RunCli("raw --simulate=" + broken.Path());
  EXPECT_EQ(syntax.status, 2);
  EXPECT_NE(syntax.err.find(broken.Path() + ":3:"), std::string::npos) << syntax.err;
}

TEST(CliErrors, BadOptionsAndFilesGetAMessageAndStatusTwo) {
  for (const char* args : {"monitor --count=0", "scan --zoom=98", "antenna --speed=0",
                           "monitor --power=7", "monitor --json --csv", "raw --simulate=nowhere",
                           "probe --simulate --trace=/nonexistent-dir/trace.txt", "frobnicate"}) {
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.status, 2) << args;
    EXPECT_FALSE(run.err.empty()) << args;
    EXPECT_EQ(run.out, "") << args;
  }
}

TEST(CliFast, TwoRunsPrintTheSame) {
  for (const char* args : {"monitor --simulate=lost-link --fast --count=50 --json",
                           "scan --simulate=weak-link --fast --count=3 --csv",
                           "antenna --simulate=bad-antenna --fast --count=2",
                           "monitor --simulate=slow-driver --fast --count=5 --trace=-"}) {
    const CliRun first = RunCli(args);
    const CliRun second = RunCli(args);
    EXPECT_EQ(first.status, 0) << args;
    EXPECT_FALSE(first.out.empty()) << args;
    EXPECT_EQ(first.out, second.out) << args;
    EXPECT_EQ(first.err, second.err) << args;
  }
}

TEST(CliVersion, EveryCommandAnswersVersion) {
  for (const char* args : {"--version", "monitor --version", "probe --version"}) {
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.status, 0) << args;
    EXPECT_EQ(run.out, "quoril-cli " QUORIL_VERSION "\n") << args;
  }
}

}  // namespace
}  // namespace quoril::testing
