// A colourful scene for pictures of the picker: hue and grey gradients,
// patches of colour, and fine detail for the zoom view. It covers the
// screen above the taskbar and stays until it is closed.
#include <windows.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

std::uint32_t Hue(double h, double v) {
  const double r = v * (0.5 + 0.5 * std::cos(h)), g = v * (0.5 + 0.5 * std::cos(h - 2.094)),
               b = v * (0.5 + 0.5 * std::cos(h + 2.094));
  return static_cast<std::uint32_t>(r * 255) << 16 | static_cast<std::uint32_t>(g * 255) << 8 |
         static_cast<std::uint32_t>(b * 255);
}

// The scene's pixel (x, y) of a w × h area, 0x00RRGGBB.
std::uint32_t Pixel(int x, int y, int w, int h) {
  if (y < h / 3) return Hue(6.283 * x / w, 0.55 + 0.45 * y / (h / 3.0));  // hues, darker above
  if (y < h / 3 + 40) {
    const std::uint32_t v = static_cast<std::uint32_t>(255 * x / w);
    return v << 16 | v << 8 | v;  // greys
  }
  if (x > w * 2 / 3) {
    // Fine detail: stripes, a checkerboard and a ring of single pixels.
    const int fx = x - w * 2 / 3, fy = y - h / 3 - 40;
    if (fy < 60) return (fx / 2 + fy / 2) % 2 ? 0xFFFFFF : 0x1A3C8C;
    if (fy < 120) return fx % 3 == 0 ? 0xE83030 : (fx % 3 == 1 ? 0x30C050 : 0x3050E8);
    const int cx = w / 6, cy = 160;
    const int d = (fx - cx) * (fx - cx) + (fy - cy) * (fy - cy);
    return d % 97 < 30 ? 0xFFD700 : 0x202838;
  }
  // Patches.
  static const std::uint32_t patches[] = {0xE63946, 0xF1FAEE, 0xA8DADC, 0x457B9D, 0x1D3557, 0xFFB703,
                                          0xFB8500, 0x8ECAE6, 0x219EBC, 0x023047, 0x2A9D8F, 0xE9C46A,
                                          0xF4A261, 0xE76F51, 0x264653, 0x6A4C93, 0xC77DFF, 0x80ED99};
  const int px = x * 6 / (w * 2 / 3), py = (y - h / 3 - 40) * 3 / (h - h / 3 - 40);
  return patches[(py * 6 + px) % 18];
}

void Paint(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  RECT r;
  GetClientRect(hwnd, &r);
  const int w = r.right, h = r.bottom;
  std::vector<std::uint32_t> rows(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) rows[static_cast<size_t>(y) * w + x] = Pixel(x, y, w, h);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  SetDIBitsToDevice(dc, 0, 0, w, h, 0, 0, 0, h, rows.data(), &info, DIB_RGB_COLORS);
  EndPaint(hwnd, &ps);
}

LRESULT CALLBACK SceneProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT: Paint(hwnd); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_DESTROY: PostQuitMessage(0); return 0;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = SceneProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = "velun_scene";
  RegisterClassA(&wc);
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  HWND hwnd = CreateWindowExA(0, wc.lpszClassName, "scene", WS_POPUP | WS_VISIBLE, work.left, work.top,
                              work.right - work.left, work.bottom - work.top, nullptr, nullptr, instance, nullptr);
  if (hwnd == nullptr) return 1;
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  return 0;
}
