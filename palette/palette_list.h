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
// What the last command did, in the status bar's first part.
void ReportOnPaletteStatus(const std::string& text);
// One item: number, outlined swatch and (from item height 20) its text.
void DrawPaletteItem(const DRAWITEMSTRUCT& item);
// Repaints every visible item at once.
void RepaintPaletteList();
// The palette model's change handler: keeps the list and the status bar of
// a shown palette in step. Installed by the shell at start-up.
void OnPaletteChanged(int palette, PaletteChange change);
