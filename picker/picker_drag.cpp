#include "picker/picker_drag.h"

#include <atomic>

#include "picker/picker_state.h"

namespace {

// Whether mouse button vk is down now. The picker thread reads no mouse
// messages of its own, and GetKeyState follows only those; the physical
// state has the buttons the right way round once swapped buttons are undone.
bool ButtonHeld(int vk) {
  if (GetSystemMetrics(SM_SWAPBUTTON)) vk = vk == VK_LBUTTON ? VK_RBUTTON : VK_LBUTTON;
  return (GetAsyncKeyState(vk) & 0x8000) != 0;
}

bool MenuIdle() { return WaitForSingleObject(menuIdleEvent, 0) == WAIT_OBJECT_0; }

bool StartDrag(std::atomic<int>& flag, const std::atomic<int>& other) {
  if (!other) ResetEvent(dragIdleEvent);
  flag = 1;
  return true;
}

bool EndDrag(std::atomic<int>& flag) {
  flag = 0;
  return true;
}

}  // namespace

bool StartHeldDrags() {
  if (pickerLocked || !MenuIdle()) return false;
  bool started = false;
  if (ButtonHeld(VK_LBUTTON) && !leftDrag) started = StartDrag(leftDrag, rightDrag);
  if (ButtonHeld(VK_RBUTTON) && !rightDrag) started = StartDrag(rightDrag, leftDrag) || started;
  return started;
}

bool EndDragOf(WPARAM button) {
  if (button == WM_LBUTTONUP && leftDrag) return EndDrag(leftDrag);
  if (button == WM_RBUTTONUP && rightDrag) return EndDrag(rightDrag);
  return false;
}

bool EndReleasedDrags() {
  bool ended = false;
  if (leftDrag && !ButtonHeld(VK_LBUTTON)) ended = EndDrag(leftDrag);
  if (rightDrag && !ButtonHeld(VK_RBUTTON)) ended = EndDrag(rightDrag) || ended;
  return ended;
}
