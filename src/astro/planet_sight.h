// A planet or Pluto as the Earth sees it at an instant: its heliocentric
// place when the light left it and the geocentric vector to that place.
#pragma once

#include "astro/planet_series.h"

namespace corvinata {

// Heliocentric ecliptic longitude and latitude (degrees, equinox of the
// date) and radius vector (AU).
struct HeliocentricPlace {
    double l;
    double b;
    double r;
};

// Geocentric rectangular ecliptic coordinates, AU.
struct GeocentricVector {
    double x;
    double y;
    double z;
};

// The place of planet `index` (0 Mercury .. 6 Neptune, 7 Pluto) at `t`,
// referred to the equinox of `jd` (Julian days, dynamical time). Pluto's
// theory gives J2000.0 places, precessed here; it is asked without its own
// light time.
HeliocentricPlace PlanetHeliocentricAt(int index, double t, double jd);

// The Earth's heliocentric place at jd.
HeliocentricPlace EarthHeliocentric(double jd);

struct PlanetSight {
    HeliocentricPlace seen;      // where the light seen at jd left the planet
    GeocentricVector geocentric;  // from the Earth at jd to `seen`
};

// The light-time iteration, starting from the planet's place at jd itself
// (`now`): at most 10 passes, until each axis of the geocentric vector moves
// by less than 1/36000 AU.
PlanetSight SeePlanetFromEarth(int index, double jd, const HeliocentricPlace& now,
                               const GeocentricSun& sun);

}  // namespace corvinata
