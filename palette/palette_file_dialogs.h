// The palette window's files in and out: the selected tab's palette
// exported through the save dialog, and a palette file imported into it
// through the open dialog.
#pragma once

#include <windows.h>

// Command 1350: asks for a file and writes the palette there whole. The
// chosen file type decides the format; a name without its extension gets
// it.
void ExportPaletteFile(HWND owner);
// Command 1351: asks for a file and adds its colours as if picked from its
// last to its first, so the list shows them in the file's order; reports
// what was added and skipped in the status bar. A file that is not what it
// claims to be is refused with a message and changes nothing.
void ImportPaletteFile(HWND owner);

// The dialogs' titles, by which tests find them.
extern const wchar_t kExportTitle[];
extern const wchar_t kImportTitle[];
