#include "input.h"

#include <vector>

#include "test_window.h"

namespace {

void Send(INPUT in) {
  SendInput(1, &in, sizeof(INPUT));
  PumpMessages(30);
}

INPUT KeyInput(WORD vk, DWORD flags) {
  INPUT in = {};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
  in.ki.dwFlags = flags;
  return in;
}

INPUT MouseInput(DWORD flags) {
  INPUT in = {};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = flags;
  return in;
}

}  // namespace

void KeyDown(WORD vk) { Send(KeyInput(vk, 0)); }
void KeyUp(WORD vk) { Send(KeyInput(vk, KEYEVENTF_KEYUP)); }
void Tap(WORD vk) {
  KeyDown(vk);
  KeyUp(vk);
}

void InjectChord(std::initializer_list<WORD> held, WORD vk, int times) {
  std::vector<INPUT> keys;
  for (WORD k : held) keys.push_back(KeyInput(k, 0));
  for (int i = 0; i < times; ++i) {
    keys.push_back(KeyInput(vk, 0));
    keys.push_back(KeyInput(vk, KEYEVENTF_KEYUP));
  }
  for (WORD k : held) keys.push_back(KeyInput(k, KEYEVENTF_KEYUP));
  SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
}

void Chord(WORD modifier, WORD vk, int times) {
  InjectChord({modifier}, vk, times);
  PumpMessages(30);
}

void PointAt(int x, int y) {
  SetCursorPos(x, y);
  PumpMessages(20);
}

void ButtonDown(Button b) {
  Send(MouseInput(b == Button::Left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN));
}
void ButtonUp(Button b) {
  Send(MouseInput(b == Button::Left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP));
}
void Click(Button b) {
  ButtonDown(b);
  ButtonUp(b);
}

void MoveMouse(int x, int y) {
  INPUT in = MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE);
  const int w = GetSystemMetrics(SM_CXSCREEN);
  const int h = GetSystemMetrics(SM_CYSCREEN);
  // Normalised coordinates: 0-65535 across the primary screen, rounded up
  // so that they land on the intended pixel.
  in.mi.dx = (x * 65536 + w - 1) / w;
  in.mi.dy = (y * 65536 + h - 1) / h;
  Send(in);
}

void Wheel(int delta) {
  INPUT in = MouseInput(MOUSEEVENTF_WHEEL);
  in.mi.mouseData = static_cast<DWORD>(delta);
  Send(in);
}

void ReleaseEverything() {
  for (WORD vk : {VK_SHIFT, VK_CONTROL, VK_MENU})
    if (GetAsyncKeyState(vk) & 0x8000) KeyUp(vk);
  if (GetAsyncKeyState(VK_LBUTTON) & 0x8000) ButtonUp(Button::Left);
  if (GetAsyncKeyState(VK_RBUTTON) & 0x8000) ButtonUp(Button::Right);
}

POINT CentreOf(HWND hwnd) {
  RECT r;
  GetWindowRect(hwnd, &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}
