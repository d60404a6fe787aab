// An in-memory DataStore: the profile as ordered writes, files as bytes.
#pragma once

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/data_store.h"

class MemoryStore : public DataStore {
 public:
  std::map<std::pair<std::string, std::string>, std::string> profile;
  std::vector<std::pair<std::string, std::string>> writes;  // section, key in write order
  std::map<std::string, std::vector<std::uint8_t>> files;
  std::set<std::string> unwritable;

  std::string ReadProfile(const char* section, const char* key, const char* fallback) override {
    auto it = profile.find({section, key});
    std::string value = it == profile.end() ? fallback : it->second;
    return value.substr(0, 259);
  }
  void WriteProfile(const char* section, const char* key, const char* value) override {
    profile[{section, key}] = value;
    writes.emplace_back(section, key);
  }
  std::optional<std::vector<std::uint8_t>> ReadData(const char* name) override {
    auto it = files.find(name);
    if (it == files.end()) return std::nullopt;
    return it->second;
  }
  bool WriteData(const char* name, const std::vector<std::uint8_t>& bytes) override {
    if (unwritable.count(name)) return false;
    files[name] = bytes;
    return true;
  }
};
