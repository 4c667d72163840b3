#include "astro/nutation.h"

#include <array>
#include <cmath>
#include <iterator>

#include "astro/degrees.h"
#include "astro/delta_t.h"
#include "astro/series_trig.h"
#include "base/angle_reduction.h"
#include "generated/nutation.h"

namespace corvinata {
namespace {
constexpr double kArcsecondsPerDegree = 3600.0;

static_assert(MultipliersWithinRange(nutation_data::kNutationTerms,
                                     [](const NutationTerm& t) {
                                         return std::array<int, 5>{t.d, t.m, t.mp, t.f, t.om};
                                     }),
              "the tables of multiples cover every nutation term");

double CenturiesSinceJ2000(double jd) {
    return (jd - kJulianDayJ2000) / kDaysPerJulianCentury;
}

// Laskar's coefficients of U, U^2 ... U^10, in arcseconds (Meeus, AA 22.3).
constexpr double kObliquityCoefficients[] = {-4680.93, -1.55, 1999.25, -51.38, -249.67,
                                             -39.05,   7.12,  27.87,   5.79,   2.45};

}  // namespace

double MeanObliquity(double jd) {
    const double u = CenturiesSinceJ2000(jd) / 100.0;
    double sum = 0.0;
    double power = 1.0;
    for (double c : kObliquityCoefficients) {
        power *= u;
        sum += c * power;
    }
    return 23.43929111 + sum / kArcsecondsPerDegree;
}

void ComputeNutation(double jd, double& dpsi, double& deps) {
    const double t = CenturiesSinceJ2000(jd);
    const double t2 = t * t;
    const double t3 = t2 * t;
    // Fundamental arguments of the Moon and the Sun (Meeus, AA ch. 22).
    const double d = ReduceDegrees(297.85036 + 445267.111480 * t - 0.0019142 * t2 + t3 / 189474.0);
    const double m = ReduceDegrees(357.52772 + 35999.050340 * t - 0.0001603 * t2 - t3 / 300000.0);
    const double mp = ReduceDegrees(134.96298 + 477198.867398 * t + 0.0086972 * t2 + t3 / 56250.0);
    const double f = ReduceDegrees(93.27191 + 483202.017538 * t - 0.0036825 * t2 + t3 / 327270.0);
    const double om = ReduceDegrees(125.04452 - 1934.136261 * t + 0.0020708 * t2 + t3 / 450000.0);

    const AngleMultiples dMultiples(d * kRadiansPerDegree);
    const AngleMultiples mMultiples(m * kRadiansPerDegree);
    const AngleMultiples mpMultiples(mp * kRadiansPerDegree);
    const AngleMultiples fMultiples(f * kRadiansPerDegree);
    const AngleMultiples omMultiples(om * kRadiansPerDegree);

    // Smallest terms first, which keeps their contribution out of the
    // rounding of the large ones.
    double sumPsi = 0.0;
    double sumEps = 0.0;
    const auto& terms = nutation_data::kNutationTerms;
    for (auto row = std::rbegin(terms); row != std::rend(terms); ++row) {
        const SinCos argument =
            AddAngles(AddAngles(AddAngles(dMultiples[row->d], mMultiples[row->m]),
                                AddAngles(mpMultiples[row->mp], fMultiples[row->f])),
                      omMultiples[row->om]);
        sumPsi += (row->sinCoefficient + row->sinRate * t) * argument.sin;
        sumEps += (row->cosCoefficient + row->cosRate * t) * argument.cos;
    }
    dpsi = sumPsi / 10000.0 / kArcsecondsPerDegree;
    deps = sumEps / 10000.0 / kArcsecondsPerDegree;
}

void NutationInEquatorial(double& alpha, double& delta, double epsilon, double dpsi,
                          double deps) {
    const double psi = dpsi * kRadiansPerDegree;
    const double eps = deps * kRadiansPerDegree;
    const double tanDelta = std::tan(delta);
    const double sinAlpha = std::sin(alpha);
    const double cosAlpha = std::cos(alpha);
    const double sinEpsilon = std::sin(epsilon);
    const double cosEpsilon = std::cos(epsilon);
    const double dAlpha =
        (cosEpsilon + sinEpsilon * sinAlpha * tanDelta) * psi - cosAlpha * tanDelta * eps;
    const double dDelta = sinEpsilon * cosAlpha * psi + sinAlpha * eps;
    alpha += dAlpha;
    delta += dDelta;
}

void PrecessEcliptic(double jd0, double jd, double& lambda, double& beta) {
    const double tt = (jd0 - EquinoxEpochJulianDay(kEpochJ2000)) / kDaysPerJulianCentury;
    const double t = (jd - jd0) / kDaysPerJulianCentury;
    const double tt2 = tt * tt;
    const double t2 = t * t;
    const double t3 = t2 * t;
    // Meeus, AA 21.5, in arcseconds apart from the constant of Pi.
    const double eta = ((47.0029 - 0.06603 * tt + 0.000598 * tt2) * t +
                        (-0.03302 + 0.000598 * tt) * t2 + 0.000060 * t3) /
                       kArcsecondsPerDegree;
    const double bigPi = 174.876384 + (3289.4789 * tt + 0.60622 * tt2 -
                                       (869.8089 + 0.50491 * tt) * t + 0.03536 * t2) /
                                          kArcsecondsPerDegree;
    const double p = ((5029.0966 + 2.22226 * tt - 0.000042 * tt2) * t +
                      (1.11113 - 0.000042 * tt) * t2 - 0.000006 * t3) /
                     kArcsecondsPerDegree;

    // Meeus, AA 21.7.
    const double etaR = eta * kRadiansPerDegree;
    const double beta0 = beta * kRadiansPerDegree;
    const double node = (bigPi - lambda) * kRadiansPerDegree;
    const double a = std::cos(etaR) * std::cos(beta0) * std::sin(node) -
                     std::sin(etaR) * std::sin(beta0);
    const double b = std::cos(beta0) * std::cos(node);
    const double c = std::cos(etaR) * std::sin(beta0) +
                     std::sin(etaR) * std::cos(beta0) * std::sin(node);
    lambda = bigPi + p - Atan2Deg(a, b);
    beta = AsinDeg(c);
}

}  // namespace corvinata
