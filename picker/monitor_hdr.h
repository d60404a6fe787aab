// Whether Windows shows a monitor in HDR (advanced colour): there it maps
// other programs' colours to its SDR white level, and screen reads come
// out lighter than the source.
#pragma once

#include <windows.h>

// False where Windows has no such question (before Windows 10, and under
// Wine, which answers it as unsupported): nothing changes there.
bool MonitorShowsHdr(HMONITOR monitor);
