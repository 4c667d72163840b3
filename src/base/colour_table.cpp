#include "base/colour_table.h"

#include "base/text_format.h"
#include "base/wide_string.h"

namespace corvinata {

// code, then red, green, blue. "Brown" is the olive 128, 128, 0: saved graphs
// and scripts name it so, and changing it would recolour them.
constexpr ColourEntry kColourTable[kColourCount] = {
    {Colour{0, 0, 0}, 0, TXT("Black")},
    {Colour{255, 255, 255}, 1, TXT("White")},
    {Colour{255, 0, 0}, 2, TXT("Red")},
    {Colour{0, 255, 0}, 3, TXT("Green")},
    {Colour{255, 255, 0}, 4, TXT("Yellow")},
    {Colour{0, 0, 255}, 5, TXT("Blue")},
    {Colour{255, 0, 255}, 6, TXT("Magenta")},
    {Colour{0, 255, 255}, 7, TXT("Cyan")},
    {Colour{128, 0, 0}, 8, TXT("Dark red")},
    {Colour{0, 128, 0}, 9, TXT("Dark green")},
    // 10
    {Colour{128, 128, 0}, 10, TXT("Brown")},
    {Colour{0, 0, 128}, 11, TXT("Dark blue")},
    {Colour{128, 0, 128}, 12, TXT("Dark magenta")},
    {Colour{0, 128, 128}, 13, TXT("Dark cyan")},
    {Colour{64, 64, 64}, 14, TXT("Dark grey")},
    {Colour{128, 128, 128}, 15, TXT("Grey")},
    {Colour{192, 192, 192}, 16, TXT("Light grey")},
};

namespace {

constexpr bool CodesEqualIndices() noexcept {
    for (int i = 0; i < kColourCount; ++i) {
        if (kColourTable[i].code != i) return false;
    }
    return true;
}
static_assert(CodesEqualIndices(), "a colour's code is its index in the table");

constexpr DistanceUnitTable kDistanceUnits = {
    kInvalidDistanceUnit,
    {TXT("Kilometers"), TXT("Miles"), TXT("Astronomical Units"), TXT("Invalid")},
    {TXT("km"), TXT("mi"), TXT("AU"), TXT("Invalid")},
};

constexpr int kDistanceUnitRows = kInvalidDistanceUnit + 1;

constexpr int DistanceUnitRow(int index) noexcept {
    return (index >= 0 && index < kDistanceUnitRows) ? index : kInvalidDistanceUnit;
}

int FindText(const Char* const (&texts)[kDistanceUnitRows], const Char* text) noexcept {
    if (text == nullptr) return kDistanceUnitNotFound;
    for (int i = 0; i < kDistanceUnitRows; ++i) {
        if (TextEquals(texts[i], text)) return i;
    }
    return kDistanceUnitNotFound;
}

}  // namespace

const ColourEntry* FindColourByCode(int code) noexcept {
    return (code >= 0 && code < kColourCount) ? &kColourTable[code] : nullptr;
}

const ColourEntry* FindColourByName(const Char* name) noexcept {
    if (name == nullptr) return nullptr;
    for (const ColourEntry& entry : kColourTable) {
        if (TextEqualsNoCase(entry.name, name)) return &entry;
    }
    return nullptr;
}

void FormatColourHtml(Colour colour, String& out) {
    Char digits[7] = {};
    int position = 0;
    AppendHexByte(colour.red, digits, position);
    AppendHexByte(colour.green, digits, position);
    AppendHexByte(colour.blue, digits, position);
    StringAssign(out, digits);
}

const DistanceUnitTable& DistanceUnitNames() noexcept { return kDistanceUnits; }

const Char* GetDistanceUnitName(int index) noexcept {
    return kDistanceUnits.names[DistanceUnitRow(index)];
}

const Char* GetDistanceUnitCode(int index) noexcept {
    return kDistanceUnits.abbreviations[DistanceUnitRow(index)];
}

int FindDistanceUnitByName(const Char* name) noexcept {
    return FindText(kDistanceUnits.names, name);
}

int FindDistanceUnitByCode(const Char* abbreviation) noexcept {
    return FindText(kDistanceUnits.abbreviations, abbreviation);
}

}  // namespace corvinata
