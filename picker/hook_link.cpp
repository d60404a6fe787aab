#include "picker/hook_link.h"

#include <cstring>

#include "core/settings.h"
#include "hookcore/velun_core.h"
#include "picker/picker_state.h"

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

namespace {

// Windows removes a low-level hook without notice when it once answers too
// slowly, and hooks have been seen gone after sleep or a locked session.
constexpr DWORD kLostAfterMs = 1500;

// Picker thread: whether the program has the hook core attached, and the
// last move report, where and when.
bool coreWanted = false;
POINT lastReportAt = {};
DWORD lastReportTick = 0;

}  // namespace

bool AttachHookCore(HWND window) {
  coreWanted = true;
  lastReportTick = GetTickCount();
  if (!readCursorPos(&lastReportAt)) lastReportAt = cursorPosition;
  return __SetVelunCore(window) >= 0;
}

void ReleaseHookCore() {
  coreWanted = false;
  __ReleaseVelunCore();
}

void AttachHookCoreAgain(HWND window) {
  if (!coreWanted) return;
  __ReleaseVelunCore();
  AttachHookCore(window);
}

void NoteMoveReport(POINT where) {
  lastReportAt = where;
  lastReportTick = GetTickCount();
}

void WatchHookCore(HWND window) {
  POINT now;
  if (!coreWanted || !readCursorPos(&now)) return;
  if (now.x == lastReportAt.x && now.y == lastReportAt.y) {
    lastReportTick = GetTickCount();
    return;
  }
  if (GetTickCount() - lastReportTick > kLostAfterMs) AttachHookCoreAgain(window);
}
