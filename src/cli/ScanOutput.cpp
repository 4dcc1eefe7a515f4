#include "cli/ScanOutput.h"

#include <cstdio>

namespace quoril::cli {
namespace {

const char* BackgroundWord(Rgb colour) {
  return colour == colours::kYellow ? "yellow" : "blue";
}

}  // namespace

std::string ScanTextHeading(bool ber, const SliderUpdate& sliders) {
  return std::string(ber ? "BER" : "dBm") + "  Zoom " + std::string(sliders.zoomText.view()) +
         "  Level BER " + std::string(sliders.levelBerText.view());
}

std::string ScanText(const ScanTick& tick) {
  const ScanTickResult& r = tick.result;
  char line[128];
  std::snprintf(line, sizeof line, "#%d %s s  channel %2d  - dBm %3s  bar %3d/%d  %s",
                tick.stamp.tick, Seconds(tick.stamp.time).c_str(), r.channel, r.valueText.c_str(),
                r.barValue, tick.barHigh, BackgroundWord(r.background));
  std::string text = line;
  if (r.close) text += "\n" + std::string(kScanClosedNote);
  return text;
}

Json ScanJson(const ScanTick& tick) {
  const ScanTickResult& r = tick.result;
  return {
      {"tick", tick.stamp.tick},
      {"time", static_cast<double>(tick.stamp.time.count()) / 1000.0},
      {"channel", r.channel},
      {"value_text", r.valueText.view()},
      {"bar", r.barValue},
      {"bar_high", tick.barHigh},
      {"background", ColourName(r.background)},
      {"tuned", r.tune},
      {"close", r.close},
  };
}

std::string ScanCsvHeader() {
  return CsvRow(
      {"time", "tick", "channel", "value_text", "bar", "bar_high", "background", "tuned", "close"});
}

std::string ScanCsvRow(const ScanTick& tick) {
  const ScanTickResult& r = tick.result;
  return CsvRow({Seconds(tick.stamp.time), std::to_string(tick.stamp.tick),
                 std::to_string(r.channel), std::string(r.valueText.view()),
                 std::to_string(r.barValue), std::to_string(tick.barHigh), ColourName(r.background),
                 std::to_string(r.tune), r.close ? "1" : "0"});
}

}  // namespace quoril::cli
