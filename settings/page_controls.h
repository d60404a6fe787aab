// Moving values in and out of the settings pages' controls: decimal text in
// edits, check boxes, texts cut to their storage, enabling.
#pragma once

#include <windows.h>

#include <cstdint>

struct ControlBinding;

void SetNumber(int page, int id, std::int32_t value);
// The edit's text, read up to limit bytes, as the settings loader converts it.
std::int32_t GetNumber(int page, int id, int limit);
void SetCheck(int page, int id, std::int32_t on);
// 1 when checked, else 0.
std::int32_t GetCheck(int page, int id);
// The control's text cut to size - 1 bytes, never inside a double-byte
// character; the rest of text is zero.
void GetText(int page, int id, char* text, int size);
// Whether every character of the control's text has a Shift-JIS form.
bool IsShiftJisText(HWND control);
// Tells the user that field holds such a character, which would be saved
// as '?'.
void ReportNotShiftJis(const char* field);
// Whether the control's text takes at most bytes in Shift-JIS, and the
// message when it takes more.
bool FitsShiftJisBytes(HWND control, int bytes);
void ReportTooLong(const char* field, int bytes);
void EnableControl(int page, int id, bool on);
// A bound control shows value (numbers, checks, radio groups, trackbars),
// or the text or key binding it is bound to.
void ShowBound(const ControlBinding& b, std::int32_t value);
// What a bound control holds now: the value, or 0 once its text or key
// binding is stored where the row points.
std::int32_t ReadBound(const ControlBinding& b);
// The range list box line of an entry: "%d ピクセル".
void InsertRangeLine(HWND list, int at, std::int32_t size);
