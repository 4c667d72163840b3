// The named colours of graph lines and the table of distance units.
//
// Both tables are constant data: users pick a colour or a unit by name in
// dialogs, scripts and automation, and the program stores the index. Names
// are English and fixed; they are part of the script language and of saved
// graphs, so they must never be reworded.
#pragma once

#include <cstdint>

#include "base/text_char.h"

namespace corvinata {

class String;

// An opaque RGB colour. ToColorRef gives the layout of a Windows colour value
// (red in the lowest byte, the top byte zero).
struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    constexpr std::uint32_t ToColorRef() const noexcept {
        return static_cast<std::uint32_t>(red) |
               (static_cast<std::uint32_t>(green) << 8) |
               (static_cast<std::uint32_t>(blue) << 16);
    }
};

constexpr bool operator==(Colour a, Colour b) noexcept {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}
constexpr bool operator!=(Colour a, Colour b) noexcept { return !(a == b); }

// One named colour; `code` equals the entry's index in the table.
struct ColourEntry {
    Colour colour;
    std::int32_t code;
    const Char* name;
};

constexpr int kColourCount = 17;

// The named colours in code order, "Black" (0) to "Light grey" (16). Index it
// only with codes taken from the table itself; for a code read from outside
// (a file, a script) use FindColourByCode.
extern const ColourEntry kColourTable[kColourCount];

// The entry of a colour code, or null when the code is outside 0..16.
const ColourEntry* FindColourByCode(int code) noexcept;

// The first entry whose name equals `name` with the ASCII letters compared
// without regard to case; null when none does. Blanks count exactly.
const ColourEntry* FindColourByName(const Char* name) noexcept;

// Replaces `out` by the colour's HTML text, six upper-case hexadecimal digits
// "RRGGBB" without a leading "#".
void FormatColourHtml(Colour colour, String& out);

// Distance units: 0 kilometres, 1 miles, 2 astronomical units; 3 is the
// "Invalid" unit, and the lookups answer 4 for a text they do not know.
enum DistanceUnitId : std::int32_t {
    kKilometres = 0,
    kMiles = 1,
    kAstronomicalUnits = 2,
    kInvalidDistanceUnit = 3,
    kDistanceUnitNotFound = 4,
};

struct DistanceUnitTable {
    std::int32_t unitCount;          // 3, also the index of the "Invalid" row
    const Char* names[4];            // "Kilometers" ... "Invalid"
    const Char* abbreviations[4];    // "km" ... "Invalid"
};

// The one table of distance units.
const DistanceUnitTable& DistanceUnitNames() noexcept;

// Long name and abbreviation of unit `index` (0..3). Any other index gives
// the texts of the "Invalid" row, so a unit read from a damaged file can be
// shown but never reads past the table.
const Char* GetDistanceUnitName(int index) noexcept;
const Char* GetDistanceUnitCode(int index) noexcept;

// Index 0..3 of the long name or abbreviation equal to the text (exact,
// case-sensitive); kDistanceUnitNotFound (4) when none is.
int FindDistanceUnitByName(const Char* name) noexcept;
int FindDistanceUnitByCode(const Char* abbreviation) noexcept;

}  // namespace corvinata
