// The 556-byte request record as a 32-bit library receives it: decoding any
// record either refuses it or gives the fields back, and encoding them again
// writes the same bytes at the same places.

#include <algorithm>
#include <cstdint>
#include <span>

#include "FuzzCheck.h"
#include "adapter/NdisRequest.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  using quoril::NdisRequest;
  NdisRequest::Record record{};
  std::copy_n(bytes, std::min(size, record.size()), record.begin());
  const std::span<const std::uint8_t, NdisRequest::kRecordSize> view(record);

  std::uint8_t buffer[4] = {};
  const auto request = NdisRequest::Decode(view, buffer);
  if (!request) return 0;
  FUZZ_CHECK(request->buffer == buffer);

  NdisRequest::Record again = record;
  request->EncodeTo(again, NdisRequest::BufferAddressOf(view));
  FUZZ_CHECK(again == record);
  return 0;
}
