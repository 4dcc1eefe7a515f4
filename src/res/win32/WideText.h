#pragma once
// The program's texts are UTF-8; the platform's wide calls take UTF-16.

#include <string>
#include <string_view>

namespace quoril::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace quoril::win32
