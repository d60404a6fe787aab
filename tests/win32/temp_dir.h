// A fresh temporary folder for one test, removed with everything in it.
#pragma once

#include <string>
#include <vector>

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }  // ends in a backslash
  std::string Path(const char* name) const { return path_ + name; }
  std::vector<std::string> Names() const;  // sorted, files and folders
  long Size(const char* name) const;       // -1 when missing
  std::string Read(const char* name) const;
  void Write(const char* name, const std::string& bytes) const;

 private:
  std::string path_;
};
