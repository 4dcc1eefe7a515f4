#include "app/ShortText.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <ostream>

namespace quoril {

void ShortText::FormatV(const char* format, va_list args) {
  const int n = std::vsnprintf(text_, kCapacity, format, args);
  length_ = n < 0 ? 0 : std::min(static_cast<std::size_t>(n), kCapacity - 1);
  text_[length_] = '\0';
}

void ShortText::Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  FormatV(format, args);
  va_end(args);
}

void ShortText::FormatUnchecked(const char* format, ...) {
  va_list args;
  va_start(args, format);
  FormatV(format, args);
  va_end(args);
}

void ShortText::Assign(std::string_view text) {
  length_ = std::min(text.size(), kCapacity - 1);
  std::memcpy(text_, text.data(), length_);
  text_[length_] = '\0';
}

void PrintTo(const ShortText& text, std::ostream* os) {
  *os << '"' << text.view() << '"';
}

}  // namespace quoril
