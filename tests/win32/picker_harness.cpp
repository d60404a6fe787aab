#include "picker_harness.h"

#include "core/settings.h"
#include "picker/picker_state.h"
#include "picker/picker_window.h"

HANDLE StartPickerThread() {
  pickerReadyEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  DWORD id = 0;
  HANDLE thread = CreateThread(nullptr, 0, PickerThreadMain, nullptr, 0, &id);
  if (thread == nullptr) return nullptr;
  const HANDLE waits[2] = {pickerReadyEvent, thread};
  WaitForMultipleObjects(2, waits, FALSE, 10000);
  CloseHandle(pickerReadyEvent);
  pickerReadyEvent = nullptr;
  if (pickerWindow == nullptr) {
    WaitForSingleObject(thread, 5000);
    CloseHandle(thread);
    return nullptr;
  }
  SetPickerSuspend(settings.ShowPicker ? 0 : 1, 0);
  return thread;
}

bool StopPickerThread(HANDLE thread) {
  if (pickerWindow != nullptr) SendMessageA(pickerWindow, UM_CLOSEPICKER, 0, 0);
  const bool ended = WaitForSingleObject(thread, 5000) == WAIT_OBJECT_0;
  CloseHandle(thread);
  return ended;
}
