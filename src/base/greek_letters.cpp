#include "base/greek_letters.h"

#include <algorithm>

#include "base/wide_string.h"

namespace corvinata {

namespace {

struct GreekLetter {
    const Char* name;
    const Char* abbreviation;
    std::uint16_t firstGlyph;    // symbol font, first set (skips 0xDD)
    std::uint16_t secondGlyph;   // symbol font, second set
};

constexpr GreekLetter kGreekLetters[kGreekLetterCount] = {
    {TXT("Alpha"), TXT("Alp"), 0xCC, 0xB4},
    {TXT("Beta"), TXT("Bet"), 0xCD, 0xB5},
    {TXT("Gamma"), TXT("Gam"), 0xCE, 0xB6},
    {TXT("Delta"), TXT("Del"), 0xCF, 0xB7},
    {TXT("Epsilon"), TXT("Eps"), 0xD0, 0xB8},
    {TXT("Zeta"), TXT("Zet"), 0xD1, 0xB9},
    {TXT("Eta"), TXT("Eta"), 0xD2, 0xBA},
    {TXT("Theta"), TXT("The"), 0xD3, 0xBB},
    {TXT("Iota"), TXT("Iot"), 0xD4, 0xBC},
    {TXT("Kappa"), TXT("Kap"), 0xD5, 0xBD},
    // 10
    {TXT("Lambda"), TXT("Lam"), 0xD6, 0xBE},
    {TXT("Mu"), TXT("Mu"), 0xD7, 0xBF},
    {TXT("Nu"), TXT("Nu"), 0xD8, 0xC0},
    {TXT("Xi"), TXT("Xi"), 0xD9, 0xC1},
    {TXT("Omicron"), TXT("Omi"), 0xDA, 0xC2},
    {TXT("Pi"), TXT("Pi"), 0xDB, 0xC3},
    {TXT("Rho"), TXT("Rho"), 0xDC, 0xC4},
    {TXT("Sigma"), TXT("Sig"), 0xDE, 0xC5},
    {TXT("Tau"), TXT("Tau"), 0xDF, 0xC6},
    {TXT("Upsilon"), TXT("Ups"), 0xE0, 0xC7},
    // 20
    {TXT("Phi"), TXT("Phi"), 0xE1, 0xC8},
    {TXT("Chi"), TXT("Chi"), 0xE2, 0xC9},
    {TXT("Psi"), TXT("Psi"), 0xE3, 0xCA},
    {TXT("Omega"), TXT("Ome"), 0xE4, 0xCB},
};

constexpr const Char* kUnknownLetterName = TXT("???");

constexpr bool IsLetterIndex(int index) noexcept {
    return index >= 0 && index < kGreekLetterCount;
}

template <typename Field>
int FindLetter(const Char* text, Field field) noexcept {
    if (text == nullptr) return kNoGreekLetter;
    for (int i = 0; i < kGreekLetterCount; ++i) {
        if (TextEquals(kGreekLetters[i].*field, text)) return i;
    }
    return kNoGreekLetter;
}

}  // namespace

const Char* GetGreekLetterName(int index) noexcept {
    return IsLetterIndex(index) ? kGreekLetters[index].name : kUnknownLetterName;
}

const Char* GetGreekLetterAbbreviation(int index) noexcept {
    return IsLetterIndex(index) ? kGreekLetters[index].abbreviation : kUnknownLetterName;
}

Char GetGreekLetterGlyph(int entry) noexcept {
    if (entry < 0 || entry >= kGreekLetterGlyphCount) return 0;
    const GreekLetter& letter = kGreekLetters[entry % kGreekLetterCount];
    return static_cast<Char>(entry < kGreekLetterCount ? letter.firstGlyph
                                                       : letter.secondGlyph);
}

namespace {

struct GlyphArray {
    Char glyphs[kGreekLetterGlyphCount];
};

// Built from the letter table at compile time, so the two can never disagree.
constexpr GlyphArray BuildGlyphArray() {
    GlyphArray array{};
    for (int i = 0; i < kGreekLetterCount; ++i) {
        array.glyphs[i] = static_cast<Char>(kGreekLetters[i].firstGlyph);
        array.glyphs[kGreekLetterCount + i] = static_cast<Char>(kGreekLetters[i].secondGlyph);
    }
    return array;
}

constexpr GlyphArray kGlyphArray = BuildGlyphArray();

}  // namespace

const Char* GreekLetterGlyphs() noexcept { return kGlyphArray.glyphs; }

int FindGreekLetterByAbbreviation(const Char* text) noexcept {
    return FindLetter(text, &GreekLetter::abbreviation);
}

int FindGreekLetterByName(const Char* text) noexcept {
    return FindLetter(text, &GreekLetter::name);
}

Colour PercentToGreyColour(std::int32_t percent) noexcept {
    // Whole-number arithmetic: percent x 255 / 100 has a fraction of exactly
    // one half for 10, 30, 50, 70 and 90 per cent, and those must round up
    // whatever the floating-point representation of percent / 100 would be.
    const int clamped = std::clamp(percent, 0, 100);
    const auto level = static_cast<std::uint8_t>((clamped * 255 + 50) / 100);
    return Colour{level, level, level};
}

void AppendPossessiveSuffix(String& text) {
    const int length = text.Length();
    const bool endsInS = length > 0 && FoldLower(text.Text()[length - 1]) == 's';
    StringAppend(text, endsInS ? TXT("'") : TXT("'s"));
}

int FindCharInText(const Char* text, Char c) noexcept {
    if (text == nullptr) return -1;
    for (int i = 0; text[i] != 0; ++i) {
        if (text[i] == c) return i;
    }
    return -1;
}

}  // namespace corvinata
