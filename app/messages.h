// The program's own window messages. A number means something only to its
// receiving window class.
#pragma once

inline constexpr unsigned UM_CLOSEPICKER = 1124;   // main window -> picker (sent)
inline constexpr unsigned UM_PICKERFAILED = 1125;  // picker thread -> main window (posted)
inline constexpr unsigned UM_OPENSETTINGS = 1126;  // second instance -> main window
inline constexpr unsigned UM_TRAYNOTIFY = 1127;    // tray icon -> main window
inline constexpr unsigned PM_ADDCOLOR = 1128;      // picker thread -> palette window (posted)
