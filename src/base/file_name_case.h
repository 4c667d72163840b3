// File names compared as Windows compares them: without regard to case,
// each UTF-16 unit mapped through the simple upper case of Unicode, so that
// "ÄREß.jpg" and "äreß.jpg" name one file while "ß" and "SS" stay apart.
#pragma once

#include "base/text_char.h"

namespace corvinata {

// The character a file name compares as.
Char FileNameUpper(Char c) noexcept;
// Whether two zero-terminated names are one file name.
bool FileNamesEqual(const Char* a, const Char* b) noexcept;

}  // namespace corvinata
