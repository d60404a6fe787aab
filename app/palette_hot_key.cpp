#include "app/palette_hot_key.h"

#include "core/settings.h"
#include "core/system_hot_key.h"
#include "picker/hook_link.h"

static_assert(kHotKeyAlt == MOD_ALT && kHotKeyCtrl == MOD_CONTROL && kHotKeyShift == MOD_SHIFT &&
              kHotKeyNoRepeat == MOD_NOREPEAT);

namespace {

HWND hotKeyOwner = nullptr;

}  // namespace

void HoldPaletteHotKey(HWND owner) {
  DropPaletteHotKey();
  const SystemHotKey hotKey = SystemHotKeyFor(keyBinds[kSlotPalette], settings.NullMsgOnShortcut != 0);
  if (!hotKey.fits || !RegisterHotKey(owner, kPaletteHotKeyId, hotKey.modifiers, hotKey.key)) return;
  hotKeyOwner = owner;
  paletteHotKeyHeld = 1;
  PassShortcutToHookCore(kSlotPalette, KeyBind{});
}

void DropPaletteHotKey() {
  if (paletteHotKeyHeld.exchange(0) == 0) return;
  UnregisterHotKey(hotKeyOwner, kPaletteHotKeyId);
  hotKeyOwner = nullptr;
  PassShortcutToHookCore(kSlotPalette, keyBinds[kSlotPalette]);
}
