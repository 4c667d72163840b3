#include "astro/planet_sight.h"

#include <cmath>

#include "astro/delta_t.h"
#include "astro/nutation.h"
#include "base/angle_reduction.h"

namespace corvinata {
namespace {

// The light-time iteration stops when the geocentric vector moves by less
// than this in each axis (AU), or after kLightTimePasses passes.
constexpr double kLightTimeTolerance = 1.0 / 36000.0;
constexpr int kLightTimePasses = 10;

GeocentricVector Geocentric(const HeliocentricPlace& planet, const GeocentricSun& sun) {
    GeocentricVector v{0.0, 0.0, 0.0};
    GeocentricFromSun(sun, planet.l, planet.b, planet.r, v.x, v.y, v.z);
    return v;
}

}  // namespace

HeliocentricPlace PlanetHeliocentricAt(int index, double t, double jd) {
    HeliocentricPlace h{0.0, 0.0, 0.0};
    if (index == kPlutoIndex) {
        double lightTime = 0.0;
        ComputePluto(t, &h.l, &h.b, &h.r, nullptr, lightTime);
        PrecessEcliptic(kJulianDayJ2000, jd, h.l, h.b);
        h.l = ReduceDegrees(h.l);
    } else {
        PlanetHeliocentricPosition(t, &h.l, &h.b, &h.r, index);
    }
    return h;
}

HeliocentricPlace EarthHeliocentric(double jd) {
    HeliocentricPlace earth{0.0, 0.0, 0.0};
    VsopHeliocentricPosition(jd, VsopSeries(VsopBody::Earth), &earth.l, &earth.b, &earth.r);
    return earth;
}

PlanetSight SeePlanetFromEarth(int index, double jd, const HeliocentricPlace& now,
                               const GeocentricSun& sun) {
    PlanetSight sight{now, Geocentric(now, sun)};
    GeocentricVector previous{-999.0, -999.0, -999.0};
    for (int pass = 0; pass < kLightTimePasses; ++pass) {
        const GeocentricVector& v = sight.geocentric;
        if (std::fabs(v.x - previous.x) < kLightTimeTolerance &&
            std::fabs(v.y - previous.y) < kLightTimeTolerance &&
            std::fabs(v.z - previous.z) < kLightTimeTolerance) {
            break;
        }
        const double tau = kLightDaysPerAu * std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
        previous = v;
        sight.seen = PlanetHeliocentricAt(index, jd - tau, jd);
        sight.geocentric = Geocentric(sight.seen, sun);
    }
    return sight;
}

}  // namespace corvinata
