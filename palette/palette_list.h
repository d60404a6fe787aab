// The palette window's list of colours and its status bar.
#pragma once

#include <windows.h>

#include <string>

#include "core/palette_model.h"

// The palette of the selected tab: 0 spuit, 1 collect.
int SelectedPalette();
// Refills the list with palette's count items at its item height; 0, or
// kNoSuchPalette.
int FillPaletteList(int palette);
// The status bar from the selected tab's palette and the list's selection.
void UpdatePaletteStatus();
// What the last command did, in the status bar's first part, which spans
// the whole bar until the status is next rewritten.
void ReportOnPaletteStatus(const std::string& text);
// Parts 1 and 2 as wide as their widest texts in the bar's font, part 0
// the rest; again whenever the bar's size or font changes.
void LayoutPaletteStatus();
// One item: number, outlined swatch and (from item height 20) its text.
void DrawPaletteItem(const DRAWITEMSTRUCT& item);
// Repaints every visible item at once.
void RepaintPaletteList();
// The palette model's change handler: keeps the list and the status bar of
// a shown palette in step. Installed by the shell at start-up.
void OnPaletteChanged(int palette, PaletteChange change);
