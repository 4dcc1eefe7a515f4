#include "app/PollComputation.h"

#include <cmath>
#include <string_view>

namespace quoril {

namespace {

enum class LinkBranch { kSearching, kIbss, kAssociated, kOutOfRange, kOther };

struct PortStatus {
  std::uint8_t code;
  std::string_view text;
  LinkBranch branch;
};

constexpr PortStatus kPortStatuses[] = {
    {1, "PRISM II told - Disabled", LinkBranch::kOther},
    {2, "PRISM II told - Searching for initial connection", LinkBranch::kSearching},
    {3, "PRISM II told - Connected to IBSS", LinkBranch::kIbss},
    {4, "PRISM II told - Connected to ESS", LinkBranch::kAssociated},
    {5, "PRISM II told - Out of Range (in ESS)", LinkBranch::kOutOfRange},
    {6, "PRISM II told - Connected to WDS", LinkBranch::kOther},
    {8, "PRISM II told - Started Host AP", LinkBranch::kOther},
    {10, "PRISM II told - 802.11b AdHook", LinkBranch::kOther},
};
constexpr PortStatus kUnknownPortStatus = {0, "PRISM II told - UNKNOW", LinkBranch::kOther};

const PortStatus& PortStatusOf(std::uint8_t code) {
  for (const PortStatus& status : kPortStatuses) {
    if (status.code == code) return status;
  }
  return kUnknownPortStatus;
}

// Texts of the two lost states, by branch.
struct LostTexts {
  std::string_view signal;
  std::string_view lowSignal;
  std::string_view interference;
};
constexpr LostTexts kOutOfRangeLost = {"Scanning", "Scanning... Low Signal Streng",
                                       "Scanning... INTERFERENCE !!!"};
constexpr LostTexts kOtherLost = {"Disconnected", "Disconnected... Low Signal Streng",
                                  "Disconnected... INTERFERENCE !!!"};
// Up to this interference reading a lost link is blamed on a weak signal.
constexpr std::uint8_t kLowSignalInterference = 7;

// Signal levels from which the signal bar turns yellow and green.
constexpr std::uint8_t kSignalFair = 22;
constexpr std::uint8_t kSignalGood = 37;

// Unchanged signal readings after which the link counts as lost; the count is
// then parked well above the limit until the reading changes.
constexpr std::uint8_t kStaleLimit = 21;
constexpr std::uint8_t kStaleParked = 47;

// The counters are sampled every sixth 300 ms tick: bytes per 1.8 s to bytes
// per second.
constexpr std::uint8_t kTicksPerThroughputUpdate = 6;
constexpr double kPerSecond = 0.5555555555555556;
constexpr std::uint8_t kWarmupUpdates = 2;

constexpr std::uint8_t kIdlePowerReading = 128;

void SetText(PollResult& r, PollText which, std::string_view text) {
  r[which].set = true;
  r[which].text.Assign(text);
}

ShortText& TextToSet(PollResult& r, PollText which) {
  r[which].set = true;
  return r[which].text;
}

void FormatInterference(std::uint8_t N, ShortText& out) {
  if (N == 0) {
    out.Assign("<-97 dBm");
  } else {
    out.Format("- %01.0f dBm", static_cast<double>(97 - N));
  }
}

// One direction of the throughput update. A sum below the previous one (the
// card was reset, or a counter wrapped) shows 0 and becomes the new base.
void FormatThroughput(double sum, double& previous, bool warm, ShortText& out) {
  if (!warm || (sum == 0.0 && previous == 0.0) || sum < previous) {
    out.Assign("0");
  } else {
    out.FormatUnchecked("%00.0f", (sum - previous) * kPerSecond);
  }
  previous = sum;
}

void UpdateThroughput(const PollInputs& in, PollState& state, PollResult& r) {
  const double rx = static_cast<double>(in.C12) + static_cast<double>(in.C13);
  const double tx = static_cast<double>(in.C10) + static_cast<double>(in.C11);
  state.ThroughputWarmup += 1;
  const bool warm = state.ThroughputWarmup > kWarmupUpdates;
  if (warm) state.ThroughputWarmup = kWarmupUpdates + 1;
  FormatThroughput(rx, state.PrevRxCount, warm, TextToSet(r, PollText::kRxThroughput));
  FormatThroughput(tx, state.PrevTxCount, warm, TextToSet(r, PollText::kTxThroughput));
}

// True when the signal reading has stood still long enough to count the
// link as lost.
bool LinkLost(std::uint8_t S, PollState& state) {
  if (S == state.LastSignalLevel) {
    state.SameSignalCount += 1;
  } else {
    state.SameSignalCount = 0;
  }
  state.LastSignalLevel = S;
  if (state.SameSignalCount <= kStaleLimit) return false;
  state.SameSignalCount = kStaleParked;
  return true;
}

Rgb SignalColour(std::uint8_t S) {
  if (S >= kSignalGood) return colours::kGreen;
  if (S >= kSignalFair) return colours::kYellow;
  return colours::kGrey;
}

void ShowAssociated(const PollInputs& in, PollResult& r) {
  r.signalColourSet = true;
  r.signalColour = SignalColour(in.S);
  r.signalBar = in.S;
  r.interferenceBar = in.N;
  r.linkErrorBar = in.L;
  TextToSet(r, PollText::kSignal).Format("- %02.1f dBm", 96.0 - 0.34 * in.S);
  FormatInterference(in.N, TextToSet(r, PollText::kInterference));
  TextToSet(r, PollText::kLinkState)
      .Format("Associated - BSS ID = %02x:%02x:%02x:%02x:%02x:%02x", in.B[0], in.B[1], in.B[2],
              in.B[3], in.B[4], in.B[5]);
}

void ShowLost(const PollInputs& in, const LostTexts& texts, PollResult& r) {
  r.signalBar = 0;
  r.interferenceBar = in.N;
  r.linkErrorBar = in.L;
  SetText(r, PollText::kSignal, texts.signal);
  FormatInterference(in.N, TextToSet(r, PollText::kInterference));
  SetText(r, PollText::kLinkState,
          in.N <= kLowSignalInterference ? texts.lowSignal : texts.interference);
}

void ShowLink(LinkBranch branch, const PollInputs& in, PollState& state, PollResult& r) {
  switch (branch) {
    case LinkBranch::kSearching:
      r.signalBar = r.interferenceBar = r.linkErrorBar = 0;
      state.ThroughputWarmup = 0;
      SetText(r, PollText::kLinkState, "Scanning");
      SetText(r, PollText::kSignal, "Scanning");
      SetText(r, PollText::kInterference, "Scanning");
      return;
    case LinkBranch::kIbss:
      r.signalBar = 0;
      r.interferenceBar = in.N;
      r.linkErrorBar = in.L;
      SetText(r, PollText::kSignal, "Not Applicable");
      FormatInterference(in.N, TextToSet(r, PollText::kInterference));
      SetText(r, PollText::kLinkState, "Associated - Ad Hook (old) ");
      return;
    case LinkBranch::kAssociated:
      ShowAssociated(in, r);
      return;
    case LinkBranch::kOutOfRange:
    case LinkBranch::kOther:
      if (!LinkLost(in.S, state)) {
        ShowAssociated(in, r);
      } else {
        ShowLost(in, branch == LinkBranch::kOutOfRange ? kOutOfRangeLost : kOtherLost, r);
      }
      return;
  }
}

struct RateName {
  std::uint8_t code;
  std::string_view text;
};
constexpr RateName kRates[] = {{8, "11"}, {4, "5.5"}, {2, "2"}, {1, "1"}};

}  // namespace

void FormatRate(std::uint8_t R, ShortText& out) {
  for (const RateName& rate : kRates) {
    if (rate.code == R) return out.Assign(rate.text);
  }
  out.Format("%g", R / 2.0);
}

void FormatTxPowerSetting(std::uint8_t T, ShortText& out) {
  const double exponent =
      T >= 128 ? (13 + 0.055118 * (255 - T)) * 0.1 : 0.1015625 * (128 - T) * 0.1;
  out.Format("%02.1f", std::pow(10.0, exponent));
}

void FormatTxPowerReading(std::uint8_t M, ShortText& out) {
  if (M == kIdlePowerReading) return out.Assign("<20");
  const double exponent =
      M > 128 ? (13 + 0.055118 * (M - 128)) * 0.1 : (13 + 0.055118 * (M + 127)) * 0.1;
  out.Format("%02.1f", std::pow(10.0, exponent));
}

PollResult ComputePoll(const PollInputs& in, PollState& state) {
  PollResult r;
  r.interferenceColour = colours::kRed;
  const PortStatus& port = PortStatusOf(in.P);
  SetText(r, PollText::kPortStatus, port.text);

  state.ThroughputTick += 1;
  if (state.ThroughputTick >= kTicksPerThroughputUpdate) {
    state.ThroughputTick = 0;
    UpdateThroughput(in, state, r);
  }

  r.clearReg62 = in.L == 0;
  ShowLink(port.branch, in, state, r);
  FormatRate(in.R, TextToSet(r, PollText::kRate));
  TextToSet(r, PollText::kChannel).Format("%d", in.Ch);
  FormatTxPowerSetting(in.T, TextToSet(r, PollText::kTxPowerSetting));
  FormatTxPowerReading(in.M, TextToSet(r, PollText::kTxPowerReading));
  r.alarm = DriverAlarm::Judge(in.status);
  return r;
}

}  // namespace quoril
