#pragma once
// A PRISM II card and its driver in process, behind the same boundary as the
// real request library. It answers the requests of the catalogue from a
// scenario and the injected clock: the same scenario and the same clock
// readings give the same answers, however many requests came before.
// Anything it does not know (OID, record, command, sub-code, register, item,
// a buffer too short for the answer, a handle that is not open) fails with an
// NDIS status; it writes only within the request's length. No request
// allocates.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "adapter/Clock.h"
#include "adapter/NdisLibrary.h"
#include "sim/LinkTimeline.h"
#include "sim/Scenario.h"

namespace quoril {

// Status codes the simulated driver answers with besides success and failure.
inline constexpr std::uint32_t kNdisStatusNotSupported = 0xC00000BB;
inline constexpr std::uint32_t kNdisStatusAdapterNotOpen = 0xC0010012;
inline constexpr std::uint32_t kNdisStatusInvalidData = 0xC0010015;
inline constexpr std::uint32_t kNdisStatusBufferTooShort = 0xC0010016;

class SimulatedCard final : public NdisLibrary {
 public:
  // Scenario time 0 is the clock's reading now.
  SimulatedCard(const Scenario& scenario, Clock& clock);
  ~SimulatedCard() override;
  SimulatedCard(const SimulatedCard&) = delete;
  SimulatedCard& operator=(const SimulatedCard&) = delete;

  int GetFirstAdapterRegistryInfo(AdapterRegistryRecord& record) override;
  int GetNextAdapterRegistryInfo(AdapterRegistryRecord& record) override;
  AdapterHandle OpenAdapter(const char* name) override;
  std::uint32_t GetLastError() override;
  std::uint32_t MakeNdisRequest(AdapterHandle adapter, const NdisRequest& request,
                                CompletionRecord& completion, int wait) override;
  int CloseAdapter(AdapterHandle adapter) override;
  EventHandle CreateCompletionEvent() override;
  void ResetCompletionEvent(EventHandle event) override;
  void CloseCompletionEvent(EventHandle event) override;

  const Scenario& GetScenario() const { return scenario_; }
  // Scenario time: how long the card has been in.
  Millis Elapsed() const;
  // For leak checks.
  int OpenAdapterCount() const;
  int OpenEventCount() const;

 private:
  struct Event {
    bool signalled = false;
  };
  struct OpenHandle {
    std::size_t adapter = 0;
    bool open = false;
  };

  // The request's buffer, cut to its length.
  using Bytes = std::span<std::uint8_t>;

  const OpenHandle* FindOpen(AdapterHandle handle) const;
  Event* FindEvent(EventHandle handle);
  std::uint32_t Serve(const ScenarioAdapter& adapter, const NdisRequest& request, Millis now);
  std::uint32_t ServeAddress(const ScenarioAdapter& adapter, Bytes buffer, Millis now) const;
  std::uint32_t ServeRecord(Bytes buffer, Millis now);
  std::uint32_t ServeCommand(Bytes buffer, Millis now);
  std::uint32_t ServeRegisterRead(Bytes buffer, Millis now);
  std::uint32_t ServeRegisterWrite(Bytes buffer, Millis now);
  std::uint32_t ServeTest(Bytes buffer, Millis now);
  std::uint32_t ServeCounter(Bytes buffer, Millis now);
  std::uint32_t ServeRescan(Bytes buffer, Millis now);
  // The status a fault forces on this kind of request now, or 0.
  std::uint32_t FaultFor(RequestKind kind, std::uint16_t id, Millis now) const;
  const RawOverride* OverrideFor(OverrideTarget target, std::uint16_t id, Millis now) const;
  // -1 for a register the card does not have.
  int RegisterValue(std::uint8_t reg, Millis now) const;
  std::uint8_t PortStatus(const LinkPhase& phase, Millis now) const;
  std::uint8_t TunedChannel(const LinkPhase& phase) const;

  Scenario scenario_;
  Clock& clock_;
  Millis start_;
  LinkTimeline timeline_;

  // Precomputed so that requests need no arithmetic beyond a lookup.
  std::array<std::uint8_t, 256> powerReading_{};   // register 0x74 by register 0x3E
  std::array<std::uint8_t, 14> antennaReading_{};  // register 0x74 at level 0x80
  std::array<std::uint8_t, 14> scanLevel_{};       // register 0x7C while scanning
  std::array<std::uint8_t, 14> scanErrors_{};      // register 0x66 while scanning

  std::size_t nextAdapter_ = 0;
  std::vector<OpenHandle> handles_;  // handle h is handles_[h - 1]; grows only in OpenAdapter
  std::uint32_t lastError_ = 0;
  std::vector<std::unique_ptr<Event>> events_;

  // Card-side state set by requests.
  std::uint8_t txPower_ = 0x80;
  std::uint8_t tunedChannel_ = 0;  // 0: the link's channel
  bool scanning_ = false;
  bool antennaTest_ = false;
  std::optional<Millis> rescanUntil_;
  std::optional<std::size_t> errorsClearedInPhase_;
};

std::unique_ptr<SimulatedCard> MakeSimulatedCard(const Scenario& scenario, Clock& clock);

}  // namespace quoril
