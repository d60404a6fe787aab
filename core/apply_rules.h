// What "更新" enforces before it saves, without windows: the ranges of the
// numbers the dialog's edits set, and the lock check of the bindings.
#pragma once

#include "core/palette_model.h"
#include "core/settings.h"
#include "keybind/keybind.h"

// Replaces every number of the dialog's edits that lies outside its
// accepted range by its default (the limits of kControlBindings), the
// palette fields of both palettes. Nothing else is touched: the check boxes
// and the trackbar cannot leave their ranges, and settings the dialog does
// not show keep what a hand-edited file gave them.
void ValidateAppliedSettings(Settings& s, PaletteHeader (&headers)[kPaletteCount]);

// A bare left or right click (no modifier, no held button): swallowing it
// would leave the user no click at all.
bool IsLockRisk(const KeyBind& b);
// The first slot whose binding is a lock risk, or kNoLockRisk.
inline constexpr int kNoLockRisk = -1;
int FirstLockRisk(const KeyBind (&binds)[kSlotCount]);
