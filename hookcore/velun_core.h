// The seven functions of the hook core VELUN.DLL, as the program imports
// them. All arguments are 32-bit, C calling convention.
#pragma once

#include <windows.h>

extern "C" {
// Attaches the hooks; reports then go to window. Negative when refused.
int __cdecl __SetVelunCore(HWND window);
// Removes the hooks: no report, no swallowed input until the next attach.
int __cdecl __ReleaseVelunCore();
// 0 exactly while not attached.
int __cdecl __GetVelunCore();
// 0 active, 1 suspended with the spuit allowed, 2 suspended.
int __cdecl __SetVelunSuspend(int mode);
// A KeyBind as its three 32-bit words, then the slot 0-4.
int __cdecl __SetVelunShortcut(DWORD word0, DWORD word1, DWORD word2, int slot);
int __cdecl __SetVelunNullMsg(int onShortcut, int onZoom);
int __cdecl __SetVelunZoom(int zoom, int wheel, int arrow, int toggle);
}
