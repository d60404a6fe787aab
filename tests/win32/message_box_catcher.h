// Records every message box this thread opens and closes it at once, so a
// test never blocks on one.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct CaughtBox {
  std::string text;
  std::string caption;
  HWND owner;
};

class MessageBoxCatcher {
 public:
  // answer: the button to press (IDYES, ...); by default OK, else No.
  explicit MessageBoxCatcher(int answer = 0);
  ~MessageBoxCatcher();
  MessageBoxCatcher(const MessageBoxCatcher&) = delete;
  MessageBoxCatcher& operator=(const MessageBoxCatcher&) = delete;

  const std::vector<CaughtBox>& boxes() const;

 private:
  HHOOK hook_;
};
