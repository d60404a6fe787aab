// The picker: the borderless window beside the cursor, on a thread of its own.
#pragma once

#include <windows.h>

#include <cstdint>

// Shared by the picker thread and the main thread; each a single word.
extern HWND pickerWindow;
extern volatile int pickerSuspended;  // -1 until the first switch, then 0 shown or 1 hidden
extern volatile int pickerLocked;
extern volatile int zoomActive;
extern HANDLE dragIdleEvent;          // reset while a drag is in progress
// How long the main thread waits for a drag to end before the tray menu or
// the settings.
inline constexpr DWORD kDragWaitMs = 5000;
extern volatile std::uint32_t pickerColour;
extern volatile std::uint32_t pickerTextColour;
extern POINT cursorPosition;
extern POINT clientPosition;

DWORD WINAPI PickerThreadMain(LPVOID parameter);
// 0, -1 when the hook core refuses, -2 when the class cannot be registered.
int CreatePicker(HWND parent);
LRESULT CALLBACK PickerWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

void UpdatePickerSize(HWND window);
void MovePicker(HWND window);
void PickerTick();
void SetPickerTimer(int on);
// coreAction: 0 none, positive attach the hook core, negative release it.
void SetPickerSuspend(int suspend, int coreAction);
void SetPickerLock(int on);
void SetPickerZoom(int on);
void SetPickerLayered(int on);
void OnShortcut(unsigned slot);

// Whether the picker stays hidden whatever else: not wanted, the settings
// open, or the palette window shown and hiding it.
bool PickerHiddenByChoice();

// The side of the square that is averaged: the current range entry.
int CurrentRange();
