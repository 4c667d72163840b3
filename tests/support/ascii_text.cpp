#include "support/ascii_text.h"

namespace corvinata::test {

std::string Ascii(const Char* text) {
    std::string result;
    for (; *text; ++text) result += static_cast<char>(*text);
    return result;
}

std::string Ascii(const String& text) { return Ascii(text.Text()); }

}  // namespace corvinata::test
