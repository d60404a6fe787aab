#include "store/file_store.h"

#include <windows.h>

#include "core/text.h"
#include "resources/program_module.h"

#include <initializer_list>

namespace {

// Data files are small; a larger file is read only this far.
constexpr DWORD kMaxDataFileSize = 16 * 1024 * 1024;

// The complete new file takes the old one's place, or goes.
bool ReplaceWith(const std::wstring& fresh, const std::wstring& path) {
  if (MoveFileExW(fresh.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
  DeleteFileW(fresh.c_str());
  return false;
}

}  // namespace

std::wstring ProgramDirectory() {
  // A long path may not fit MAX_PATH: the buffer grows until it does.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(appInstance, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return L"";
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);
  }
  return path.substr(0, path.find_last_of(L'\\') + 1);
}

std::wstring FileStore::PathOf(const char* name) const { return directory_ + Widen(name); }

namespace {

std::optional<std::string> ReadText(const std::wstring& path) {
  const auto bytes = ReadWholeFile(path);
  if (!bytes) return std::nullopt;
  return std::string(bytes->begin(), bytes->end());
}

}  // namespace

std::string FileStore::ReadProfile(const char* section, const char* key, const char* fallback) {
  if (!read_) read_ = IniText(ReadText(PathOf(kIniFileName)).value_or(""));
  std::string value;
  if (auto found = read_->Get(section, key)) {
    value = *found;
  } else {
    // As the profile functions give a fallback: without trailing blanks.
    value = fallback;
    while (!value.empty() && value.back() == ' ') value.pop_back();
  }
  // At most 259 bytes, as the loader has always read, never cut inside a
  // double-byte character.
  char text[260] = {};
  CopyText(text, sizeof text, value.c_str());
  return text;
}

void FileStore::WriteProfile(const char* section, const char* key, const char* value) {
  const bool alone = !saving_;
  if (alone) BeginProfileSave();
  saving_->Set(section, key, value);
  if (alone) EndProfileSave();
}

// A file that exists but cannot be read must not be replaced by one that
// holds only the program's keys.
void FileStore::BeginProfileSave() {
  const std::wstring path = PathOf(kIniFileName);
  const auto old = ReadText(path);
  readable_ = old.has_value() || GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES;
  saving_ = IniText(old.value_or(""));
}

bool FileStore::EndProfileSave() {
  if (!saving_) return false;
  const std::string& text = saving_->text();
  const bool saved = readable_ && WriteWholeFile(PathOf(kIniFileName), std::vector<std::uint8_t>(text.begin(), text.end()));
  if (saved) read_ = std::move(saving_);
  saving_.reset();
  return saved;
}

void FileStore::RemoveStaleFiles() const {
  for (const char* name : {kIniFileName, "pickfmt.dat", "palette.dat", "range.dat", "keycfg.dat"})
    DeleteFileW((PathOf(name) + L".new").c_str());
}

std::optional<std::vector<std::uint8_t>> ReadWholeFile(HANDLE file) {
  LARGE_INTEGER size = {};
  if (!GetFileSizeEx(file, &size) || size.QuadPart < 0) return std::nullopt;
  const DWORD want = size.QuadPart > kMaxDataFileSize ? kMaxDataFileSize : static_cast<DWORD>(size.QuadPart);
  std::vector<std::uint8_t> bytes(want);
  DWORD read = 0;
  // A read that fails or stops short is no read: a save must not take it
  // for the whole file.
  if (want > 0 && (!ReadFile(file, bytes.data(), want, &read, nullptr) || read != want)) return std::nullopt;
  return bytes;
}

std::optional<std::vector<std::uint8_t>> FileStore::ReadData(const char* name) {
  return ReadWholeFile(PathOf(name));
}

// A save goes to a new file that replaces the old one only once it is
// complete: a failed write never leaves a cut-off file behind.
bool FileStore::WriteData(const char* name, const std::vector<std::uint8_t>& bytes) {
  return WriteWholeFile(PathOf(name), bytes);
}

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  auto bytes = ReadWholeFile(file);
  CloseHandle(file);
  return bytes;
}

bool WriteWholeFile(const std::wstring& path, const std::vector<std::uint8_t>& bytes) {
  const std::wstring fresh = path + L".new";
  HANDLE file = CreateFileW(fresh.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
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
  DeleteFileW(fresh.c_str());
  return false;
}
