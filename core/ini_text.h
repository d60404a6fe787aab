// velun.ini as Shift-JIS bytes, read and changed as the profile functions
// read and change it, but without them: they convert the file with the
// system's code page, which under the UTF-8 option damages every kanji.
#pragma once

#include <optional>
#include <string>
#include <string_view>

class IniText {
 public:
  IniText() = default;
  explicit IniText(std::string bytes) : text_(std::move(bytes)) {}

  // The value of key in the first section of that name (both matched
  // without regard to ASCII case), with the white space around it and one
  // pair of matching quotes gone; nothing when the key or its "=" is missing.
  std::optional<std::string> Get(std::string_view section, std::string_view key) const;
  // Gives key that value. Its line is rewritten only when the value read
  // back would differ, so an unchanged file saves back byte for byte; a new
  // key goes after the section's last line, a new section at the end.
  void Set(std::string_view section, std::string_view key, std::string_view value);

  const std::string& text() const { return text_; }

 private:
  std::string text_;
};
