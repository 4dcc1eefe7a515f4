#pragma once
// How `monitor` prints a poll tick: what the main window would show after it,
// as text, as a JSON line or as a CSV row.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/PollComputation.h"
#include "cli/Output.h"

namespace quoril::cli {

// JSON keys and CSV columns of the texts, in PollText order.
inline constexpr std::array<std::string_view, kPollTextCount> kPollTextKeys = {
    "port_status",  "tx_throughput", "rx_throughput", "link_state",       "signal",
    "interference", "rate",          "channel",       "tx_power_setting", "tx_power_reading"};

// The window's controls across ticks: a text keeps its value until a tick
// sets it again (the throughput only every sixth tick), the signal bar keeps
// its colour outside the associated display.
class MonitorDisplay {
 public:
  void Apply(const PollResult& result);

  std::string_view Text(PollText which) const { return texts_[static_cast<std::size_t>(which)]; }
  // nullopt: never set, the control's own colour.
  std::optional<Rgb> SignalColour() const { return signalColour_; }
  Rgb InterferenceColour() const { return interferenceColour_; }
  int SignalBar() const { return signalBar_; }
  int InterferenceBar() const { return interferenceBar_; }
  int LinkErrorBar() const { return linkErrorBar_; }

 private:
  std::array<std::string, kPollTextCount> texts_;
  std::optional<Rgb> signalColour_;
  Rgb interferenceColour_ = colours::kRed;
  int signalBar_ = 0;
  int interferenceBar_ = 0;
  int linkErrorBar_ = 0;
};

// One tick as printed: the display after it and what the tick itself did.
struct MonitorTick {
  TickStamp stamp;
  const MonitorDisplay& display;
  bool clearedReg62 = false;
  DriverAlarm::Kind alarm = DriverAlarm::Kind::kNone;
  std::string_view alarmText;
  std::uint32_t status = 0;  // of the tick's last request
};

std::string MonitorText(const MonitorTick& tick);
Json MonitorJson(const MonitorTick& tick);
std::string MonitorCsvHeader();
std::string MonitorCsvRow(const MonitorTick& tick);

std::string_view AlarmName(DriverAlarm::Kind kind);

}  // namespace quoril::cli
