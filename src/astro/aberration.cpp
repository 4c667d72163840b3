#include "astro/aberration.h"

#include "astro/degrees.h"
#include "astro/delta_t.h"

namespace corvinata {
namespace {
// The constant of aberration, 20.49552", in degrees.
constexpr double kAberrationConstant = 20.49552 / 3600.0;
}  // namespace

AnnualAberration::AnnualAberration(double jd, double sunLongitude) noexcept
    : sunLongitude_(sunLongitude) {
    const double t = (jd - kJulianDayJ2000) / kDaysPerJulianCentury;
    // Meeus, AA formulas 25.4 and 23.3.
    eccentricity_ = 0.016708634 - 0.000042037 * t - 0.0000001267 * t * t;
    perihelion_ = 102.93735 + 1.71946 * t + 0.00046 * t * t;
}

double AnnualAberration::LongitudeOffset(double lambda, double beta) const noexcept {
    return kAberrationConstant *
           (-CosDeg(sunLongitude_ - lambda) + eccentricity_ * CosDeg(perihelion_ - lambda)) /
           CosDeg(beta);
}

double AnnualAberration::LatitudeOffset(double lambda, double beta) const noexcept {
    return -kAberrationConstant * SinDeg(beta) *
           (SinDeg(sunLongitude_ - lambda) - eccentricity_ * SinDeg(perihelion_ - lambda));
}

}  // namespace corvinata
