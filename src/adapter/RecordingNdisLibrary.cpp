#include "adapter/RecordingNdisLibrary.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace quoril {
namespace {

// The first and the last kPart of `size` bytes, which together cover them
// all when kPart <= size <= 2 * kPart.
template <std::size_t kPart>
inline void CopyEnds(std::uint8_t* to, const std::uint8_t* from, std::size_t size) {
  std::memcpy(to, from, kPart);
  std::memcpy(to + size - kPart, from + size - kPart, kPart);
}

// The first `size` bytes of a buffer, at most a window. The bytes beyond are
// left as they are: the writer clears them. Copies of a fixed size, not a
// call to memcpy, since this runs for every request.
inline void CopyWindow(RecordEvent::Window& to, const std::uint8_t* from, std::size_t size) {
  static_assert(recording::kAnswerWindow == 32);
  if (size >= 16) {
    CopyEnds<16>(to.data(), from, size);
  } else if (size >= 8) {
    CopyEnds<8>(to.data(), from, size);
  } else if (size >= 4) {
    CopyEnds<4>(to.data(), from, size);
  } else if (size > 0) {
    to[0] = from[0];
    to[size / 2] = from[size / 2];
    to[size - 1] = from[size - 1];
  }
}

// The same for a buffer the program has just written its header to: a
// wide read across those fresh small writes would wait until they reach the
// cache, so the header's four bytes are read on their own.
inline void CopySentWindow(RecordEvent::Window& to, const std::uint8_t* from, std::size_t size) {
  constexpr std::size_t kHeader = 4;
  if (size < kHeader + 16) return CopyWindow(to, from, size);
  std::memcpy(to.data(), from, kHeader);
  CopyEnds<16>(to.data() + kHeader, from + kHeader, size - kHeader);
}

void AppendQuoted(std::string& out, std::string_view text) {
  static constexpr char kDigits[] = "0123456789abcdef";
  out += '"';
  for (const char c : text) {
    const auto byte = static_cast<std::uint8_t>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20 || byte >= 0x7F) {
      // Names are bytes in the system's code page; \u0000 to \u00ff keep
      // each byte as it is.
      out += "\\u00";
      out += kDigits[byte >> 4];
      out += kDigits[byte & 0xF];
    } else {
      out += c;
    }
  }
  out += '"';
}

std::string Name(std::string_view name) {
  std::string text;
  AppendQuoted(text, name);
  return text;
}

std::string Hex(std::uint32_t value) {
  if (value == 0) return "0";
  char text[16];
  std::snprintf(text, sizeof text, "\"0x%08x\"", value);
  return text;
}

}  // namespace

RecordingNdisLibrary::RecordingNdisLibrary(std::unique_ptr<NdisLibrary> inner, std::FILE* file,
                                           std::string name, const Clock& clock, Options options)
    : inner_(std::move(inner)),
      clock_(clock),
      origin_(clock.Now()),
      writer_(queue_, file, std::move(name), options.maskAddresses) {
  queue_.PublishLine("{\"" + std::string(recording::kHeaderKey) +
                     "\":" + std::to_string(recording::kVersion) +
                     ",\"program\":\"WLAN Quoril " QUORIL_VERSION "\",\"maskedAddresses\":" +
                     (options.maskAddresses ? "true" : "false") + "}");
}

RecordingNdisLibrary::~RecordingNdisLibrary() {
  Finish();
}

void RecordingNdisLibrary::Finish() {
  if (!recording_) return;
  recording_ = false;
  writer_.Stop();
}

