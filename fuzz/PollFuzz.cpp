// The poll over arbitrary card answers and statuses, from an arbitrary poll
// state and power setting: RunPollTick reads every buffer and computes the
// display; ComputePoll also gets raw inputs straight from the bytes.

#include <fuzzer/FuzzedDataProvider.h>


#include "FuzzCheck.h"
#include "FuzzedCard.h"
#include "adapter/CAdapter.h"
#include "app/PollTick.h"

namespace quoril::fuzz {
namespace {

void CheckResult(const PollResult& r, std::uint32_t status) {
  for (const PollResult::TextUpdate& t : r.texts) FUZZ_CHECK(WellFormed(t.text));
  FUZZ_CHECK(WellFormed(r.alarm.text));
  FUZZ_CHECK(r[PollText::kPortStatus].set);
  const bool quiet = status == kNdisStatusSuccess || status == kNdisStatusFailure;
  FUZZ_CHECK(quiet == (r.alarm.kind == DriverAlarm::Kind::kNone));
  FUZZ_CHECK((status == 6) == (r.alarm.kind == DriverAlarm::Kind::kOff));
}

PollState AnyState(FuzzedDataProvider& data) {
  PollState s;
  s.SameSignalCount = data.ConsumeIntegral<std::uint8_t>();
  s.ThroughputTick = data.ConsumeIntegral<std::uint8_t>();
  s.ThroughputWarmup = data.ConsumeIntegral<std::uint8_t>();
  s.LastSignalLevel = data.ConsumeIntegral<std::uint8_t>();
  s.PrevRxCount = AnyDouble(data);
  s.PrevTxCount = AnyDouble(data);
  return s;
}

void ComputeFromRawInputs(FuzzedDataProvider& data) {
  PollState state = AnyState(data);
  PollInputs in;
  in.S = data.ConsumeIntegral<std::uint8_t>();
  in.N = data.ConsumeIntegral<std::uint8_t>();
  in.L = data.ConsumeIntegral<std::uint8_t>();
  in.P = data.ConsumeIntegral<std::uint8_t>();
  for (std::uint8_t& b : in.B) b = data.ConsumeIntegral<std::uint8_t>();
  in.R = data.ConsumeIntegral<std::uint8_t>();
  in.Ch = data.ConsumeIntegral<std::uint8_t>();
  in.T = data.ConsumeIntegral<std::uint8_t>();
  in.M = data.ConsumeIntegral<std::uint8_t>();
  in.C10 = data.ConsumeIntegral<std::uint32_t>();
  in.C11 = data.ConsumeIntegral<std::uint32_t>();
  in.C12 = data.ConsumeIntegral<std::uint32_t>();
  in.C13 = data.ConsumeIntegral<std::uint32_t>();
  in.status = data.ConsumeIntegral<std::uint32_t>();
  CheckResult(ComputePoll(in, state), in.status);
}

void PollTheCard(FuzzedDataProvider& data) {
  FuzzedAdapter fuzzed(data);
  CAdapter& adapter = fuzzed.adapter;
  AnyState(data).Store(adapter);
  adapter.TxPowerControl = data.ConsumeIntegral<std::int32_t>();
  adapter.TxPowerValue = data.ConsumeIntegral<std::uint8_t>();
  while (data.remaining_bytes() > 0) {
    const PollResult r = RunPollTick(adapter);
    CheckResult(r, adapter.nNdisStatus);
  }
}

}  // namespace
}  // namespace quoril::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  quoril::fuzz::ComputeFromRawInputs(data);
  quoril::fuzz::PollTheCard(data);
  return 0;
}
