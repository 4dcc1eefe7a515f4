#include <gtest/gtest.h>

#include <algorithm>

#include "cli/AntennaOutput.h"
#include "cli/MonitorOutput.h"
#include "cli/Output.h"
#include "cli/ScanOutput.h"

namespace quoril::cli {
namespace {

std::size_t Columns(const std::string& row) {
  // Commas inside quoted fields do not count.
  std::size_t n = 1;
  bool quoted = false;
  for (char c : row) {
    if (c == '"') quoted = !quoted;
    if (c == ',' && !quoted) ++n;
  }
  return n;
}

TEST(CsvField, QuotesOnlyWhatASpreadsheetWouldMisread) {
  EXPECT_EQ(CsvField("- 62.0 dBm"), "- 62.0 dBm");
  EXPECT_EQ(CsvField("a,b"), "\"a,b\"");
  EXPECT_EQ(CsvField("say \"hi\""), "\"say \"\"hi\"\"\"");
  EXPECT_EQ(CsvField(" 5"), "\" 5\"");
  EXPECT_EQ(CsvField("5 "), "\"5 \"");
  EXPECT_EQ(CsvField("two\nlines"), "\"two\nlines\"");
  EXPECT_EQ(CsvRow({"a", "", "b,c"}), "a,,\"b,c\"");
}

PollResult Tick(std::initializer_list<std::pair<PollText, const char*>> texts) {
  PollResult r;
  for (const auto& [which, text] : texts) {
    r[which].set = true;
    r[which].text.Assign(text);
  }
  return r;
}

TEST(MonitorDisplay, TextsAndTheSignalColourLastUntilSetAgain) {
  MonitorDisplay display;
  EXPECT_FALSE(display.SignalColour());

  PollResult first = Tick({{PollText::kRxThroughput, "0"}, {PollText::kSignal, "- 62.0 dBm"}});
  first.signalColourSet = true;
  first.signalColour = colours::kGreen;
  first.signalBar = 100;
  display.Apply(first);

  display.Apply(Tick({{PollText::kSignal, "Scanning"}}));  // and an empty signal bar
  EXPECT_EQ(display.Text(PollText::kRxThroughput), "0");
  EXPECT_EQ(display.Text(PollText::kSignal), "Scanning");
  EXPECT_EQ(display.Text(PollText::kTxThroughput), "");
  EXPECT_EQ(display.SignalColour(), colours::kGreen);
  EXPECT_EQ(display.SignalBar(), 0);

  using enum DriverAlarm::Kind;
  const MonitorTick tick{
      {2, Millis{600}}, display, true, kFailure, "WLAN Driver FAILURE: 00000001", 1};
  const Json json = MonitorJson(tick);
  for (std::string_view key : kPollTextKeys) EXPECT_TRUE(json["texts"].contains(key)) << key;
  EXPECT_EQ(json["texts"]["signal"], "Scanning");
  EXPECT_EQ(json["bars"]["signal"]["colour"], "#00ff00");
  EXPECT_EQ(json["clear_reg62"], true);
  EXPECT_EQ(json["alarm"], "failure");
  EXPECT_EQ(json["status"], "00000001");
  EXPECT_NE(MonitorText(tick).find("register 0x62 cleared"), std::string::npos);
}

TEST(CsvRows, EveryRowHasTheColumnsOfItsHeader) {
  MonitorDisplay display;
  display.Apply(Tick({{PollText::kLinkState, "Associated - Ad Hook (old) "},
                      {PollText::kPortStatus, "PRISM II told - UNKNOW"}}));
  const MonitorTick monitor{{1, Millis{300}}, display, false, DriverAlarm::Kind::kNone, "", 0};
  EXPECT_EQ(Columns(MonitorCsvRow(monitor)), Columns(MonitorCsvHeader()));

  ScanTickResult scan;
  scan.valueText.Assign("50");
  EXPECT_EQ(Columns(ScanCsvRow({{1, Millis{100}}, scan, 97})), Columns(ScanCsvHeader()));

  SweepStep step;
  step.channel = 14;
  AntennaReport report;
  report.verdict = "Problems ... Check a cable, pigtail, antenna";
  EXPECT_EQ(Columns(AntennaCsvRow({{14, Millis{700}}, step, nullptr})),
            Columns(AntennaCsvHeader()));
  const std::string withReport = AntennaCsvRow({{14, Millis{700}}, step, &report});
  EXPECT_EQ(Columns(withReport), Columns(AntennaCsvHeader()));
  EXPECT_NE(withReport.find("\"Problems ... Check a cable, pigtail, antenna\""), std::string::npos);
}

}  // namespace
}  // namespace quoril::cli
