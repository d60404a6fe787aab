// The settings dialog: the main window's frame with its seven pages.
#pragma once

#include <windows.h>

#include <cstdint>

inline constexpr int kPageCount = 7;

// The seven pages in tab order, then the frame itself.
extern HWND settingsPages[kPageCount + 1];
extern HWND settingsTab;

// The working copy of the range list, made when the dialog opens.
struct WorkRanges {
  std::int32_t* sizes;
  std::int32_t count;
  std::int32_t index;
};
extern WorkRanges workRanges;

// Creates the tabs and pages inside the frame.
void CreateSettingsPages(HWND frame);
// Opens the dialog on tab index tab; does nothing while it is open.
void ShowSettingsDialog(int tab);
// Closes it (WM_CLOSE of the frame): edits that were not applied are lost.
void CloseSettingsDialog();
void LayoutSettingsDialog();
// Shows the page of the selected tab and hides the others.
void ShowSelectedPage();
