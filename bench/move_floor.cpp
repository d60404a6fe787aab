// The floor of velun's move latency: for each move report it is sent, it
// reads the pixel under the cursor, moves a topmost tool window of the
// picker's size beside it and repaints text on that colour in it, the way
// any picker must. Run: move_floor.exe WIDTH HEIGHT
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "hookcore/hook_messages.h"

namespace {
constexpr char kClass[] = "velun_move_floor";
// velun's default distance from the cursor.
constexpr int kMarginX = 20;
constexpr int kMarginY = 10;

HDC screen = nullptr;
HFONT font = nullptr;

void Paint(HWND window, COLORREF colour) {
  RECT client;
  GetClientRect(window, &client);
  char text[16];
  const int length = std::snprintf(text, sizeof text, "#%02X%02X%02X", GetRValue(colour), GetGValue(colour),
                                   GetBValue(colour));
  HDC dc = GetDC(window);
  HGDIOBJ oldFont = SelectObject(dc, font);
  SetBkColor(dc, colour);
  SetTextColor(dc, GetRValue(colour) + GetGValue(colour) + GetBValue(colour) > 384 ? RGB(0, 0, 0)
                                                                                    : RGB(255, 255, 255));
  ExtTextOutA(dc, 4, 4, ETO_OPAQUE, &client, text, static_cast<UINT>(length), nullptr);
  SelectObject(dc, oldFont);
  ReleaseDC(window, dc);
  ValidateRect(window, nullptr);  // all of it is drawn: no WM_PAINT to follow
}

void OnMove(HWND window, LPARAM at) {
  const int x = static_cast<short>(LOWORD(at));
  const int y = static_cast<short>(HIWORD(at));
  const COLORREF colour = GetPixel(screen, x, y);
  SetWindowPos(window, HWND_TOP, x + kMarginX, y + kMarginY, 0, 0,
               SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOSENDCHANGING | SWP_NOCOPYBITS);
  Paint(window, colour);
}

LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case HCN_MOUSEMOVE: OnMove(window, lParam); return 0;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      BeginPaint(window, &ps);
      EndPaint(window, &ps);
      Paint(window, RGB(255, 255, 255));
      return 0;
    }
    case WM_DESTROY: PostQuitMessage(0); return 0;
  }
  return DefWindowProcA(window, msg, wParam, lParam);
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  const int width = __argc > 2 ? std::atoi(__argv[1]) : 120;
  const int height = __argc > 2 ? std::atoi(__argv[2]) : 60;
  WNDCLASSA wc = {};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = kClass;
  if (!RegisterClassA(&wc)) return 1;
  NONCLIENTMETRICSA metrics = {};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  font = CreateFontIndirectA(&metrics.lfMessageFont);
  screen = GetDC(nullptr);
  HWND window = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kClass, "", WS_POPUP | WS_BORDER | WS_VISIBLE,
                                0, 0, width, height, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 1;
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  ReleaseDC(nullptr, screen);
  DeleteObject(font);
  return 0;
}
