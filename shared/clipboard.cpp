#include "shared/clipboard.h"

#include <cstring>

bool PutTextOnClipboard(HWND owner, const char* text) {
  const std::size_t size = std::strlen(text) + 1;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
  if (memory == nullptr) return false;
  void* locked = GlobalLock(memory);
  if (locked != nullptr) {
    std::memcpy(locked, text, size);
    GlobalUnlock(memory);
  }
  if (locked == nullptr || !OpenClipboard(owner)) {
    GlobalFree(memory);
    return false;
  }
  EmptyClipboard();
  const bool set = SetClipboardData(CF_TEXT, memory) != nullptr;
  if (!set) GlobalFree(memory);  // still ours then
  CloseClipboard();
  return set;
}
