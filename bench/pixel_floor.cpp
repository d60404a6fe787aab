// The floor of the picker's idle cost: a program that does nothing but read
// one pixel of the screen on a 20 ms timer, as the picker's redraw timer
// does at range 1. Compared with velun by bench/idle_cpu.sh.
#include <windows.h>

namespace {
void CALLBACK ReadOnePixel(HWND, UINT, UINT_PTR, DWORD) {
  POINT p;
  GetCursorPos(&p);
  HDC screen = GetDC(nullptr);
  GetPixel(screen, p.x, p.y);
  ReleaseDC(nullptr, screen);
}
}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  SetTimer(nullptr, 0, 20, ReadOnePixel);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  return 0;
}
