#include "config/file_store.h"

#include <windows.h>

#include "core/text.h"
#include "resources/program_module.h"

#include <initializer_list>

namespace {

// Data files are small; a larger file is read only this far.
constexpr DWORD kMaxDataFileSize = 16 * 1024 * 1024;

// The complete new file takes the old one's place, or goes.
bool ReplaceWith(const std::string& fresh, const std::string& path) {
  if (MoveFileExA(fresh.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
  DeleteFileA(fresh.c_str());
  return false;
}

}  // namespace

std::string DataFilePath(const char* name) {
  char module[MAX_PATH] = {};
  GetModuleFileNameA(appInstance, module, MAX_PATH);
  return PathBeside(module, name);
}

std::string DataDirectory() { return DataFilePath(""); }

std::string FileStore::ReadProfile(const char* section, const char* key, const char* fallback) {
  char value[260] = {};
  GetPrivateProfileStringA(section, key, fallback, value, sizeof value, PathOf(kIniFileName).c_str());
  return value;
}

void FileStore::WriteProfile(const char* section, const char* key, const char* value) {
  WritePrivateProfileStringA(section, key, value, profile_.c_str());
}

// The new version starts as a copy, so keys of the profile that are not the
// program's stay.
void FileStore::BeginProfileSave() {
  const std::string path = PathOf(kIniFileName);
  profile_ = path + ".new";
  if (!CopyFileA(path.c_str(), profile_.c_str(), FALSE)) DeleteFileA(profile_.c_str());
}

bool FileStore::EndProfileSave() {
  const std::string path = PathOf(kIniFileName);
  const std::string fresh = profile_;
  profile_ = path;
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, fresh.c_str());  // flushes the profile cache
  return ReplaceWith(fresh, path);
}

void FileStore::RemoveStaleFiles() const {
  for (const char* name : {kIniFileName, "pickfmt.dat", "palette.dat", "range.dat", "keycfg.dat"})
    DeleteFileA((PathOf(name) + ".new").c_str());
}

std::optional<std::vector<std::uint8_t>> ReadWholeFile(HANDLE file) {
  LARGE_INTEGER size = {};
  if (!GetFileSizeEx(file, &size) || size.QuadPart < 0) return std::nullopt;
  const DWORD want = size.QuadPart > kMaxDataFileSize ? kMaxDataFileSize : static_cast<DWORD>(size.QuadPart);
  std::vector<std::uint8_t> bytes(want);
  DWORD read = 0;
  if (want > 0 && !ReadFile(file, bytes.data(), want, &read, nullptr)) read = 0;
  bytes.resize(read);  // what could not be read is not used
  return bytes;
}

std::optional<std::vector<std::uint8_t>> FileStore::ReadData(const char* name) {
  HANDLE file = CreateFileA(PathOf(name).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  auto bytes = ReadWholeFile(file);
  CloseHandle(file);
  return bytes;
}

// A save goes to a new file that replaces the old one only once it is
// complete: a failed write never leaves a cut-off file behind.
bool FileStore::WriteData(const char* name, const std::vector<std::uint8_t>& bytes) {
  const std::string path = PathOf(name);
  const std::string fresh = path + ".new";
  HANDLE file = CreateFileA(fresh.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool complete =
      bytes.empty() ||
      (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
       written == bytes.size());
  const bool closed = CloseHandle(file) != FALSE;
  if (complete && closed) return ReplaceWith(fresh, path);
  DeleteFileA(fresh.c_str());
  return false;
}
