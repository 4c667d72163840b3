// Position angle, angular distance and elongation of two points on the
// celestial sphere. A point is a longitude-like and a latitude-like angle in
// degrees (right ascension and declination, or ecliptic longitude and
// latitude); both points must be in the same system, which is the caller's
// duty. Results are in degrees.
#pragma once

#include "astro/coordinates.h"

namespace corvinata {

// Position angle of a as seen from b, 0..360, from north (increasing latitude)
// through east (increasing longitude) (Meeus, AA formula 48.5 in form).
// Coincident points give 0.
double PositionAngle(const SkyCoordinates& a, const SkyCoordinates& b);

// Angular distance of p and q, 0..180 (Meeus, AA formula 17.1); below 10
// arcminutes the plane approximation (17.2) replaces the law of cosines.
double AngularDistance(const SkyCoordinates& p, const SkyCoordinates& q);

// Angular distance of p from q for a q on the reference circle (the Sun on the
// ecliptic: q's latitude is not read), positive when p lies east of q and
// negative when west, -180..180.
double SignedElongation(const SkyCoordinates& p, const SkyCoordinates& q);

}  // namespace corvinata
