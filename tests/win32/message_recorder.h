// Windows that write down the messages they receive, for tests that check
// what was posted or what input arrived.
#pragma once

#include <windows.h>

#include <vector>

struct Recorded {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

class RecorderWindow {
 public:
  // Records messages from first to last; visible windows take the focus.
  RecorderWindow(UINT first, UINT last, bool visible);
  ~RecorderWindow();
  RecorderWindow(const RecorderWindow&) = delete;
  RecorderWindow& operator=(const RecorderWindow&) = delete;

  HWND hwnd() const { return hwnd_; }
  std::vector<Recorded> Take();  // the messages so far, after dispatching pending ones
  bool Received(UINT message, WPARAM wParam);

 private:
  static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  HWND hwnd_ = nullptr;
  UINT first_, last_;
  std::vector<Recorded> log_;
};
