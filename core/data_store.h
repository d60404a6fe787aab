// Where settings live: an INI file of Shift-JIS text and binary data files,
// all beside the executable. The Win32 store talks to the disk; tests use
// one in memory.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class DataStore {
 public:
  virtual ~DataStore() = default;
  // The value of key in section, or fallback when the key is missing. At
  // most 259 bytes, as one profile read into a 260-byte buffer gives.
  virtual std::string ReadProfile(const char* section, const char* key, const char* fallback) = 0;
  // Failures are silent, as profile writes are not checked.
  virtual void WriteProfile(const char* section, const char* key, const char* value) = 0;
  // The whole file, or nothing when it cannot be opened.
  virtual std::optional<std::vector<std::uint8_t>> ReadData(const char* name) = 0;
  // False when the file cannot be written whole.
  virtual bool WriteData(const char* name, const std::vector<std::uint8_t>& bytes) = 0;
  // A save of the profile is one step: the writes between these replace the
  // profile only when End succeeds. False when it could not be replaced.
  virtual void BeginProfileSave() {}
  virtual bool EndProfileSave() { return true; }
};
