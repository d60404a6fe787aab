// The tray menu and the settings wait for the picker's drag to end; the
// main thread does not. What was asked is held back until the picker
// reports that its last drag ended, and dropped when that takes longer
// than kDragWaitMs, so a long drag still makes the request do nothing.
#pragma once

#include <windows.h>

using HeldAction = void (*)(HWND owner, int page);

inline constexpr UINT_PTR kDragWaitTimer = 40922;

// Runs action at once when no drag is in progress, else once the drag
// ends in time. A newer request takes the place of one held back.
void RunWhenNoDrag(HWND owner, HeldAction action, int page);
// UM_DRAGIDLE: the last drag ended.
void OnDragIdle(HWND owner);
// kDragWaitTimer: the drag outlasted the wait.
void DropHeldAction(HWND owner);
