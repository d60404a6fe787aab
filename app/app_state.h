// Process-wide handles and flags of the application shell.
#pragma once

#include <windows.h>

// The program's module instance, stored by WinMain before anything else runs.
extern HINSTANCE appInstance;
extern HWND mainWindow;

// Reset only while the tray menu is open; the picker starts no drag then.
extern HANDLE menuIdleEvent;
// Set by the picker thread once the picker and the hook core are ready.
extern HANDLE pickerReadyEvent;
extern HANDLE pickerThread;
extern DWORD pickerThreadId;

// The user wants the palette window shown (tray item 1302, palette shortcut).
extern volatile int paletteWanted;

// user32's SetLayeredWindowAttributes, null where the system has none.
using SetLayeredWindowAttributesFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
extern SetLayeredWindowAttributesFn setLayeredWindowAttributes;
extern HMODULE user32Module;

// One of the program's icon resources at size × size pixels.
HICON LoadProgramIcon(int id, int size);
