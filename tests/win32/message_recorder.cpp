#include "message_recorder.h"

#include "test_window.h"

namespace {
constexpr char kClassName[] = "velun_test_recorder";
}

RecorderWindow::RecorderWindow(UINT first, UINT last, bool visible) : first_(first), last_(last) {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = WndProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = kClassName;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  RegisterClassA(&wc);
  hwnd_ = CreateWindowExA(0, kClassName, "recorder", WS_OVERLAPPEDWINDOW, 200, 200, 300, 200,
                          nullptr, nullptr, GetModuleHandleA(nullptr), this);
  if (visible) {
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
    SetFocus(hwnd_);
  }
  PumpMessages(50);
  log_.clear();
}

RecorderWindow::~RecorderWindow() { DestroyWindow(hwnd_); }

std::vector<Recorded> RecorderWindow::Take() {
  PumpMessages(40);
  std::vector<Recorded> taken;
  taken.swap(log_);
  return taken;
}

bool RecorderWindow::Received(UINT message, WPARAM wParam) {
  for (const Recorded& r : Take())
    if (r.message == message && r.wParam == wParam) return true;
  return false;
}

LRESULT CALLBACK RecorderWindow::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
  }
  auto* self = reinterpret_cast<RecorderWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (self != nullptr && msg >= self->first_ && msg <= self->last_)
    self->log_.push_back({msg, wParam, lParam});
  // No menu mode from Alt: the tests press it often.
  if (msg == WM_SYSKEYDOWN || msg == WM_SYSKEYUP || msg == WM_SYSCHAR) return 0;
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}
