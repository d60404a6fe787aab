#include "module_info.h"

#include <cstdio>

std::vector<std::string> ExportNames(HMODULE module) {
  std::vector<std::string> names;
  const auto* base = reinterpret_cast<const BYTE*>(module);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  if (dir.Size == 0) return names;
  const auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + dir.VirtualAddress);
  const auto* rvas = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
  for (DWORD i = 0; i < exports->NumberOfNames; ++i)
    names.emplace_back(reinterpret_cast<const char*>(base + rvas[i]));
  // Exports by ordinal only would hide from the name table.
  if (exports->NumberOfFunctions != exports->NumberOfNames) names.emplace_back("<unnamed>");
  return names;
}

std::string VersionInfo::value(const char* key) const {
  if (block.empty()) return {};
  char path[128];
  std::snprintf(path, sizeof path, "\\StringFileInfo\\%s\\%s", translation.c_str(), key);
  void* text = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(block.data(), path, &text, &length) || length == 0) return {};
  return static_cast<const char*>(text);
}

VersionInfo ReadVersion(HMODULE module) {
  VersionInfo info;
  char path[MAX_PATH];
  GetModuleFileNameA(module, path, MAX_PATH);
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeA(path, &handle);
  if (size == 0) return info;
  info.block.resize(size);
  if (!GetFileVersionInfoA(path, 0, size, info.block.data())) {
    info.block.clear();
    return info;
  }
  void* fixed = nullptr;
  UINT length = 0;
  if (VerQueryValueA(info.block.data(), "\\", &fixed, &length) && length >= sizeof(VS_FIXEDFILEINFO)) {
    const auto* f = static_cast<const VS_FIXEDFILEINFO*>(fixed);
    info.fileMS = f->dwFileVersionMS;
    info.fileLS = f->dwFileVersionLS;
  }
  void* translation = nullptr;
  if (VerQueryValueA(info.block.data(), "\\VarFileInfo\\Translation", &translation, &length) &&
      length >= 4) {
    const auto* pair = static_cast<const WORD*>(translation);
    char text[16];
    std::snprintf(text, sizeof text, "%04X%04X", pair[0], pair[1]);
    info.translation = text;
  }
  info.description = info.value("FileDescription");
  return info;
}
