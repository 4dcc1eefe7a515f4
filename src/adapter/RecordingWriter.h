#pragma once
// The recorder's thread of its own: every 50 ms, or sooner while calls keep
// coming, it takes what the queue holds, writes the lines and makes the
// operating system put them on disk, so that a crash or a pulled plug loses
// at most the last 50 ms. A request is written as the bytes the card wrote
// that differ from what the file says the request's previous answer was,
// after masking addresses when asked; an answer the same as the previous one
// is not written at all.

#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

#include "adapter/AddressMask.h"
#include "adapter/RecordQueue.h"
#include "adapter/RecordingFormat.h"

namespace quoril {

class RecordingWriter {
 public:
  static constexpr Millis kPeriod{50};
  static constexpr Millis kBusyPeriod{1};

  // Takes `file` (opened for writing) and closes it when stopped; `name`
  // names it in messages.
  RecordingWriter(RecordQueue& queue, std::FILE* file, std::string name, bool maskAddresses);
  ~RecordingWriter();
  RecordingWriter(const RecordingWriter&) = delete;
  RecordingWriter& operator=(const RecordingWriter&) = delete;

  // Writes everything published so far, closes the file and ends the thread.
  void Stop();

 private:
  // A request, and what the file says its answer is so far.
  struct Request {
    recording::RequestKey key;
    std::uint8_t addressAt = kNoAddress;
    recording::Ordinal ordinal;
    bool any = false;
    std::uint32_t status = 0;
    std::uint32_t duration = 0;
    std::uint32_t written = 0;  // bytes the card has written (bit i: byte i)
    RecordEvent::Window bytes{};
  };
  static constexpr std::uint8_t kNoAddress = 0xFF;

  void Run();
  // Whether there was anything to write.
  bool WriteOut();
  void WriteText();
  void Add(RecordEvent& event);
  std::size_t FindRequest(const RecordEvent& event);
  void Fail(const char* what);

  RecordQueue& queue_;
  std::FILE* file_;
  std::string name_;
  std::optional<AddressMask> mask_;
  std::vector<Request> requests_;
  std::unordered_map<recording::RequestKey, std::size_t, recording::RequestKeyHash> index_;
  // The request last seen on a buffer, by a hash of the buffer's address:
  // most buffers serve one request.
  struct Recent {
    const std::uint8_t* buffer = nullptr;
    std::size_t request = 0;
  };
  std::array<Recent, 64> recent_{};
  std::string text_;  // lines not yet written
  Millis lastSync_{0};
  SteadyClock clock_;
  bool failed_ = false;
  std::thread thread_;
};

}  // namespace quoril
