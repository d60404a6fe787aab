// The program's module: where its resources (icons, menus, dialogs,
// strings) and its data files are found.
#pragma once

#include <windows.h>

// Stored by WinMain before anything else runs.
extern HINSTANCE appInstance;

// One of the program's icon resources at size × size pixels.
HICON LoadProgramIcon(int id, int size);
