#include "astro/jupiter_physical.h"

#include <cmath>

#include "astro/degrees.h"
#include "astro/nutation.h"
#include "astro/planet_series.h"

namespace corvinata {
namespace {
// Epoch of the IAU pole of Jupiter used by the method (1950 January 0.0 ET).
constexpr double kPoleEpoch = 2433282.5;
// Light time in degrees of Jupiter's longitude per AU of distance, divided by
// the square of the heliocentric distance.
constexpr double kLightTimeFactor = 0.01299;
// Constant of annual aberration in degrees (20.49552").
constexpr double kAberration = 0.005693;

// Planetocentric declination (radians) of a direction (alpha, delta) with
// respect to the pole (alpha0, delta0), all in radians.
double PlanetocentricDeclination(double alpha, double delta, double alpha0, double delta0) {
    return SafeAsin(-std::sin(delta0) * std::sin(delta) -
                    std::cos(delta0) * std::cos(delta) * std::cos(alpha0 - alpha));
}

}  // namespace

void GeocentricRectangular(double& x, double& y, double& z, double& delta,
                           double l, double b, double r,
                           double l0, double b0, double r0) {
    const double lr = l * kRadiansPerDegree;
    const double br = b * kRadiansPerDegree;
    const double l0r = l0 * kRadiansPerDegree;
    x = r * std::cos(br) * std::cos(lr) - r0 * std::cos(l0r);
    y = r * std::cos(br) * std::sin(lr) - r0 * std::sin(l0r);
    z = r * std::sin(br) - r0 * std::sin(b0 * kRadiansPerDegree);
    delta = std::sqrt(x * x + y * y + z * z);
}

void RectangularEclipticToEquatorial(double x, double y, double z, double epsilon,
                                     double& alpha, double& delta) {
    const double ye = y * std::cos(epsilon) - z * std::sin(epsilon);
    const double ze = y * std::sin(epsilon) + z * std::cos(epsilon);
    alpha = std::atan2(ye, x);
    delta = std::atan2(ze, std::sqrt(x * x + ye * ye));
}

double PositionAngleRadians(double alpha, double delta, double alpha0, double delta0) {
    return std::atan2(std::cos(delta0) * std::sin(alpha0 - alpha),
                      std::sin(delta0) * std::cos(delta) -
                          std::cos(delta0) * std::sin(delta) * std::cos(alpha0 - alpha));
}

void JupiterPhysicalData(double jd, double& de, double& ds, double& p) {
    const double t1 = (jd - kPoleEpoch) / 36525.0;
    double alpha0 = (268.00 + 0.1061 * t1) * kRadiansPerDegree;
    double delta0 = (64.50 - 0.0164 * t1) * kRadiansPerDegree;

    double l0 = 0.0, b0 = 0.0, r0 = 0.0;
    double l = 0.0, b = 0.0, r = 0.0;
    VsopHeliocentricPosition(jd, VsopSeries(VsopBody::Earth), &l0, &b0, &r0);
    VsopHeliocentricPosition(jd, VsopSeries(VsopBody::Jupiter), &l, &b, &r);

    // One light-time correction of the longitude, as the method prescribes.
    double x = 0.0, y = 0.0, z = 0.0, distance = 0.0;
    GeocentricRectangular(x, y, z, distance, l, b, r, l0, b0, r0);
    const double lCorrected = l - kLightTimeFactor * distance / (r * r);
    GeocentricRectangular(x, y, z, distance, lCorrected, b, r, l0, b0, r0);

    const double eps0 = MeanObliquity(jd) * kRadiansPerDegree;

    // Jupiter seen from the Sun, from the geometric (uncorrected) position.
    const double lr = l * kRadiansPerDegree;
    const double br = b * kRadiansPerDegree;
    const double alphaS = std::atan2(std::cos(eps0) * std::sin(lr) - std::sin(eps0) * std::tan(br),
                                     std::cos(lr));
    const double deltaS = SafeAsin(std::sin(br) * std::cos(eps0) +
                                   std::cos(br) * std::sin(eps0) * std::sin(lr));
    ds = PlanetocentricDeclination(alphaS, deltaS, alpha0, delta0) / kRadiansPerDegree;

    double alpha = 0.0, delta = 0.0;
    RectangularEclipticToEquatorial(x, y, z, eps0, alpha, delta);
    de = PlanetocentricDeclination(alpha, delta, alpha0, delta0) / kRadiansPerDegree;

    // The position angle needs the apparent place: aberration, then nutation
    // of both Jupiter and its pole.
    double dpsi = 0.0, deps = 0.0;
    ComputeNutation(jd, dpsi, deps);
    const double eps = eps0 + deps * kRadiansPerDegree;
    const double l0r = l0 * kRadiansPerDegree;
    const double dAlpha = kAberration *
                          (std::cos(alpha) * std::cos(l0r) * std::cos(eps) +
                           std::sin(alpha) * std::sin(l0r)) /
                          std::cos(delta);
    const double dDelta = kAberration *
                          (std::cos(l0r) * std::cos(eps) *
                               (std::tan(eps) * std::cos(delta) -
                                std::sin(alpha) * std::sin(delta)) +
                           std::cos(alpha) * std::sin(delta) * std::sin(l0r));
    alpha += dAlpha * kRadiansPerDegree;
    delta += dDelta * kRadiansPerDegree;
    NutationInEquatorial(alpha, delta, eps, dpsi, deps);
    NutationInEquatorial(alpha0, delta0, eps, dpsi, deps);

    p = PositionAngleRadians(alpha, delta, alpha0, delta0) / kRadiansPerDegree;
}

}  // namespace corvinata
