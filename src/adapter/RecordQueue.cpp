#include "adapter/RecordQueue.h"

#include <thread>

namespace quoril {

RecordQueue::RecordQueue() : events_(std::make_unique<RecordEvent[]>(kCapacity)) {}

void RecordQueue::WaitForRoom() {
  while (head_ - knownConsumed_ >= kCapacity) {
    knownConsumed_ = consumed_.load(std::memory_order_acquire);
    if (head_ - knownConsumed_ < kCapacity) break;
    Wake();
    std::this_thread::yield();
  }
}

// Half full: the writer, asleep between its rounds, had better start now.
// Woken, it takes all there is; until it has, the card side looks again
// only after a stretch of events, not after each one, since every look
// reads the writer's cache line and every wake writes to it.
void RecordQueue::LookAtWriter() {
  knownConsumed_ = consumed_.load(std::memory_order_acquire);
  if (head_ - knownConsumed_ >= kCapacity / 2) {
    Wake();
    nextLook_ = head_ + kCapacity / 16;
  } else {
    nextLook_ = knownConsumed_ + kCapacity / 2;
  }
}

void RecordQueue::PublishLine(std::string line) {
  {
    const std::lock_guard lock(mutex_);
    lines_.push_back(std::move(line));
  }
  Next().kind = RecordEvent::Kind::kLine;
  Publish();
}

std::string RecordQueue::TakeLine() {
  const std::lock_guard lock(mutex_);
  std::string line = std::move(lines_.front());
  lines_.pop_front();
  return line;
}

void RecordQueue::Stop() {
  {
    const std::lock_guard lock(mutex_);
    stopped_ = true;
  }
  wake_.notify_one();
}

bool RecordQueue::Wait(Millis period) {
  std::unique_lock lock(mutex_);
  wake_.wait_for(lock, period, [this] { return stopped_ || woken_.load(); });
  woken_.store(false);
  return !stopped_;
}

// Without the lock: a wake-up lost to a writer just going to sleep costs at
// most one period.
void RecordQueue::Wake() {
  if (!woken_.exchange(true)) wake_.notify_one();
}

}  // namespace quoril
