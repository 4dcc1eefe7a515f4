#pragma once
// A picture of a window as it shows on the screen, frame included, written
// as a 24-bit .bmp file.

#include <windows.h>

#include <filesystem>

namespace quoril::win32 {

bool WriteWindowPicture(HWND window, const std::filesystem::path& file);

}  // namespace quoril::win32
