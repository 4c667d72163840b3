#include "support/test_text.h"

#include <cstdint>

namespace corvinata::test {

CharText Wide(const std::string& utf8) {
    CharText result;
    const auto* p = reinterpret_cast<const unsigned char*>(utf8.c_str());
    while (*p) {
        unsigned code = *p++;
        if (code >= 0xE0 && p[0] && p[1]) {
            code = ((code & 0x0F) << 12) | ((p[0] & 0x3F) << 6) | (p[1] & 0x3F);
            p += 2;
        } else if (code >= 0xC0 && p[0]) {
            code = ((code & 0x1F) << 6) | (p[0] & 0x3F);
            p += 1;
        }
        result += static_cast<Char>(code);
    }
    return result;
}

std::string Utf8(const Char* text) {
    std::string result;
    for (; *text; ++text) {
        const unsigned code = static_cast<std::uint16_t>(*text);
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

}  // namespace corvinata::test
