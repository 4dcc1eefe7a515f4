#include "cli/MonitorOutput.h"

#include <cstdio>

namespace quoril::cli {
namespace {

constexpr std::string_view kAlarmNames[] = {"none", "off", "failure"};

std::string StatusHex(std::uint32_t status) {
  char text[12];
  std::snprintf(text, sizeof text, "%08x", status);
  return text;
}

// Text mode names the colours the window uses.
std::string ColourWord(Rgb colour) {
  switch (colour) {
    case colours::kGreen:
      return "green";
    case colours::kYellow:
      return "yellow";
    case colours::kGrey:
      return "grey";
    case colours::kRed:
      return "red";
    default:
      return ColourName(colour);
  }
}

Json Bar(int position, std::optional<Rgb> colour) {
  Json bar = {{"position", position}};
  bar["colour"] = colour ? Json(ColourName(*colour)) : Json(nullptr);
  return bar;
}

}  // namespace

void MonitorDisplay::Apply(const PollResult& result) {
  for (std::size_t i = 0; i < kPollTextCount; ++i) {
    if (result.texts[i].set) texts_[i] = result.texts[i].text.view();
  }
  if (result.signalColourSet) signalColour_ = result.signalColour;
  interferenceColour_ = result.interferenceColour;
  signalBar_ = result.signalBar;
  interferenceBar_ = result.interferenceBar;
  linkErrorBar_ = result.linkErrorBar;
}

std::string_view AlarmName(DriverAlarm::Kind kind) {
  return kAlarmNames[static_cast<std::size_t>(kind)];
}

std::string MonitorText(const MonitorTick& tick) {
  const MonitorDisplay& d = tick.display;
  auto text = [&d](PollText which) { return std::string(d.Text(which)); };
  std::string signalBar = std::to_string(d.SignalBar());
  if (d.SignalColour()) signalBar += " " + ColourWord(*d.SignalColour());

  std::string block = "#" + std::to_string(tick.stamp.tick) + " " + Seconds(tick.stamp.time) +
                      " s  " + text(PollText::kPortStatus) + "\n";
  block += "  State: " + text(PollText::kLinkState) + "\n";
  block += "  Channel: " + text(PollText::kChannel) + "  Tx Rate: " + text(PollText::kRate) +
           " Mbits/s  Tx Power: " + text(PollText::kTxPowerSetting) + " --> " +
           text(PollText::kTxPowerReading) + " mW\n";
  block += "  Troughput (Bytes/sec): Tx " + text(PollText::kTxThroughput) + "  Rx " +
           text(PollText::kRxThroughput) + "\n";
  block += "  Link Errors [" + std::to_string(d.LinkErrorBar()) +
           "]  Interference: " + text(PollText::kInterference) + " [" +
           std::to_string(d.InterferenceBar()) + "]  Signal Strength: " + text(PollText::kSignal) +
           " [" + signalBar + "]";
  if (tick.clearedReg62) block += "\n  register 0x62 cleared";
  return block;
}

Json MonitorJson(const MonitorTick& tick) {
  const MonitorDisplay& d = tick.display;
  Json texts = Json::object();
  for (std::size_t i = 0; i < kPollTextCount; ++i) {
    texts[std::string(kPollTextKeys[i])] = d.Text(static_cast<PollText>(i));
  }
  return {
      {"tick", tick.stamp.tick},
      {"time", static_cast<double>(tick.stamp.time.count()) / 1000.0},
      {"texts", texts},
      {"bars",
       {{"signal", Bar(d.SignalBar(), d.SignalColour())},
        {"interference", Bar(d.InterferenceBar(), d.InterferenceColour())},
        {"link_errors", Bar(d.LinkErrorBar(), std::nullopt)}}},
      {"clear_reg62", tick.clearedReg62},
      {"status", StatusHex(tick.status)},
      {"alarm", AlarmName(tick.alarm)},
      {"alarm_text", tick.alarmText},
  };
}

std::string MonitorCsvHeader() {
  std::vector<std::string> fields = {"time", "tick"};
  for (std::string_view key : kPollTextKeys) fields.emplace_back(key);
  for (const char* column :
       {"signal_bar", "signal_colour", "interference_bar", "interference_colour", "link_errors_bar",
        "clear_reg62", "status", "alarm", "alarm_text"}) {
    fields.emplace_back(column);
  }
  return CsvRow(fields);
}

std::string MonitorCsvRow(const MonitorTick& tick) {
  const MonitorDisplay& d = tick.display;
  std::vector<std::string> fields = {Seconds(tick.stamp.time), std::to_string(tick.stamp.tick)};
  for (std::size_t i = 0; i < kPollTextCount; ++i) {
    fields.emplace_back(d.Text(static_cast<PollText>(i)));
  }
  fields.push_back(std::to_string(d.SignalBar()));
  fields.push_back(d.SignalColour() ? ColourName(*d.SignalColour()) : "");
  fields.push_back(std::to_string(d.InterferenceBar()));
  fields.push_back(ColourName(d.InterferenceColour()));
  fields.push_back(std::to_string(d.LinkErrorBar()));
  fields.push_back(tick.clearedReg62 ? "1" : "0");
  fields.push_back(StatusHex(tick.status));
  fields.emplace_back(AlarmName(tick.alarm));
  fields.emplace_back(tick.alarmText);
  return CsvRow(fields);
}

}  // namespace quoril::cli
