// The texts of the palette window, without windows: item numbers, swatch
// texts, the status bar and the text a copy puts on the clipboard.
#pragma once

#include <cstdint>
#include <string>

#include "core/palette_model.h"

// Room for a transfer text and its format: 69 characters and the NUL.
inline constexpr int kTransferTextSize = 70;

// Decimal digits of capacity (1 below 10, 4 for 1000): the width of the
// item numbers.
int CapacityDigits(std::int32_t capacity);
// Item index's number, index + 1 zero-padded to the capacity's width.
std::string ItemNumberText(int index, std::int32_t capacity);
// "#RRGGBB" for notation 1, else "R:r G:g B:b".
std::string SwatchText(std::uint32_t colour, int notation);

// The status bar's three parts: "No.n" for the selection (empty with none),
// "count/capacity", and "有効" or "無効".
std::string StatusSelectionText(int selection);
std::string StatusCountText(const PaletteHeader& header);
std::string StatusEnabledText(const PaletteHeader& header);

// The text a copy of colour puts on the clipboard: "#%rx%gx%bx" for
// notationSpuit 0, else spuitFormat, each value of the cursor, range and
// zoom 0. Format and text are cut to 69 bytes, never inside a double-byte
// character. Returns false, text empty, when the format is empty.
bool TransferText(std::uint32_t colour, int notationSpuit, const char* spuitFormat,
                  char (&text)[kTransferTextSize]);
