// What a loaded module declares about itself: its export names and its
// version resource.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

std::vector<std::string> ExportNames(HMODULE module);

struct VersionInfo {
  DWORD fileMS = 0, fileLS = 0;  // FILEVERSION
  std::string description;      // FileDescription (ANSI)
  std::string value(const char* key) const;
  std::vector<char> block;
  std::string translation;  // "041104B0"
};
// Empty block when the module has no version resource.
VersionInfo ReadVersion(HMODULE module);
