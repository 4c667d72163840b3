// One row of the built-in NGC/IC table, as generated from NGC 2000.0.
#pragma once

#include <cstdint>

#include "base/text_char.h"

namespace corvinata {

// Markers of a value the catalogue does not give.
constexpr float kUnknownDeepSkySize = -1000.0f;
constexpr float kUnknownDeepSkyMagnitude = 9999.0f;

struct DeepSkyRecord {
    // "NGC" or "IC" and the number right-aligned in five characters
    // ("NGC  224", "IC 5370").
    const Char* name;
    std::uint32_t type;           // DeepSkyTypeCode 0..16
    double rightAscension;        // degrees, J2000.0
    double declination;           // degrees, J2000.0
    const Char* constellation;    // three-letter abbreviation
    float size;                   // largest dimension, degrees
    float magnitude;              // visual, or photographic where the catalogue says so
    const Char* description;      // Dreyer's description, at most 50 characters
};

}  // namespace corvinata
