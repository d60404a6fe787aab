#include "store/settings_store.h"

#include <windows.h>

#include "store/file_store.h"
#include "core/dpi_scale.h"
#include "core/settings_file.h"
#include "shared/dpi.h"

namespace {
HWND placementWindow = nullptr;
std::wstring chosenDirectory;
std::wstring Directory() { return chosenDirectory.empty() ? ProgramDirectory() : chosenDirectory; }
}  // namespace

void SetPlacementWindow(HWND window) { placementWindow = window; }

const char kSaveFailedText[] = "設定の保存に失敗しました";
const char kSaveFailedCaption[] = "ぬべら";

void LoadSettingsIn(const std::wstring& directory) {
  FileStore store(directory);
  store.RemoveStaleFiles();
  LoadSettingsFrom(store);
}

void SaveSettingsIn(const std::wstring& directory) {
  FileStore store(directory);
  // The palette window's normal rectangle, also while it is hidden or minimised.
  PalettePlacement placement = {};
  WINDOWPLACEMENT wp = {};
  wp.length = sizeof wp;
  const bool placed = placementWindow != nullptr && GetWindowPlacement(placementWindow, &wp);
  if (placed) {
    // The place in physical pixels, the size at 100 %, as the other sizes.
    const RECT& r = wp.rcNormalPosition;
    const int dpi = WorkspaceDpiAt(r.left, r.top);  // as RestorePlace scales it
    placement = {r.left, r.top, r.left + UnscaleFromDpi(r.right - r.left, dpi),
                 r.top + UnscaleFromDpi(r.bottom - r.top, dpi)};
  }
  if (!SaveSettingsTo(store, placed ? &placement : nullptr))
    MessageBoxSjis(nullptr, kSaveFailedText, kSaveFailedCaption, MB_ICONERROR);
}

void LoadSettingsIn(const std::string& directory) { LoadSettingsIn(Widen(directory)); }
void SaveSettingsIn(const std::string& directory) { SaveSettingsIn(Widen(directory)); }
void UseDataDirectory(const std::string& directory) { chosenDirectory = Widen(directory); }
void LoadSettings() { LoadSettingsIn(Directory()); }
void SaveSettings() { SaveSettingsIn(Directory()); }
