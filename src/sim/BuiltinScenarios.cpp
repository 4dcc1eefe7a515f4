#include "sim/BuiltinScenarios.h"

#include <algorithm>
#include <iterator>

namespace quoril::builtin {
namespace {

struct Builtin {
  std::string_view name;
  std::string_view text;
};

constexpr Builtin kBuiltins[] = {
    {"office", R"json({
  "description": "Associated to an access point on channel 6 with a good signal and steady traffic; neighbours on channels 1 and 11; a good antenna.",
  "seed": 6,
  // Some other network card comes first in the registry and fails the probe.
  "adapters": [
    {"name": "ETHER_1", "answersProbe": false, "address": "52:54:00:12:34:56"},
    {"name": "PRISM2_1", "address": "00:60:1d:f0:12:34"}
  ],
  "card": {"txPower": 128, "rescanSearchMs": 2000},
  "accessPoints": [
    {"channel": 1, "level": 38, "errors": 6},
    {"channel": 6, "level": 62, "errors": 3},
    {"channel": 11, "level": 45, "errors": 9}
  ],
  "traffic": {"txBytesPerSecond": 2400, "rxBytesPerSecond": 18000},
  "link": {"phases": [
    {"portStatus": 4, "channel": 6, "rate": 8, "bssid": "00:60:1d:0a:0b:0c",
     "signal": {"kind": "walk", "start": 100, "min": 88, "max": 112, "maxStep": 2},
     "interference": 12, "linkErrors": 15}
  ]},
  "antenna": {"vswr": [1.18, 1.15, 1.12, 1.10, 1.09, 1.08, 1.08, 1.09, 1.11, 1.14, 1.18, 1.22, 1.27, 1.34]}
})json"},
    {"weak-link", R"json({
  "base": "office",
  "description": "Associated, but far from the access point: a low, wandering signal, strong interference, many link errors, 2 Mbit/s.",
  "seed": 9,
  "accessPoints": [
    {"channel": 7, "level": 41, "errors": 20},
    {"channel": 9, "level": 22, "errors": 48}
  ],
  "traffic": {"txBytesPerSecond": 300, "rxBytesPerSecond": 1500},
  "link": {"phases": [
    {"portStatus": 4, "channel": 9, "rate": 2, "bssid": "00:60:1d:0a:0b:0d",
     "signal": {"kind": "walk", "start": 30, "min": 14, "max": 42, "maxStep": 3},
     "interference": 30, "linkErrors": 55}
  ]}
})json"},
    {"adhoc", R"json({
  "base": "office",
  "description": "Connected to an ad hoc network (IBSS) on channel 3.",
  "accessPoints": [{"channel": 3, "level": 50, "errors": 4}],
  "traffic": {"txBytesPerSecond": 900, "rxBytesPerSecond": 900},
  "link": {"phases": [
    {"portStatus": 3, "channel": 3, "rate": 4, "bssid": "02:1c:44:56:78:9a",
     "signal": 70, "interference": 8, "linkErrors": 10}
  ]}
})json"},
    {"lost-link", R"json({
  "base": "office",
  "description": "Walks out of range: a good link for 5 s, the signal falls for 3 s, then the card reports out of range with the signal frozen, so the link is declared lost about 6.6 s later.",
  "link": {"phases": [
    {"durationMs": 5000, "portStatus": 4, "channel": 6, "rate": 8, "bssid": "00:60:1d:0a:0b:0c",
     "signal": {"kind": "walk", "start": 70, "min": 60, "max": 80, "maxStep": 2},
     "interference": 6, "linkErrors": 15},
    {"durationMs": 3000, "rate": 1, "signal": {"kind": "ramp", "to": 10}, "linkErrors": 60},
    {"portStatus": 5, "signal": {"kind": "frozen"}, "linkErrors": 70,
     "traffic": {"txBytesPerSecond": 0, "rxBytesPerSecond": 0}}
  ]}
})json"},
    {"bad-antenna", R"json({
  "base": "office",
  "description": "The office link with a damaged antenna: VSWR above 2.0 in the middle of the band.",
  "antenna": {"vswr": [1.30, 1.42, 1.61, 1.88, 2.25, 2.61, 2.44, 2.08, 1.79, 1.60, 1.52, 1.55, 1.71, 1.93]}
})json"},
    {"no-card", R"json({
  "description": "No network adapter at all.",
  "adapters": []
})json"},
    {"driver-off", R"json({
  "base": "office",
  "description": "The office link until the driver goes away after 5 s: every request then returns status 6.",
  "faults": [{"fromMs": 5000, "request": "any", "status": 6}]
})json"},
    {"slow-driver", R"json({
  "base": "office",
  "description": "The office link with a driver that takes 25 ms per request, so a poll takes longer than its period.",
  "card": {"latencyMs": 25}
})json"},
};

constexpr auto MakeNames() {
  std::array<std::string_view, std::size(kBuiltins)> names{};
  for (std::size_t i = 0; i < names.size(); ++i) names[i] = kBuiltins[i].name;
  return names;
}

constexpr auto kNames = MakeNames();

}  // namespace

std::span<const std::string_view> Names() {
  return kNames;
}

std::string_view Text(std::string_view name) {
  const auto found = std::find_if(std::begin(kBuiltins), std::end(kBuiltins),
                                  [name](const Builtin& b) { return b.name == name; });
  return found == std::end(kBuiltins) ? std::string_view{} : found->text;
}

}  // namespace quoril::builtin
