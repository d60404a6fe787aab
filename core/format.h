// The picker text format language: three-character specifiers beginning
// with '%' are replaced by values of the current sample.
#pragma once

#include <cstdint>

// Size of every format output buffer: at most 259 characters and a NUL.
inline constexpr int kFormatBufferSize = 260;
// ExpandSpecifier needs room for "-2147483648" and a NUL; callers give 32.
inline constexpr int kFragmentBufferSize = 32;

// What a format is expanded from: the sampled colour, where the cursor is on
// the screen and in the window under it, the side of the averaged square and
// the zoom level; the colour that contrast and difference compare with, if
// any, and whether the monitor under the cursor shows HDR.
struct FormatInput {
  std::uint32_t colour = 0;
  int screenX = 0, screenY = 0;
  int clientX = 0, clientY = 0;
  int range = 0;
  int zoomLevel = 0;
  bool hasReference = false;
  std::uint32_t reference = 0;
  bool hdr = false;
};

// Writes the text of one specifier into fragment (kFragmentBufferSize
// bytes). Returns fragment, or null (writing nothing) when fragment is null
// or the specifier is unknown.
char* ExpandSpecifier(char* fragment, const FormatInput& input, const char* specifier);

// Expands format into output (kFormatBufferSize bytes, zero-filled by the
// caller). Returns output, or null when output is null.
char* ExpandFormat(char* output, const char* format, const FormatInput& input);
// Whether format holds a specifier that compares with the reference colour.
bool FormatUsesReference(const char* format);
// The widest text format can produce, for sizing the picker once.
char* MeasureFormat(char* output, const char* format);

// The same with the sample as separate values, in the orders other callers
// know; a non-zero measuring flag gives MeasureFormat.
char* ExpandSpecifier(char* fragment, int screenX, int screenY, int clientX, int clientY,
                      std::uint32_t colour, int zoomLevel, int range, const char* specifier);
char* ExpandFormat(char* output, const char* format, std::uint32_t colour, int screenX,
                   int screenY, int clientX, int clientY, int range, int zoomLevel,
                   int measuring);
