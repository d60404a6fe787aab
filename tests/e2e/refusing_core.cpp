// A stand-in for VELUN.DLL that refuses every attach, so a test can see how
// the program takes a hook core that will not install its hooks.
#include <windows.h>

extern "C" {
int __cdecl SetVelunCore(HWND) { return -1; }
int __cdecl ReleaseVelunCore() { return 0; }
int __cdecl GetVelunCore() { return 0; }
int __cdecl SetVelunSuspend(int) { return 0; }
int __cdecl SetVelunShortcut(DWORD, DWORD, DWORD, int) { return 0; }
int __cdecl SetVelunNullMsg(int, int) { return 0; }
int __cdecl SetVelunZoom(int, int, int, int) { return 0; }
}
