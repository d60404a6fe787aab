// Any velun.ini bytes with a section, key and value: reading never fails,
// a set value reads back, and setting it again changes nothing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/ini_text.h"
#include "core/text.h"

namespace {

// What a save can write: whole Shift-JIS characters, no break, nothing the
// reader trims or takes for a bracket, a "=" in a key or a quote pair.
bool Writable(const std::string& s, bool name) {
  if (s.empty() && name) return false;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (IsSjisLeadByte(b)) {
      if (i + 1 == s.size() || !IsSjisTrailByte(static_cast<unsigned char>(s[i + 1]))) return false;
      ++i;
    } else if (b == '\r' || b == '\n' || b == '\0' || (name && (b == '[' || b == ']' || b == '=' || b == ';'))) {
      return false;
    }
  }
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\x1a'; };
  if (!s.empty() && (blank(s.front()) || blank(s.back()))) return false;
  return !(s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  std::string part[3];
  std::size_t at = 0;
  for (std::string& p : part) {
    const std::size_t end = input.find('\n', at);
    if (end == std::string::npos) return 0;
    p = input.substr(at, end - at);
    at = end + 1;
  }
  IniText ini(input.substr(at));
  ini.Get(part[0], part[1]);
  if (!Writable(part[0], true) || !Writable(part[1], true) || !Writable(part[2], false)) return 0;
  ini.Set(part[0], part[1], part[2]);
  if (ini.Get(part[0], part[1]) != part[2]) std::abort();
  const std::string once = ini.text();
  ini.Set(part[0], part[1], part[2]);
  if (ini.text() != once) std::abort();
  return 0;
}
