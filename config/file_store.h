// The settings on disk: velun.ini through the profile functions and the data
// files, in one directory (beside the executable for the program).
#pragma once

#include <string>

#include "config/data_store.h"

class FileStore : public DataStore {
 public:
  explicit FileStore(std::string directory) : directory_(std::move(directory)) {}

  std::string ReadProfile(const char* section, const char* key, const char* fallback) override;
  void WriteProfile(const char* section, const char* key, const char* value) override;
  std::optional<std::vector<std::uint8_t>> ReadData(const char* name) override;
  bool WriteData(const char* name, const std::vector<std::uint8_t>& bytes) override;

 private:
  std::string PathOf(const char* name) const { return directory_ + name; }
  std::string directory_;  // ends in a separator
};

inline constexpr char kIniFileName[] = "velun.ini";

// The full path of a data file beside the executable.
std::string DataFilePath(const char* name);
// The executable's directory, ending in a separator.
std::string DataDirectory();
