// Text helpers of the angle, place and distance tests: texts written as UTF-8
// literals ("12°30'") turned into program texts, and program texts turned
// back into UTF-8 so that failure messages show the degree sign.
#pragma once

#include <cstdint>
#include <string>

#include "base/text_char.h"
#include "base/wide_string.h"

namespace corvinata::placetest {

using CharText = std::basic_string<Char>;

// UTF-8 to the program's UTF-16 texts; the tests use only characters of the
// Basic Multilingual Plane.
inline CharText Wide(const char* utf8) {
    CharText result;
    const auto* p = reinterpret_cast<const unsigned char*>(utf8);
    while (*p) {
        unsigned code = *p++;
        if (code >= 0xE0) {
            code = ((code & 0x0F) << 12) | ((p[0] & 0x3F) << 6) | (p[1] & 0x3F);
            p += 2;
        } else if (code >= 0xC0) {
            code = ((code & 0x1F) << 6) | (p[0] & 0x3F);
            p += 1;
        }
        result += static_cast<Char>(code);
    }
    return result;
}

inline std::string Utf8(const Char* text) {
    std::string result;
    for (; *text; ++text) {
        const unsigned code = static_cast<unsigned>(static_cast<std::uint16_t>(*text));
        if (code < 0x80) {
            result += static_cast<char>(code);
        } else if (code < 0x800) {
            result += static_cast<char>(0xC0 | (code >> 6));
            result += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            result += static_cast<char>(0xE0 | (code >> 12));
            result += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            result += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return result;
}

inline std::string Utf8(const String& text) { return Utf8(text.Text()); }

}  // namespace corvinata::placetest
