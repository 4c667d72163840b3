#include "astro/moon.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "astro/degrees.h"
#include "astro/delta_t.h"
#include "astro/instant_sharing.h"
#include "astro/nutation.h"
#include "astro/series_trig.h"
#include "base/angle_reduction.h"
#include "generated/elp.h"

namespace corvinata {
namespace {

// The terms with M are scaled by the Earth's orbital eccentricity factor E,
// those with 2M by E^2: the factor of a term, indexed by |multiplier of M|.
struct EccentricityFactors {
    double byMultiple[3];
    explicit EccentricityFactors(double e) noexcept : byMultiple{1.0, e, e * e} {}
    double operator()(int m) const noexcept { return byMultiple[m < 0 ? -m : m]; }
};

// The four fundamental arguments, given in degrees, with the sines and
// cosines of their multiples.
struct MoonArguments {
    AngleMultiples d, m, mp, f;
    MoonArguments(double dDeg, double mDeg, double mpDeg, double fDeg) noexcept
        : d(dDeg * kRadiansPerDegree),
          m(mDeg * kRadiansPerDegree),
          mp(mpDeg * kRadiansPerDegree),
          f(fDeg * kRadiansPerDegree) {}

    template <typename Term>
    SinCos Of(const Term& t) const noexcept {
        return AddAngles(AddAngles(d[t.d], m[t.m]), AddAngles(mp[t.mp], f[t.f]));
    }
};

template <typename Term>
constexpr auto kMoonMultipliers = [](const Term& t) {
    return std::array<int, 4>{t.d, t.m, t.mp, t.f};
};
static_assert(MultipliersWithinRange(MoonLongitudeDistanceTerms,
                                     kMoonMultipliers<MoonLongitudeDistanceTerm>) &&
                  MultipliersWithinRange(MoonLatitudeTerms, kMoonMultipliers<MoonLatitudeTerm>),
              "the tables of multiples cover every lunar term");

void SumLongitudeDistance(const MoonArguments& arguments, const EccentricityFactors& factor,
                          double& sumL, double& sumR) noexcept {
    sumL = 0.0;
    sumR = 0.0;
    for (const MoonLongitudeDistanceTerm& t : MoonLongitudeDistanceTerms) {
        const SinCos angle = arguments.Of(t);
        sumL += t.longitude * factor(t.m) * angle.sin;
        sumR += t.distance * factor(t.m) * angle.cos;
    }
}

double SumLatitude(const MoonArguments& arguments, const EccentricityFactors& factor) noexcept {
    double sumB = 0.0;
    for (const MoonLatitudeTerm& t : MoonLatitudeTerms) {
        sumB += t.latitude * factor(t.m) * arguments.Of(t).sin;
    }
    return sumB;
}

}  // namespace

void MoonLongitudeDistanceSums(double d, double m, double mp, double f, double e,
                               double& sumL, double& sumR) {
    SumLongitudeDistance(MoonArguments(d, m, mp, f), EccentricityFactors(e), sumL, sumR);
}

void MoonLatitudeSum(double d, double m, double mp, double f, double e, double& sumB) {
    sumB = SumLatitude(MoonArguments(d, m, mp, f), EccentricityFactors(e));
}

void ComputeMoonPosition(double jd, SkyCoordinates& position, double& distance,
                         double* meanLongitude) {
    const double t = (jd - kJulianDayJ2000) / kDaysPerJulianCentury;
    const double t2 = t * t;
    const double t3 = t2 * t;
    const double t4 = t3 * t;

    const double lp = ReduceDegrees(218.3164477 + 481267.881234 * t - 0.0015786 * t2 +
                                    t3 / 538841.0 - t4 / 65194000.0);
    const double d = ReduceDegrees(297.8501921 + 445267.1114034 * t - 0.0018819 * t2 +
                                   t3 / 545868.0 - t4 / 113065000.0);
    const double m = ReduceDegrees(357.5291092 + 35999.0502909 * t - 0.0001536 * t2 +
                                   t3 / 24490000.0);
    const double mp = ReduceDegrees(134.9633964 + 477198.8675055 * t + 0.0087414 * t2 +
                                    t3 / 69699.0 - t4 / 14712000.0);
    const double f = ReduceDegrees(93.272095 + 483202.0175233 * t - 0.0036539 * t2 -
                                   t3 / 3526000.0 + t4 / 863310000.0);
    const double a1 = ReduceDegrees(119.75 + 131.849 * t);
    const double a2 = ReduceDegrees(53.09 + 479264.29 * t);
    const double a3 = ReduceDegrees(313.45 + 481266.484 * t);
    const double e = 1.0 - 0.002516 * t - 0.0000074 * t2;

    double sumL = 0.0;
    double sumR = 0.0;
    double sumB = 0.0;
    const MoonArguments arguments(d, m, mp, f);
    const EccentricityFactors factor(e);
    SumLongitudeDistance(arguments, factor, sumL, sumR);
    sumB = SumLatitude(arguments, factor);

    // Venus (A1), Jupiter (A2) and the flattening of the Earth (L' - F ...).
    sumL += 3958.0 * SinDeg(a1) + 1962.0 * SinDeg(lp - f) + 318.0 * SinDeg(a2);
    sumB += -2235.0 * SinDeg(lp) + 382.0 * SinDeg(a3) + 175.0 * SinDeg(a1 - f) +
            175.0 * SinDeg(a1 + f) + 127.0 * SinDeg(lp - mp) - 115.0 * SinDeg(lp + mp);

    // The series gives the longitude on the mean equinox of date; the nutation
    // of the same date makes it apparent. It can be negative, so the sum is
    // brought back into 0..360 on either side.
    const double dpsi = SharedNutation(jd).dpsi;
    double longitude = ReduceDegrees(lp + sumL / 1000000.0) + dpsi;
    if (longitude >= 360.0) longitude -= 360.0;
    if (longitude < 0.0) longitude += 360.0;

    position.longitude = longitude;
    position.latitude = sumB / 1000000.0;
    position.system = kEclipticalSystem;
    distance = 385000.56 + sumR / 1000.0;
    if (meanLongitude) *meanLongitude = lp;
}

double MoonPhaseAngle(const SkyCoordinates& moon, const SkyCoordinates& sun,
                      double sunDistance, double moonDistance) {
    // Rounding can carry the cosine a hair beyond +-1 at new and full moon.
    const double cosPsi = std::clamp(
        CosDeg(moon.latitude) * CosDeg(moon.longitude - sun.longitude), -1.0, 1.0);
    const double psi = std::acos(cosPsi);
    return std::atan2(sunDistance * std::sin(psi), moonDistance - sunDistance * cosPsi) /
           kRadiansPerDegree;
}

}  // namespace corvinata
