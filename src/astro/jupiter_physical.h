// Orientation of Jupiter's globe as seen from the Earth, and the small
// geometric steps it shares with the ephemeris of Saturn's ring.
//
// Meeus, Astronomical Algorithms, ch. 43 (physical observations of Jupiter,
// the more accurate method): pole of date from the IAU elements referred to
// JD 2433282.5, positions from the abridged VSOP87 series, one light-time
// correction, aberration and nutation. The central meridians are not computed.
#pragma once

namespace corvinata {

// Planetocentric declination of the Earth `de` and of the Sun `ds` (degrees,
// -90..90) and position angle of Jupiter's north pole `p` (degrees, east of
// north, -180..180, not reduced to 0..360) at a Julian day. The day is used
// as given for every series, nutation and obliquity.
void JupiterPhysicalData(double jd, double& de, double& ds, double& p);

// Geocentric ecliptic rectangular coordinates (AU) and distance of a planet
// from its heliocentric longitude l and latitude b (degrees) and radius r
// (AU) and the Earth's heliocentric l0, b0 (degrees) and r0 (AU) (Meeus, AA
// formula 33.1; the Earth's latitude stays within 2 arcseconds, so its cosine
// is taken as 1).
void GeocentricRectangular(double& x, double& y, double& z, double& delta,
                           double l, double b, double r,
                           double l0, double b0, double r0);

// Rotates ecliptic rectangular coordinates about the x axis by the obliquity
// `epsilon` (radians) and answers the right ascension `alpha` (-pi..pi) and
// declination `delta` (radians).
void RectangularEclipticToEquatorial(double x, double y, double z, double epsilon,
                                     double& alpha, double& delta);

// Position angle in radians (-pi..pi, from north through east) of the point
// (alpha0, delta0) as seen from (alpha, delta), all in radians (Meeus, AA
// formula 48.5 in the form of ch. 43).
double PositionAngleRadians(double alpha, double delta, double alpha0, double delta0);

}  // namespace corvinata
