#include "sim/ScenarioLoader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "adapter/AdapterRegistryRecord.h"
#include "sim/BuiltinScenarios.h"
#include "sim/JsonReader.h"

namespace quoril {
namespace {

constexpr std::int64_t kMaxTimeMs = 1000LL * 60 * 60 * 24 * 365;  // a year
constexpr std::int64_t kMaxLatencyMs = 10'000;
constexpr std::int64_t kMaxBytesPerSecond = 100'000'000;
constexpr std::int64_t kMaxUint32 = 0xFFFFFFFF;
constexpr double kMinVswr = 1.0;
constexpr double kMaxVswr = 8.0;
constexpr double kDefaultVswr = 1.2;

Millis Time(const JsonField& field, std::int64_t min = 0, std::int64_t max = kMaxTimeMs) {
  return Millis{field.Integer(min, max)};
}

// Reads `key` with `read` into `target` when the key is there.
template <typename T, typename Read>
void Take(JsonObject& object, std::string_view key, T& target, Read read) {
  if (auto field = object.Optional(key)) target = read(*field);
}

std::uint8_t ByteOf(const JsonField& f) {
  return f.Byte();
}

ScenarioAdapter ReadAdapter(const JsonField& field) {
  JsonObject object(field);
  ScenarioAdapter adapter;
  const JsonField name = object.Required("name");
  adapter.name = name.String();
  if (adapter.name.empty() || adapter.name.size() >= AdapterRegistryRecord::kNameCapacity ||
      adapter.name.find('\0') != std::string::npos) {
    name.Fail("expected a name of 1 to " +
              std::to_string(AdapterRegistryRecord::kNameCapacity - 1) + " characters");
  }
  Take(object, "opens", adapter.opens, [](const JsonField& f) { return f.Boolean(); });
  Take(object, "answersProbe", adapter.answersProbe,
       [](const JsonField& f) { return f.Boolean(); });
  Take(object, "address", adapter.address, [](const JsonField& f) { return f.Mac(); });
  object.RejectUnknownKeys();
  return adapter;
}

AccessPoint ReadAccessPoint(const JsonField& field) {
  JsonObject object(field);
  AccessPoint ap;
  ap.channel = static_cast<std::uint8_t>(object.Required("channel").Integer(1, 14));
  ap.level = object.Required("level").Byte();
  Take(object, "errors", ap.errors, ByteOf);
  object.RejectUnknownKeys();
  return ap;
}

TrafficRates ReadRates(JsonObject& object, TrafficRates rates) {
  const auto rate = [](const JsonField& f) {
    return static_cast<std::uint64_t>(f.Integer(0, kMaxBytesPerSecond));
  };
  Take(object, "txBytesPerSecond", rates.txBytesPerSecond, rate);
  Take(object, "rxBytesPerSecond", rates.rxBytesPerSecond, rate);
  return rates;
}

// A number is a constant; an object has a "kind": constant, ramp, walk or frozen.
SignalPlan ReadSignal(const JsonField& field, const LinkPhase& phase) {
  SignalPlan signal;
  if (field.Value().is_number() || field.Value().is_string()) {
    signal.value = field.Byte();
    return signal;
  }
  JsonObject object(field);
  const JsonField kindField = object.Required("kind");
  const std::string kind = kindField.String();
  const auto start = [&](std::string_view key) {
    const auto value = object.Optional(key);
    signal.hasStart = value.has_value();
    if (value) signal.value = value->Byte();
  };
  if (kind == "constant") {
    signal.value = object.Required("value").Byte();
  } else if (kind == "frozen") {
    signal.shape = SignalShape::kFrozen;
    start("value");
  } else if (kind == "ramp") {
    signal.shape = SignalShape::kRamp;
    start("from");
    signal.to = object.Required("to").Byte();
    if (!phase.duration) field.Fail("a ramp needs a phase with \"durationMs\"");
  } else if (kind == "walk") {
    signal.shape = SignalShape::kWalk;
    start("start");
    Take(object, "min", signal.min, ByteOf);
    Take(object, "max", signal.max, ByteOf);
    Take(object, "maxStep", signal.maxStep,
         [](const JsonField& f) { return static_cast<std::uint8_t>(f.Integer(1, 255)); });
    if (signal.min > signal.max) field.Fail("\"min\" is above \"max\"");
    if (signal.hasStart && (signal.value < signal.min || signal.value > signal.max)) {
      field.Fail("\"start\" lies outside \"min\" to \"max\"");
    }
  } else {
    kindField.Fail("unknown signal kind \"" + kind + "\"; expected constant, ramp, walk or frozen");
  }
  object.RejectUnknownKeys();
  return signal;
}

// Phases inherit every value they do not set from the phase before; the
// signal of a later phase without one is held where the phase before left it.
LinkPhase ReadPhase(const JsonField& field, const LinkPhase* previous, const Scenario& scenario,
                    bool last) {
  JsonObject object(field);
  LinkPhase phase;
  if (previous) {
    phase = *previous;
    phase.signal = SignalPlan{SignalShape::kFrozen, 0, false};
  }
  phase.duration.reset();
  Take(object, "durationMs", phase.duration, [](const JsonField& f) { return Time(f, 1); });
  if (!phase.duration && !last)
    field.Fail("missing key \"durationMs\" (only the last phase may last for ever)");
  Take(object, "portStatus", phase.portStatus, ByteOf);
  Take(object, "signal", phase.signal,
       [&phase](const JsonField& f) { return ReadSignal(f, phase); });
  Take(object, "interference", phase.interference, ByteOf);
  Take(object, "linkErrors", phase.linkErrors, ByteOf);
  Take(object, "rate", phase.rate, ByteOf);
  Take(object, "channel", phase.channel,
       [](const JsonField& f) { return static_cast<std::uint8_t>(f.Integer(1, 14)); });
  Take(object, "bssid", phase.bssid, [](const JsonField& f) { return f.Mac(); });
  Take(object, "latencyMs", phase.latency,
       [](const JsonField& f) { return Time(f, 0, kMaxLatencyMs); });
  if (auto traffic = object.Optional("traffic")) {
    JsonObject rates(*traffic);
    phase.traffic = ReadRates(rates, phase.traffic.value_or(scenario.traffic.rates));
    rates.RejectUnknownKeys();
  }
  object.RejectUnknownKeys();
  return phase;
}

void ReadLink(const JsonField& field, Scenario& scenario) {
  JsonObject object(field);
  const std::vector<JsonField> phases = object.Required("phases").Elements(1, 1000);
  for (std::size_t i = 0; i < phases.size(); ++i) {
    const LinkPhase* previous = i == 0 ? nullptr : &scenario.phases.back();
    scenario.phases.push_back(ReadPhase(phases[i], previous, scenario, i + 1 == phases.size()));
  }
  object.RejectUnknownKeys();
}

void ReadTraffic(const JsonField& field, Traffic& traffic) {
  JsonObject object(field);
  traffic.rates = ReadRates(object, traffic.rates);
  if (auto resets = object.Optional("resetsAtMs")) {
    for (const JsonField& reset : resets->Elements(0, 1000)) traffic.resets.push_back(Time(reset));
  }
  if (auto initial = object.Optional("initial")) {
    const std::vector<JsonField> items = initial->Elements(4, 4);
    for (std::size_t i = 0; i < items.size(); ++i) {
      traffic.initial[i] = static_cast<std::uint32_t>(items[i].Integer(0, kMaxUint32));
    }
  }
  object.RejectUnknownKeys();
}

void ReadCard(const JsonField& field, Scenario& scenario) {
  JsonObject object(field);
  Take(object, "txPower", scenario.txPower, ByteOf);
  Take(object, "eventFails", scenario.eventFails, [](const JsonField& f) { return f.Boolean(); });
  Take(object, "rescanSearchMs", scenario.rescanSearch, [](const JsonField& f) { return Time(f); });
  Take(object, "latencyMs", scenario.latency,
       [](const JsonField& f) { return Time(f, 0, kMaxLatencyMs); });
  object.RejectUnknownKeys();
}

struct RequestKindName {
  std::string_view name;
  RequestKind kind;
  std::int64_t maxId;  // -1: takes no id
  std::int64_t minId = 0;
};

constexpr RequestKindName kRequestKinds[] = {
    {"any", RequestKind::kAny, -1},
    {"open", RequestKind::kOpen, -1},
    {"address", RequestKind::kAddress, -1},
    {"probe", RequestKind::kProbe, -1},
    {"record", RequestKind::kRecord, 0xFFFF},
    {"register-read", RequestKind::kRegisterRead, 0xFF},
    {"register-write", RequestKind::kRegisterWrite, 0xFF},
    {"command", RequestKind::kCommand, 0xFF},
    {"counter", RequestKind::kCounter, 0x13, 0x10},
    {"rescan", RequestKind::kRescan, -1},
};

Fault ReadFault(const JsonField& field) {
  JsonObject object(field);
  Fault fault;
  const JsonField request = object.Required("request");
  const std::string name = request.String();
  const auto found = std::find_if(std::begin(kRequestKinds), std::end(kRequestKinds),
                                  [&name](const RequestKindName& k) { return k.name == name; });
  if (found == std::end(kRequestKinds)) {
    std::string names;
    for (const auto& k : kRequestKinds) names += (names.empty() ? "" : ", ") + std::string(k.name);
    request.Fail("unknown request kind \"" + name + "\"; expected one of: " + names);
  }
  fault.kind = found->kind;
  if (auto id = object.Optional("id")) {
    if (found->maxId < 0) id->Fail("a fault on \"" + name + "\" requests takes no id");
    fault.id = static_cast<std::uint16_t>(id->Integer(found->minId, found->maxId));
  }
  fault.status = static_cast<std::uint32_t>(object.Required("status").Integer(1, kMaxUint32));
  Take(object, "fromMs", fault.from, [](const JsonField& f) { return Time(f); });
  Take(object, "untilMs", fault.until, [](const JsonField& f) { return Time(f); });
  if (fault.until && *fault.until <= fault.from) field.Fail("\"untilMs\" is not after \"fromMs\"");
  object.RejectUnknownKeys();
  return fault;
}

// Exactly one of "record" (with "bytes"), "register" or "counter" (with "value").
RawOverride ReadOverride(const JsonField& field) {
  JsonObject object(field);
  RawOverride forced;
  const auto record = object.Optional("record");
  const auto reg = object.Optional("register");
  const auto counter = object.Optional("counter");
  const auto bytes = object.Optional("bytes");
  const auto value = object.Optional("value");
  Take(object, "fromMs", forced.from, [](const JsonField& f) { return Time(f); });
  Take(object, "untilMs", forced.until, [](const JsonField& f) { return Time(f); });
  object.RejectUnknownKeys();

  if (int{record.has_value()} + int{reg.has_value()} + int{counter.has_value()} != 1) {
    field.Fail("expected exactly one of \"record\", \"register\" and \"counter\"");
  }
  if (forced.until && *forced.until <= forced.from) {
    field.Fail("\"untilMs\" is not after \"fromMs\"");
  }
  if (record) {
    forced.target = OverrideTarget::kRecord;
    forced.id = static_cast<std::uint16_t>(record->Integer(0, 0xFFFF));
    if (!bytes || value) field.Fail("a record override takes \"bytes\", not \"value\"");
    const std::vector<JsonField> elements = bytes->Elements(1, RawOverride::kMaxBytes);
    for (std::size_t i = 0; i < elements.size(); ++i) forced.bytes[i] = elements[i].Byte();
    forced.size = elements.size();
    return forced;
  }
  if (!value || bytes) field.Fail("a register or counter override takes \"value\", not \"bytes\"");
  if (reg) {
    forced.target = OverrideTarget::kRegister;
    forced.id = reg->Byte();
    forced.bytes[0] = value->Byte();
    forced.size = 1;
  } else {
    forced.target = OverrideTarget::kCounter;
    forced.id = static_cast<std::uint16_t>(counter->Integer(0x10, 0x13));
    const auto count = static_cast<std::uint32_t>(value->Integer(0, kMaxUint32));
    for (std::size_t i = 0; i < 4; ++i)
      forced.bytes[i] = static_cast<std::uint8_t>(count >> (8 * i));
    forced.size = 4;
  }
  return forced;
}

template <typename T, typename Read>
void ReadList(JsonObject& object, std::string_view key, std::vector<T>& list, Read read) {
  if (auto field = object.Optional(key)) {
    for (const JsonField& element : field->Elements(0, 1000)) list.push_back(read(element));
  }
}

Scenario ReadScenario(const JsonField& root) {
  JsonObject object(root);
  object.Optional("base");  // already merged
  Scenario scenario;
  scenario.antennaVswr.fill(kDefaultVswr);
  Take(object, "name", scenario.name, [](const JsonField& f) { return f.String(); });
  Take(object, "description", scenario.description, [](const JsonField& f) { return f.String(); });
  Take(object, "seed", scenario.seed,
       [](const JsonField& f) { return static_cast<std::uint32_t>(f.Integer(0, kMaxUint32)); });
  Take(object, "timeStepMs", scenario.timeStep,
       [](const JsonField& f) { return Time(f, 1, 60'000); });
  ReadList(object, "adapters", scenario.adapters, ReadAdapter);
  if (auto card = object.Optional("card")) ReadCard(*card, scenario);
  ReadList(object, "accessPoints", scenario.accessPoints, ReadAccessPoint);
  // Phases may override the traffic rates, so those come first.
  if (auto traffic = object.Optional("traffic")) ReadTraffic(*traffic, scenario.traffic);
  if (auto link = object.Optional("link"))
    ReadLink(*link, scenario);
  else
    scenario.phases.emplace_back();
  if (auto antenna = object.Optional("antenna")) {
    JsonObject antennaObject(*antenna);
    const std::vector<JsonField> vswr = antennaObject.Required("vswr").Elements(14, 14);
    for (std::size_t i = 0; i < vswr.size(); ++i) {
      scenario.antennaVswr[i] = vswr[i].Number(kMinVswr, kMaxVswr);
    }
    antennaObject.RejectUnknownKeys();
  }
  ReadList(object, "faults", scenario.faults, ReadFault);
  ReadList(object, "overrides", scenario.overrides, ReadOverride);
  object.RejectUnknownKeys();
  return scenario;
}

// "line 3, column 14" from the offset just past the offending character.
std::string Place(std::string_view text, std::size_t byte) {
  const std::size_t end = std::min(byte > 0 ? byte - 1 : 0, text.size());
  std::size_t line = 1;
  std::size_t column = 1;
  for (std::size_t i = 0; i < end; ++i) {
    if (text[i] == '\n') {
      ++line;
      column = 1;
    } else {
      ++column;
    }
  }
  return std::to_string(line) + ":" + std::to_string(column);
}

nlohmann::json ParseDocument(std::string_view text, std::string_view source) {
  try {
    return nlohmann::json::parse(text.begin(), text.end(), nullptr, true, true);
  } catch (const nlohmann::json::parse_error& error) {
    throw ScenarioError(std::string(source) + ":" + Place(text, error.byte) + ": " +
                        JsonSyntaxProblem(error));
  } catch (const nlohmann::json::exception& error) {
    // A number too large for a double has no place in the library's report.
    const std::string message = error.what();
    const std::size_t prefix = message.find("] ");
    throw ScenarioError(std::string(source) + ": " +
                        (prefix == std::string::npos ? message : message.substr(prefix + 2)));
  }
}

// A document with a "base" is that built-in scenario with the document's
// members merged over it (objects member by member, anything else replaced).
nlohmann::json WithBase(nlohmann::json document, std::string_view source, int depth) {
  constexpr int kMaxDepth = 8;
  if (!document.is_object() || !document.contains("base")) return document;
  const JsonField field(document["base"], "/base", source);
  const std::string name = field.String();
  const std::string_view text = builtin::Text(name);
  if (text.empty()) field.Fail("no built-in scenario is called \"" + name + "\"");
  if (depth >= kMaxDepth) field.Fail("built-in scenarios build on each other too deeply");
  const std::string baseSource = "built-in scenario " + name;
  nlohmann::json merged = WithBase(ParseDocument(text, baseSource), baseSource, depth + 1);
  document.erase("base");
  merged.merge_patch(document);
  return merged;
}

bool LooksLikePath(std::string_view name) {
  return name.find('/') != std::string_view::npos || name.find('\\') != std::string_view::npos ||
         name.find('.') != std::string_view::npos;
}

std::string StemOf(std::string_view path) {
  const std::size_t slash = path.find_last_of("/\\");
  std::string_view base = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const std::size_t dot = base.rfind('.');
  if (dot != std::string_view::npos && dot > 0) base = base.substr(0, dot);
  return std::string(base);
}

}  // namespace

std::span<const std::string_view> BuiltinScenarioNames() {
  return builtin::Names();
}

std::string_view BuiltinScenarioText(std::string_view name) {
  return builtin::Text(name);
}

Scenario ParseScenario(std::string_view text, std::string_view source) {
  const nlohmann::json document = WithBase(ParseDocument(text, source), source, 0);
  return ReadScenario(JsonField(document, "", source));
}

Scenario LoadScenario(std::string_view nameOrPath) {
  if (const std::string_view text = builtin::Text(nameOrPath); !text.empty()) {
    Scenario scenario = ParseScenario(text, "built-in scenario " + std::string(nameOrPath));
    if (scenario.name.empty()) scenario.name = std::string(nameOrPath);
    return scenario;
  }
  return ParseScenarioFile(ReadSimulationFile(nameOrPath), nameOrPath);
}

std::string ReadSimulationFile(std::string_view nameOrPath) {
  const std::string path(nameOrPath);
  std::error_code ignored;
  if (std::filesystem::is_directory(path, ignored)) {
    throw ScenarioError(path + ": cannot read the scenario file (it is a directory)");
  }
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    const std::string reason = std::strerror(errno);
    if (!LooksLikePath(nameOrPath)) {
      std::string names;
      for (std::string_view name : builtin::Names())
        names += (names.empty() ? "" : ", ") + std::string(name);
      throw ScenarioError("unknown scenario \"" + path + "\": not a built-in scenario (" + names +
                          ") and no file of that name (" + reason + ")");
    }
    throw ScenarioError(path + ": cannot read the scenario file (" + reason + ")");
  }
  std::ostringstream content;
  content << file.rdbuf();
  if (file.bad()) throw ScenarioError(path + ": cannot read the scenario file");
  return std::move(content).str();
}

Scenario ParseScenarioFile(std::string_view text, std::string_view path) {
  Scenario scenario = ParseScenario(text, path);
  if (scenario.name.empty()) scenario.name = StemOf(path);
  return scenario;
}

}  // namespace quoril
