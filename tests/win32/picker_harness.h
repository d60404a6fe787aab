// The picker started and ended as the shell does it, for tests and
// benchmarks: the caller has loaded the settings and made menuIdleEvent.
#pragma once

#include <windows.h>

// The picker thread once the picker is ready and shown (or hidden, as
// ShowPicker says); null when it could not be created.
HANDLE StartPickerThread();
// Closes the picker and waits for its thread; false if it did not end.
bool StopPickerThread(HANDLE thread);
