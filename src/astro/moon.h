// Geocentric position of the Moon and its phase angle.
//
// The lunar theory is the abridged ELP-2000/82 of Meeus, Astronomical
// Algorithms, ch. 47: 60 periodic terms in longitude and distance (table
// 47.A), 60 in latitude (table 47.B) and the additive terms of Venus, Jupiter
// and the Earth's flattening. Angles are in degrees, distances in kilometres.
#pragma once

#include "astro/coordinates.h"

namespace corvinata {

// Apparent geocentric ecliptic longitude (0..360, equinox of date, nutation in
// longitude of the date included), latitude and distance of the Moon's centre
// from the Earth's centre (km) at a Julian day. The day is used as given: the
// caller chooses the time scale, and no light time is applied. `position`
// receives the ecliptical system code. When `meanLongitude` is given it
// receives the Moon's mean longitude L' (0..360).
void ComputeMoonPosition(double jd, SkyCoordinates& position, double& distance,
                         double* meanLongitude = nullptr);

// Sums of table 47.A for the fundamental arguments D, M, M', F (degrees) and
// the eccentricity factor E of the Earth's orbit: sumL in 1e-6 degree (sine
// terms), sumR in 1e-3 km (cosine terms). Terms with M are multiplied by E,
// those with 2M by E^2.
void MoonLongitudeDistanceSums(double d, double m, double mp, double f, double e,
                               double& sumL, double& sumR);

// Sum of table 47.B (latitude, 1e-6 degree), arguments as above.
void MoonLatitudeSum(double d, double m, double mp, double f, double e, double& sumB);

// Phase angle of the Moon in degrees (0 full .. 180 new) from the ecliptic
// positions of the Moon and the Sun (the Sun's latitude is taken as zero), the
// Sun's distance `sunDistance` and the Moon's `moonDistance` from the Earth in
// the same unit (Meeus, AA formulas 48.2 and 48.3).
double MoonPhaseAngle(const SkyCoordinates& moon, const SkyCoordinates& sun,
                      double sunDistance, double moonDistance);

}  // namespace corvinata
