#include "picker/hook_link.h"

#include <cstring>

#include "core/settings.h"
#include "hookcore/velun_core.h"

void PassShortcutToHookCore(int slot, const KeyBind& bind) {
  DWORD words[3];
  std::memcpy(words, &bind, sizeof words);
  __SetVelunShortcut(words[0], words[1], words[2], slot);
}

void PassSettingsToHookCore(int zoom) {
  for (int slot = 0; slot < kSlotCount; ++slot)
    PassShortcutToHookCore(slot, slot == kSlotPalette && paletteHotKeyHeld ? KeyBind{} : keyBinds[slot]);
  __SetVelunNullMsg(settings.NullMsgOnShortcut, settings.NullMsgOnZoom);
  __SetVelunZoom(zoom, settings.ChangeZoomLevelByWheel, settings.AdjustCurPosByArrow,
                 settings.UseToggleForZoom);
}
