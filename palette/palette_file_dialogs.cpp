#include "palette/palette_file_dialogs.h"

#include <commctrl.h>
#include <commdlg.h>

#include <cstdio>
#include <string>
#include <vector>

#include "store/file_store.h"
#include "core/palette_exchange.h"
#include "core/palette_model.h"
#include "core/settings.h"
#include "palette/palette_list.h"
#include "palette/palette_state.h"
#include "resources/wide_text.h"

const wchar_t kExportTitle[] = L"パレットのエクスポート";
const wchar_t kImportTitle[] = L"パレットのインポート";

namespace {

struct FileType {
  PaletteFileType type;
  const wchar_t* extension;
};
// In the order of the save dialog's list.
constexpr FileType kExportTypes[] = {{PaletteFileType::Gimp, L".gpl"},
                                     {PaletteFileType::Ase, L".ase"},
                                     {PaletteFileType::Css, L".css"},
                                     {PaletteFileType::Json, L".json"},
                                     {PaletteFileType::Text, L".txt"}};
const wchar_t kExportFilter[] =
    L"GIMP パレット (*.gpl)\0*.gpl\0Adobe スウォッチ交換ファイル (*.ase)\0*.ase\0CSS カスタムプロパティ (*.css)\0*.css\0"
    L"JSON (*.json)\0*.json\0テキスト (*.txt)\0*.txt\0";
const wchar_t kImportFilter[] =
    L"パレット (*.gpl;*.ase;*.txt)\0*.gpl;*.ase;*.txt\0すべてのファイル (*.*)\0*.*\0";

bool EndsWith(const std::wstring& name, const std::wstring& end) {
  if (name.size() < end.size()) return false;
  return CompareStringOrdinal(name.c_str() + name.size() - end.size(), static_cast<int>(end.size()), end.c_str(),
                              static_cast<int>(end.size()), TRUE) == CSTR_EQUAL;
}

// What both dialogs ask: a file name, into name (MAX_PATH characters).
OPENFILENAMEW FileDialog(HWND owner, const wchar_t* filter, const wchar_t* title, wchar_t* name, DWORD flags) {
  OPENFILENAMEW ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter;
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = name;
  ofn.nMaxFile = MAX_PATH;
  ofn.lpstrTitle = title;
  ofn.Flags = flags | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
  return ofn;
}

// The common dialogs bring the printing stack along (several MiB under
// Wine): loaded when a file dialog is first asked for, not at start-up, and
// kept, since the dialog may leave threads of its own running.
bool AskFileName(const char* function, OPENFILENAMEW& ofn) {
  using FileDialogFn = BOOL(WINAPI*)(OPENFILENAMEW*);
  static HMODULE dialogs = LoadLibraryW(L"comdlg32.dll");
  const auto ask = dialogs == nullptr ? nullptr
                                      : reinterpret_cast<FileDialogFn>(
                                            reinterpret_cast<void*>(GetProcAddress(dialogs, function)));
  return ask != nullptr && ask(&ofn);
}

}  // namespace

void ExportPaletteFile(HWND owner) {
  wchar_t name[MAX_PATH] = L"velun";
  OPENFILENAMEW ofn = FileDialog(owner, kExportFilter, kExportTitle, name, OFN_OVERWRITEPROMPT);
  if (!AskFileName("GetSaveFileNameW", ofn)) return;
  const int chosen = ofn.nFilterIndex >= 1 && ofn.nFilterIndex <= 5 ? static_cast<int>(ofn.nFilterIndex) - 1 : 0;
  const FileType& type = kExportTypes[chosen];
  std::wstring path = name;
  if (!EndsWith(path, type.extension)) path += type.extension;

  const Palette& p = palettes[SelectedPalette()];
  std::vector<std::uint32_t> colours;
  if (p.entries != nullptr)
    colours.assign(p.entries, p.entries + (p.header.count > 0 ? p.header.count : 0));
  if (WriteWholeFile(path, ExportPalette(type.type, colours, settings.SpuitFormat)))
    ReportOnPaletteStatus("エクスポートしました");
  else
    MessageBoxSjis(owner, "ファイルに書き込めませんでした", "エラー", MB_ICONERROR);
}

void ImportPaletteFile(HWND owner) {
  wchar_t name[MAX_PATH] = L"";
  OPENFILENAMEW ofn = FileDialog(owner, kImportFilter, kImportTitle, name, OFN_FILEMUSTEXIST);
  if (!AskFileName("GetOpenFileNameW", ofn)) return;

  const auto bytes = ReadWholeFile(std::wstring(name));
  const PaletteImport file = bytes ? ImportPalette(PaletteFileTypeOf(Narrow(name)), bytes->data(), bytes->size())
                                   : PaletteImport{};
  if (!file.valid) {
    MessageBoxSjis(owner, "パレットのファイルとして読めませんでした", "エラー", MB_ICONWARNING);
    return;
  }
  // As if picked from the file's last colour to its first: the list then
  // shows them in the file's order, and the palette's capacity and
  // duplicate rules apply as to picked colours.
  const int palette = SelectedPalette();
  const int moveMode = palette == kSpuitPalette ? 1 : 0;
  const std::vector<std::uint32_t> oldestFirst(file.colours.rbegin(), file.colours.rend());
  const int added = AddPaletteColors(oldestFirst.data(), static_cast<int>(oldestFirst.size()), palette, moveMode);
  const int skipped = static_cast<int>(file.colours.size()) - added + file.skipped;
  char text[96];
  std::snprintf(text, sizeof text, "追加 %d 色、スキップ %d 色", added, skipped);
  ReportOnPaletteStatus(text);
}
