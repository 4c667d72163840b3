// Windows-1252, the one 8-bit code page of the program's text files, both
// ways, with a table of its own so that every build converts alike.
#pragma once

#include <cstdint>

#include "base/text_char.h"

namespace corvinata {

// The character of a byte. The five bytes that the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control characters of
// the same number, as Windows maps them, so that every byte survives a
// round trip.
Char DecodeWindows1252(std::uint8_t byte) noexcept;

// The byte of a character; false when the code page has no byte for it.
bool EncodeWindows1252(Char c, std::uint8_t& byte) noexcept;

// The byte written for a character that the code page cannot hold.
constexpr std::uint8_t kUnmappableByte = '?';

}  // namespace corvinata
