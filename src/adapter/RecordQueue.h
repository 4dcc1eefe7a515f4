#pragma once
// Hands what the recorder saw from the thread that talks to the card to the
// thread that writes the file. The card's side only fills a slot allocated
// once and stores an index: no lock, no system call, no allocation, unless
// the queue is half full, when it wakes the writer, or full, when it waits.

#include <algorithm>
#include <array>
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>

#include "adapter/Clock.h"
#include "adapter/NdisRequest.h"
#include "adapter/RecordingFormat.h"

namespace quoril {

// One thing to write: a request as the recorder saw it, or a line made
// already. A slot is two whole cache lines, so that filling one never
// writes to a line the writer may be reading. The card side stores what it
// has at hand; the writer works out the rest.
struct alignas(64) RecordEvent {
  enum class Kind : std::uint8_t { kRequest, kLine };
  using Window = std::array<std::uint8_t, recording::kAnswerWindow>;

  NdisRequest request;         // as the program made it
  std::int64_t time = 0;       // ms since the recording began
  std::uint32_t duration = 0;  // ms the call took
  std::uint32_t status = 0;
  // The buffer's first Size() bytes; beyond them, what the slot held before.
  Window before{};  // as sent
  Window after{};   // and as answered
  Kind kind = Kind::kRequest;

  // Bytes of the windows the request's buffer has.
  std::size_t Size() const { return SizeFor(request); }
  static std::size_t SizeFor(const NdisRequest& request) {
    return request.buffer ? std::min<std::size_t>(request.length, recording::kAnswerWindow) : 0;
  }
};
static_assert(sizeof(RecordEvent) == 128);

class RecordQueue {
 public:
  static constexpr std::size_t kCapacity = 4096;

  RecordQueue();

  // Card side. Next() gives the slot to fill, waiting while the queue is
  // full; Publish() hands it over.
  RecordEvent& Next();
  void Publish();
  // A line for the file as it is; `line` ends without a line break.
  void PublishLine(std::string line);
  // Ends the writer's waits for good.
  void Stop();

  // Writer side. Waits up to `period`, or less when the queue fills up or
  // stops; false once stopped.
  bool Wait(Millis period);
  // Calls handle(event) for every event published so far, in order, and
  // returns how many there were.
  template <typename Handle>
  std::size_t Drain(Handle&& handle);
  std::string TakeLine();

 private:
  void WaitForRoom();
  void LookAtWriter();
  void Wake();

  std::unique_ptr<RecordEvent[]> events_;
  std::size_t head_ = 0;                  // card side only
  std::size_t knownConsumed_ = 0;         // card side's last look at consumed_
  std::size_t nextLook_ = kCapacity / 2;  // card side: when to look again
  alignas(64) std::atomic<std::size_t> published_{0};
  alignas(64) std::atomic<std::size_t> consumed_{0};
  std::atomic<bool> woken_{false};

  std::mutex mutex_;
  std::condition_variable wake_;
  bool stopped_ = false;           // guarded by mutex_
  std::deque<std::string> lines_;  // guarded by mutex_
};

inline RecordEvent& RecordQueue::Next() {
  if (head_ - knownConsumed_ >= kCapacity) WaitForRoom();
  RecordEvent& event = events_[head_ % kCapacity];
  event.kind = RecordEvent::Kind::kRequest;
  return event;
}

inline void RecordQueue::Publish() {
  published_.store(++head_, std::memory_order_release);
  if (head_ >= nextLook_) LookAtWriter();
}

template <typename Handle>
std::size_t RecordQueue::Drain(Handle&& handle) {
  const std::size_t from = consumed_.load(std::memory_order_relaxed);
  const std::size_t to = published_.load(std::memory_order_acquire);
  for (std::size_t i = from; i < to; ++i) handle(events_[i % kCapacity]);
  consumed_.store(to, std::memory_order_release);
  return to - from;
}

}  // namespace quoril
