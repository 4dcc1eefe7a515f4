#include "res/win32/WindowPicture.h"

#include <cstdint>
#include <fstream>
#include <vector>

namespace quoril::win32 {

namespace {

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rows;  // bottom-up, 24 bits, rows padded to 4 bytes
};

int RowBytes(int width) {
  return (width * 3 + 3) & ~3;
}

// Copies the window's pixels, frame included, from its window device
// context: the window is brought to the top first so that nothing covers it.
bool TakePicture(HWND window, Picture& picture) {
  RECT r;
  if (!GetWindowRect(window, &r)) return false;
  picture.width = r.right - r.left;
  picture.height = r.bottom - r.top;
  if (picture.width <= 0 || picture.height <= 0) return false;
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = picture.width;
  info.bmiHeader.biHeight = picture.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  const HDC source = GetWindowDC(window);
  const HDC memory = CreateCompatibleDC(source);
  void* bits = nullptr;
  const HBITMAP bitmap = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bool taken = false;
  if (bitmap) {
    const HGDIOBJ old = SelectObject(memory, bitmap);
    taken = BitBlt(memory, 0, 0, picture.width, picture.height, source, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* first = static_cast<const std::uint8_t*>(bits);
    picture.rows.assign(first, first + RowBytes(picture.width) * picture.height);
    SelectObject(memory, old);
    DeleteObject(bitmap);
  }
  DeleteDC(memory);
  ReleaseDC(window, source);
  return taken;
}

template <typename T>
void Put(std::vector<std::uint8_t>& out, T value) {
  for (std::size_t i = 0; i < sizeof(T); ++i) {
    out.push_back(static_cast<std::uint8_t>(static_cast<std::uint64_t>(value) >> (8 * i)));
  }
}

}  // namespace

bool WriteWindowPicture(HWND window, const std::filesystem::path& file) {
  Picture picture;
  if (!TakePicture(window, picture)) return false;
  constexpr std::uint32_t kHeaders = 14 + 40;
  std::vector<std::uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  Put<std::uint32_t>(out, kHeaders + static_cast<std::uint32_t>(picture.rows.size()));
  Put<std::uint32_t>(out, 0);
  Put<std::uint32_t>(out, kHeaders);
  Put<std::uint32_t>(out, 40);
  Put<std::int32_t>(out, picture.width);
  Put<std::int32_t>(out, picture.height);
  Put<std::uint16_t>(out, 1);
  Put<std::uint16_t>(out, 24);
  for (int i = 0; i < 6; ++i) Put<std::uint32_t>(out, 0);
  out.insert(out.end(), picture.rows.begin(), picture.rows.end());
  std::ofstream stream(file, std::ios::binary);
  stream.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
  return static_cast<bool>(stream);
}

}  // namespace quoril::win32
