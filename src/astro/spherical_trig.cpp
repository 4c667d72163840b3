#include "astro/spherical_trig.h"

#include <cmath>

#include "astro/degrees.h"

namespace corvinata {
namespace {
// Below this separation (10 arcminutes) the law of cosines loses its digits to
// rounding and the plane approximation takes over.
constexpr double kPlaneFormulaLimit = 0.16666666666666666;

}  // namespace

double PositionAngle(const SkyCoordinates& a, const SkyCoordinates& b) {
    const double dL = (a.longitude - b.longitude) * kRadiansPerDegree;
    const double latA = a.latitude * kRadiansPerDegree;
    const double latB = b.latitude * kRadiansPerDegree;
    const double y = std::cos(latA) * std::sin(dL);
    const double x = std::sin(latA) * std::cos(latB) - std::cos(latA) * std::sin(latB) * std::cos(dL);
    return FullCircle(Atan2Deg(y, x));
}

double AngularDistance(const SkyCoordinates& p, const SkyCoordinates& q) {
    const double latP = p.latitude * kRadiansPerDegree;
    const double latQ = q.latitude * kRadiansPerDegree;
    const double d = AcosDeg(std::sin(latP) * std::sin(latQ) +
                             std::cos(latP) * std::cos(latQ) *
                                 std::cos((p.longitude - q.longitude) * kRadiansPerDegree));
    if (d >= kPlaneFormulaLimit) return d;
    double dL = p.longitude - q.longitude;
    if (dL > 180.0) dL -= 360.0;
    if (dL < -180.0) dL += 360.0;
    const double m = (p.latitude + q.latitude) / 2.0 * kRadiansPerDegree;
    const double dB = p.latitude - q.latitude;
    return std::sqrt(dL * std::cos(m) * dL * std::cos(m) + dB * dB);
}

double SignedElongation(const SkyCoordinates& p, const SkyCoordinates& q) {
    const double d = AcosDeg(std::cos(p.latitude * kRadiansPerDegree) *
                             std::cos((p.longitude - q.longitude) * kRadiansPerDegree));
    double s = p.longitude - q.longitude;
    if (p.longitude < q.longitude) s += 360.0;
    if (s > 180.0) s -= 360.0;
    return s >= 0.0 ? d : -d;
}

}  // namespace corvinata
