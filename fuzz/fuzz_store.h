// A lean in-memory store for the fuzz targets: the profile as one value per
// row of the settings table, the data files by name. A map of strings would
// spend most of each run comparing keys in instrumented code.
#pragma once

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "core/data_store.h"
#include "core/settings.h"

class FuzzStore : public DataStore {
 public:
  std::optional<std::string> values[kSettingCount];
  static constexpr int kFiles = 5;
  const char* names[kFiles] = {"pickfmt.dat", "palette.dat", "range.dat", "keycfg.dat", ""};
  std::optional<std::vector<std::uint8_t>> files[kFiles];

  static int Row(const char* key) {
    for (int i = 0; i < kSettingCount; ++i)
      if (kSettingsTable[i].key == key || std::strcmp(kSettingsTable[i].key, key) == 0) return i;
    return -1;
  }
  int File(const char* name) const {
    for (int i = 0; i < kFiles - 1; ++i)
      if (std::strcmp(names[i], name) == 0) return i;
    return kFiles - 1;
  }

  std::string ReadProfile(const char*, const char* key, const char* fallback) override {
    const int row = Row(key);
    const std::string value = row >= 0 && values[row] ? *values[row] : fallback;
    return value.substr(0, 259);
  }
  void WriteProfile(const char*, const char* key, const char* value) override {
    const int row = Row(key);
    if (row >= 0) values[row] = value;
  }
  std::optional<std::vector<std::uint8_t>> ReadData(const char* name) override { return files[File(name)]; }
  bool WriteData(const char* name, const std::vector<std::uint8_t>& bytes) override {
    files[File(name)] = bytes;
    return true;
  }
};
