#include "shared/clipboard.h"

#include <cstring>
#include <vector>

namespace {

// Movable memory holding size bytes of data, for the clipboard to own.
HGLOBAL GlobalCopy(const void* data, std::size_t size) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
  if (memory == nullptr) return nullptr;
  void* locked = GlobalLock(memory);
  if (locked == nullptr) {
    GlobalFree(memory);
    return nullptr;
  }
  std::memcpy(locked, data, size);
  GlobalUnlock(memory);
  return memory;
}

bool Put(UINT format, HGLOBAL memory) {
  if (memory == nullptr) return false;
  if (SetClipboardData(format, memory) != nullptr) return true;
  GlobalFree(memory);  // still ours then
  return false;
}

// The texts are Shift-JIS. Left to itself, Windows makes the Unicode text
// with the code page of the current keyboard layout, which garbles kanji
// under any other layout; so the Unicode text comes along, and the locale
// says what the bytes are.
constexpr UINT kTextCodePage = 932;
constexpr LCID kJapanese = 0x0411;

std::vector<wchar_t> Unicode(const char* text) {
  const int n = MultiByteToWideChar(kTextCodePage, 0, text, -1, nullptr, 0);
  std::vector<wchar_t> wide(n > 0 ? n : 1, L'\0');
  if (n > 0) MultiByteToWideChar(kTextCodePage, 0, text, -1, wide.data(), n);
  return wide;
}

}  // namespace

bool PutTextOnClipboard(HWND owner, const char* text) {
  HGLOBAL ansi = GlobalCopy(text, std::strlen(text) + 1);
  if (ansi == nullptr) return false;
  if (!OpenClipboard(owner)) {
    GlobalFree(ansi);
    return false;
  }
  EmptyClipboard();
  const bool set = Put(CF_TEXT, ansi);
  if (set) {
    const std::vector<wchar_t> wide = Unicode(text);
    Put(CF_UNICODETEXT, GlobalCopy(wide.data(), wide.size() * sizeof(wchar_t)));
    Put(CF_LOCALE, GlobalCopy(&kJapanese, sizeof kJapanese));
  }
  CloseClipboard();
  return set;
}
