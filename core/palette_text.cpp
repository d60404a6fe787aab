#include "core/palette_text.h"

#include <cstdio>
#include <cstring>

#include "core/format.h"
#include "core/text.h"

namespace {
constexpr char kHtmlFormat[] = "#%rx%gx%bx";
}

int CapacityDigits(std::int32_t capacity) {
  int digits = 1;
  for (std::int64_t v = capacity; v >= 10; v /= 10) ++digits;
  return digits;
}

std::string ItemNumberText(int index, std::int32_t capacity) {
  std::string number = std::to_string(index + 1);
  const std::size_t width = static_cast<std::size_t>(CapacityDigits(capacity));
  if (number.size() < width) number.insert(0, width - number.size(), '0');
  return number;
}

std::string SwatchText(std::uint32_t colour, int notation) {
  const unsigned r = colour & 0xFF, g = (colour >> 8) & 0xFF, b = (colour >> 16) & 0xFF;
  char text[32];
  if (notation == 1)
    std::snprintf(text, sizeof text, "#%02X%02X%02X", r, g, b);
  else
    std::snprintf(text, sizeof text, "R:%u G:%u B:%u", r, g, b);
  return text;
}

std::string StatusSelectionText(int selection) {
  if (selection < 0) return "";
  char text[32];
  std::snprintf(text, sizeof text, "No.%d", selection + 1);
  return text;
}

std::string StatusCountText(const PaletteHeader& header) {
  char text[32];
  std::snprintf(text, sizeof text, "%d/%d", static_cast<int>(header.count), static_cast<int>(header.capacity));
  return text;
}

std::string StatusEnabledText(const PaletteHeader& header) { return header.enabled ? "有効" : "無効"; }

bool TransferText(std::uint32_t colour, int notationSpuit, const char* spuitFormat,
                  char (&text)[kTransferTextSize]) {
  std::memset(text, 0, sizeof text);
  char format[kTransferTextSize];
  CopyText(format, sizeof format, notationSpuit == 0 ? kHtmlFormat : spuitFormat);
  if (format[0] == '\0') return false;
  char expanded[kFormatBufferSize] = {};
  FormatInput input;  // no cursor, range or zoom: a palette colour alone
  input.colour = colour;
  ExpandFormat(expanded, format, input);
  CopyText(text, sizeof text, expanded);
  return true;
}
