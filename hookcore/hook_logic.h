// What the hook core makes of one keyboard or mouse event: which reports it
// posts and whether the event is kept from other programs. No Windows here,
// so every rule is tested natively.
#pragma once

#include <cstdint>

#include "keybind/keybind.h"

inline constexpr int kHookSlots = 5;

struct HookConfig {
  KeyBind binds[kHookSlots];
  bool nullOnShortcut;
  bool nullOnZoom;
  bool zoom;
  bool wheelZoom;
  bool arrowMove;
  bool toggleZoom;
  int suspendMode;
  std::uint32_t doubleClickTime;  // ms
  int doubleClickWidth;           // the rectangle a second press must fall in
  int doubleClickHeight;
};

// Which modifiers and buttons were down just before the event.
struct HeldInput {
  bool shift, ctrl, alt, left, right;
};

// Kept across events, on the hook thread only.
struct HookState {
  bool keyDown[256];
  bool keySwallowed[256];     // its press was kept back: so are its repeats and release
  std::int32_t holding[kHookSlots];  // the key or click button holding a slot, 0 none
  bool buttonSwallowed[2];
  bool lastPressValid[2];
  std::uint32_t lastPressTime[2];
  int lastPressX[2], lastPressY[2];
};

struct HookReport {
  unsigned message;
  std::uint32_t wParam;
  std::uint32_t lParam;
};

struct HookOutcome {
  HookReport reports[kHookSlots + 2];
  int count;
  bool swallow;
  // A press kept back while Alt is down: the focused window would see Alt
  // pressed and released alone and make its menu bar active, so the core
  // sends a key that means nothing in between.
  bool maskAlt;
  void Add(unsigned message, std::uint32_t wParam, std::uint32_t lParam);
};

enum class MouseEvent { Move, LeftDown, LeftUp, RightDown, RightUp, Wheel, Other };

// Sided modifier codes (160-165) become 16, 17 and 18.
int NormaliseKey(int vk);

HookOutcome OnKeyEvent(HookState& state, const HookConfig& config, int vk, bool down,
                       HeldInput held);
HookOutcome OnMouseEvent(HookState& state, const HookConfig& config, MouseEvent event, int x,
                         int y, std::uint32_t time, int wheelDelta, HeldInput held);
