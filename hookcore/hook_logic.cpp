#include "hookcore/hook_logic.h"

#include "hookcore/hook_messages.h"

namespace {

constexpr int kLeft = 0;
constexpr int kRight = 1;

// While the picker is hidden only the palette and show-picker shortcuts act,
// and the spuit too when it is allowed while suspended.
bool SlotActive(const HookConfig& c, int slot) {
  switch (c.suspendMode) {
    case kHookActive: return true;
    case kHookSuspendedWithSpuit: return slot == 0 || slot == 1 || slot == 4;
    default: return slot == 1 || slot == 4;
  }
}

bool Same(std::uint8_t flag, bool held) { return (flag != 0) == held; }

bool IsArrow(int vk) { return vk >= 37 && vk <= 40; }

std::uint32_t Pack(int low, int high) {
  return (static_cast<std::uint32_t>(low) & 0xFFFF) | (static_cast<std::uint32_t>(high) & 0xFFFF) << 16;
}

// Reports every set binding of code whose modifiers and held buttons are
// exactly the ones down. Returns whether any matched.
bool MatchBindings(HookState& s, const HookConfig& c, std::int32_t code, std::int32_t holder,
                   bool shift, bool ctrl, bool alt, bool lhold, bool rhold, HookOutcome& out) {
  bool matched = false;
  for (int slot = 0; slot < kHookSlots; ++slot) {
    const KeyBind& b = c.binds[slot];
    if (b.code == 0 || b.code != code || !SlotActive(c, slot)) continue;
    if (!Same(b.shift, shift) || !Same(b.ctrl, ctrl) || !Same(b.alt, alt) ||
        !Same(b.lhold, lhold) || !Same(b.rhold, rhold))
      continue;
    out.Add(HCN_SHORTCUT, static_cast<std::uint32_t>(slot), 0);
    s.holding[slot] = holder;
    matched = true;
  }
  return matched;
}

void ReleaseHolder(HookState& s, std::int32_t holder, HookOutcome& out) {
  for (int slot = 0; slot < kHookSlots; ++slot) {
    if (s.holding[slot] != holder) continue;
    s.holding[slot] = 0;
    out.Add(HCN_SHORTCUTUP, static_cast<std::uint32_t>(slot), 0);
  }
}

HookOutcome ButtonDown(HookState& s, const HookConfig& c, int button, int x, int y,
                       std::uint32_t time, HeldInput held) {
  HookOutcome out{};
  // A second press within the double-click time and rectangle is a double-click.
  bool isDouble = s.lastPressValid[button] && time - s.lastPressTime[button] <= c.doubleClickTime &&
                  x - s.lastPressX[button] <= c.doubleClickWidth / 2 &&
                  s.lastPressX[button] - x <= c.doubleClickWidth / 2 &&
                  y - s.lastPressY[button] <= c.doubleClickHeight / 2 &&
                  s.lastPressY[button] - y <= c.doubleClickHeight / 2;
  s.lastPressValid[button] = !isDouble;
  s.lastPressTime[button] = time;
  s.lastPressX[button] = x;
  s.lastPressY[button] = y;

  const std::int32_t holder = button == kLeft ? kBindLeftClick : kBindRightClick;
  const std::int32_t code = isDouble ? (button == kLeft ? kBindLeftDoubleClick : kBindRightDoubleClick)
                                     : holder;
  const bool lhold = button == kRight && held.left;
  const bool rhold = button == kLeft && held.right;
  const bool matched =
      MatchBindings(s, c, code, holder, held.shift, held.ctrl, held.alt, lhold, rhold, out);
  s.buttonSwallowed[button] = matched && c.nullOnShortcut;
  out.swallow = s.buttonSwallowed[button];
  out.maskAlt = out.swallow && held.alt;
  return out;
}

HookOutcome ButtonUp(HookState& s, int button) {
  HookOutcome out{};
  out.Add(HCN_BUTTONUP, button == kLeft ? 514u : 517u, 0);
  ReleaseHolder(s, button == kLeft ? kBindLeftClick : kBindRightClick, out);
  out.swallow = s.buttonSwallowed[button];
  s.buttonSwallowed[button] = false;
  return out;
}

}  // namespace

void HookOutcome::Add(unsigned message, std::uint32_t wParam, std::uint32_t lParam) {
  if (count < static_cast<int>(sizeof reports / sizeof reports[0]))
    reports[count++] = {message, wParam, lParam};
}

int NormaliseKey(int vk) {
  switch (vk) {
    case 160: case 161: return kBindShiftKey;
    case 162: case 163: return kBindCtrlKey;
    case 164: case 165: return kBindAltKey;
  }
  return vk;
}

HookOutcome OnKeyEvent(HookState& s, const HookConfig& c, int vk, bool down, HeldInput held) {
  HookOutcome out{};
  vk = NormaliseKey(vk) & 0xFF;
  if (!down) {
    s.keyDown[vk] = false;
    ReleaseHolder(s, vk, out);
    out.swallow = s.keySwallowed[vk];
    s.keySwallowed[vk] = false;
    return out;
  }

  const bool repeat = s.keyDown[vk];
  s.keyDown[vk] = true;
  // Arrow keys move the cursor while zooming, on every repeat too.
  if (IsArrow(vk) && c.zoom && c.arrowMove && c.suspendMode == kHookActive) {
    out.Add(HCN_ZOOMINPUT, 1, static_cast<std::uint32_t>(vk));
    if (c.nullOnZoom && !repeat) s.keySwallowed[vk] = true;
    out.swallow = s.keySwallowed[vk];
    out.maskAlt = out.swallow && !repeat && held.alt;
    return out;
  }
  if (repeat) {
    out.swallow = s.keySwallowed[vk];  // a held key reports nothing new
    return out;
  }
  const bool matched = MatchBindings(s, c, vk, vk, held.shift && vk != kBindShiftKey,
                                     held.ctrl && vk != kBindCtrlKey, held.alt && vk != kBindAltKey,
                                     held.left, held.right, out);
  s.keySwallowed[vk] = matched && c.nullOnShortcut;
  out.swallow = s.keySwallowed[vk];
  out.maskAlt = out.swallow && held.alt && vk != kBindAltKey;
  return out;
}

HookOutcome OnMouseEvent(HookState& s, const HookConfig& c, MouseEvent event, int x, int y,
                         std::uint32_t time, int wheelDelta, HeldInput held) {
  switch (event) {
    case MouseEvent::Move: {
      // In every mode: a hidden picker still follows drags and samples for
      // the spuit; it decides itself what a move means.
      HookOutcome out{};
      out.Add(HCN_MOUSEMOVE, 0, Pack(x, y));
      return out;
    }
    case MouseEvent::LeftDown: return ButtonDown(s, c, kLeft, x, y, time, held);
    case MouseEvent::RightDown: return ButtonDown(s, c, kRight, x, y, time, held);
    case MouseEvent::LeftUp: return ButtonUp(s, kLeft);
    case MouseEvent::RightUp: return ButtonUp(s, kRight);
    case MouseEvent::Wheel: {
      HookOutcome out{};
      if (c.zoom && c.wheelZoom && c.suspendMode == kHookActive) {
        out.Add(HCN_ZOOMINPUT, 0, Pack(0, wheelDelta));
        out.swallow = c.nullOnZoom;
        out.maskAlt = out.swallow && held.alt;
      }
      return out;
    }
    case MouseEvent::Other: break;
  }
  return HookOutcome{};
}
