#include "app/app_state.h"

HINSTANCE appInstance = nullptr;
HWND mainWindow = nullptr;
HANDLE menuIdleEvent = nullptr;
HANDLE pickerReadyEvent = nullptr;
HANDLE pickerThread = nullptr;
DWORD pickerThreadId = 0;
volatile int paletteWanted = 0;
SetLayeredWindowAttributesFn setLayeredWindowAttributes = nullptr;
HMODULE user32Module = nullptr;

HICON LoadProgramIcon(int id, int size) {
  return static_cast<HICON>(LoadImageA(appInstance, MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0));
}
