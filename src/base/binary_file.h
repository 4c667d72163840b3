// Length-prefixed strings in binary files (the graph files): a 32-bit
// little-endian count of bytes, then the bytes, no terminator. Narrow strings
// hold 8-bit characters, wide strings UTF-16 code units (little-endian).
//
// Reading trusts nothing in the file: a count that is negative or larger
// than what is left of the file marks a damaged file, and the read answers
// false with an empty receiver instead of allocating what the count asks.
#pragma once

#include <string>

#include "base/storage.h"
#include "base/text_char.h"
#include "base/wide_string.h"

namespace corvinata {

// An 8-bit string (buffer and length).
using NarrowString = std::string;

bool StreamWriteNarrowString(BinaryFile& file, const char* text);
bool StreamWriteWideString(BinaryFile& file, const Char* text);

// Reads a narrow string into `receiver`, which keeps the bytes before the
// first zero. A count of 0 gives the empty string.
bool StreamReadNarrowString(BinaryFile& file, NarrowString& receiver);
// Reads a wide string: count / 2 characters (an odd last byte is skipped).
bool StreamReadWideString(BinaryFile& file, String& receiver);

}  // namespace corvinata
