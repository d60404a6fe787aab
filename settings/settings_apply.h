// "更新": every control read back, validated, saved, and handed to the hook
// core, the picker and the palettes. The shell rebuilds the tray's range
// submenu once it returns.
#pragma once

void ApplySettings();

// The warning about a binding that would take every click from the user.
extern const char kLockRiskText[];
