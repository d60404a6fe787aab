#include "config/file_store.h"

#include <windows.h>

#include "core/text.h"
#include "resources/program_module.h"

#include <cwchar>
#include <initializer_list>
#include <set>

namespace {

// Data files are small; a larger file is read only this far.
constexpr DWORD kMaxDataFileSize = 16 * 1024 * 1024;

// The new file's data reaches the disk before it takes the old one's
// place: after a power cut NTFS may keep a rename without the data.
void FlushToDisk(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  FlushFileBuffers(file);
  CloseHandle(file);
}

// The complete new file takes the old one's place, or goes.
bool ReplaceWith(const std::wstring& fresh, const std::wstring& path) {
  if (MoveFileExW(fresh.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
  DeleteFileW(fresh.c_str());
  return false;
}

}  // namespace

std::wstring Widen(const std::string& text) {
  const int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  if (n <= 0) return L"";
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), n);
  wide.resize(static_cast<std::size_t>(n - 1));
  return wide;
}

std::string Narrow(const std::wstring& text) {
  const int n = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  if (n <= 0) return "";
  std::string narrow(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, narrow.data(), n, nullptr, nullptr);
  narrow.resize(static_cast<std::size_t>(n - 1));
  return narrow;
}

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

// Each section is read whole once: every single profile read opens and
// checks the file again, three server calls under Wine and a good part of
// the start-up.
const FileStore::Section& FileStore::SectionOf(const char* section) {
  const auto known = sections_.find(section);
  if (known != sections_.end()) return known->second;
  Section& lines = sections_[section];
  std::vector<wchar_t> buffer(4096);
  DWORD got;
  while ((got = GetPrivateProfileSectionW(Widen(section).c_str(), buffer.data(), static_cast<DWORD>(buffer.size()),
                                          PathOf(kIniFileName).c_str())) == buffer.size() - 2 &&
         buffer.size() < (1u << 22))
    buffer.resize(buffer.size() * 2);
  for (const wchar_t* line = buffer.data(); *line != L'\0'; line += wcslen(line) + 1) {
    // A line without "=" holds no value: such a key reads as its fallback.
    const wchar_t* equals = wcschr(line, L'=');
    if (equals != nullptr) lines.emplace_back(std::wstring(line, equals), std::wstring(equals + 1));
  }
  return lines;
}

std::string FileStore::ReadProfile(const char* section, const char* key, const char* fallback) {
  const std::wstring wideKey = Widen(key);
  std::wstring value;
  bool found = false;
  for (const auto& [name, text] : SectionOf(section)) {
    if (CompareStringOrdinal(name.c_str(), -1, wideKey.c_str(), -1, TRUE) != CSTR_EQUAL) continue;
    // As the profile reads it: one pair of matching quotes goes.
    const bool quoted = text.size() >= 2 && (text.front() == L'"' || text.front() == L'\'') && text.back() == text.front();
    value = quoted ? text.substr(1, text.size() - 2) : text;
    found = true;
    break;
  }
  if (!found) {  // the profile functions' own rules for the fallback
    wchar_t missing[260] = {};
    GetPrivateProfileStringW(Widen(section).c_str(), wideKey.c_str(), Widen(fallback).c_str(), missing, 260,
                             PathOf(kIniFileName).c_str());
    value = missing;
  }
  if (value.size() > 259) value.resize(259);
  // At most 259 bytes, as the loader has always read, never cut inside a
  // double-byte character.
  char text[260] = {};
  CopyText(text, sizeof text, Narrow(value).c_str());
  return text;
}

void FileStore::WriteProfile(const char* section, const char* key, const char* value) {
  sections_.clear();
  if (!WritePrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(), Widen(value).c_str(), profile_.c_str()))
    copied_ = false;
  written_.push_back(std::string(key) + "=" + value);
}

// The new version starts as a copy, so keys of the profile that are not the
// program's, and a hand-edited layout, stay. Without that copy the new
// version would lose them: it must not replace the old one then.
void FileStore::BeginProfileSave() {
  sections_.clear();
  const std::wstring path = PathOf(kIniFileName);
  profile_ = path + L".new";
  written_.clear();
  copied_ = CopyFileW(path.c_str(), profile_.c_str(), FALSE) ||
            GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES;  // a first save copies nothing
  if (!copied_) DeleteFileW(profile_.c_str());
}

// Profile writes are not to be trusted: under Wine one reports success when
// its write to the disk failed. So the new version is read back from disk.
bool FileStore::NewProfileIsWhole() const {
  const auto bytes = ReadWholeFile(profile_);
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
  const std::wstring path = PathOf(kIniFileName);
  WritePrivateProfileStringW(nullptr, nullptr, nullptr, profile_.c_str());  // flushes the profile cache
  const bool whole = copied_ && NewProfileIsWhole();
  const std::wstring fresh = profile_;
  profile_ = path;
  if (!whole) {
    DeleteFileW(fresh.c_str());
    return false;
  }
  FlushToDisk(fresh);
  return ReplaceWith(fresh, path);
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
  if (want > 0 && !ReadFile(file, bytes.data(), want, &read, nullptr)) read = 0;
  bytes.resize(read);  // what could not be read is not used
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
