// A top-most window that covers the whole screen and paints a known
// picture, so tests can read the screen and know what they should see.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

// The colour (0x00BBGGRR) the pattern window shows at screen point (x, y).
using ScreenPicture = std::function<std::uint32_t(int x, int y)>;

class PatternWindow {
 public:
  explicit PatternWindow(ScreenPicture picture);
  ~PatternWindow();
  PatternWindow(const PatternWindow&) = delete;
  PatternWindow& operator=(const PatternWindow&) = delete;

  HWND hwnd() const { return hwnd_; }
  // What the window shows at screen point (x, y); white off the screen,
  // as the screen gives it.
  std::uint32_t Expected(int x, int y) const;

 private:
  static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void Paint(HDC dc) const;

  ScreenPicture picture_;
  RECT screen_ = {};
  HWND hwnd_ = nullptr;
};

// Dispatches this thread's messages for about ms milliseconds.
void PumpMessages(DWORD ms);

// Polls predicate, dispatching messages, for at most ms; true once it held.
template <typename F>
bool WaitUntil(F&& predicate, DWORD ms = 5000) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (predicate()) return true;
    if (GetTickCount() - start > ms) return false;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    Sleep(20);
  }
}

