// Greek letters of star designations, and a few small text helpers.
//
// Bright stars carry Bayer designations: a Greek letter, often written as a
// three-letter abbreviation ("Alp Lyr") in the star tables and by its full
// name ("Alpha") in the constellation figures. The sky display and the table
// of symbols draw letters with the program's own symbol font, which holds two
// sets of Greek glyphs.
#pragma once

#include <cstdint>

#include "base/colour_table.h"
#include "base/text_char.h"

namespace corvinata {

class String;

// Letters are indexed 0 (alpha) .. 23 (omega).
constexpr int kGreekLetterCount = 24;
// A star without a Greek letter.
constexpr int kNoGreekLetter = -1;
// Glyph entries: 0..23 the first set of the symbol font, 24..47 the second.
constexpr int kGreekLetterGlyphCount = 2 * kGreekLetterCount;

// Full name ("Alpha") and abbreviation ("Alp") of a letter; "???" for
// kNoGreekLetter and for any index outside 0..23.
const Char* GetGreekLetterName(int index) noexcept;
const Char* GetGreekLetterAbbreviation(int index) noexcept;

// Symbol-font character of glyph entry 0..47 (entry i shows letter i mod 24);
// 0 for any other entry.
Char GetGreekLetterGlyph(int entry) noexcept;
// All kGreekLetterGlyphCount glyph entries in entry order, the whole of both
// sets as the table of symbols lays them out.
const Char* GreekLetterGlyphs() noexcept;

// First index whose abbreviation, or full name, equals the text exactly
// (letter case counts); kNoGreekLetter when none does.
int FindGreekLetterByAbbreviation(const Char* text) noexcept;
int FindGreekLetterByName(const Char* text) noexcept;

// The grey of a brightness percentage: each channel percent / 100 x 255,
// rounded half away from zero (50 gives 128). Percentages outside 0..100 are
// clamped, so the grey never wraps round to a darker shade.
Colour PercentToGreyColour(std::int32_t percent) noexcept;

// Appends the English possessive: "'" after a final "s" or "S" ("Mars'"),
// "'s" otherwise ("Jupiter's", and for the empty text).
void AppendPossessiveSuffix(String& text);

// Position of the first occurrence of `c` in the zero-terminated text, or -1
// when it does not occur (the terminator itself is never found).
int FindCharInText(const Char* text, Char c) noexcept;

}  // namespace corvinata
