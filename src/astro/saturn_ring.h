// Appearance of Saturn's ring as seen from the Earth.
//
// Meeus, Astronomical Algorithms, ch. 45 (the ring of Saturn): positions from
// the abridged VSOP87 series corrected to the FK5 frame, an iterated light
// time, aberration and nutation. Angles in degrees.
#pragma once

namespace corvinata {

// The ring at a Julian day (used as given for series and nutation):
// - b: Saturnicentric latitude of the Earth referred to the ring plane, -90..90;
// - bPrime: the same for the Sun;
// - p: position angle of the north pole of the ring plane, which is that of
//   the northern minor semi-axis of the ring's apparent ellipse, -180..180
//   (not reduced to 0..360);
// - majorAxis, minorAxis: full apparent axes of the outer edge of the ring in
//   degrees (375.35 arcseconds at 1 AU);
// - deltaU: difference between the Saturnicentric longitudes of the Sun and
//   the Earth measured in the ring plane, 0..180.
void SaturnPhysicalData(double jd, double& b, double& bPrime, double& p,
                        double& majorAxis, double& minorAxis, double& deltaU);

}  // namespace corvinata
