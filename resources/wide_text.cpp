#include "resources/wide_text.h"

#include <vector>

std::wstring Widen(const std::string& text) {
  if (text.empty()) return L"";
  const int size = static_cast<int>(text.size());
  const int n = MultiByteToWideChar(kTextCodePage, 0, text.data(), size, nullptr, 0);
  if (n <= 0) return L"";
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(kTextCodePage, 0, text.data(), size, wide.data(), n);
  return wide;
}

std::string Narrow(const std::wstring& text, bool* whole) {
  if (whole != nullptr) *whole = true;
  if (text.empty()) return "";
  const int size = static_cast<int>(text.size());
  // No best fit: a character without its own Shift-JIS form must be seen as
  // missing, not turned into a look-alike.
  BOOL lost = FALSE;
  const int n = WideCharToMultiByte(kTextCodePage, WC_NO_BEST_FIT_CHARS, text.data(), size, nullptr, 0, "?", &lost);
  if (n <= 0) {
    if (whole != nullptr) *whole = false;
    return "";
  }
  std::string narrow(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(kTextCodePage, WC_NO_BEST_FIT_CHARS, text.data(), size, narrow.data(), n, "?", &lost);
  if (whole != nullptr) *whole = lost == FALSE;
  return narrow;
}

BOOL SetWindowTextSjis(HWND window, const std::string& text) { return SetWindowTextW(window, Widen(text).c_str()); }

int MessageBoxSjis(HWND owner, const std::string& text, const std::string& caption, UINT type) {
  return MessageBoxW(owner, Widen(text).c_str(), Widen(caption).c_str(), type);
}

std::string WindowTextSjis(HWND window, bool* whole) {
  const int length = GetWindowTextLengthW(window);
  std::vector<wchar_t> text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
  GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
  return Narrow(text.data(), whole);
}
