// The settings on disk: velun.ini and the data files, in one directory
// (beside the executable for the program). Paths are wide: the folder may
// hold characters outside any code page (a user name in another script),
// while the files' contents are Shift-JIS bytes whatever the system's code
// page.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/data_store.h"
#include "core/ini_text.h"
#include "resources/wide_text.h"

// Every file is replaced whole: a new version is written beside it as
// "name.new" and moved over the old one only once it is complete, so a
// program ended at any moment leaves the old version or the new one.
class FileStore : public DataStore {
 public:
  explicit FileStore(std::wstring directory) : directory_(std::move(directory)) {}

  std::string ReadProfile(const char* section, const char* key, const char* fallback) override;
  // Outside a profile save, one key is saved by itself.
  void WriteProfile(const char* section, const char* key, const char* value) override;
  std::optional<std::vector<std::uint8_t>> ReadData(const char* name) override;
  bool WriteData(const char* name, const std::vector<std::uint8_t>& bytes) override;
  void BeginProfileSave() override;
  bool EndProfileSave() override;

  // Removes the "name.new" files that a save cut short left behind.
  void RemoveStaleFiles() const;

 private:
  static constexpr char kIniFileName[] = "velun.ini";
  std::wstring PathOf(const char* name) const;
  std::wstring directory_;  // ends in a separator
  std::optional<IniText> read_;  // the profile as read, once
  // During a profile save: the new version, begun from the old one so that
  // keys of others and a hand-edited layout stay, and whether the old one
  // could be read (a first save has none).
  std::optional<IniText> saving_;
  bool readable_ = true;
};

// A whole open file's bytes: nothing when its size cannot be had or it
// cannot be read; at most 16 MiB (data files are small, and a huge one is
// not worth the memory).
std::optional<std::vector<std::uint8_t>> ReadWholeFile(HANDLE file);

// A file read whole, or nothing when it cannot be opened.
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::wstring& path);
// Writes path whole: a new version beside it ("name.new"), flushed, then
// moved over the old one. False, the old file untouched, when it fails.
bool WriteWholeFile(const std::wstring& path, const std::vector<std::uint8_t>& bytes);

// The executable's directory, ending in a separator.
std::wstring ProgramDirectory();
