#pragma once
// A recorded session of a card, as the replaying card needs it: for every
// request and every other call, its answers in time order, each with the
// bytes the card had written by then. Built by the recording loader from a
// file (docs/recordings.md); every value here is already checked.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "adapter/Clock.h"
#include "adapter/NdisRequest.h"

namespace quoril {

// When an answer was given: its time and its ordinal among the calls of the
// same kind at that time.
struct RecordedMoment {
  Millis time{0};
  std::uint32_t ordinal = 0;
  std::uint32_t duration = 0;  // ms the call took

  bool Before(const RecordedMoment& other) const {
    return time < other.time || (time == other.time && ordinal < other.ordinal);
  }
};

// A byte the card had written, at its offset in the request's buffer.
struct RecordedByte {
  std::uint16_t offset = 0;
  std::uint8_t value = 0;
};

struct RecordedAnswer {
  RecordedMoment moment;
  std::uint32_t status = 0;
  // Every byte the card had written by then: Recording::bytes[first, first + count).
  std::uint32_t first = 0;
  std::uint32_t count = 0;
};

struct RecordedRequest {
  NdisRequestType type = NdisRequestType::kQuery;
  std::uint32_t oid = 0;
  std::uint32_t length = 0;
  std::vector<std::uint8_t> sent;
  std::vector<RecordedAnswer> answers;
};

// The answer to a call other than a request.
struct RecordedCall {
  RecordedMoment moment;
  std::int64_t value = 0;  // rc, handle, last error, 1 when the event was made
  std::string name;        // the adapter a registry record names
};

struct Recording {
  int version = 0;
  bool maskedAddresses = false;
  std::vector<RecordedRequest> requests;  // by number
  std::vector<RecordedByte> bytes;
  // By recording::CallKey.
  std::map<std::string, std::vector<RecordedCall>, std::less<>> calls;
  // The file's last line was cut off and left out.
  bool cutOff = false;
};

}  // namespace quoril
