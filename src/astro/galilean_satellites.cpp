#include "astro/galilean_satellites.h"

#include <cmath>

#include "astro/degrees.h"
#include "astro/delta_t.h"
#include "astro/instant_sharing.h"
#include "astro/planet_series.h"
#include "base/angle_reduction.h"
#include "generated/galilean.h"

namespace corvinata {
namespace {
// Equatorial radii of Jupiter in one astronomical unit.
constexpr double kJupiterRadiiPerAu = 2095.0;
// Perspective divisors and mean distances (Jupiter radii) of the satellites.
constexpr double kPerspective[kGalileanCount] = {17295.0, 21819.0, 27558.0, 36548.0};
constexpr double kMeanDistance[kGalileanCount] = {5.90569, 9.39657, 14.98832, 26.36273};

// Sum of one series of periodic terms over the current arguments (degrees);
// `useCosine` selects the radius-vector form.
double SumSeries(const GalileanSeries& series, const double (&v)[kGalVariableCount],
                 bool useCosine) {
    double sum = 0.0;
    for (int i = series.first; i < series.first + series.count; ++i) {
        const GalileanTerm& term = GalileanTerms[i];
        double arg = term.phase;
        for (int k = 0; k < term.factorCount; ++k)
            arg += term.factors[k].multiplier * v[term.factors[k].variable];
        sum += term.coefficient * (useCosine ? CosDeg(arg) : SinDeg(arg));
    }
    return sum;
}

// A point in Jupiter-centred rectangular coordinates.
struct Triple {
    double a, b, c;
};

// The rotations that take a point from Jupiter's equator of date to the frame
// of the sky seen from the Earth (Meeus, AA ch. 44, A1..C6). Angles in degrees.
struct SkyRotation {
    double equatorInclination;  // I, Jupiter's equator on its orbit
    double phi;                 // psi - node of the orbit
    double orbitInclination;    // iJ, the orbit on the ecliptic
    double orbitNode;           // OmegaJ
    double lambda0, beta0;      // Jupiter's geocentric longitude and latitude

