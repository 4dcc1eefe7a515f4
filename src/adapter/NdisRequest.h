#pragma once
// One NDIS request as the program describes it to the library. In-process
// implementations receive this value; the real 32-bit library receives its
// 556-byte encoding.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace quoril {

enum class NdisRequestType : std::uint32_t { kQuery = 0, kSet = 1 };

struct NdisRequest {
  static constexpr std::size_t kRecordSize = 556;
  static constexpr std::size_t kTypeOffset = 20;
  static constexpr std::size_t kOidOffset = 24;
  static constexpr std::size_t kBufferOffset = 28;
  static constexpr std::size_t kLengthOffset = 32;
  static constexpr std::size_t kBytesWrittenOffset = 36;
  static constexpr std::size_t kBytesNeededOffset = 40;

  using Record = std::array<std::uint8_t, kRecordSize>;

  NdisRequestType type = NdisRequestType::kQuery;
  std::uint32_t oid = 0;
  std::uint8_t* buffer = nullptr;
  std::uint32_t length = 0;
  std::uint32_t bytesWritten = 0;
  std::uint32_t bytesNeeded = 0;
  // How many leading bytes of the buffer the program wrote for this request;
  // the rest is what an earlier answer left. For observers (trace,
  // recording); not part of the record the library receives.
  std::uint32_t sent = 0;

  // Writes the fields the program sets into `record`; the reserved bytes are
  // left as they are. `bufferAddress` is the 32-bit address the library sees.
  void EncodeTo(Record& record, std::uint32_t bufferAddress) const;

  // Reads the fields back. The buffer pointer cannot be recovered from a
  // 32-bit address on every platform, so the caller supplies the resolved
  // pointer. An unknown request type gives nullopt.
  static std::optional<NdisRequest> Decode(std::span<const std::uint8_t, kRecordSize> record,
                                           std::uint8_t* resolvedBuffer);
  static std::uint32_t BufferAddressOf(std::span<const std::uint8_t, kRecordSize> record);
};

}  // namespace quoril
