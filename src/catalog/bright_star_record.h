// One row of the built-in Bright Star Catalogue table, as generated from the
// Yale Bright Star Catalogue, 5th revised edition.
#pragma once

#include <cstdint>

#include "base/text_char.h"

namespace corvinata {

// Bayer letter of a catalogue entry that is not a star (a nova or a galaxy
// kept only to preserve the HR numbering); such rows carry no other data.
constexpr std::int32_t kNotAStar = 47;

struct BrightStarRecord {
    std::int32_t bayerLetter;      // 0..23 alpha..omega, -1 none, kNotAStar
    std::uint16_t superscript;     // 0 none, 1..9
    double rightAscension;         // degrees, J2000.0
    double declination;            // degrees, J2000.0
    float magnitude;               // V
    const Char* constellation;     // abbreviation from the name column, or empty
};

}  // namespace corvinata
