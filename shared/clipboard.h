// Putting text on the clipboard, for the spuit and the palette window.
#pragma once

#include <windows.h>

// Replaces the clipboard's contents with text (Shift-JIS) as CF_TEXT, with
// the same text as CF_UNICODETEXT and CF_LOCALE Japanese, owner holding the
// clipboard meanwhile. False, the clipboard untouched or emptied, when
// memory or the clipboard cannot be had.
bool PutTextOnClipboard(HWND owner, const char* text);
