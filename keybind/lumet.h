// The one export of lumet.dll: registers the key-bind control class
// "zq_keybind" for the given module. 0 on success, -1 on failure.
#pragma once

#include <windows.h>

extern "C" int __cdecl _InitKeyBindCtrl(HINSTANCE instance);
