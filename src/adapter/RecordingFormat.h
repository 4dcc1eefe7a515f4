#pragma once
// What the recorder writes and the replaying card reads: the version of the
// recording format, the names of its entries and its limits. The format is
// described in docs/recordings.md.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>

#include "adapter/NdisRequest.h"

namespace quoril::recording {

// The version this program writes; it reads this one and every older one.
inline constexpr int kVersion = 1;

// The member of the first line that marks a file as a recording.
inline constexpr std::string_view kHeaderKey = "recording";

// Entry kinds besides the answers to requests, which start with a number.
inline constexpr std::string_view kRequest = "request";  // defines a request
inline constexpr std::string_view kEvent = "event";      // completion event made
inline constexpr std::string_view kFirst = "first";      // first registry record
inline constexpr std::string_view kNext = "next";        // next registry record
inline constexpr std::string_view kOpen = "open";
inline constexpr std::string_view kError = "error";  // the library's last error
inline constexpr std::string_view kClose = "close";

// A request is told apart from others by at most this many bytes sent.
inline constexpr std::size_t kMaxSentBytes = 16;

// Bytes of each answer the recorder watches: every value the program reads
// lies in the first 16, and every answer layout the card is known to use in
// the first 20.
inline constexpr std::size_t kAnswerWindow = 32;

// The options of a timed entry: its ordinal among the calls of the same kind
// at the same time, and how long the call took.
inline constexpr std::string_view kOrdinalKey = "n";
inline constexpr std::string_view kDurationKey = "ms";

// What tells a request apart from others: its kind, code, buffer length and
// the bytes the program sent.
struct RequestKey {
  std::uint32_t oid = 0;
  std::uint32_t length = 0;
  std::uint8_t type = 0;
  std::uint8_t sentLength = 0;
  std::array<std::uint8_t, kMaxSentBytes> sent{};  // zero beyond sentLength
  static_assert(kMaxSentBytes == 16);

  // Word by word: the recorder compares keys on every request.
  bool operator==(const RequestKey& other) const {
    std::uint64_t a[2];
    std::uint64_t b[2];
    std::memcpy(a, sent.data(), sizeof a);
    std::memcpy(b, other.sent.data(), sizeof b);
    return oid == other.oid && length == other.length && type == other.type &&
           sentLength == other.sentLength && a[0] == b[0] && a[1] == b[1];
  }

  // `first` holds the first bytes of the request's buffer as sent.
  static RequestKey Of(const NdisRequest& request, std::span<const std::uint8_t> first) {
    RequestKey key;
    key.oid = request.oid;
    key.length = request.length;
    key.type = static_cast<std::uint8_t>(request.type);
    key.sentLength = static_cast<std::uint8_t>(
        std::min<std::size_t>({request.sent, request.length, first.size(), kMaxSentBytes}));
    std::copy_n(first.begin(), key.sentLength, key.sent.begin());
    return key;
  }
};

struct RequestKeyHash {
  std::size_t operator()(const RequestKey& key) const {
    std::size_t hash = key.oid * std::size_t{31} + key.length;
    hash = hash * 31 + key.type;
    for (std::size_t i = 0; i < key.sentLength; ++i) hash = hash * 131 + key.sent[i];
    return hash;
  }
};

// Numbers the calls of one kind at one time: 0 for the first, 1 for the
// second and so on; a call at a new time is the first again.
class Ordinal {
 public:
  std::uint32_t Next(std::int64_t time) {
    if (time == time_) return ++ordinal_;
    time_ = time;
    ordinal_ = 0;
    return 0;
  }

 private:
  std::int64_t time_ = -1;
  std::uint32_t ordinal_ = 0;
};

// Calls other than requests are told apart by what they name: an open by
// its adapter, a close by its handle.
inline std::string CallKey(std::string_view kind, std::string_view what = {}) {
  std::string key(kind);
  if (!what.empty()) key.append(1, ' ').append(what);
  return key;
}

}  // namespace quoril::recording
