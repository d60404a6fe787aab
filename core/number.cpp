#include "core/number.h"

std::int32_t ParseSettingInt(const char* text) {
  if (text == nullptr) return 0;
  const char* p = text;
  while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r' || *p == '\v' || *p == '\f') ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = *p++ == '-';
  std::uint32_t value = 0;  // unsigned: overflow wraps instead of being undefined
  while (*p >= '0' && *p <= '9') value = value * 10 + static_cast<std::uint32_t>(*p++ - '0');
  if (negative) value = 0u - value;
  return static_cast<std::int32_t>(value);
}
