#include "base/text_file_encoding.h"

namespace corvinata {

namespace {

// Characters of the bytes 0x80 to 0x9F; the rest of the code page is
// Latin-1, byte and character equal.
constexpr std::uint16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
};

}  // namespace

Char DecodeWindows1252(std::uint8_t byte) noexcept {
    if (byte >= 0x80 && byte < 0xA0) return static_cast<Char>(kHighControls[byte - 0x80]);
    return static_cast<Char>(byte);
}

bool EncodeWindows1252(Char c, std::uint8_t& byte) noexcept {
    const auto unit = static_cast<std::uint16_t>(c);
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) {
        byte = static_cast<std::uint8_t>(unit);
        return true;
    }
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == unit) {
            byte = static_cast<std::uint8_t>(0x80 + i);
            return true;
        }
    }
    return false;
}

}  // namespace corvinata
