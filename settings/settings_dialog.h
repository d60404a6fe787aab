// The settings dialog: the main window's frame with its seven pages, opened
// filled from the settings and closed without keeping unapplied edits.
#pragma once

#include <windows.h>

#include "settings/settings_state.h"

// Takes the frame and makes its tabs; the pages follow on the first open.
void AttachSettingsFrame(HWND frame);
// Makes the pages inside the frame, once.
void CreateSettingsPages();
// Opens the dialog on tab index tab; does nothing while it is open.
void ShowSettingsDialog(int tab);
// Closes it (WM_CLOSE of the frame): edits that were not applied are lost.
void CloseSettingsDialog();
void LayoutSettingsDialog();
// Shows the page of the selected tab and hides the others.
void ShowSelectedPage();
// Selects the tab of page and shows that page.
void SelectSettingsPage(int page);
// Ctrl+Tab and Ctrl+Shift+Tab switch pages, as in every property sheet;
// true when msg was one of them.
bool TranslateSettingsKey(const MSG& msg);
