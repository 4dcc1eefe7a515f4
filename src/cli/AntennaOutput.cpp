#include "cli/AntennaOutput.h"

#include <cstdio>

namespace quoril::cli {
namespace {

std::string Number(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

std::string VswrText(double vswr) {
  ShortText text;
  FormatVswrValue(vswr, text);
  return std::string(text.view());
}

std::string ReportText(const AntennaReport& report) {
  std::string text = "  VSWR:";
  for (const ShortText& value : report.values) text += " " + std::string(value.view());
  text += "\n  " + std::string(report.maxChannelText.view()) + "  " +
          std::string(report.minChannelText.view()) + "  " + std::string(report.minText.view()) +
          "  " + std::string(report.maxText.view());
  text += "\n  " + std::string(report.verdict);
  return text;
}

Json ReportJson(const AntennaReport& report) {
  Json values = Json::array();
  for (const ShortText& value : report.values) values.push_back(value.view());
  return {
      {"values", values},
      {"min_channel", report.minChannel},
      {"max_channel", report.maxChannel},
      {"vswr_min", report.minimum},
      {"vswr_max", report.maximum},
      {"complete", report.complete},
      {"texts",
       {{"max_channel", report.maxChannelText.view()},
        {"min_channel", report.minChannelText.view()},
        {"vswr_min", report.minText.view()},
        {"vswr_max", report.maxText.view()}}},
      {"verdict", report.verdict},
  };
}

}  // namespace

std::string AntennaText(const AntennaTick& tick) {
  const SweepStep& s = tick.step;
  char line[128];
  std::snprintf(line, sizeof line, "#%d %s s  channel %2d  raw 0x%02x  VSWR %s", tick.stamp.tick,
                Seconds(tick.stamp.time).c_str(), s.channel, s.raw, VswrText(s.vswr).c_str());
  std::string text = line;
  if (tick.report) text += "\n" + ReportText(*tick.report);
  return text;
}

Json AntennaJson(const AntennaTick& tick) {
  const SweepStep& s = tick.step;
  return {
      {"tick", tick.stamp.tick},
      {"time", static_cast<double>(tick.stamp.time.count()) / 1000.0},
      {"channel", s.channel},
      {"raw", s.raw},
      {"vswr", s.vswr},
      {"vswr_text", VswrText(s.vswr)},
      {"plot_y", s.plotY},
      {"tuned", s.tuned},
      {"report", tick.report ? ReportJson(*tick.report) : Json(nullptr)},
  };
}

std::string AntennaCsvHeader() {
  return CsvRow({"time", "tick", "channel", "raw", "vswr", "plot_y", "tuned", "min_channel",
                 "max_channel", "vswr_min", "vswr_max", "verdict"});
}

std::string AntennaCsvRow(const AntennaTick& tick) {
  const SweepStep& s = tick.step;
  std::vector<std::string> fields = {Seconds(tick.stamp.time),  std::to_string(tick.stamp.tick),
                                     std::to_string(s.channel), std::to_string(s.raw),
                                     Number("%.6f", s.vswr),    std::to_string(s.plotY),
                                     std::to_string(s.tuned)};
  if (const AntennaReport* r = tick.report) {
    fields.insert(fields.end(), {std::to_string(r->minChannel), std::to_string(r->maxChannel),
                                 Number("%.6f", r->minimum), Number("%.6f", r->maximum),
                                 std::string(r->verdict)});
  } else {
    fields.resize(fields.size() + 5);
  }
  return CsvRow(fields);
}

}  // namespace quoril::cli
