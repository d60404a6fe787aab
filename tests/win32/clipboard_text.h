// The text on the clipboard, as another program would paste it.
#pragma once

#include <windows.h>

#include <string>

// "<busy>" while another window holds the clipboard open, "<none>" without
// a CF_TEXT item.
inline std::string ClipboardText() {
  if (!OpenClipboard(nullptr)) return "<busy>";
  std::string text = "<none>";
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const char* p = static_cast<const char*>(GlobalLock(data))) text = p;
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}
