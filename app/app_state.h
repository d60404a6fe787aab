// Process-wide handles of the program.
#pragma once

#include <windows.h>

// The program's module instance, stored by WinMain before anything else runs.
extern HINSTANCE appInstance;
