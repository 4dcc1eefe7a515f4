#include "adapter/TracingNdisLibrary.h"

#include <algorithm>
#include <array>

namespace quoril {
namespace {

// Enough for every value the program reads: records to byte 9, counters to 15.
constexpr std::size_t kAnswerBytes = 16;
// The program sends at most six bytes; a longer header is shown cut.
constexpr std::size_t kSentBytes = 16;

void PrintHex(std::FILE* out, const std::uint8_t* bytes, std::size_t n) {
  if (n == 0) std::fputs("-", out);
  for (std::size_t i = 0; i < n; ++i) std::fprintf(out, i ? " %02x" : "%02x", bytes[i]);
}

}  // namespace

TracingNdisLibrary::TracingNdisLibrary(std::unique_ptr<NdisLibrary> inner, std::FILE* out,
                                       const Clock& clock)
    : inner_(std::move(inner)), out_(out), clock_(clock) {}

void TracingNdisLibrary::Stamp() {
  const long long ms = clock_.Now().count();
  std::fprintf(out_, "%lld.%03lld ", ms / 1000, ms % 1000);
}

int TracingNdisLibrary::GetFirstAdapterRegistryInfo(AdapterRegistryRecord& record) {
  const int rc = inner_->GetFirstAdapterRegistryInfo(record);
  Stamp();
  std::fprintf(out_, "first-adapter rc=%d name=\"%.*s\"\n", rc,
               rc == 0 ? static_cast<int>(record.Name().size()) : 0, record.Name().data());
  return rc;
}

int TracingNdisLibrary::GetNextAdapterRegistryInfo(AdapterRegistryRecord& record) {
  const int rc = inner_->GetNextAdapterRegistryInfo(record);
  Stamp();
  std::fprintf(out_, "next-adapter rc=%d name=\"%.*s\"\n", rc,
               rc == 0 ? static_cast<int>(record.Name().size()) : 0, record.Name().data());
  return rc;
}

AdapterHandle TracingNdisLibrary::OpenAdapter(const char* name) {
  const AdapterHandle handle = inner_->OpenAdapter(name);
  Stamp();
  std::fprintf(out_, "open \"%s\" handle=%lld\n", name, static_cast<long long>(handle));
  return handle;
}

std::uint32_t TracingNdisLibrary::GetLastError() {
  const std::uint32_t error = inner_->GetLastError();
  Stamp();
  std::fprintf(out_, "last-error %08x\n", error);
  return error;
}

std::uint32_t TracingNdisLibrary::MakeNdisRequest(AdapterHandle adapter, const NdisRequest& request,
                                                  CompletionRecord& completion, int wait) {
  // The answer may overwrite what was sent, so it is kept first.
  std::array<std::uint8_t, kSentBytes> sent{};
  const std::size_t sentLength =
      request.buffer ? std::min<std::size_t>({request.sent, request.length, sent.size()}) : 0;
  std::copy_n(request.buffer, sentLength, sent.begin());

  const std::uint32_t status = inner_->MakeNdisRequest(adapter, request, completion, wait);

  Stamp();
  std::fprintf(out_,
               "%s %08x len=%u sent=", request.type == NdisRequestType::kSet ? "set" : "query",
               request.oid, request.length);
  PrintHex(out_, sent.data(), sentLength);
  std::fprintf(out_, " status=%08x answer=", status);
  PrintHex(out_, request.buffer, std::min<std::size_t>(kAnswerBytes, request.length));
  std::fputc('\n', out_);
  return status;
}

int TracingNdisLibrary::CloseAdapter(AdapterHandle adapter) {
  const int rc = inner_->CloseAdapter(adapter);
  Stamp();
  std::fprintf(out_, "close handle=%lld\n", static_cast<long long>(adapter));
  return rc;
}

EventHandle TracingNdisLibrary::CreateCompletionEvent() {
  return inner_->CreateCompletionEvent();
}
void TracingNdisLibrary::ResetCompletionEvent(EventHandle event) {
  inner_->ResetCompletionEvent(event);
}
void TracingNdisLibrary::CloseCompletionEvent(EventHandle event) {
  inner_->CloseCompletionEvent(event);
}

}  // namespace quoril
