// The picker: the borderless window beside the cursor, on a thread of its
// own, and the switches the main thread calls.
#pragma once

#include <windows.h>

DWORD WINAPI PickerThreadMain(LPVOID parameter);
// 0, or
enum CreatePickerStatus { kPickerCoreRefused = -1, kPickerNoWindow = -2 };
int CreatePicker(HWND parent);
LRESULT CALLBACK PickerWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

void MovePicker(HWND window);
void PickerTick();
void SetPickerTimer(int on);
// coreAction: 0 none, positive attach the hook core, negative release it.
void SetPickerSuspend(int suspend, int coreAction);
void SetPickerLock(int on);
void SetPickerZoom(int on);
void SetPickerLayered(int on);
void OnShortcut(unsigned slot);
// Attaches the hook core anew if it is meant to be attached: after sleep
// or a locked session Windows may have dropped its hooks.
void ReattachHookCore();

// Whether the picker stays hidden whatever else: not wanted, the settings
// or a menu open, or the palette window shown and hiding it.
bool PickerHiddenByChoice();
