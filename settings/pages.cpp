#include "settings/pages.h"

// The pages hold no controls yet; each takes the default focus handling.
namespace {
INT_PTR EmptyPage(UINT msg) { return msg == WM_INITDIALOG ? TRUE : FALSE; }
}  // namespace

INT_PTR CALLBACK PickerPage(HWND, UINT msg, WPARAM, LPARAM) { return EmptyPage(msg); }
INT_PTR CALLBACK PalettePage(HWND, UINT msg, WPARAM, LPARAM) { return EmptyPage(msg); }
INT_PTR CALLBACK ZoomPage(HWND, UINT msg, WPARAM, LPARAM) { return EmptyPage(msg); }
INT_PTR CALLBACK LayeredPage(HWND, UINT msg, WPARAM, LPARAM) { return EmptyPage(msg); }
INT_PTR CALLBACK RangePage(HWND, UINT msg, WPARAM, LPARAM) { return EmptyPage(msg); }
INT_PTR CALLBACK KeyPage(HWND, UINT msg, WPARAM, LPARAM) { return EmptyPage(msg); }
INT_PTR CALLBACK OtherPage(HWND, UINT msg, WPARAM, LPARAM) { return EmptyPage(msg); }
