#pragma once
// What a simulated card does over time: its adapters, the air around it, its
// link in timed phases, its traffic, its antenna, its faults and the exact raw
// values a test may force. Built by the scenario loader from JSON (the format
// is described in docs/scenarios.md); every value here is already checked.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "adapter/Clock.h"

namespace quoril {

using MacAddress = std::array<std::uint8_t, 6>;

struct ScenarioAdapter {
  std::string name;
  bool opens = true;
  bool answersProbe = true;  // false: some other network card
  MacAddress address{};
};

// A station heard on a channel while the card scans.
struct AccessPoint {
  std::uint8_t channel = 1;  // 1..14
  std::uint8_t level = 0;    // register 0x7C reading on that channel
  std::uint8_t errors = 0;   // register 0x66 reading on that channel
};

enum class SignalShape { kConstant, kRamp, kWalk, kFrozen };

// The signal byte (record 0xFD43, byte 6) during one phase.
struct SignalSpec {
  SignalShape shape = SignalShape::kConstant;
  // Constant: the value. Ramp and walk: the start, when hasStart; otherwise
  // they start from wherever the previous phase left the signal.
  std::uint8_t value = 0;
  bool hasStart = true;
  std::uint8_t to = 0;       // ramp: value at the end of the phase
  std::uint8_t min = 0;      // walk: lower bound
  std::uint8_t max = 255;    // walk: upper bound
  std::uint8_t maxStep = 1;  // walk: largest change per time step
};

struct TrafficRates {
  std::uint64_t txBytesPerSecond = 0;
  std::uint64_t rxBytesPerSecond = 0;
};

struct LinkPhase {
  std::optional<Millis> duration;  // absent: lasts for ever (last phase only)
  std::uint8_t portStatus = 4;
  SignalSpec signal;
  std::uint8_t interference = 0;  // register 0x7C outside a scan
  std::uint8_t linkErrors = 0;    // register 0x66 outside a scan
  std::uint8_t rate = 8;          // record 0xFD44 rate code
  std::uint8_t channel = 6;       // record 0xFDC1
  MacAddress bssid{};
  std::optional<Millis> latency;        // overrides the scenario's latency
  std::optional<TrafficRates> traffic;  // overrides the scenario's rates
};

struct Traffic {
  TrafficRates rates;
  std::vector<Millis> resets;  // the counters start again from 0 at these times
  // Counter items 0x10..0x13 at time 0 (lost at the first reset).
  std::array<std::uint32_t, 4> initial{};
};

// Which requests a fault hits.
enum class RequestKind {
  kAny,            // every NDIS request (not the open)
  kOpen,           // OpenAdapter fails
  kAddress,        // 802.3 address query
  kProbe,          // record 0xFC01
  kRecord,         // records (id: one record only)
  kRegisterRead,   // command 0x30 (id: one register only)
  kRegisterWrite,  // command 0x31 (id: one register only)
  kCommand,        // command 0x38 (id: one sub-code only)
  kCounter,        // counter items (id: one item only)
  kRescan,         // the rescan set request
};

struct Fault {
  Millis from{0};
  std::optional<Millis> until;
  RequestKind kind = RequestKind::kAny;
  std::optional<std::uint16_t> id;
  std::uint32_t status = 0;
};

enum class OverrideTarget { kRecord, kRegister, kCounter };

// Forces the raw answer of one record, register or counter for a while.
struct RawOverride {
  static constexpr std::size_t kMaxBytes = 16;

  Millis from{0};
  std::optional<Millis> until;
  OverrideTarget target = OverrideTarget::kRecord;
  std::uint16_t id = 0;
  // Record: the value bytes from byte 4; register: one byte; counter: four
  // bytes, least significant first.
  std::array<std::uint8_t, kMaxBytes> bytes{};
  std::size_t size = 0;
};

struct Scenario {
  std::string name;
  std::string description;
  std::uint32_t seed = 1;
  Millis timeStep{100};  // the random walk advances once per step

  std::vector<ScenarioAdapter> adapters;
  bool eventFails = false;  // the completion event cannot be created
  std::uint8_t txPower = 0x80;
  Millis rescanSearch{2000};  // port status 2 after a rescan for this long
  Millis latency{0};          // per request

  std::vector<AccessPoint> accessPoints;
  std::vector<LinkPhase> phases;  // at least one
  Traffic traffic;
  std::array<double, 14> antennaVswr{};  // channels 1..14
  std::vector<Fault> faults;
  std::vector<RawOverride> overrides;
};

}  // namespace quoril
