#include "keybind/keybind_text.h"

#include <cstdio>
#include <cstring>

namespace {

struct KeyName {
  std::int32_t code;
  const char* name;
};

constexpr KeyName kNames[] = {
    {0, "未設定"},         {8, "BS"},
    {9, "Tab"},            {12, "Clear"},
    {13, "Enter"},         {16, "*SHIFT*"},
    {17, "*CTRL*"},        {18, "*ALT*"},
    {19, "Pause"},         {20, "Caps Lock"},
    {21, "カナ"},          {25, "漢字"},
    {27, "Esc"},           {28, "変換"},
    {29, "無変換"},        {32, "Space"},
    {33, "Page Up"},       {34, "Page Down"},
    {35, "End"},           {36, "Home"},
    {37, "Arrow Left"},    {38, "Arrow Up"},
    {39, "Arrow Right"},   {40, "Arrow Down"},
    {41, "Select"},        {42, "Print"},
    {43, "Execute"},       {44, "Print Screen"},
    {45, "Insert"},        {46, "Delete"},
    {47, "Help"},          {91, "Left Windows"},
    {92, "Right Windows"}, {93, "Application"},
    {95, "Sleep"},         {106, "Num *"},
    {107, "Num +"},        {108, "Num Enter"},
    {109, "Num -"},        {110, "Num ."},
    {111, "Num /"},        {144, "Num Lock"},
    {145, "Scroll Lock"},  {513, "左クリック"},
    {515, "左ダブルクリック"}, {516, "右クリック"},
    {518, "右ダブルクリック"}, {519, "ホイールクリック"},
    {521, "ホイールダブルクリック"},
};

// Appends the name of code to buffer, which holds used bytes already.
void AppendCodeName(char* buffer, std::size_t used, std::int32_t code) {
  char* at = buffer + used;
  const std::size_t room = kKeyBindTextSize - used;
  if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z')) {
    std::snprintf(at, room, "%c", static_cast<char>(code));
  } else if (code >= 96 && code <= 105) {
    std::snprintf(at, room, "Num %d", code - 96);
  } else if (code >= 112 && code <= 135) {
    std::snprintf(at, room, "F%d", code - 111);
  } else {
    for (const KeyName& k : kNames) {
      if (k.code == code) {
        std::snprintf(at, room, "%s", k.name);
        return;
      }
    }
    std::snprintf(at, room, "不明なキー (0x%X)", static_cast<unsigned>(code));
  }
}

}  // namespace

char* KeyBindText(char* buffer, const KeyBind& bind) {
  buffer[0] = '\0';
  if (bind.shift) std::strcat(buffer, "shift + ");
  if (bind.ctrl) std::strcat(buffer, "ctrl + ");
  if (bind.alt) std::strcat(buffer, "alt + ");
  if (bind.lhold) std::strcat(buffer, "L hold + ");
  if (bind.rhold) std::strcat(buffer, "R hold + ");
  AppendCodeName(buffer, std::strlen(buffer), bind.code);
  return buffer;
}