// Only what the writer cannot see later is taken here: the request, the
// times and the buffer's first bytes before and after. The request is read
// after the call, when the program's writes to it have long reached the
// cache; read before, its fields would wait for them.
std::uint32_t RecordingNdisLibrary::MakeNdisRequest(AdapterHandle adapter,
                                                    const NdisRequest& request,
                                                    CompletionRecord& completion, int wait) {
  if (!recording_) return inner_->MakeNdisRequest(adapter, request, completion, wait);
  RecordEvent& event = queue_.Next();
  const std::uint8_t* const buffer = request.buffer;
  const std::size_t size = RecordEvent::SizeFor(request);
  CopySentWindow(event.before, buffer, size);
  const Millis start = clock_.Now();
  const std::uint32_t status = inner_->MakeNdisRequest(adapter, request, completion, wait);
  const Millis end = clock_.Now();
  event.request = request;
  event.status = status;
  event.time = Since(start);
  event.duration = static_cast<std::uint32_t>((end - start).count());
  CopyWindow(event.after, buffer, size);
  queue_.Publish();
  return status;
}

void RecordingNdisLibrary::RecordCall(std::string_view kind, std::string_view what, Millis start,
                                      const std::string& fields) {
  const std::int64_t time = Since(start);
  const std::uint32_t ordinal = calls_[recording::CallKey(kind, what)].Next(time);
  const std::int64_t duration = (clock_.Now() - start).count();
  std::string line = "[\"" + std::string(kind) + "\"," + std::to_string(time) + "," + fields;
  if (ordinal != 0) line += ",{\"n\":" + std::to_string(ordinal);
  if (duration != 0) line += (ordinal != 0 ? ",\"ms\":" : ",{\"ms\":") + std::to_string(duration);
  if (ordinal != 0 || duration != 0) line += '}';
  queue_.PublishLine(line + "]");
}

int RecordingNdisLibrary::GetFirstAdapterRegistryInfo(AdapterRegistryRecord& record) {
  const Millis start = clock_.Now();
  const int rc = inner_->GetFirstAdapterRegistryInfo(record);
  if (recording_) {
    RecordCall(recording::kFirst, "", start,
               std::to_string(rc) + "," + Name(rc == 0 ? record.Name() : ""));
  }
  return rc;
}

int RecordingNdisLibrary::GetNextAdapterRegistryInfo(AdapterRegistryRecord& record) {
  const Millis start = clock_.Now();
  const int rc = inner_->GetNextAdapterRegistryInfo(record);
  if (recording_) {
    RecordCall(recording::kNext, "", start,
               std::to_string(rc) + "," + Name(rc == 0 ? record.Name() : ""));
  }
  return rc;
}

AdapterHandle RecordingNdisLibrary::OpenAdapter(const char* name) {
  const Millis start = clock_.Now();
  const AdapterHandle handle = inner_->OpenAdapter(name);
  if (recording_ && name) {
    RecordCall(recording::kOpen, name, start, Name(name) + "," + std::to_string(handle));
  }
  return handle;
}

std::uint32_t RecordingNdisLibrary::GetLastError() {
  const Millis start = clock_.Now();
  const std::uint32_t error = inner_->GetLastError();
  if (recording_) RecordCall(recording::kError, "", start, Hex(error));
  return error;
}

int RecordingNdisLibrary::CloseAdapter(AdapterHandle adapter) {
  const Millis start = clock_.Now();
  const int rc = inner_->CloseAdapter(adapter);
  if (recording_) {
    RecordCall(recording::kClose, std::to_string(adapter), start,
               std::to_string(adapter) + "," + std::to_string(rc));
  }
  return rc;
}

EventHandle RecordingNdisLibrary::CreateCompletionEvent() {
  const Millis start = clock_.Now();
  const EventHandle event = inner_->CreateCompletionEvent();
  if (recording_) RecordCall(recording::kEvent, "", start, event ? "true" : "false");
  return event;
}

void RecordingNdisLibrary::ResetCompletionEvent(EventHandle event) {
  inner_->ResetCompletionEvent(event);
}

void RecordingNdisLibrary::CloseCompletionEvent(EventHandle event) {
  inner_->CloseCompletionEvent(event);
}

}  // namespace quoril
