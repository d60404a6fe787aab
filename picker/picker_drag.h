// Drags: while a mouse button is held down the picker hides, so that it
// covers nothing the user drags, and comes back when the button is up.
// Picker thread; the picker window hides and shows itself as they answer,
// and once the last drag has ended sets dragIdleEvent, which the main
// thread waits on.
#pragma once

#include <windows.h>

// At a move: a button held down, unless the picker is locked or a menu of
// the shell is open, starts its drag. True when one started.
bool StartHeldDrags();
// The hook core's button-up, WM_LBUTTONUP or WM_RBUTTONUP. True when it
// ended a drag.
bool EndDragOf(WPARAM button);
// An up the hook never reported (a hook dropped, the desktop switched,
// another program swallowed it) must not leave the picker hidden: a drag
// also ends once its button is seen up, at the next move or tick. True
// when one ended.
bool EndReleasedDrags();
