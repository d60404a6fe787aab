// Shift-JIS (code page 932) byte rules for texts handled byte by byte.
#pragma once

#include <cstddef>
#include <string>

inline bool IsSjisLeadByte(unsigned char b) {
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

inline bool IsSjisTrailByte(unsigned char b) { return b >= 0x40 && b <= 0xFC && b != 0x7F; }

// Copies at most size - 1 bytes of src into dst and terminates it, never
// splitting a double-byte character and never ending in half of one (a lead
// byte without its trail is left out at the end). Returns the bytes copied.
std::size_t CopyText(char* dst, std::size_t size, const char* src);
