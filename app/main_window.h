// The main window: the hidden frame of the settings dialog, owner of the
// tray icon; its destruction is the program's orderly shutdown.
#pragma once

#include <windows.h>

LRESULT CALLBACK MainWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// 0; -1 no window; -2 no palette window; -3 no picker thread.
int InitMainWindow(HWND window);

extern const char kPickerFailedText[];
extern const char kErrorCaption[];
