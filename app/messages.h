// The main window's own messages. A number means something only to its
// receiving window class.
#pragma once

inline constexpr unsigned UM_PICKERFAILED = 1125;  // picker thread -> main window (posted)
inline constexpr unsigned UM_OPENSETTINGS = 1126;  // wParam the page: a second instance (0), the palette window (1)
inline constexpr unsigned UM_TRAYNOTIFY = 1127;    // tray icon -> main window
inline constexpr unsigned UM_RUNSHORTCUT = 1129;   // picker thread -> main window (posted): wParam the slot
