#pragma once
// One tick of the link monitor, from raw card bytes to what the main window
// shows: texts, bar positions, bar colours, whether register 0x62 is to be
// cleared, and the driver alarm. Pure: no card, no window, no allocation.

#include <array>
#include <cstddef>
#include <cstdint>

#include "app/DriverAlarm.h"
#include "app/PollInputs.h"
#include "app/PollState.h"
#include "app/Rgb.h"
#include "app/ShortText.h"

namespace quoril {

// The text controls of the main window a tick may set.
enum class PollText : std::size_t {
  kPortStatus,      // 1177
  kTxThroughput,    // 1055
  kRxThroughput,    // 1056
  kLinkState,       // 1052
  kSignal,          // 1113
  kInterference,    // 1114
  kRate,            // 1054
  kChannel,         // 1053
  kTxPowerSetting,  // 1061
  kTxPowerReading,  // 1062
  kCount
};
inline constexpr std::size_t kPollTextCount = static_cast<std::size_t>(PollText::kCount);
inline constexpr std::array<int, kPollTextCount> kPollTextControl = {1177, 1055, 1056, 1052, 1113,
                                                                     1114, 1054, 1053, 1061, 1062};

// Range and step of a progress bar, as the main window prepares it.
struct BarRange {
  int low;
  int high;
  int step;
};
inline constexpr BarRange kInterferenceBarRange{0, 42, 1};  // control 1022
inline constexpr BarRange kLinkErrorBarRange{5, 80, 1};     // control 1023
inline constexpr BarRange kSignalBarRange{0, 109, 1};       // control 1016
inline constexpr int kInterferenceBarId = 1022;
inline constexpr int kLinkErrorBarId = 1023;
inline constexpr int kSignalBarId = 1016;

struct PollResult {
  struct TextUpdate {
    bool set = false;  // only texts set on this tick are to be applied
    ShortText text;
  };
  std::array<TextUpdate, kPollTextCount> texts;

  // Positions handed to the bars as they are; a bar shows its nearest end
  // for a position outside its range.
  int interferenceBar = 0;
  int linkErrorBar = 0;
  int signalBar = 0;

  Rgb interferenceColour = colours::kRed;  // set on every tick
  bool signalColourSet = false;            // only in the associated display
  Rgb signalColour = colours::kGrey;

  bool clearReg62 = false;
  DriverAlarm alarm;  // judged on inputs.status

  const TextUpdate& operator[](PollText which) const {
    return texts[static_cast<std::size_t>(which)];
  }
  TextUpdate& operator[](PollText which) { return texts[static_cast<std::size_t>(which)]; }
};

// Works out one tick and advances `state`.
PollResult ComputePoll(const PollInputs& inputs, PollState& state);

// The power figures in mW as the window shows them ("%02.1f"; "<20" for an
// idle power reading).
void FormatTxPowerSetting(std::uint8_t T, ShortText& out);
void FormatTxPowerReading(std::uint8_t M, ShortText& out);
// Rate code to Mbit/s: 8, 4, 2, 1 are the card's own codes for 11, 5.5, 2
// and 1; any other code is taken in the 802.11 unit of 500 kbit/s and shown
// as code / 2 in the shortest form ("%g").
void FormatRate(std::uint8_t R, ShortText& out);

}  // namespace quoril
