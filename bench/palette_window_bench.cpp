// The palette window under Wine: one repaint of a shown list of 1000
// colours, AddPaletteColor's worst case in this build, and a palette of
// 1000 colours exported and imported.
// Run: wine palette_window_bench.exe (with a display).
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <vector>

#include "common/memory_store.h"
#include "store/file_store.h"
#include "core/palette_exchange.h"
#include "core/palette_model.h"
#include "core/settings.h"
#include "core/settings_file.h"
#include "palette/palette_list.h"
#include "palette/palette_state.h"
#include "palette/palette_window.h"
#include "resources/program_module.h"
#include "timing.h"

int main() {
  appInstance = GetModuleHandleA(nullptr);
  MemoryStore none;
  LoadSettingsFrom(none);
  palettes[kCollectPalette].header = {0, 1000, 1000, 0, 20, 1};
  ReallocPalettes();
  SetPaletteChangedHandler(OnPaletteChanged);
  if (CreatePaletteWindow() != 0) {
    std::printf("no palette window\n");
    return 1;
  }
  for (std::uint32_t i = 0; i < 1000; ++i) AddPaletteColor(0x800000u + i * 7, kCollectPalette, 0);

  // The worst case on every mouse move: full, checking all 1000, a new colour.
  std::uint32_t colour = 0;
  const double add = MedianMs(2001, [&](int) {
                       for (int k = 0; k < 100; ++k) AddPaletteColor(colour++ & 0x7FFFFF, kCollectPalette, 0);
                     }) * 1000.0 / 100.0;
  std::printf("AddPaletteColor, full 1000, check range 1000, new colour (median, us)  %.2f\n", add);

  SendMessageA(paletteTab, TCM_SETCURSEL, kCollectPalette, 0);
  paletteWanted = 1;
  ShowPalette(1);
  for (int i = 0; i < 20; ++i) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    Sleep(10);
  }
  // A palette of 1000 colours out to a file and back, as the menu's export
  // and import do once the dialogs are answered: every format, written
  // whole, then read and added from the last colour to the first.
  std::vector<std::uint32_t> all(palettes[kCollectPalette].entries, palettes[kCollectPalette].entries + 1000);
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring file = std::wstring(temp) + L"velun-bench.gpl";
  const struct {
    PaletteFileType type;
    const char* name;
  } types[] = {{PaletteFileType::Gimp, "GIMP"}, {PaletteFileType::Ase, "ASE "}, {PaletteFileType::Css, "CSS "},
               {PaletteFileType::Json, "JSON"}, {PaletteFileType::Text, "text"}};
  for (const auto& t : types) {
    const double out = MedianMs(21, [&](int) { WriteWholeFile(file, ExportPalette(t.type, all, "#%rx%gx%bx")); });
    std::printf("export of 1000 colours, %s, written whole (median of 21, ms)       %.2f\n", t.name, out);
  }
  WriteWholeFile(file, ExportPalette(PaletteFileType::Gimp, all, ""));
  const double in = MedianMs(21, [&](int) {
    ClearPalette(kCollectPalette);
    const auto bytes = ReadWholeFile(file);
    const PaletteImport read = ImportPalette(PaletteFileType::Gimp, bytes->data(), bytes->size());
    const std::vector<std::uint32_t> oldestFirst(read.colours.rbegin(), read.colours.rend());
    AddPaletteColors(oldestFirst.data(), static_cast<int>(oldestFirst.size()), kCollectPalette, 0);
  });
  std::printf("import of 1000 colours from a GIMP palette into the shown list (median of 21, ms)  %.2f\n", in);
  DeleteFileW(file.c_str());

  const int items = static_cast<int>(SendMessageA(paletteList, LB_GETCOUNT, 0, 0));
  const double repaint = MedianMs(301, [](int) { RedrawWindow(paletteList, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); });
  std::printf("repaint of the shown list of %d colours (median of 301, ms)            %.3f\n", items, repaint);
  DestroyWindow(paletteWindow);
  return 0;
}
