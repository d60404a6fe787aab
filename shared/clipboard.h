// Putting text on the clipboard, for the spuit and the palette window.
#pragma once

#include <windows.h>

// Replaces the clipboard's contents with text as CF_TEXT, owner holding the
// clipboard meanwhile. False, the clipboard untouched or emptied, when
// memory or the clipboard cannot be had.
bool PutTextOnClipboard(HWND owner, const char* text);
