#pragma once
// A short text in a fixed buffer: what a tick formats for one control. Kept
// off the heap so that a poll allocates nothing.

#include <cstdarg>
#include <cstddef>
#include <iosfwd>
#include <string_view>

namespace quoril {

class ShortText {
 public:
  static constexpr std::size_t kCapacity = 64;

  ShortText() = default;
  ShortText(std::string_view text) { Assign(text); }  // NOLINT: texts read as literals

  // printf-style formatting; the result is cut to fit.
  [[gnu::format(printf, 2, 3)]] void Format(const char* format, ...);
  // The same for the window's own formats whose redundant zero flag
  // ("%00.0f", "%02.0d") the compiler's format check rejects; they are kept
  // exactly as the windows have always used them.
  void FormatUnchecked(const char* format, ...);
  void Assign(std::string_view text);

  const char* c_str() const { return text_; }
  std::string_view view() const { return {text_, length_}; }
  std::size_t size() const { return length_; }
  bool empty() const { return length_ == 0; }

  friend bool operator==(const ShortText& a, const ShortText& b) { return a.view() == b.view(); }
  friend bool operator==(const ShortText& a, std::string_view b) { return a.view() == b; }

  // How test failures print it (found by argument-dependent lookup).
  friend void PrintTo(const ShortText& text, std::ostream* os);

 private:
  void FormatV(const char* format, va_list args);

  char text_[kCapacity] = {};
  std::size_t length_ = 0;
};

}  // namespace quoril
