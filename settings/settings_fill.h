// Filling the settings pages from the live settings when the dialog opens,
// and the palette page's fields from and into the working copies.
#pragma once

// Every page by the control-to-setting map; makes the working copies.
void FillSettingsPages();
// The fields of the palette chosen in the combo box, from workPalettes; it
// becomes shownPalette.
void LoadPaletteFields();
// The fields into workPalettes[shownPalette].
void StorePaletteFields();
// The four fields follow the check box "このパレットを有効にする"; the
// spuit palette has no threshold.
void EnablePaletteFields();
// The transparency track bar's position as a percentage beside it.
void ShowLayeredPercent();
