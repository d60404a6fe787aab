#include "config/settings_store.h"

#include <windows.h>

#include "config/file_store.h"
#include "core/settings_file.h"

namespace {
HWND placementWindow = nullptr;
std::string chosenDirectory;
std::string Directory() { return chosenDirectory.empty() ? DataDirectory() : chosenDirectory; }
}  // namespace

void SetPlacementWindow(HWND window) { placementWindow = window; }

const char kSaveFailedText[] = "設定の保存に失敗しました";
const char kSaveFailedCaption[] = "ぬべら";

void LoadSettingsIn(const std::string& directory) {
  FileStore store(directory);
  store.RemoveStaleFiles();
  LoadSettingsFrom(store);
}

void SaveSettingsIn(const std::string& directory) {
  FileStore store(directory);
  // The palette window's normal rectangle, also while it is hidden or minimised.
  PalettePlacement placement = {};
  WINDOWPLACEMENT wp = {};
  wp.length = sizeof wp;
  const bool placed = placementWindow != nullptr && GetWindowPlacement(placementWindow, &wp);
  if (placed) {
    placement = {wp.rcNormalPosition.left, wp.rcNormalPosition.top, wp.rcNormalPosition.right,
                 wp.rcNormalPosition.bottom};
  }
  if (!SaveSettingsTo(store, placed ? &placement : nullptr))
    MessageBoxA(nullptr, kSaveFailedText, kSaveFailedCaption, MB_ICONERROR);
}

void UseDataDirectory(const std::string& directory) { chosenDirectory = directory; }
void LoadSettings() { LoadSettingsIn(Directory()); }
void SaveSettings() { SaveSettingsIn(Directory()); }
