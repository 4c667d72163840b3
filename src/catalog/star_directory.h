// What the star-name and figure texts need to know of the star catalogue:
// constellations by abbreviation and stars by Bayer letter or by name.
#pragma once

#include "base/text_char.h"

namespace corvinata {

class StarDirectory {
public:
    virtual ~StarDirectory() = default;
    // Constellation number 0..87 of an abbreviation, compared without regard
    // to case; -1 when none has it.
    virtual int ConstellationByAbbreviation(const Char* abbreviation) const = 0;
    // Index of the brightest star of the constellation with that Bayer
    // letter (0..23) and, when `superscript` is not 0, that superscript;
    // -1 when there is none.
    virtual int BrightestStarWithLetter(int constellation, int letter, int superscript) const = 0;
    // Index of the star whose catalogue name is exactly `name` ("BSC 0424"),
    // or -1.
    virtual int StarByCatalogueName(const Char* name) const = 0;
};

}  // namespace corvinata
