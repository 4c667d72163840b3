// The seventeen object types of the NGC 2000.0 catalogue.
#pragma once

#include <cstdint>

#include "base/text_char.h"

namespace corvinata {

constexpr int kDeepSkyTypeCount = 17;

// The codes of the catalogue, numbered as the records store them.
enum DeepSkyTypeCode : std::int32_t {
    kGalaxy = 0,
    kOpenCluster = 1,
    kGlobularCluster = 2,
    kBrightNebula = 3,
    kPlanetaryNebula = 4,
    kClusterWithNebulosity = 5,
    kAsterism = 6,
    kKnot = 7,
    kTripleStar = 8,
    kDoubleStar = 9,
    kSingleStar = 10,
    kUncertainType = 11,
    kUnidentified = 12,
    kNonexistent = 13,
    kPlateDefect = 14,
    kDoubleStarDoubtful = 15,
    kStarDoubtful = 16,
};

struct DeepSkyType {
    std::int32_t code;
    const Char* description;
    const Char* catalogueCode;  // as NGC 2000.0 writes it ("Gx", "C+N"; empty for 12)
};

// The whole table in code order: the record at position i has code i.
const DeepSkyType* DeepSkyTypeNames() noexcept;

// The type with that code; the empty type (code -1, empty texts) for a code
// outside 0..16.
DeepSkyType DeepSkyTypeAt(int code) noexcept;

}  // namespace corvinata
