// The settings dialog's state: its pages, the working copies the pages
// edit, and which palette the palette page shows. Main thread only.
#pragma once

#include <windows.h>

#include "core/dialog_bindings.h"
#include "core/palette_model.h"
#include "core/range_edit.h"
#include "resources/resource.h"

// The seven pages in tab order, then the frame (the main window) itself.
extern HWND settingsPages[kPageCount + 1];
extern HWND settingsTab;
// The palette headers as the palette page edits them, taken whole at open.
extern PaletteHeader workPalettes[kPaletteCount];
extern int shownPalette;
extern WorkRanges workRanges;

inline HWND SettingsFrame() { return settingsPages[kPageCount]; }
inline HWND PageControl(int page, int id) { return GetDlgItem(settingsPages[page], id); }

// A copy of the range list could not be made; shown with the frame as
// owner and the caption "エラー".
void ReportNoMemory();
