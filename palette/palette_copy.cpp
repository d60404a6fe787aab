#include "palette/palette_copy.h"

#include <windows.h>

#include <commctrl.h>

#include "core/palette_model.h"
#include "core/palette_text.h"
#include "core/settings.h"
#include "palette/palette_list.h"
#include "palette/palette_state.h"
#include "resources/wide_text.h"
#include "shared/clipboard.h"

int CopyPaletteColor() {
  const Palette& p = palettes[SelectedPalette()];
  const int selection = static_cast<int>(SendMessageW(paletteList, LB_GETCURSEL, 0, 0));
  if (selection < 0 || selection >= p.header.count || p.entries == nullptr) return kCopyFailed;
  const std::uint32_t c = p.entries[selection];
  char text[kTransferTextSize];
  if (!TransferText(c, settings.NotationSpuit, settings.SpuitFormat, text)) return kCopyEmptyFormat;
  if (!PutTextOnClipboard(paletteWindow, text)) return kCopyFailed;
  if (settings.BeepOnSpuit) MessageBeep(MB_OK);
  return static_cast<int>(c);
}

void CopyAndReport() {
  // A double click on empty list space, or Enter with nothing selected:
  // nothing was asked for, so nothing happens and nothing is said.
  if (SendMessageW(paletteList, LB_GETCURSEL, 0, 0) < 0) return;
  switch (CopyPaletteColor()) {
    case kCopyFailed: MessageBoxSjis(paletteWindow, "クリップボードへの転送に失敗しました", "エラー", MB_ICONERROR); break;
    case kCopyEmptyFormat: ReportOnPaletteStatus("フォーマットが空です"); break;
    default: ReportOnPaletteStatus("転送しました"); break;
  }
}
