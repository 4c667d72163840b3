// Program texts in the tests: UTF-8 literals ("12°30'") turned into the
// program's UTF-16 texts, and program texts turned back into UTF-8 so that
// comparisons and failure messages show every character.
#pragma once

#include <string>

#include "base/wide_string.h"

namespace corvinata::test {

using CharText = std::basic_string<Char>;

// UTF-8 to the program's characters (the Basic Multilingual Plane only).
CharText Wide(const std::string& utf8);

// The program's characters as UTF-8.
std::string Utf8(const Char* text);
inline std::string Utf8(const String& text) { return Utf8(text.Text()); }

}  // namespace corvinata::test