    Triple Apply(const Triple& p) const {
        const double sI = SinDeg(equatorInclination), cI = CosDeg(equatorInclination);
        const double sPhi = SinDeg(phi), cPhi = CosDeg(phi);
        const double sJ = SinDeg(orbitInclination), cJ = CosDeg(orbitInclination);
        const double sO = SinDeg(orbitNode), cO = CosDeg(orbitNode);
        const double sL = SinDeg(lambda0), cL = CosDeg(lambda0);
        const double sB = SinDeg(beta0), cB = CosDeg(beta0);

        const double a1 = p.a;
        const double b1 = p.b * cI - p.c * sI;
        const double c1 = p.b * sI + p.c * cI;
        const double a2 = a1 * cPhi - b1 * sPhi;
        const double b2 = a1 * sPhi + b1 * cPhi;
        const double b3 = b2 * cJ - c1 * sJ;
        const double c3 = b2 * sJ + c1 * cJ;
        const double a4 = a2 * cO - b3 * sO;
        const double b4 = a2 * sO + b3 * cO;
        const double a5 = a4 * sL - b4 * cL;
        const double b5 = a4 * cL + b4 * sL;
        return {a5, c3 * sB + b5 * cB, c3 * cB - b5 * sB};
    }
};

}  // namespace

void ComputeJupiterSatellites(double jd, double (&positions)[15], double* angles) {
    const GeocentricSun sun = SharedGeometricSun(jd);

    // Jupiter where it was when the light seen at jd left it.
    double x = 0.0, y = 0.0, z = 0.0;
    double delta = 5.0;
    double previous = 1000.0;
    double tau = 0.0;
    for (int passes = 0; std::fabs(delta - previous) >= 0.000001 && passes <= 5; ++passes) {
        previous = delta;
        tau = kLightDaysPerAu * delta;
        double l = 0.0, b = 0.0, r = 0.0;
        VsopHeliocentricPosition(jd - tau, VsopSeries(VsopBody::Jupiter), &l, &b, &r);
        GeocentricFromSun(sun, l, b, r, x, y, z);
        delta = std::sqrt(x * x + y * y + z * z);
    }
    const double lambda0 = std::atan2(y, x) / kRadiansPerDegree;
    const double beta0 = std::atan2(z, std::sqrt(x * x + y * y)) / kRadiansPerDegree;

    // Fundamental arguments of the theory (degrees), at the time the light left.
    const double t = jd - 2443000.5 - tau;
    double v[kGalVariableCount] = {};
    v[kGalMeanL1] = ReduceDegrees(106.07719 + 203.48895579 * t);
    v[kGalMeanL2] = ReduceDegrees(175.73161 + 101.374724735 * t);
    v[kGalMeanL3] = ReduceDegrees(120.55883 + 50.317609207 * t);
    v[kGalMeanL4] = ReduceDegrees(84.44459 + 21.571071177 * t);
    v[kGalPeri1] = ReduceDegrees(97.0881 + 0.16138586 * t);
    v[kGalPeri2] = ReduceDegrees(154.8663 + 0.04726307 * t);
    v[kGalPeri3] = ReduceDegrees(188.184 + 0.00712734 * t);
    v[kGalPeri4] = ReduceDegrees(335.2868 + 0.00184 * t);
    v[kGalNode1] = ReduceDegrees(312.3346 - 0.13279386 * t);
    v[kGalNode2] = ReduceDegrees(100.4411 - 0.03263064 * t);
    v[kGalNode3] = ReduceDegrees(119.1942 - 0.00717703 * t);
    v[kGalNode4] = ReduceDegrees(322.6186 - 0.00175934 * t);
    // Great inequality of Jupiter and Saturn.
    const double gamma = 0.33033 * SinDeg(163.679 + 0.0010512 * t) +
                         0.03439 * SinDeg(34.486 - 0.0161731 * t);
    v[kGalPhiLambda] = ReduceDegrees(199.6766 + 0.1737919 * t);
    v[kGalPsi] = ReduceDegrees(316.5182 - 0.00000208 * t);
    v[kGalG] = ReduceDegrees(30.23756 + 0.0830925701 * t + gamma);
    v[kGalGPrime] = ReduceDegrees(31.97853 + 0.0334597339 * t);

    if (angles) {
        for (int k = 0; k < kGalileanCount; ++k) angles[k] = v[kGalMeanL1 + k];
    }

    // True longitudes first: the latitude terms use them and the Sigmas.
    double trueLongitude[kGalileanCount];
    for (int k = 0; k < kGalileanCount; ++k) {
        const double sigma = SumSeries(GalileanLongitudeSeries[k], v, false);
        trueLongitude[k] = v[kGalMeanL1 + k] + sigma;
        v[kGalTrueL1 + k] = trueLongitude[k];
        if (k < 3) v[kGalSigma1 + k] = sigma;
    }
    double latitude[kGalileanCount];
    double radius[kGalileanCount];
    for (int k = 0; k < kGalileanCount; ++k) {
        latitude[k] = std::atan(SumSeries(GalileanLatitudeSeries[k], v, false)) / kRadiansPerDegree;
        radius[k] = kMeanDistance[k] * (1.0 + SumSeries(GalileanRadiusSeries[k], v, true));
    }

    // Precession from B1950.0 to the date, added to the longitudes and to psi.
    const double t0 = (jd - 2433282.423) / 36525.0;
    const double precession = 1.3966626 * t0 + 0.0003088 * t0 * t0;
    const double psi = v[kGalPsi] + precession;

    // Jupiter's equator and orbit. The node and inclination of the orbit are
    // Meeus' polynomials of ch. 31 (mean equinox of date), whose T counts from
    // J2000.0; only the inclination of the equator counts from 1900.
    const double t1900 = (jd - 2415020.5) / 36525.0;
    const double t2000 = (jd - kJulianDayJ2000) / kDaysPerJulianCentury;
    SkyRotation rotation;
    rotation.equatorInclination = 3.120262 + 0.0006 * t1900;
    rotation.orbitNode = 100.464407 + 1.0209774 * t2000 + 0.00040315 * t2000 * t2000 +
                         0.000000404 * t2000 * t2000 * t2000;
    rotation.orbitInclination = 1.303267 - 0.0054965 * t2000 + 0.00000466 * t2000 * t2000 -
                                0.000000002 * t2000 * t2000 * t2000;
    rotation.phi = psi - rotation.orbitNode;
    rotation.lambda0 = lambda0;
    rotation.beta0 = beta0;

    // Jupiter's north pole fixes the turn about the line of sight.
    const Triple pole = rotation.Apply({0.0, 0.0, 1.0});
    const double d = std::atan2(pole.a, pole.c);
    const double sD = std::sin(d), cD = std::cos(d);
    positions[12] = pole.a * cD - pole.c * sD;
    positions[13] = pole.a * sD + pole.c * cD;
    positions[14] = pole.b;

    for (int k = 0; k < kGalileanCount; ++k) {
        const double u = trueLongitude[k] + precession - psi;
        const double cosB = CosDeg(latitude[k]);
        const Triple s = rotation.Apply({radius[k] * CosDeg(u) * cosB,
                                         radius[k] * SinDeg(u) * cosB,
                                         radius[k] * SinDeg(latitude[k])});
        double sx = s.a * cD - s.c * sD;
        double sy = s.a * sD + s.c * cD;
        const double sz = s.b;
        // Perspective of the satellite's depth; rounding can push |X| a hair
        // beyond the orbit's radius at greatest elongation.
        const double ratio = sx / radius[k];
        sx += std::fabs(sz) / kPerspective[k] * std::sqrt(std::fmax(0.0, 1.0 - ratio * ratio));
        const double w = delta / (delta + sz / kJupiterRadiiPerAu);
        positions[3 * k] = sx * w;
        positions[3 * k + 1] = sy * w;
        positions[3 * k + 2] = sz;
    }
}

}  // namespace corvinata
