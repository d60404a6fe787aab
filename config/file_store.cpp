#include "config/file_store.h"

#include <windows.h>

#include "core/text.h"
#include "resources/program_module.h"

#include <initializer_list>
#include <set>

namespace {

// Data files are small; a larger file is read only this far.
constexpr DWORD kMaxDataFileSize = 16 * 1024 * 1024;

// The new file's data reaches the disk before it takes the old one's
// place: after a power cut NTFS may keep a rename without the data.
void FlushToDisk(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  FlushFileBuffers(file);
  CloseHandle(file);
}

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
  if (!WritePrivateProfileStringA(section, key, value, profile_.c_str())) copied_ = false;
  written_.push_back(std::string(key) + "=" + value);
}

// The new version starts as a copy, so keys of the profile that are not the
// program's, and a hand-edited layout, stay. Without that copy the new
// version would lose them: it must not replace the old one then.
void FileStore::BeginProfileSave() {
  const std::string path = PathOf(kIniFileName);
  profile_ = path + ".new";
  written_.clear();
  copied_ = CopyFileA(path.c_str(), profile_.c_str(), FALSE) ||
            GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES;  // a first save copies nothing
  if (!copied_) DeleteFileA(profile_.c_str());
}

// Profile writes are not to be trusted: under Wine one reports success when
// its write to the disk failed. So the new version is read back from disk.
bool FileStore::NewProfileIsWhole() const {
  HANDLE file = CreateFileA(profile_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const auto bytes = ReadWholeFile(file);
  CloseHandle(file);
  if (!bytes) return false;
  std::set<std::string> lines;
  std::string line;
  for (const std::uint8_t b : *bytes) {
    if (b == '\n') {
      lines.insert(line);
      line.clear();
    } else if (b != '\r') {
      line += static_cast<char>(b);
    }
  }
  lines.insert(line);
  for (const std::string& want : written_)
    if (lines.count(want) == 0) return false;
  return true;
}

bool FileStore::EndProfileSave() {
  const std::string path = PathOf(kIniFileName);
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, profile_.c_str());  // flushes the profile cache
  const bool whole = copied_ && NewProfileIsWhole();
  const std::string fresh = profile_;
  profile_ = path;
  if (!whole) {
    DeleteFileA(fresh.c_str());
    return false;
  }
  FlushToDisk(fresh);
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
  const bool flushed = complete && FlushFileBuffers(file);
  const bool closed = CloseHandle(file) != FALSE;
  if (complete && flushed && closed) return ReplaceWith(fresh, path);
  DeleteFileA(fresh.c_str());
  return false;
}
