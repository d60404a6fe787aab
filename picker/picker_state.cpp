#include "picker/picker_state.h"

#include "core/dpi_scale.h"
#include "core/palette_model.h"
#include "core/settings.h"

HWND pickerWindow = nullptr;
std::atomic<int> pickerSuspended{-1};
std::atomic<int> pickerLocked{0};
std::atomic<int> zoomActive{0};
std::atomic<int> leftDrag{0};
std::atomic<int> rightDrag{0};
std::atomic<std::uint32_t> pickerColour{0};
std::atomic<std::uint32_t> pickerTextColour{0};
POINT cursorPosition = {};
POINT clientPosition = {};
int pickerWidth = 0;
int pickerHeight = 0;
int pickerDpi = kBaseDpi;
HFONT pickerFont = nullptr;
RECT pickerRect = {};
bool pickerHiddenFromCapture = false;

const RECT* PickerPixels() {
  if (Suspended() || pickerHiddenFromCapture || pickerRect.right <= pickerRect.left) return nullptr;
  return &pickerRect;
}
std::atomic<int> settingsOpen{0};
HANDLE dragIdleEvent = nullptr;
HANDLE pickerReadyEvent = nullptr;
HANDLE menuIdleEvent = nullptr;
SetLayeredWindowAttributesFn setLayeredWindowAttributes = nullptr;
PickerShell pickerShell = {};
CursorReader readCursorPos = GetCursorPos;

int CurrentRange() { return currentRangeSize; }

std::atomic<int> pickerOnHdr{0};

FormatInput SampleInput(std::uint32_t colour) {
  const std::int64_t reference = SpuitReference();
  return {colour, cursorPosition.x, cursorPosition.y, clientPosition.x, clientPosition.y, CurrentRange(),
          settings.ZoomLevel, reference >= 0, static_cast<std::uint32_t>(reference & 0xFFFFFF), pickerOnHdr != 0};
}

bool Suspended() { return pickerSuspended != 0; }
bool Dragging() { return leftDrag || rightDrag; }

bool OnPickerThread() {
  return GetWindowThreadProcessId(pickerWindow, nullptr) == GetCurrentThreadId();
}

bool HandedToPickerThread(HWND window, UINT message, WPARAM wParam, bool wait) {
  if (OnPickerThread()) return false;
  if (wait) SendMessageW(window, message, wParam, 0);
  else PostMessageW(window, message, wParam, 0);
  return true;
}

