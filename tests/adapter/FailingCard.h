#pragma once
// The simulated card with a switch for failure, counting requests from when
// the switch is set: one request fails alone, or the card goes away. A
// failing request writes nothing.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <ostream>
#include <string_view>

#include "adapter/CAdapter.h"
#include "adapter/ScriptedLibrary.h"
#include "sim/SimulatedCard.h"

namespace quoril::testing {

// How a card goes away in the middle of something.
enum class Vanish {
  kDriverOff,  // every request from then on returns status 6
  kPulledOut,  // the adapter's handle is gone
};
inline void PrintTo(Vanish how, std::ostream* os) {
  *os << (how == Vanish::kDriverOff ? "driver off" : "pulled out");
}
// The alarm the next poll must raise for it.
inline std::string_view AlarmTextFor(Vanish how) {
  return how == Vanish::kDriverOff ? "WLAN Driver OFF" : "WLAN Driver FAILURE: c0010012";
}

class FailingCard final : public NdisLibrary {
 public:
  explicit FailingCard(std::unique_ptr<SimulatedCard> inner) : inner_(std::move(inner)) {}

  // Only request n from now fails.
  void FailOnly(std::size_t n, std::uint32_t status) { Arm(n, status, Mode::kOnly); }
  // The card is gone from request n from now on.
  void VanishAt(Vanish how, std::size_t n) {
    Arm(n, 6, how == Vanish::kDriverOff ? Mode::kFrom : Mode::kUnplug);
  }

  int GetFirstAdapterRegistryInfo(AdapterRegistryRecord& r) override {
    return inner_->GetFirstAdapterRegistryInfo(r);
  }
  int GetNextAdapterRegistryInfo(AdapterRegistryRecord& r) override {
    return inner_->GetNextAdapterRegistryInfo(r);
  }
  AdapterHandle OpenAdapter(const char* name) override { return inner_->OpenAdapter(name); }
  std::uint32_t GetLastError() override { return inner_->GetLastError(); }
  std::uint32_t MakeNdisRequest(AdapterHandle adapter, const NdisRequest& request,
                                CompletionRecord& completion, int wait) override;
  int CloseAdapter(AdapterHandle adapter) override { return inner_->CloseAdapter(adapter); }
  EventHandle CreateCompletionEvent() override { return inner_->CreateCompletionEvent(); }
  void ResetCompletionEvent(EventHandle e) override { inner_->ResetCompletionEvent(e); }
  void CloseCompletionEvent(EventHandle e) override { inner_->CloseCompletionEvent(e); }

 private:
  enum class Mode { kNone, kFrom, kOnly, kUnplug };
  void Arm(std::size_t n, std::uint32_t status, Mode mode) {
    at_ = n;
    status_ = status;
    mode_ = mode;
    count_ = 0;
  }

  std::unique_ptr<SimulatedCard> inner_;
  Mode mode_ = Mode::kNone;
  std::size_t at_ = 0;
  std::size_t count_ = 0;
  std::uint32_t status_ = 0;
};

// CAdapter on a failing simulated card with a manual clock, opened.
struct FailingRig {
  explicit FailingRig(std::string_view scenario);
  explicit FailingRig(const Scenario& scenario);

  ManualClock clock;
  RecordingUi ui;
  CAdapter adapter;
  FailingCard* card = nullptr;
};

}  // namespace quoril::testing
