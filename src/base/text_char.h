// The program's 16-bit text character.
//
// Texts are UTF-16 everywhere. On Windows that is wchar_t, which is what the
// platform's wide API takes; natively (Linux) wchar_t is 32 bits, so the core
// uses char16_t there. Core code is written only against `Char` and `TXT`, and
// because the C library's wide functions (wcslen, wcstol, iswspace ...) take
// wchar_t, the native build rejects any use of them by type: the helpers below
// are the only character functions the core calls, and they behave the same on
// both builds.
#pragma once

#include <cstddef>
#include <cstdint>

namespace corvinata {

#ifdef _WIN32
using Char = wchar_t;
#define CN_TEXT_PREFIX_(s) L##s
#else
using Char = char16_t;
#define CN_TEXT_PREFIX_(s) u##s
#endif

// A literal text of the program's character type: TXT("Sky").
#define TXT(s) CN_TEXT_PREFIX_(s)

static_assert(sizeof(Char) == 2, "texts are UTF-16");

// Number of characters before the terminator.
inline int TextLength(const Char* text) noexcept {
    const Char* p = text;
    while (*p) ++p;
    return static_cast<int>(p - text);
}

// White space as the program classifies it: the ASCII controls tab to carriage
// return, the blank, and the Unicode space separators. One fixed set, so that
// trimming and word breaks do not depend on the C library of the build.
constexpr bool IsSpaceChar(Char c) noexcept {
    const auto u = static_cast<std::uint16_t>(c);
    return (u >= 0x09 && u <= 0x0D) || u == 0x20 || u == 0x85 || u == 0xA0 ||
           u == 0x1680 || (u >= 0x2000 && u <= 0x200A) || u == 0x2028 ||
           u == 0x2029 || u == 0x202F || u == 0x205F || u == 0x3000;
}

constexpr bool IsDigitChar(Char c) noexcept { return c >= '0' && c <= '9'; }

// Case folding folds the ASCII letters only: "é" and "É" stay different.
constexpr Char FoldUpper(Char c) noexcept {
    return (c >= 'a' && c <= 'z') ? static_cast<Char>(c - 'a' + 'A') : c;
}
constexpr Char FoldLower(Char c) noexcept {
    return (c >= 'A' && c <= 'Z') ? static_cast<Char>(c - 'A' + 'a') : c;
}

// Exact equality of two zero-terminated texts.
inline bool TextEquals(const Char* a, const Char* b) noexcept {
    while (*a && *a == *b) { ++a; ++b; }
    return *a == *b;
}

// Equality with the ASCII letters compared without regard to case.
inline bool TextEqualsNoCase(const Char* a, const Char* b) noexcept {
    while (*a && FoldUpper(*a) == FoldUpper(*b)) { ++a; ++b; }
    return FoldUpper(*a) == FoldUpper(*b);
}

}  // namespace corvinata
