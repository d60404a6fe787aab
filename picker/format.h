// The picker text format language: three-character specifiers beginning
// with '%' are replaced by values of the current sample.
#pragma once

#include <cstdint>

// Size of every format output buffer: at most 259 characters and a NUL.
inline constexpr int kFormatBufferSize = 260;
// ExpandSpecifier needs room for "-2147483648" and a NUL; callers give 32.
inline constexpr int kFragmentBufferSize = 32;

// Writes the text of one specifier into fragment. Returns fragment, or null
// (writing nothing) when fragment is null or the specifier is unknown.
char* ExpandSpecifier(char* fragment, int screenX, int screenY, int clientX, int clientY,
                      std::uint32_t colour, int zoomLevel, int range, const char* specifier);

// Expands format into output (kFormatBufferSize bytes, zero-filled by the
// caller). A non-zero measuring flag replaces the inputs by their widest
// values. Returns output, or null when output is null.
char* ExpandFormat(char* output, const char* format, std::uint32_t colour, int screenX,
                   int screenY, int clientX, int clientY, int range, int zoomLevel,
                   int measuring);
