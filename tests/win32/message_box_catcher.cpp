#include "message_box_catcher.h"

namespace {

std::vector<CaughtBox> caught;
int answer = 0;

LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    HWND box = reinterpret_cast<HWND>(wParam);
    char cls[32] = {};
    GetClassNameA(box, cls, sizeof cls);
    if (lstrcmpA(cls, "#32770") == 0) {
      char caption[256] = {};
      char text[1024] = {};
      GetWindowTextA(box, caption, sizeof caption);
      GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the message's static control
      caught.push_back({text, caption, GetWindow(box, GW_OWNER)});
      if (answer != 0) {
        PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(answer), 0);
      } else {
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        PostMessageA(box, WM_COMMAND, IDNO, 0);
      }
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

MessageBoxCatcher::MessageBoxCatcher(int press) {
  caught.clear();
  answer = press;
  hook_ = SetWindowsHookExA(WH_CBT, CbtProc, nullptr, GetCurrentThreadId());
}

MessageBoxCatcher::~MessageBoxCatcher() { UnhookWindowsHookEx(hook_); }

const std::vector<CaughtBox>& MessageBoxCatcher::boxes() const { return caught; }
