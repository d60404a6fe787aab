#include "app/settings_store.h"

#include <windows.h>

#include "app/file_store.h"
#include "app/settings_file.h"
#include "palette/palette_window.h"

const char kSaveFailedText[] = "設定の保存に失敗しました";
const char kSaveFailedCaption[] = "ぬべら";

void LoadSettingsIn(const std::string& directory) {
  FileStore store(directory);
  LoadSettingsFrom(store);
}

void SaveSettingsIn(const std::string& directory) {
  FileStore store(directory);
  // The palette window's normal rectangle, also while it is hidden or minimised.
  PalettePlacement placement = {};
  WINDOWPLACEMENT wp = {};
  wp.length = sizeof wp;
  const bool placed = paletteWindow != nullptr && GetWindowPlacement(paletteWindow, &wp);
  if (placed) {
    placement = {wp.rcNormalPosition.left, wp.rcNormalPosition.top, wp.rcNormalPosition.right,
                 wp.rcNormalPosition.bottom};
  }
  if (!SaveSettingsTo(store, placed ? &placement : nullptr))
    MessageBoxA(nullptr, kSaveFailedText, kSaveFailedCaption, MB_ICONERROR);
}

void LoadSettings() { LoadSettingsIn(DataDirectory()); }
void SaveSettings() { SaveSettingsIn(DataDirectory()); }
