// What "更新" enforces before it saves, without windows: the ranges of the
// numbers the dialog's edits set, and the lock check of the bindings.
#pragma once

#include "config/settings.h"
#include "keybind/keybind.h"
#include "palette/palette_model.h"

// Replaces every value outside its accepted range by its default, in this
// order: CursorMarginX, CursorMarginY, WindowMarginX, WindowMarginY,
// Threshold-Text, both palettes' capacity, checkRange, threshold and
// itemHeight, ZoomLevel, ZoomRect. Nothing else is touched: the check
// boxes and the trackbar cannot leave their ranges, and settings the
// dialog does not show keep what a hand-edited file gave them.
void ValidateAppliedSettings(Settings& s, PaletteHeader (&headers)[kPaletteCount]);

// A bare left or right click (no modifier, no held button): swallowing it
// would leave the user no click at all.
bool IsLockRisk(const KeyBind& b);
// The first slot whose binding is a lock risk, or -1.
int FirstLockRisk(const KeyBind (&binds)[kSlotCount]);
