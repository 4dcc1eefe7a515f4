// quoril-cli as a user runs it, on the built-in scenarios with --fast.

#include <gtest/gtest.h>

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

// --- monitor -------------------------------------------------------------

TEST(CliMonitor, EachPeriodShowsTheWindowsTextsAndAChosenPowerIsHeld) {
  const CliRun run = RunCli("monitor --simulate --fast --count=1");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "#1 0.300 s  PRISM II told - Connected to ESS\n"
            "  State: Associated - BSS ID = 00:60:1d:0a:0b:0c\n"
            "  Channel: 6  Tx Rate: 11 Mbits/s  Tx Power: 100.0 --> 100.0 mW\n"
            "  Troughput (Bytes/sec): Tx   Rx \n"
            "  Link Errors [15]  Interference: - 85 dBm [12]  "
            "Signal Strength: - 62.0 dBm [100 green]\n");

  // A chosen power is written once, then held; off leaves the register alone.
  const CliRun power = RunCli("monitor --simulate --fast --count=20 --power=20 --json --trace=-");
  ASSERT_EQ(power.status, 0) << power.err;
  const std::vector<json> lines = power.JsonLines();
  ASSERT_EQ(lines.size(), 20u);
  EXPECT_EQ(lines[19]["tick"], 20);
  EXPECT_DOUBLE_EQ(lines[19]["time"].get<double>(), 6.0);
  EXPECT_EQ(lines[19]["bars"]["interference"]["colour"], "#ff0000");
  EXPECT_EQ(lines[19]["texts"]["tx_power_setting"], "20.2");
  EXPECT_EQ(Matching(power.ErrLines(), "sent=31 00 3e 00").size(), 1u);
  EXPECT_EQ(Matching(power.ErrLines(), "sent=31 00 3e 00 fe status=").size(), 1u);
  const CliRun off = RunCli("monitor --simulate --fast --count=2 --power=off --trace=-");
  ASSERT_EQ(off.status, 0) << off.err;
  EXPECT_TRUE(Matching(off.ErrLines(), "sent=31 00 3e").empty());
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

// --- scan ----------------------------------------------------------------

// The levels and errors per channel are the simulated card's own test.
TEST(CliScan, StartsOnceOnTheCardsChannelShowsTheSlidersAndClosesOnAQuietBand) {
  const CliRun run = RunCli("scan --simulate --fast --count=1 --zoom=47 --level-ber=5 --trace=-");
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> lines = run.OutLines();
  ASSERT_EQ(lines.size(), 14u);
  EXPECT_EQ(lines[0], "dBm  Zoom -97...-50  Level BER  5");
  // The channel the card stood on comes first.
  EXPECT_EQ(lines[1], "#1 0.100 s  channel  6  - dBm  35  bar  62/47  yellow");
  EXPECT_EQ(Matching(run.ErrLines(), "sent=38 10 18 f5 68 00").size(), 1u);  // started once
  EXPECT_EQ(RunCli("scan --simulate --fast --count=1 --ber --json").JsonLines().at(0)["bar"], 3);

  const TempFile quiet("quiet.json", R"({"base": "office", "accessPoints": []})");
  const std::vector<std::string> closed =
      RunCli("scan --simulate=" + quiet.Path() + " --fast --count=3").OutLines();
  ASSERT_EQ(closed.size(), 15u);  // heading, 13 silent ticks, the note that closes the scan
  EXPECT_EQ(closed.back().rfind("closed:", 0), 0u);
}

// --- antenna -------------------------------------------------------------

TEST(CliAntenna, EachSweepEndsWithTheReport) {
  const CliRun run = RunCli("antenna --simulate --fast --count=2 --speed=50 --json");
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<json> lines = run.JsonLines();
  ASSERT_EQ(lines.size(), 28u);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i]["channel"], static_cast<int>(i % 14) + 1);
    EXPECT_EQ(lines[i]["report"].is_null(), i % 14 != 13) << "step " << i + 1;
  }
  EXPECT_EQ(lines[13]["report"]["verdict"], "Nice antenna ...");
  EXPECT_EQ(lines[13]["report"]["values"].size(), 14u);
  EXPECT_EQ(RunCli("antenna --simulate --fast --count=1").OutLines().back(), "  Nice antenna ...");
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
