// Process-wide handles of the application shell.
#pragma once

#include <windows.h>

extern HWND mainWindow;
extern HANDLE pickerThread;
extern DWORD pickerThreadId;
// user32, loaded by name for SetLayeredWindowAttributes.
extern HMODULE user32Module;
