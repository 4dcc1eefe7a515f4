#include "sim/SimulatedCard.h"

#include <algorithm>
#include <cstring>

#include "adapter/RequestCatalogue.h"
#include "sim/DetectorModel.h"

namespace quoril {

using namespace catalogue;

namespace {

constexpr std::size_t kHeaderLength = 4;
constexpr std::size_t kWriteLength = 5;
constexpr std::size_t kTestCommandLength = 6;
constexpr std::size_t kCounterAnswerLength = kCounterValueOffset + 4;
constexpr std::uint8_t kRescanCommand[] = {0x0F, 0x00, 0x22, 0x00, 0x00, 0x00};
constexpr std::uint8_t kCounterTail[] = {0x01, 0x02, 0x02};
constexpr std::uint8_t kPortStatusSearching = 2;
constexpr std::uint8_t kPortTypeBss = 1;  // the probe record's value

std::uint16_t Word(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

// Index 0..13 of a channel; the loader keeps channels in 1..14, this keeps
// hand-made scenarios in bounds too.
std::size_t ChannelIndex(std::uint8_t channel) {
  return std::clamp<std::size_t>(channel, 1, 14) - 1;
}

// The card needs a phase to stand in and a time step to walk by.
Scenario Runnable(Scenario scenario) {
  if (scenario.phases.empty()) scenario.phases.emplace_back();
  scenario.timeStep = std::max(scenario.timeStep, Millis{1});
  return scenario;
}

bool Within(Millis t, Millis from, const std::optional<Millis>& until) {
  return t >= from && (!until || t < *until);
}

// The value of a record as the card holds it: up to six bytes from byte 4.
struct RecordValue {
  std::array<std::uint8_t, RawOverride::kMaxBytes> bytes{};
  std::size_t size = 0;

  void Word(std::size_t at, unsigned value) {
    bytes[at] = static_cast<std::uint8_t>(value & 0xFF);
    bytes[at + 1] = static_cast<std::uint8_t>(value >> 8 & 0xFF);
  }
};

}  // namespace

SimulatedCard::SimulatedCard(const Scenario& scenario, Clock& clock)
    : scenario_(Runnable(scenario)),
      clock_(clock),
      start_(clock.Now()),
      timeline_(scenario_),
      powerReading_(detector::PowerReadings()),
      txPower_(scenario.txPower) {
  for (std::size_t i = 0; i < antennaReading_.size(); ++i) {
    antennaReading_[i] = detector::ReadingForVswr(scenario_.antennaVswr[i]);
  }
  for (const AccessPoint& ap : scenario_.accessPoints) {
    std::uint8_t& level = scanLevel_[ChannelIndex(ap.channel)];
    std::uint8_t& errors = scanErrors_[ChannelIndex(ap.channel)];
    level = std::max(level, ap.level);
    errors = std::max(errors, ap.errors);
  }
  handles_.reserve(8);
}

SimulatedCard::~SimulatedCard() = default;

Millis SimulatedCard::Elapsed() const {
  return clock_.Now() - start_;
}

// --- Registry and handles ---------------------------------------------------

int SimulatedCard::GetFirstAdapterRegistryInfo(AdapterRegistryRecord& record) {
  nextAdapter_ = 0;
  return GetNextAdapterRegistryInfo(record);
}

int SimulatedCard::GetNextAdapterRegistryInfo(AdapterRegistryRecord& record) {
  if (nextAdapter_ >= scenario_.adapters.size()) return 1;
  record.SetName(scenario_.adapters[nextAdapter_++].name);
  return 0;
}

AdapterHandle SimulatedCard::OpenAdapter(const char* name) {
  const Millis now = Elapsed();
  lastError_ = FaultFor(RequestKind::kOpen, 0, now);
  if (lastError_ != 0) return kInvalidAdapter;
  lastError_ = kNdisStatusFailure;
  if (name == nullptr) return kInvalidAdapter;
  const auto& adapters = scenario_.adapters;
  const auto found = std::find_if(adapters.begin(), adapters.end(),
                                  [name](const ScenarioAdapter& a) { return a.name == name; });
  if (found == adapters.end() || !found->opens) return kInvalidAdapter;
  lastError_ = 0;
  handles_.push_back({static_cast<std::size_t>(found - adapters.begin()), true});
  return static_cast<AdapterHandle>(handles_.size());
}

std::uint32_t SimulatedCard::GetLastError() {
  return lastError_;
}

int SimulatedCard::CloseAdapter(AdapterHandle adapter) {
  if (FindOpen(adapter) == nullptr) return 1;
  handles_[static_cast<std::size_t>(adapter) - 1].open = false;
  return 0;
}

const SimulatedCard::OpenHandle* SimulatedCard::FindOpen(AdapterHandle handle) const {
  if (handle < 1 || static_cast<std::size_t>(handle) > handles_.size()) return nullptr;
  const OpenHandle& entry = handles_[static_cast<std::size_t>(handle) - 1];
  return entry.open ? &entry : nullptr;
}

int SimulatedCard::OpenAdapterCount() const {
  return static_cast<int>(
      std::count_if(handles_.begin(), handles_.end(), [](const OpenHandle& h) { return h.open; }));
}

// --- Completion event -------------------------------------------------------

EventHandle SimulatedCard::CreateCompletionEvent() {
  if (scenario_.eventFails) return nullptr;
  events_.push_back(std::make_unique<Event>());
  return events_.back().get();
}

void SimulatedCard::ResetCompletionEvent(EventHandle event) {
  if (Event* found = FindEvent(event)) found->signalled = false;
}

void SimulatedCard::CloseCompletionEvent(EventHandle event) {
  std::erase_if(events_, [event](const std::unique_ptr<Event>& e) { return e.get() == event; });
}

SimulatedCard::Event* SimulatedCard::FindEvent(EventHandle handle) {
  for (const auto& event : events_) {
    if (event.get() == handle) return event.get();
  }
  return nullptr;
}

int SimulatedCard::OpenEventCount() const {
  return static_cast<int>(events_.size());
}

// --- Requests ---------------------------------------------------------------

std::uint32_t SimulatedCard::MakeNdisRequest(AdapterHandle adapter, const NdisRequest& request,
                                             CompletionRecord& completion, int wait) {
  const Millis latency = timeline_.LatencyAt(Elapsed());
  if (latency > Millis{0}) clock_.Wait(latency);
  const Millis now = Elapsed();

  const OpenHandle* open = FindOpen(adapter);
  std::uint32_t status = kNdisStatusAdapterNotOpen;
  if (open != nullptr) {
    status = FaultFor(RequestKind::kAny, 0, now);
    if (status == 0) status = Serve(scenario_.adapters[open->adapter], request, now);
  }
  // A waiting caller consumes the automatic-reset event; otherwise it stays
  // signalled for the caller to wait on.
  if (Event* event = FindEvent(completion.hEvent)) event->signalled = wait != 1;
  return status;
}

std::uint32_t SimulatedCard::Serve(const ScenarioAdapter& adapter, const NdisRequest& request,
                                   Millis now) {
  if (request.buffer == nullptr && request.length != 0) return kNdisStatusInvalidData;
  const Bytes buffer{request.buffer, request.length};
  const bool query = request.type == NdisRequestType::kQuery;
  if (request.oid == kOidCurrentAddress && query) return ServeAddress(adapter, buffer, now);
  // Private requests are for PRISM II drivers only.
  if (!adapter.answersProbe) return kNdisStatusNotSupported;
  switch (request.oid) {
    case kOidRecord:
      return query ? ServeRecord(buffer, now) : kNdisStatusNotSupported;
    case kOidCommand:
      return query ? ServeCommand(buffer, now) : kNdisStatusNotSupported;
    case kOidCounter:
      return query ? ServeCounter(buffer, now) : kNdisStatusNotSupported;
    case kOidRescan:
      return query ? kNdisStatusNotSupported : ServeRescan(buffer, now);
    default:
      return kNdisStatusNotSupported;
  }
}

std::uint32_t SimulatedCard::ServeAddress(const ScenarioAdapter& adapter, Bytes buffer,
                                          Millis now) const {
  if (const std::uint32_t fault = FaultFor(RequestKind::kAddress, 0, now)) return fault;
  if (buffer.size() < adapter.address.size()) return kNdisStatusBufferTooShort;
  std::copy(adapter.address.begin(), adapter.address.end(), buffer.begin());
  return kNdisStatusSuccess;
}

std::uint32_t SimulatedCard::ServeRecord(Bytes buffer, Millis now) {
  if (buffer.size() < kHeaderLength) return kNdisStatusBufferTooShort;
  const std::uint16_t id = Word(buffer, 2);
  const bool probe = id == kRecordProbe;
  const std::uint32_t fault =
      probe ? FaultFor(RequestKind::kProbe, id, now) : FaultFor(RequestKind::kRecord, id, now);
  if (fault != 0) return fault;

  const std::size_t phaseIndex = timeline_.PhaseIndexAt(now);
  const LinkPhase& phase = scenario_.phases[phaseIndex];
  RecordValue value;
  switch (id) {
    case kRecordProbe:
      value.Word(0, kPortTypeBss);
      value.size = 2;
      break;
    case kRecordBssId:
      std::copy(phase.bssid.begin(), phase.bssid.end(), value.bytes.begin());
      value.size = phase.bssid.size();
      break;
    case kRecordTxRate:
      value.Word(0, phase.rate);
      value.size = 2;
      break;
    case kRecordChannel:
      value.Word(0, TunedChannel(phase));
      value.size = 2;
      break;
    case kRecordPortStatus:
      value.Word(0, PortStatus(phase, now));
      value.size = 2;
      break;
    case kRecordSignal: {
      // Communication quality, signal and noise, a word each.
      const std::uint8_t signal = timeline_.SignalAt(now);
      const std::uint8_t noise = phase.interference;
      value.Word(0, signal > noise ? signal - noise : 0);
      value.Word(2, signal);
      value.Word(4, noise);
      value.size = 6;
      break;
    }
    default:
      return kNdisStatusNotSupported;
  }
  if (const RawOverride* forced = OverrideFor(OverrideTarget::kRecord, id, now)) {
    value.bytes = forced->bytes;
    value.size = forced->size;
  }
  if (buffer.size() < kRecordValueOffset + value.size) return kNdisStatusBufferTooShort;
  std::copy_n(value.bytes.begin(), value.size, buffer.begin() + kRecordValueOffset);
  return kNdisStatusSuccess;
}

std::uint32_t SimulatedCard::ServeCommand(Bytes buffer, Millis now) {
  if (buffer.size() < 2) return kNdisStatusBufferTooShort;
  switch (buffer[0]) {
    case kCmdReadRegister:
      return ServeRegisterRead(buffer, now);
    case kCmdWriteRegister:
      return ServeRegisterWrite(buffer, now);
    case kCmdTest:
      return ServeTest(buffer, now);
    default:
      return kNdisStatusNotSupported;
  }
}

std::uint32_t SimulatedCard::ServeRegisterRead(Bytes buffer, Millis now) {
  if (buffer.size() < kHeaderLength) return kNdisStatusBufferTooShort;
  const std::uint16_t reg = Word(buffer, 2);
  if (buffer[1] != 0 || reg > 0xFF) return kNdisStatusNotSupported;
  const auto reg8 = static_cast<std::uint8_t>(reg);
  if (const std::uint32_t fault = FaultFor(RequestKind::kRegisterRead, reg8, now)) return fault;
  int value = RegisterValue(reg8, now);
  if (value < 0) return kNdisStatusNotSupported;
  if (const RawOverride* forced = OverrideFor(OverrideTarget::kRegister, reg8, now)) {
    value = forced->bytes[0];
  }
  buffer[kRegisterValueOffset] = static_cast<std::uint8_t>(value);
  buffer[kRegisterValueOffset + 1] = 0;
  return kNdisStatusSuccess;
}

int SimulatedCard::RegisterValue(std::uint8_t reg, Millis now) const {
  const std::size_t phaseIndex = timeline_.PhaseIndexAt(now);
  const LinkPhase& phase = scenario_.phases[phaseIndex];
  const std::size_t tuned = ChannelIndex(TunedChannel(phase));
  switch (reg) {
    case kRegTxPower:
      return txPower_;
    case kRegPowerReading:
      if (antennaTest_ && txPower_ == detector::kNoReading) return antennaReading_[tuned];
      return powerReading_[txPower_];
    case kRegRxLevel:
      return scanning_ ? scanLevel_[tuned] : phase.interference;
    case kRegLinkErrors:
      if (scanning_) return scanErrors_[tuned];
      return errorsClearedInPhase_ == phaseIndex ? 0 : phase.linkErrors;
    case kRegLinkErrorClear:
      return 0;
    default:
      return -1;
  }
}

std::uint32_t SimulatedCard::ServeRegisterWrite(Bytes buffer, Millis now) {
  if (buffer.size() < kWriteLength) return kNdisStatusBufferTooShort;
  const std::uint16_t reg = Word(buffer, 2);
  if (buffer[1] != 0 || reg > 0xFF) return kNdisStatusNotSupported;
  const auto reg8 = static_cast<std::uint8_t>(reg);
  if (const std::uint32_t fault = FaultFor(RequestKind::kRegisterWrite, reg8, now)) return fault;
  const std::uint8_t value = buffer[4];
  switch (reg8) {
    case kRegTxPower:
      txPower_ = value;
      return kNdisStatusSuccess;
    case kRegLinkErrorClear:
      // The count stays cleared until the link changes phase.
      if (value == 0) errorsClearedInPhase_ = timeline_.PhaseIndexAt(now);
      return kNdisStatusSuccess;
    default:
      return kNdisStatusNotSupported;
  }
}

std::uint32_t SimulatedCard::ServeTest(Bytes buffer, Millis now) {
  if (buffer.size() < kTestCommandLength) return kNdisStatusBufferTooShort;
  const std::uint8_t sub = buffer[1];
  if (const std::uint32_t fault = FaultFor(RequestKind::kCommand, sub, now)) return fault;
  switch (sub) {
    case kTestSetChannel:
      if (buffer[2] < 1 || buffer[2] > scanLevel_.size()) return kNdisStatusInvalidData;
      tunedChannel_ = buffer[2];
      return kNdisStatusSuccess;
    case kTestTxLevelFence:
      antennaTest_ = true;
      return kNdisStatusSuccess;
    case kTestStop:
      scanning_ = false;
      antennaTest_ = false;
      tunedChannel_ = 0;
      return kNdisStatusSuccess;
    case kTestStartScan:
      scanning_ = true;
      return kNdisStatusSuccess;
    case kTestTxPowerApplied:
      return kNdisStatusSuccess;
    default:
      return kNdisStatusNotSupported;
  }
}

std::uint32_t SimulatedCard::ServeCounter(Bytes buffer, Millis now) {
  if (buffer.size() < kHeaderLength) return kNdisStatusBufferTooShort;
  const std::uint8_t item = buffer[0];
  if (item < kCounterTx0 || item > kCounterRx1 ||
      !std::equal(std::begin(kCounterTail), std::end(kCounterTail), buffer.begin() + 1)) {
    return kNdisStatusNotSupported;
  }
  if (const std::uint32_t fault = FaultFor(RequestKind::kCounter, item, now)) return fault;
  if (buffer.size() < kCounterAnswerLength) return kNdisStatusBufferTooShort;
  std::uint32_t count = timeline_.CounterAt(item - kCounterTx0, now);
  if (const RawOverride* forced = OverrideFor(OverrideTarget::kCounter, item, now)) {
    count = 0;
    for (std::size_t i = 0; i < 4; ++i) count |= std::uint32_t{forced->bytes[i]} << (8 * i);
  }
  for (std::size_t i = 0; i < 4; ++i) {
    buffer[kCounterValueOffset + i] = static_cast<std::uint8_t>(count >> (8 * i));
  }
  return kNdisStatusSuccess;
}

std::uint32_t SimulatedCard::ServeRescan(Bytes buffer, Millis now) {
  if (buffer.size() < sizeof kRescanCommand) return kNdisStatusBufferTooShort;
  if (!std::equal(std::begin(kRescanCommand), std::end(kRescanCommand), buffer.begin())) {
    return kNdisStatusInvalidData;
  }
  if (const std::uint32_t fault = FaultFor(RequestKind::kRescan, 0, now)) return fault;
  rescanUntil_ = now + scenario_.rescanSearch;
  return kNdisStatusSuccess;
}

// --- Scenario lookups -------------------------------------------------------

std::uint32_t SimulatedCard::FaultFor(RequestKind kind, std::uint16_t id, Millis now) const {
  for (const Fault& fault : scenario_.faults) {
    if (fault.kind == kind && (!fault.id || *fault.id == id) &&
        Within(now, fault.from, fault.until)) {
      return fault.status;
    }
  }
  return 0;
}

const RawOverride* SimulatedCard::OverrideFor(OverrideTarget target, std::uint16_t id,
                                              Millis now) const {
  for (const RawOverride& forced : scenario_.overrides) {
    if (forced.target == target && forced.id == id && Within(now, forced.from, forced.until)) {
      return &forced;
    }
  }
  return nullptr;
}

std::uint8_t SimulatedCard::PortStatus(const LinkPhase& phase, Millis now) const {
  if (rescanUntil_ && now < *rescanUntil_) return kPortStatusSearching;
  return phase.portStatus;
}

std::uint8_t SimulatedCard::TunedChannel(const LinkPhase& phase) const {
  return tunedChannel_ != 0 ? tunedChannel_ : phase.channel;
}

std::unique_ptr<SimulatedCard> MakeSimulatedCard(const Scenario& scenario, Clock& clock) {
  return std::make_unique<SimulatedCard>(scenario, clock);
}

}  // namespace quoril
