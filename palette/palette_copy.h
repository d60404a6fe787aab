// Copying the selected colour of the palette window to the clipboard.
#pragma once

// The copied colour; -1 when nothing (valid) is selected or the clipboard
// cannot be had, -2 when the chosen format is empty.
int CopyPaletteColor();
// Command 1344: the copy and its report, a message box for a failure or a
// pop-out text in the status bar.
void CopyAndReport();
