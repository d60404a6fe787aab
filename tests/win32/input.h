// Real input for tests: SendInput goes through the system's input queue,
// low-level hooks and key state, exactly like a user's keys and clicks.
#pragma once

#include <windows.h>

#include <initializer_list>

void KeyDown(WORD vk);
void KeyUp(WORD vk);
void Tap(WORD vk);
// Taps vk times while modifier is held, in one injection: Wine sets the modifiers from the X
// keymap when one of its windows takes the X focus, which may come between two calls.
void Chord(WORD modifier, WORD vk, int times = 1);
// The same with any modifiers, its messages left for the caller.
void InjectChord(std::initializer_list<WORD> held, WORD vk, int times = 1);

enum class Button { Left, Right };
// The pointer is placed with SetCursorPos, which raises no hook event.
void PointAt(int x, int y);
void ButtonDown(Button b);
void ButtonUp(Button b);
void Click(Button b);
// A pointer move reported like a user's (absolute, on the primary screen).
// Under Wine's virtual desktop the X pointer does not follow an injected
// move: GetCursorPos gives the new position only for about 100 ms, then the
// X pointer's again. Check what a move did right after it.
void MoveMouse(int x, int y);
void Wheel(int delta);

// Lets go of Shift, Ctrl, Alt and both buttons, so tests leave no key held.
void ReleaseEverything();

// The centre of a window on the screen.
POINT CentreOf(HWND hwnd);
