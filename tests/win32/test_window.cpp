#include "test_window.h"

#include <vector>

namespace {
constexpr char kClassName[] = "velun_test_pattern";
}

PatternWindow::PatternWindow(ScreenPicture picture) : picture_(std::move(picture)) {
  screen_.left = GetSystemMetrics(SM_XVIRTUALSCREEN);
  screen_.top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  screen_.right = screen_.left + GetSystemMetrics(SM_CXVIRTUALSCREEN);
  screen_.bottom = screen_.top + GetSystemMetrics(SM_CYVIRTUALSCREEN);

  WNDCLASSA wc = {};
  wc.lpfnWndProc = WndProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = kClassName;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  RegisterClassA(&wc);  // fails harmlessly when a previous test registered it

  hwnd_ = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kClassName, "", WS_POPUP,
                          screen_.left, screen_.top, screen_.right - screen_.left,
                          screen_.bottom - screen_.top, nullptr, nullptr,
                          GetModuleHandleA(nullptr), this);
  ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
  UpdateWindow(hwnd_);
  PumpMessages(300);
}

PatternWindow::~PatternWindow() {
  DestroyWindow(hwnd_);
  PumpMessages(50);
}

std::uint32_t PatternWindow::Expected(int x, int y) const {
  if (x < screen_.left || x >= screen_.right || y < screen_.top || y >= screen_.bottom)
    return 0xFFFFFFFF;
  return picture_(x, y);
}

void PatternWindow::Paint(HDC dc) const {
  const int width = screen_.right - screen_.left;
  const int height = screen_.bottom - screen_.top;
  std::vector<std::uint32_t> rows(static_cast<size_t>(width) * height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const std::uint32_t c = picture_(screen_.left + x, screen_.top + y);
      // DIB pixels are 0x00RRGGBB.
      rows[static_cast<size_t>(y) * width + x] =
          ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
    }
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  SetDIBitsToDevice(dc, 0, 0, width, height, 0, 0, 0, height, rows.data(), &info,
                    DIB_RGB_COLORS);
}

LRESULT CALLBACK PatternWindow::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_NCCREATE: {
      auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
      break;
    }
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      auto* self = reinterpret_cast<PatternWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
      if (self != nullptr) self->Paint(dc);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void PumpMessages(DWORD ms) {
  const DWORD start = GetTickCount();
  do {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(5);
  } while (GetTickCount() - start < ms);
}
