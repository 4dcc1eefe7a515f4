#include "adapter/RequestCatalogue.h"

namespace quoril::catalogue {

std::size_t RequestHeaderLength(std::uint32_t oid, std::span<const std::uint8_t> buffer) {
  std::size_t length = 0;
  switch (oid) {
    case kOidRecord:
    case kOidCounter:
      length = 4;
      break;
    case kOidRescan:
      length = 6;
      break;
    case kOidCommand:
      if (buffer.empty()) break;
      if (buffer[0] == kCmdReadRegister)
        length = 4;
      else if (buffer[0] == kCmdWriteRegister)
        length = 5;
      else
        length = 6;
      break;
    default:
      break;
  }
  return length < buffer.size() ? length : buffer.size();
}

}  // namespace quoril::catalogue
