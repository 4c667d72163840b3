#include "astro/saturn_ring.h"

#include <cmath>

#include "astro/coordinates.h"
#include "astro/degrees.h"
#include "astro/delta_t.h"
#include "astro/jupiter_physical.h"
#include "astro/nutation.h"
#include "astro/planet_series.h"

namespace corvinata {
namespace {
// Constant of annual aberration in degrees.
constexpr double kAberration = 0.005693;
// Apparent diameter of the ring's outer edge at 1 AU: 375.35 arcseconds.
constexpr double kRingDiameterAt1Au = 375.35 / 3600.0;

// The angle between two directions, 0..180, whatever turn each is given in.
double AngleBetween(double a, double b) {
    return std::fabs(std::remainder(a - b, 360.0));
}

}  // namespace

void SaturnPhysicalData(double jd, double& b, double& bPrime, double& p,
                        double& majorAxis, double& minorAxis, double& deltaU) {
    const double t = (jd - kJulianDayJ2000) / kDaysPerJulianCentury;
    const double incl = 28.075216 - 0.012998 * t + 0.000004 * t * t;
    const double node = 169.50847 + 1.394681 * t + 0.000412 * t * t;
    const double si = SinDeg(incl);
    const double ci = CosDeg(incl);

    double l0 = 0.0, b0 = 0.0, r0 = 0.0;
    VsopHeliocentricPosition(jd, VsopSeries(VsopBody::Earth), &l0, &b0, &r0);
    CorrectToFk5(t, l0, b0);

    // Light time: Saturn where it was when the light seen at jd left it.
    double l = 0.0, bs = 0.0, r = 0.0;
    double x = 0.0, y = 0.0, z = 0.0, distance = 0.0;
    double tau = 0.0;
    double previous = 2000.0;
    for (int passes = 0; std::fabs(tau - previous) >= 0.0001 && passes <= 5; ++passes) {
        previous = tau;
        VsopHeliocentricPosition(jd - tau, VsopSeries(VsopBody::Saturn), &l, &bs, &r);
        CorrectToFk5(t, l, bs);
        GeocentricRectangular(x, y, z, distance, l, bs, r, l0, b0, r0);
        tau = kLightDaysPerAu * distance;
    }

    const double lambda = std::atan2(y, x) / kRadiansPerDegree;
    const double beta = std::atan(z / std::sqrt(x * x + y * y)) / kRadiansPerDegree;

    b = AsinDeg(si * CosDeg(beta) * SinDeg(lambda - node) - ci * SinDeg(beta));
    majorAxis = kRingDiameterAt1Au / distance;
    minorAxis = majorAxis * std::sin(std::fabs(b) * kRadiansPerDegree);

    // The Sun seen from Saturn.
    const double n = 113.6655 + 0.8771 * t;
    const double ls = l - 0.01759 / r;
    const double bsun = bs - 0.000764 * CosDeg(l - n) / r;
    bPrime = AsinDeg(si * CosDeg(bsun) * SinDeg(ls - node) - ci * SinDeg(bsun));

    // Longitudes in the ring plane of the Sun (u1) and the Earth (u2); each
    // comes from atan2 in -180..180, so their plain difference would jump to
    // nearly 360 when they lie on either side of 180.
    const double u1 = std::atan2(si * SinDeg(bsun) + ci * CosDeg(bsun) * SinDeg(ls - node),
                                 CosDeg(bsun) * CosDeg(ls - node));
    const double u2 = std::atan2(si * SinDeg(beta) + ci * CosDeg(beta) * SinDeg(lambda - node),
                                 CosDeg(beta) * CosDeg(lambda - node));
    deltaU = AngleBetween(u1 / kRadiansPerDegree, u2 / kRadiansPerDegree);

    double dpsi = 0.0, deps = 0.0;
    ComputeNutation(jd, dpsi, deps);

    const double lambda0 = lambda + kAberration * CosDeg(l0 - lambda) / CosDeg(beta);
    const double beta0 = beta + kAberration * SinDeg(l0 - lambda) * SinDeg(beta);

    SkyCoordinates pole{node - 90.0 + dpsi, 90.0 - incl, kEclipticalSystem};
    SkyCoordinates planet{lambda0 + dpsi, beta0, kEclipticalSystem};
    EclipticToEquatorial(pole, jd);
    EclipticToEquatorial(planet, jd);

    p = PositionAngleRadians(planet.longitude * kRadiansPerDegree,
                             planet.latitude * kRadiansPerDegree,
                             pole.longitude * kRadiansPerDegree,
                             pole.latitude * kRadiansPerDegree) /
        kRadiansPerDegree;
}

}  // namespace corvinata
