// The eyedropper: the current colour as SpuitFormat text on the clipboard.
#pragma once

#include <windows.h>

void Spuit();

// How the spuit sounds: MessageBeep, or a recorder in tests.
using BeepFn = BOOL(WINAPI*)(UINT type);
extern BeepFn spuitBeep;
