#include "core/ini_text.h"

#include <cstddef>

#include "core/text.h"

namespace {

struct Line {
  std::size_t begin, end, next;  // end before the line break, next after it
};

Line LineAt(const std::string& text, std::size_t at) {
  std::size_t end = text.find('\n', at);
  const std::size_t next = end == std::string::npos ? text.size() : end + 1;
  if (end == std::string::npos) end = text.size();
  if (end > at && text[end - 1] == '\r') --end;
  return {at, end, next};
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\x1a'; }

// No byte of a double-byte character is blank, '=', '"' or '\'': those lie
// below the trail bytes' range, so a trim by bytes is a trim by characters.
std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

// ASCII letters match either case; a double-byte character only itself,
// since its trail byte may look like a letter.
bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto x = static_cast<unsigned char>(a[i]);
    const auto y = static_cast<unsigned char>(b[i]);
    if (IsSjisLeadByte(x) && i + 1 < a.size()) {
      if (x != y || a[i + 1] != b[i + 1]) return false;
      ++i;
      continue;
    }
    const auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
    if (lower(x) != lower(y)) return false;
  }
  return true;
}

// The name of a "[name]" line up to its last ']', or nothing. A ']' may be
// the trail byte of a double-byte character, so the bytes are stepped.
std::optional<std::string_view> SectionName(std::string_view line) {
  line = Trim(line);
  if (line.empty() || line.front() != '[') return std::nullopt;
  std::size_t close = std::string_view::npos;
  for (std::size_t i = 1; i < line.size(); ++i) {
    if (IsSjisLeadByte(static_cast<unsigned char>(line[i]))) ++i;
    else if (line[i] == ']') close = i;
  }
  if (close == std::string_view::npos) return std::nullopt;
  return line.substr(1, close - 1);
}

std::string_view View(const std::string& text, const Line& l) {
  return std::string_view(text).substr(l.begin, l.end - l.begin);
}

// The line's key (trimmed) and, after its "=", its value as read.
struct Entry {
  std::string_view key;
  std::optional<std::string_view> value;
};

Entry EntryOf(std::string_view line) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return {Trim(line), std::nullopt};
  std::string_view value = Trim(line.substr(equals + 1));
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return {Trim(line.substr(0, equals)), value};
}

// Where a section's lines lie: from the line after its header up to the
// next header, and the end of its last line that is not blank.
struct Span {
  bool found = false;
  std::size_t body = 0, end = 0, lastFilled = 0;
};

Span FindSection(const std::string& text, std::string_view section) {
  Span span;
  for (std::size_t at = 0; at < text.size();) {
    const Line line = LineAt(text, at);
    const auto name = SectionName(View(text, line));
    if (span.found && name) break;
    if (!span.found && name && SameName(*name, section)) {
      span = {true, line.next, line.next, line.next};
    } else if (span.found) {
      span.end = line.next;
      if (!Trim(View(text, line)).empty()) span.lastFilled = line.next;
    }
    at = line.next;
  }
  return span;
}

std::optional<Line> FindKey(const std::string& text, const Span& span, std::string_view key) {
  for (std::size_t at = span.body; at < span.end;) {
    const Line line = LineAt(text, at);
    if (SameName(EntryOf(View(text, line)).key, key)) return line;
    at = line.next;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> IniText::Get(std::string_view section, std::string_view key) const {
  const Span span = FindSection(text_, section);
  if (!span.found) return std::nullopt;
  const auto line = FindKey(text_, span, key);
  if (!line) return std::nullopt;
  const auto value = EntryOf(View(text_, *line)).value;
  if (!value) return std::nullopt;
  return std::string(*value);
}

void IniText::Set(std::string_view section, std::string_view key, std::string_view value) {
  std::string fresh(key);
  fresh += '=';
  fresh += value;
  const Span span = FindSection(text_, section);
  if (!span.found) {
    if (!text_.empty() && text_.back() != '\n') text_ += "\r\n";
    text_ += '[';
    text_ += section;
    text_ += "]\r\n";
    text_ += fresh;
    text_ += "\r\n";
    return;
  }
  if (const auto line = FindKey(text_, span, key)) {
    const Entry old = EntryOf(View(text_, *line));
    if (old.value && *old.value == value) return;
    text_.replace(line->begin, line->end - line->begin, std::string(old.key) + "=" + std::string(value));
    return;
  }
  const std::size_t at = span.lastFilled;
  // The section's last line may lack its break at the end of the file.
  std::string insert = at > 0 && text_[at - 1] != '\n' ? "\r\n" : "";
  insert += fresh;
  insert += "\r\n";
  text_.insert(at, insert);
}
