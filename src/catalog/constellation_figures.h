// The stick figures of the constellations: polylines of bright stars, read
// from the packed figure text into line segments between stars.
#pragma once

#include <cstdint>
#include <vector>

#include "base/text_char.h"
#include "catalog/constellation_catalogue.h"
#include "catalog/star_directory.h"

namespace corvinata {

using ConstellationFigures = std::vector<std::vector<FigureSegment>>;

// Reads every record of `text` into `figures` (one list per constellation
// number; resized to 88). A star written as a Greek letter is the brightest
// star of the constellation with that letter; one written as four digits is
// the star of that HR number. Answers false at the first record that cannot
// be resolved, keeping the segments read so far.
bool ParseConstellationFigures(const Char* text, const StarDirectory& stars,
                               ConstellationFigures& figures);

// Fills the figure segments of every constellation from the built-in text
// (needs the stars); false when a record cannot be resolved.
bool CreateConstellationFigures();

}  // namespace corvinata
