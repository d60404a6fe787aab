// The range page: adding, modifying and deleting entries of the working
// copy of the range list, with the list box beside it.
#pragma once

#include <windows.h>

INT_PTR CALLBACK RangePage(HWND page, UINT msg, WPARAM wParam, LPARAM lParam);
