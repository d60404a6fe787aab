// The dialog procedures of the seven settings pages.
#pragma once

#include <windows.h>

INT_PTR CALLBACK PickerPage(HWND page, UINT msg, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK PalettePage(HWND page, UINT msg, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK ZoomPage(HWND page, UINT msg, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK LayeredPage(HWND page, UINT msg, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK KeyPage(HWND page, UINT msg, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK OtherPage(HWND page, UINT msg, WPARAM wParam, LPARAM lParam);

// One tool per control of the run first-last: its tip is the string with the
// control's number, and a control without such a string shows none.
void AttachPageTooltips(HWND page, int first, int last);
