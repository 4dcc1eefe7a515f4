#pragma once
// What the fuzz targets assert besides "no crash, no sanitizer report".

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <bit>
#include <cstdio>
#include <cstdlib>

#include "app/ShortText.h"

#define FUZZ_CHECK(condition)                                                            \
  do {                                                                                   \
    if (!(condition)) {                                                                  \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                      \
    }                                                                                    \
  } while (false)

namespace quoril::fuzz {

// A double from eight bytes: every value, NaN and the infinities included.
inline double AnyDouble(FuzzedDataProvider& data) {
  std::array<unsigned char, sizeof(double)> bytes{};
  data.ConsumeData(bytes.data(), bytes.size());
  return std::bit_cast<double>(bytes);
}

// A text is always terminated within its buffer and says how long it is.
inline bool WellFormed(const ShortText& text) {
  return text.size() < ShortText::kCapacity && text.c_str()[text.size()] == '\0';
}

}  // namespace quoril::fuzz
