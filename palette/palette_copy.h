// Copying the selected colour of the palette window to the clipboard.
#pragma once

// The copied colour, or
enum CopyStatus {
  kCopyFailed = -1,       // nothing (valid) is selected, or the clipboard cannot be had
  kCopyEmptyFormat = -2,  // the chosen format is empty
};
int CopyPaletteColor();
// Command 1344, Enter and a double click: the copy and its report, a
// message box for a failure or a pop-out text in the status bar; nothing
// at all without a selection.
void CopyAndReport();
