// An off-screen bitmap of a given size in its own device context, for
// reading back what a paint function drew.
#pragma once

#include <windows.h>

class MemoryCanvas {
 public:
  MemoryCanvas(int w, int h) : w_(w), h_(h) {
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, w, h);
    old_ = SelectObject(dc_, bitmap_);
    ReleaseDC(nullptr, screen);
  }
  ~MemoryCanvas() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  MemoryCanvas(const MemoryCanvas&) = delete;
  MemoryCanvas& operator=(const MemoryCanvas&) = delete;

  HDC dc() const { return dc_; }
  int width() const { return w_; }
  int height() const { return h_; }
  COLORREF at(int x, int y) const { return GetPixel(dc_, x, y); }

 private:
  int w_, h_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
};
