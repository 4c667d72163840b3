// The stick figures of the constellations.
#pragma once

namespace corvinata {

// Fills the figure segments of every constellation (needs the stars).
bool CreateConstellationFigures();

}  // namespace corvinata
