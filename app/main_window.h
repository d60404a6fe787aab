// The main window: the hidden frame of the settings dialog, owner of the
// tray icon; its destruction is the program's orderly shutdown.
#pragma once

#include <windows.h>

inline constexpr wchar_t kMainClass[] = L"zq_velun";

LRESULT CALLBACK MainWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// The class "zq_velun"; false when it cannot be registered.
bool RegisterMainWindowClass();
// The hidden frame from template 500; null when it cannot be made.
HWND CreateMainWindow();
// What the message loop asks before it dispatches a message: the settings
// dialog's keys, then the palette window's accelerators. True when taken.
bool TranslateProgramMessage(MSG& msg);
// 0, or one of these; a failure leaves nothing of what it made but the
// main window.
enum InitStatus { kInitNoWindow = -1, kInitNoPaletteWindow = -2, kInitNoPickerThread = -3 };
int InitMainWindow(HWND window);

// How the picker thread is started: CreateThread, or a stand-in in tests.
using ThreadStarter = HANDLE(WINAPI*)(LPSECURITY_ATTRIBUTES, SIZE_T, LPTHREAD_START_ROUTINE, LPVOID, DWORD,
                                      LPDWORD);
extern ThreadStarter startThread;

// The main thread's loop until WM_QUIT; its wParam, or -1 when getting a
// message failed. get is GetMessageW, or a stand-in in tests.
using MessageGetter = BOOL(WINAPI*)(MSG*, HWND, UINT, UINT);
int RunMessageLoop(MessageGetter get = GetMessageW);

extern const char kPickerFailedText[];
extern const char kErrorCaption[];
