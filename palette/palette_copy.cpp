#include "palette/palette_copy.h"

#include <windows.h>

#include <commctrl.h>

#include "config/settings.h"
#include "palette/palette_list.h"
#include "palette/palette_model.h"
#include "palette/palette_state.h"
#include "palette/palette_text.h"
#include "picker/clipboard.h"

namespace {

void StatusReport(const char* text) {
  SendMessageA(paletteStatus, SB_SETTEXTA, 0 | SBT_POPOUT, reinterpret_cast<LPARAM>(text));
}

}  // namespace

int CopyPaletteColor() {
  const Palette& p = palettes[SelectedPalette()];
  const int selection = static_cast<int>(SendMessageA(paletteList, LB_GETCURSEL, 0, 0));
  if (selection < 0 || selection >= p.header.count || p.entries == nullptr) return -1;
  const std::uint32_t c = p.entries[selection];
  char text[kTransferTextSize];
  if (!TransferText(c, settings.NotationSpuit, settings.SpuitFormat, text)) return -2;
  if (!PutTextOnClipboard(paletteWindow, text)) return -1;
  if (settings.BeepOnSpuit) MessageBeep(MB_OK);
  return static_cast<int>(c);
}

void CopyAndReport() {
  switch (CopyPaletteColor()) {
    case -1: MessageBoxA(paletteWindow, "クリップボードへの転送に失敗しました", "エラー", MB_ICONERROR); break;
    case -2: StatusReport("フォーマットが空です"); break;
    default: StatusReport("転送しました"); break;
  }
}
