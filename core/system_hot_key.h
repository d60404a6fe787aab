// Which shortcuts the system can watch as a registered hot key. Windows lets
// a program bring its window to the front when it receives its own hot key,
// never for input a low-level hook saw; but a hot key is a key with Shift,
// Ctrl and Alt, and other programs never see it.
#pragma once

#include "keybind/keybind.h"

// RegisterHotKey's modifier flags.
inline constexpr unsigned kHotKeyAlt = 0x0001;
inline constexpr unsigned kHotKeyCtrl = 0x0002;
inline constexpr unsigned kHotKeyShift = 0x0004;
inline constexpr unsigned kHotKeyNoRepeat = 0x4000;

struct SystemHotKey {
  bool fits;
  unsigned modifiers;  // the flags above; a held key does not repeat it
  unsigned key;        // the virtual-key code
};

// A binding fits when it is a key other than a modifier by itself, with no
// button held, and shortcuts are kept from other programs anyway
// (swallowed); clicks and the rest stay with the hook core.
SystemHotKey SystemHotKeyFor(const KeyBind& bind, bool swallowed);
