// Every custom window message of velun, its libraries and the hook core,
// decimal from WM_USER + 100. A number means something only to its
// receiving window class, and within one class it has one meaning.
#pragma once

// The main window ("zq_velun").
inline constexpr unsigned UM_PICKERFAILED = 1125;  // picker thread, posted
inline constexpr unsigned UM_OPENSETTINGS = 1126;  // a second instance or the palette window; wParam the page
inline constexpr unsigned UM_TRAYNOTIFY = 1127;    // the tray icon; lParam the mouse message
inline constexpr unsigned UM_RUNSHORTCUT = 1129;   // picker thread, posted; wParam the slot
inline constexpr unsigned UM_HDRCHANGED = 1135;    // picker thread, posted: the tray tip follows pickerOnHdr
inline constexpr unsigned UM_DRAGIDLE = 1136;      // picker thread, posted: the last drag ended

// The palette window ("zq_velun_palette"), posted, never sent: lParam the
// colour, wParam's low word the palette, its high word the move mode.
inline constexpr unsigned PM_ADDCOLOR = 1128;  // picker thread

// The picker window ("zq_velun_picker").
inline constexpr unsigned UM_CLOSEPICKER = 1124;  // main window, sent: the picker thread ends
// Other threads ask the picker thread for what only it may change.
inline constexpr unsigned UM_SWITCHTIMER = 1130;  // posted; wParam on
inline constexpr unsigned UM_MOVEPICKER = 1131;   // sent: MovePicker
inline constexpr unsigned UM_RESIZEPICKER = 1132;  // sent: UpdatePickerSize
inline constexpr unsigned UM_REATTACH = 1133;      // posted: the hook core attached anew
inline constexpr unsigned UM_COREACTION = 1134;    // sent; wParam attach (1) or release (-1)
// The hook core's reports.
inline constexpr unsigned HCN_MOUSEMOVE = 1174;   // lParam: x low 16 bits, y high 16 bits
inline constexpr unsigned HCN_BUTTONUP = 1175;    // wParam: 514 or 517
inline constexpr unsigned HCN_SHORTCUT = 1176;    // wParam: slot
inline constexpr unsigned HCN_SHORTCUTUP = 1177;  // wParam: slot
inline constexpr unsigned HCN_ZOOMINPUT = 1178;   // wParam 0: wheel, delta in lParam's high word;
                                                  // wParam 1: arrow key, lParam 37-40

// The key-bind control ("zq_keybind"), sent by the settings dialog.
inline constexpr unsigned KBM_GETBIND = 1124;  // lParam: KeyBind* to fill
inline constexpr unsigned KBM_SETBIND = 1125;  // lParam: const KeyBind* to take
