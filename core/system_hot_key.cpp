#include "core/system_hot_key.h"

namespace {

// Shift, Ctrl and Alt by themselves, either side.
bool IsModifier(int code) {
  return code == kBindShiftKey || code == kBindCtrlKey || code == kBindAltKey || (code >= 160 && code <= 165);
}

}  // namespace

SystemHotKey SystemHotKeyFor(const KeyBind& bind, bool swallowed) {
  if (!swallowed || bind.code < 1 || bind.code > 255 || IsModifier(bind.code) || bind.lhold != 0 ||
      bind.rhold != 0)
    return {false, 0, 0};
  unsigned modifiers = kHotKeyNoRepeat;
  if (bind.alt != 0) modifiers |= kHotKeyAlt;
  if (bind.ctrl != 0) modifiers |= kHotKeyCtrl;
  if (bind.shift != 0) modifiers |= kHotKeyShift;
  return {true, modifiers, static_cast<unsigned>(bind.code)};
}
