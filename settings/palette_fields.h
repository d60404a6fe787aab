// The palette page's fields, which show the palette chosen in its combo
// box: from and into the working copies of the palette headers.
#pragma once

// The fields of the palette chosen in the combo box, from workPalettes; it
// becomes shownPalette.
void LoadPaletteFields();
// The four fields follow the check box "このパレットを有効にする"; the
// spuit palette has no threshold.
void EnablePaletteFields();
// The fields into workPalettes[shownPalette].
void StorePaletteFields();
