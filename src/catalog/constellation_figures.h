// The stick figures of the constellations: polylines of bright stars, read
// from the packed figure text into line segments between stars.
#pragma once

#include <cstdint>
#include <vector>

#include "base/text_char.h"
#include "catalog/star_directory.h"

namespace corvinata {

// A line of a figure between two stars (star indexes); `to` is -1 for a
// polyline of a single star.
struct FigureSegment {
    std::int32_t from;
    std::int32_t to;
};

using ConstellationFigures = std::vector<std::vector<FigureSegment>>;

// Reads every record of `text` into `figures` (one list per constellation
// number; resized to 88). A star written as a Greek letter is the brightest
// star of the constellation with that letter; one written as four digits is
// the star of that HR number. Answers false at the first record that cannot
// be resolved, keeping the segments read so far.
bool ParseConstellationFigures(const Char* text, const StarDirectory& stars,
                               ConstellationFigures& figures);

}  // namespace corvinata
