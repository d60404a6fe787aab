#include "app/app_state.h"

HWND mainWindow = nullptr;
HANDLE pickerThread = nullptr;
DWORD pickerThreadId = 0;
HMODULE user32Module = nullptr;
