// Moving every setting between memory and a data store.
#pragma once

#include "core/data_store.h"

// Where the palette window stands when it exists; its normal rectangle.
struct PalettePlacement {
  int left, top, right, bottom;
};

// Reads velun.ini, pickfmt.dat, palette.dat, range.dat and keycfg.dat; what
// is missing gets its default.
void LoadSettingsFrom(DataStore& store);

// Writes them all, every step even after a failure. X, Y, CX and CY come
// from placement when given. False when a data file could not be written.
bool SaveSettingsTo(DataStore& store, const PalettePlacement* placement);
