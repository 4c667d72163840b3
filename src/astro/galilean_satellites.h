// Apparent positions of the four Galilean satellites of Jupiter.
//
// Meeus, Astronomical Algorithms, ch. 44, the higher-accuracy method that
// abridges J. H. Lieske's theory E5 (A&A Suppl. 129, 205, 1998): 151 periodic
// terms in longitude, 35 in latitude and 44 in radius vector. Jupiter's
// geocentric place comes from the abridged VSOP87 series with an iterated
// light time.
#pragma once

namespace corvinata {

// Satellite indexes, also the order of the outputs.
constexpr int kIo = 0;
constexpr int kEuropa = 1;
constexpr int kGanymede = 2;
constexpr int kCallisto = 3;
constexpr int kGalileanCount = 4;

// Positions of the four satellites at a Julian day (used as given for the
// planetary series and the satellite theory alike).
//
// positions[3k], [3k+1], [3k+2] receive satellite k's X, Y, Z in equatorial
// radii of Jupiter, centred on Jupiter, in the frame of the sky: X along the
// projected equator, positive towards the west; Y towards the projected north
// pole; Z along the line of sight, positive when the satellite is farther
// than Jupiter. The fifth triple receives the unit vector of Jupiter's north
// pole in the same frame (X is 0 by construction).
//
// When `angles` is given it receives the four mean longitudes l1..l4 of the
// theory (degrees, 0..360), from which callers count revolutions.
void ComputeJupiterSatellites(double jd, double (&positions)[15], double* angles = nullptr);

}  // namespace corvinata
