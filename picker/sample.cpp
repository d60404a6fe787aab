#include "picker/sample.h"

#include <windows.h>

#include "core/colour.h"

namespace {

// One DIB section and memory DC for one read, released on every path.
struct DibSquare {
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ previous = nullptr;
  std::uint32_t* bits = nullptr;

  DibSquare(HDC screen, int size) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size;
    info.bmiHeader.biHeight = -size;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (bitmap == nullptr) return;
    dc = CreateCompatibleDC(screen);
    if (dc == nullptr) return;
    previous = SelectObject(dc, bitmap);
    bits = static_cast<std::uint32_t*>(pixels);
  }
  ~DibSquare() {
    if (dc != nullptr) {
      if (previous != nullptr) SelectObject(dc, previous);
      DeleteDC(dc);
    }
    if (bitmap != nullptr) DeleteObject(bitmap);
  }
  DibSquare(const DibSquare&) = delete;
  DibSquare& operator=(const DibSquare&) = delete;
  bool ok() const { return bits != nullptr; }
};

// The largest square whose DIB a 32-bit process can address.
constexpr int kMaxSampleSize = 16384;

}  // namespace

std::uint32_t SampleColour(int x, int y, int size, const RECT* leftOut) {
  if (size <= 0 || size > kMaxSampleSize) return kSampleFallback;
  HDC screen = GetDC(nullptr);
  if (screen == nullptr) return kSampleFallback;

  std::uint32_t colour = kSampleFallback;
  if (size == 1) {
    // One pixel is read fastest on its own (the real-time redraw and the
    // collect palette sample single pixels all the time).
    const std::uint32_t pixel = GetPixel(screen, x, y);
    colour = AveragePixels(&pixel, 1, PixelLayout::ColourRef);
  } else {
    DibSquare square(screen, size);
    if (square.ok()) {
      const int count = size * size;
      // Pixels the screen cannot give are white, as GetPixel's CLR_INVALID.
      for (int i = 0; i < count; ++i) square.bits[i] = 0x00FFFFFF;
      const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
      const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
      const SquareClip clip =
          ClipSquare(x, y, size, left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                     top + GetSystemMetrics(SM_CYVIRTUALSCREEN));
      bool read = true;
      if (clip.width > 0) {
        read = BitBlt(square.dc, clip.offsetX, clip.offsetY, clip.width, clip.height, screen,
                      clip.left, clip.top, SRCCOPY) != FALSE;
        GdiFlush();
      }
      SquareHole hole = {};
      if (leftOut != nullptr) {
        const int x0 = x - size / 2;  // the square's top-left, as ClipSquare places it
        const int y0 = y - size / 2;
        hole = {leftOut->left - x0, leftOut->top - y0, leftOut->right - x0, leftOut->bottom - y0};
      }
      if (read) colour = AverageOutside(square.bits, size, PixelLayout::Dib, hole);
    }
  }
  ReleaseDC(nullptr, screen);
  return colour;
}
