#include "settings/settings_state.h"

#include "resources/wide_text.h"

HWND settingsPages[kPageCount + 1] = {};
HWND settingsTab = nullptr;
PaletteHeader workPalettes[kPaletteCount] = {};
int shownPalette = 0;
WorkRanges workRanges = {};

void ReportNoMemory() { MessageBoxSjis(SettingsFrame(), "メモリの確保に失敗しました", "エラー", MB_ICONERROR); }
