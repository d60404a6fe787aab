// The settings on disk: velun.ini through the profile functions and the data
// files, in one directory (beside the executable for the program).
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "core/data_store.h"

// Every file is replaced whole: a new version is written beside it as
// "name.new" and moved over the old one only once it is complete, so a
// program ended at any moment leaves the old version or the new one.
class FileStore : public DataStore {
 public:
  explicit FileStore(std::string directory)
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
  std::string PathOf(const char* name) const { return directory_ + name; }
  // Every written key's line stands in the new profile on disk.
  bool NewProfileIsWhole() const;
  std::string directory_;  // ends in a separator
  std::string profile_;    // where profile writes go: velun.ini, or its new version
  // During a profile save: whether the new version began as a whole copy
  // of the old one, and the "key=value" lines written into it.
  bool copied_ = true;
  std::vector<std::string> written_;
};

// A whole open file's bytes: nothing when its size cannot be had; at most
// 16 MiB (data files are small, and a huge one is not worth the memory).
std::optional<std::vector<std::uint8_t>> ReadWholeFile(HANDLE file);


// The full path of a data file beside the executable.
std::string DataFilePath(const char* name);
// The executable's directory, ending in a separator.
std::string DataDirectory();
