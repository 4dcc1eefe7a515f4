#pragma once
// A card whose every answer comes from the fuzzer's bytes: each request gets
// a status (mostly success, else one of the codes that matter, else any
// code) and up to 16 answer bytes written at the front of its buffer, never
// beyond the request's length. When the bytes run out the card answers
// zeros with success.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <memory>

#include "adapter/AdapterUi.h"
#include "adapter/CAdapter.h"
#include "adapter/NdisLibrary.h"

namespace quoril::fuzz {

class FuzzedCard final : public NdisLibrary {
 public:
  explicit FuzzedCard(FuzzedDataProvider& data) : data_(data) {}

  int GetFirstAdapterRegistryInfo(AdapterRegistryRecord& record) override {
    record.SetName("FUZZ_1");
    listed_ = true;
    return 0;
  }
  int GetNextAdapterRegistryInfo(AdapterRegistryRecord&) override { return 1; }
  AdapterHandle OpenAdapter(const char*) override { return listed_ ? 1 : kInvalidAdapter; }
  std::uint32_t GetLastError() override { return 0; }
  std::uint32_t MakeNdisRequest(AdapterHandle, const NdisRequest& request, CompletionRecord&,
                                int) override {
    const std::uint32_t status = NextStatus();
    std::array<std::uint8_t, 16> answer{};
    data_.ConsumeData(answer.data(), answer.size());
    std::copy_n(answer.begin(), std::min<std::size_t>(answer.size(), request.length),
                request.buffer);
    return status;
  }
  int CloseAdapter(AdapterHandle) override { return 0; }
  EventHandle CreateCompletionEvent() override { return &event_; }
  void ResetCompletionEvent(EventHandle) override {}
  void CloseCompletionEvent(EventHandle) override {}

 private:
  std::uint32_t NextStatus() {
    static constexpr std::uint32_t kNamed[] = {1, 6, kNdisStatusFailure, 0xC0010012};
    const std::uint8_t pick = data_.ConsumeIntegral<std::uint8_t>();
    if (pick < 200) return kNdisStatusSuccess;
    if (pick < 250) return kNamed[pick % std::size(kNamed)];
    return data_.ConsumeIntegral<std::uint32_t>();
  }

  FuzzedDataProvider& data_;
  bool listed_ = false;
  int event_ = 0;
};

class SilentUi final : public AdapterUi {
 public:
  void ShowMessage(std::string_view) override {}
  void ShowError(std::string_view, std::string_view) override {}
  void ExitProcess(int) override {}
};

// An adapter on a fuzzed card, found and opened as the main window does (the
// probe may fail too, and the adapter then stays closed).
struct FuzzedAdapter {
  explicit FuzzedAdapter(FuzzedDataProvider& data) {
    adapter.Connect(std::make_unique<FuzzedCard>(data), ui);
    adapter.FindInputAdapter();
  }
  SilentUi ui;
  CAdapter adapter;
};

}  // namespace quoril::fuzz
