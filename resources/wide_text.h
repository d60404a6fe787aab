// The program's texts are Shift-JIS byte strings whatever the system's code
// page; they cross to Windows as UTF-16, converted here with code page 932
// and never with the system's (CP_ACP is 1252 on an English Windows and
// 65001 under the UTF-8 option).
#pragma once

#include <windows.h>

#include <string>

inline constexpr UINT kTextCodePage = 932;

// Shift-JIS text as UTF-16.
std::wstring Widen(const std::string& text);
// UTF-16 text as Shift-JIS. A character Shift-JIS cannot hold becomes '?';
// whole, when given, tells whether there was none.
std::string Narrow(const std::wstring& text, bool* whole = nullptr);

// The wide functions, taking Shift-JIS.
BOOL SetWindowTextSjis(HWND window, const std::string& text);
int MessageBoxSjis(HWND owner, const std::string& text, const std::string& caption, UINT type);
// A window's whole text as Shift-JIS; whole as with Narrow.
std::string WindowTextSjis(HWND window, bool* whole = nullptr);
