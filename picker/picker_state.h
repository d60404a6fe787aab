// The picker's shared state: what the picker thread and the main thread
// both read. The picker window, its painting and the spuit include this,
// not each other. Each value is one word, read and written whole.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>

#include "core/format.h"
#include "resources/messages.h"

extern HWND pickerWindow;
extern std::atomic<int> pickerSuspended;  // -1 until the first switch, then 0 shown or 1 hidden
extern std::atomic<int> pickerLocked;
extern std::atomic<int> zoomActive;
extern std::atomic<int> leftDrag;
extern std::atomic<int> rightDrag;

// The last sample and where it was taken.
extern std::atomic<std::uint32_t> pickerColour;
extern std::atomic<std::uint32_t> pickerTextColour;
extern POINT cursorPosition;  // screen
extern POINT clientPosition;  // in the window under the cursor
extern int pickerWidth;
extern int pickerHeight;
// Whether the monitor under the cursor shows HDR (advanced colour): screen
// reads there are lighter than the source. Picker thread writes.
extern std::atomic<int> pickerOnHdr;
// The DPI of the monitor the picker is on and its font, made for that DPI.
// Picker thread; the margins and the zoom view's sizes scale by it.
extern int pickerDpi;
extern HFONT pickerFont;
// Where the picker stands on the screen, and whether screen reads see it
// (no one may sample the picker itself). Picker thread.
extern RECT pickerRect;
extern bool pickerHiddenFromCapture;
// The picker's own pixels as screen reads would see them, or null when they
// see none (the picker hidden, or kept out of screen reads by Windows).
const RECT* PickerPixels();

// How the picker reads the cursor position: GetCursorPos, or a stand-in in
// tests. FALSE when it cannot be read; the point is then not to be used.
using CursorReader = BOOL(WINAPI*)(POINT*);
extern CursorReader readCursorPos;

// Set by the settings dialog while it is open: the picker is suspended and
// ignores its shortcuts.
extern std::atomic<int> settingsOpen;

// Reset by the picker thread while a drag is in progress.
extern HANDLE dragIdleEvent;
// Made by the shell; set by the picker thread once the picker and the hook
// core are ready.
extern HANDLE pickerReadyEvent;
// Made by the shell and reset while its tray menu is open: no drag starts then.
extern HANDLE menuIdleEvent;
// How long the tray menu or the settings wait for a drag to end.
inline constexpr DWORD kDragWaitMs = 5000;

// user32's SetLayeredWindowAttributes, looked up by the shell at start-up;
// null where the system has none.
using SetLayeredWindowAttributesFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
extern SetLayeredWindowAttributesFn setLayeredWindowAttributes;

// What only the shell may do, asked from the picker thread. The shell
// installs these before it starts the picker thread; they run on the
// picker thread, so they only post to the main thread.
struct PickerShell {
  void (*pickerFailed)();              // the picker could not be created
  void (*runShortcut)(unsigned slot);  // the palette and show-picker shortcuts
  void (*hdrChanged)();                // pickerOnHdr changed: the tray tip says so
  void (*dragEnded)();                 // the last drag ended: what waited for it may go on
};
extern PickerShell pickerShell;

// The side of the square that is averaged: the current range entry.
int CurrentRange();
// What the picker's and the spuit's formats expand: colour with the last
// sample's place, the current range, the zoom level, the reference colour
// (the spuit palette's newest) and whether the screen is HDR.
FormatInput SampleInput(std::uint32_t colour);
bool Suspended();
bool OnPickerThread();
// Called on another thread, a call goes to the picker thread as message:
// sent and waited for, or posted. True when it went, and the caller returns.
bool HandedToPickerThread(HWND window, UINT message, WPARAM wParam, bool wait);
bool Dragging();
