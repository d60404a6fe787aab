#include "app/after_drag.h"

#include "picker/picker_state.h"

namespace {

HeldAction held = nullptr;
int heldPage = 0;

bool NoDrag() { return WaitForSingleObject(dragIdleEvent, 0) == WAIT_OBJECT_0; }

}  // namespace

void RunWhenNoDrag(HWND owner, HeldAction action, int page) {
  if (NoDrag()) {
    DropHeldAction(owner);  // its drag ended, but this request came later
    action(owner, page);
    return;
  }
  held = action;
  heldPage = page;
  SetTimer(owner, kDragWaitTimer, kDragWaitMs, nullptr);
}

void OnDragIdle(HWND owner) {
  if (held == nullptr || !NoDrag()) return;
  const HeldAction action = held;
  DropHeldAction(owner);
  action(owner, heldPage);
}

void DropHeldAction(HWND owner) {
  KillTimer(owner, kDragWaitTimer);
  held = nullptr;
}
