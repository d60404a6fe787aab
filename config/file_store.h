// The settings on disk: velun.ini through the profile functions and the data
// files, in one directory (beside the executable for the program). Paths
// are wide: the folder may hold characters outside the ANSI code page (a
// user name in another script), while the files' contents stay Shift-JIS.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/data_store.h"

// Every file is replaced whole: a new version is written beside it as
// "name.new" and moved over the old one only once it is complete, so a
// program ended at any moment leaves the old version or the new one.
class FileStore : public DataStore {
 public:
  explicit FileStore(std::wstring directory)
      : directory_(std::move(directory)), profile_(PathOf(kIniFileName)) {}

  std::string ReadProfile(const char* section, const char* key, const char* fallback) override;
  void WriteProfile(const char* section, const char* key, const char* value) override;
  std::optional<std::vector<std::uint8_t>> ReadData(const char* name) override;
  bool WriteData(const char* name, const std::vector<std::uint8_t>& bytes) override;
  void BeginProfileSave() override;
  bool EndProfileSave() override;

  // Removes the "name.new" files that a save cut short left behind.
  void RemoveStaleFiles() const;

 private:
  static constexpr char kIniFileName[] = "velun.ini";
  // A section's "key=value" lines as the profile functions read them.
  using Section = std::vector<std::pair<std::wstring, std::wstring>>;
  std::wstring PathOf(const char* name) const;
  const Section& SectionOf(const char* section);
  // Every written key's line stands in the new profile on disk.
  bool NewProfileIsWhole() const;
  std::wstring directory_;  // ends in a separator
  std::wstring profile_;    // where profile writes go: velun.ini, or its new version
  // During a profile save: whether the new version began as a whole copy
  // of the old one, and the "key=value" lines written into it.
  bool copied_ = true;
  std::vector<std::string> written_;
  std::map<std::string, Section> sections_;  // read once each, forgotten on a write
};

// A whole open file's bytes: nothing when its size cannot be had; at most
// 16 MiB (data files are small, and a huge one is not worth the memory).
std::optional<std::vector<std::uint8_t>> ReadWholeFile(HANDLE file);

// A file read whole, or nothing when it cannot be opened.
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::wstring& path);
// Writes path whole: a new version beside it ("name.new"), flushed, then
// moved over the old one. False, the old file untouched, when it fails.
bool WriteWholeFile(const std::wstring& path, const std::vector<std::uint8_t>& bytes);

// The executable's directory, ending in a separator.
std::wstring ProgramDirectory();
// Text of the ANSI code page (Shift-JIS) as UTF-16, and back.
std::wstring Widen(const std::string& text);
std::string Narrow(const std::wstring& text);
