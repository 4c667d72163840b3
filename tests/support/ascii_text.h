// Wide program text as a std::string the tests can compare and print; every
// character is taken as ASCII.
#pragma once

#include <string>

#include "base/wide_string.h"

namespace corvinata::test {

std::string Ascii(const Char* text);
std::string Ascii(const String& text);

}  // namespace corvinata::test
