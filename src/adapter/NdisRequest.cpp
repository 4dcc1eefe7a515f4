#include "adapter/NdisRequest.h"

namespace quoril {
namespace {

void PutLe32(NdisRequest::Record& record, std::size_t at, std::uint32_t value) {
  for (std::size_t i = 0; i < 4; ++i) record[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t GetLe32(std::span<const std::uint8_t, NdisRequest::kRecordSize> record,
                      std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value |= std::uint32_t{record[at + i]} << (8 * i);
  return value;
}

}  // namespace

void NdisRequest::EncodeTo(Record& record, std::uint32_t bufferAddress) const {
  PutLe32(record, kTypeOffset, static_cast<std::uint32_t>(type));
  PutLe32(record, kOidOffset, oid);
  PutLe32(record, kBufferOffset, bufferAddress);
  PutLe32(record, kLengthOffset, length);
  PutLe32(record, kBytesWrittenOffset, bytesWritten);
  PutLe32(record, kBytesNeededOffset, bytesNeeded);
}

std::optional<NdisRequest> NdisRequest::Decode(std::span<const std::uint8_t, kRecordSize> record,
                                               std::uint8_t* resolvedBuffer) {
  const std::uint32_t type = GetLe32(record, kTypeOffset);
  if (type > 1) return std::nullopt;
  NdisRequest request;
  request.type = static_cast<NdisRequestType>(type);
  request.oid = GetLe32(record, kOidOffset);
  request.buffer = resolvedBuffer;
  request.length = GetLe32(record, kLengthOffset);
  request.bytesWritten = GetLe32(record, kBytesWrittenOffset);
  request.bytesNeeded = GetLe32(record, kBytesNeededOffset);
  return request;
}

std::uint32_t NdisRequest::BufferAddressOf(std::span<const std::uint8_t, kRecordSize> record) {
  return GetLe32(record, kBufferOffset);
}

}  // namespace quoril
