#include "astro/saturn_satellites.h"

#include <algorithm>
#include <cmath>

#include "astro/degrees.h"
#include "astro/delta_t.h"
#include "astro/instant_sharing.h"
#include "astro/nutation.h"
#include "astro/planet_series.h"
#include "base/angle_reduction.h"

namespace corvinata {
namespace {
// Equatorial radii of Saturn in one astronomical unit.
constexpr double kSaturnRadiiPerAu = 2475.0;
// Node of Saturn's equatorial plane on the ecliptic of B1950.0.
constexpr double kEquatorNode = 168.8112;
constexpr double kPerspective[kSaturnSatelliteCount] = {20947.0, 23715.0, 26382.0, 29876.0,
                                                        35313.0, 53800.0, 59222.0, 91820.0};

// Longitude, node and distance of the three inner satellites with an
// eccentric orbit: mean longitude L, pericentre p, equation of the centre
// C(M) and the orbit's size and eccentricity for the distance.
void InnerOrbit(double l, double p, double c1, double c2, double c3, double size,
                double eccentricity, double gamma, double node, SaturnSatelliteOrbit& orbit) {
    const double m = l - p;
    const double c = c1 * SinDeg(m) + c2 * SinDeg(2.0 * m) + c3 * SinDeg(3.0 * m);
    orbit.lambda = ReduceDegrees(l + c);
    orbit.gamma = gamma;
    orbit.omega = ReduceDegrees(node);
    orbit.r = size / (1.0 + eccentricity * CosDeg(m + c));
}

// Rotation from Saturn's equator of B1950.0 to the frame of the sky, before
// the final turn about the line of sight (Meeus, AA ch. 46, A1..C4).
struct SkyRotation {
    double lambda0, beta0;  // Saturn's geocentric place, B1950.0

    void Apply(double x, double y, double z, double& a4, double& b4, double& c4) const {
        const SaturnEquatorConstants& k = kSaturnEquator;
        const double b1 = k.c1 * y - k.s1 * z;
        const double c1 = k.s1 * y + k.c1 * z;
        const double a2 = k.c2 * x - k.s2 * b1;
        const double b2 = k.s2 * x + k.c2 * b1;
        const double a3 = a2 * SinDeg(lambda0) - b2 * CosDeg(lambda0);
        const double b3 = a2 * CosDeg(lambda0) + b2 * SinDeg(lambda0);
        a4 = a3;
        b4 = b3 * CosDeg(beta0) + c1 * SinDeg(beta0);
        c4 = c1 * CosDeg(beta0) - b3 * SinDeg(beta0);
    }
};

}  // namespace

void MimasElements(double t1, double t2, double w0, SaturnSatelliteOrbit& orbit) {
    const double l = ReduceDegrees(127.64 + 381.994497 * t1 - 43.57 * SinDeg(w0) -
                                   0.72 * SinDeg(3.0 * w0) - 0.02144 * SinDeg(5.0 * w0));
    const double p = ReduceDegrees(106.1 + 365.549 * t2);
    InnerOrbit(l, p, 2.18287, 0.025988, 0.00043, 3.06879, 0.01905, 1.563, 54.5 - 365.072 * t2,
               orbit);
}

void EnceladusElements(double t1, double t2, double w1, double w2, SaturnSatelliteOrbit& orbit) {
    const double l = ReduceDegrees(200.317 + 262.7319002 * t1 + 0.25667 * SinDeg(w1) +
                                   0.20883 * SinDeg(w2));
    const double p = ReduceDegrees(309.107 + 123.44121 * t2);
    InnerOrbit(l, p, 0.55577, 0.00168, 0.0, 3.94118, 0.00485, 0.0262, 348.0 - 151.95 * t2, orbit);
}

void TethysElements(double t1, double t2, double w0, SaturnSatelliteOrbit& orbit) {
    orbit.lambda = ReduceDegrees(285.306 + 190.69791226 * t1 + 2.063 * SinDeg(w0) +
                                 0.03409 * SinDeg(3.0 * w0) + 0.001015 * SinDeg(5.0 * w0));
    orbit.r = 4.880998;
    orbit.gamma = 1.0976;
    orbit.omega = ReduceDegrees(111.33 - 72.2441 * t2);
}

void DioneElements(double t1, double t2, double w1, double w2, SaturnSatelliteOrbit& orbit) {
    const double l = ReduceDegrees(254.712 + 131.53493193 * t1 - 0.0215 * SinDeg(w1) -
                                   0.01733 * SinDeg(w2));
    const double p = ReduceDegrees(174.8 + 30.82 * t2);
    InnerOrbit(l, p, 0.24717, 0.00033, 0.0, 6.24871, 0.002157, 0.0139, 232.0 - 30.27 * t2, orbit);
}

void RheaElements(double t1, double t2, double w3, double w4, SaturnSatelliteOrbit& orbit) {
    const double p1 = ReduceDegrees(342.7 + 10.057 * t2);
    const double a1 = 0.000265 * SinDeg(p1) + 0.001 * SinDeg(w4);
    const double a2 = 0.000265 * CosDeg(p1) + 0.001 * CosDeg(w4);
    const double e = std::sqrt(a1 * a1 + a2 * a2);
    const double p = Atan2Deg(a1, a2);
    const double n = ReduceDegrees(345.0 - 10.057 * t2);
    const double lambdaPrime = ReduceDegrees(359.244 + 79.6900472 * t1 + 0.086754 * SinDeg(n));
    const double i = ReduceDegrees(28.0362 + 0.346898 * CosDeg(n) + 0.0193 * CosDeg(w3));
    const double node = ReduceDegrees(168.8034 + 0.736936 * SinDeg(n) + 0.041 * SinDeg(w3));
    SatelliteElementsToOrbitRecord(e, lambdaPrime, p, 8.725924, node, i, orbit);
}

void TitanElements(double t4, double w3, double w4, double w5, double w6, double w7, double w8,
                   double e1, SaturnSatelliteOrbit& orbit) {
    const double l = ReduceDegrees(261.1582 + 22.57697855 * t4 + 0.074025 * SinDeg(w3));
    const double iPrime = 27.45141 + 0.295999 * CosDeg(w3);
    const double nodePrime = 168.66925 + 0.628808 * SinDeg(w3);
    const double a1 = SinDeg(w7) * SinDeg(nodePrime - w8);
    const double a2 = CosDeg(w7) * SinDeg(iPrime) -
                      SinDeg(w7) * CosDeg(iPrime) * CosDeg(nodePrime - w8);
    const double g0 = 102.8623;
    const double psi = Atan2Deg(a1, a2);
    const double s = std::sqrt(a1 * a1 + a2 * a2);

    // The pericentre and the argument g depend on each other; three passes
    // settle them.
    double g = w4 - nodePrime - psi;
    double varpi = 0.0;
    for (int pass = 0; pass < 3; ++pass) {
        varpi = w4 + 0.37515 * (SinDeg(2.0 * g) - SinDeg(2.0 * g0));
        g = varpi - nodePrime - psi;
    }
    const double ePrime = 0.029092 + 0.00019048 * (CosDeg(2.0 * g) - CosDeg(2.0 * g0));
    const double q = ReduceDegrees(2.0 * (w5 - varpi));
    const double b1 = SinDeg(iPrime) * SinDeg(nodePrime - w8);
    const double b2 = CosDeg(w7) * SinDeg(iPrime) * CosDeg(nodePrime - w8) -
                      SinDeg(w7) * CosDeg(iPrime);
    const double theta = ReduceDegrees(Atan2Deg(b1, b2) + w8);
    const double e = ePrime + 0.002778797 * ePrime * CosDeg(q);
    const double p = varpi + 0.159215 * SinDeg(q);
    const double u = ReduceDegrees(2.0 * w5 - 2.0 * theta + psi);
    const double h = 0.9375 * ePrime * ePrime * SinDeg(q) +
                     0.1875 * s * s * SinDeg(2.0 * (w5 - theta));
    const double lambdaPrime =
        l - 0.254744 * (e1 * SinDeg(w6) + 0.75 * e1 * e1 * SinDeg(2.0 * w6) + h);
    const double i = iPrime + 0.031843 * s * CosDeg(u);
    const double node = nodePrime + 0.031843 * s * SinDeg(u) / SinDeg(iPrime);
    SatelliteElementsToOrbitRecord(e, lambdaPrime, p, 20.216193, node, i, orbit);
}

void HyperionElements(double t6, double t8, double t9, double w3, double w5,
                      SaturnSatelliteOrbit& orbit) {
    const double eta = ReduceDegrees(92.39 + 0.5621071 * t6);
    const double zeta = ReduceDegrees(148.19 - 19.18 * t8);
    const double theta = ReduceDegrees(184.8 - 35.41 * t9);
    const double thetaPrime = theta - 7.5;
    const double as = 176.0 + 12.22 * t8;
    const double bs = 8.0 + 24.44 * t8;
    const double cs = bs + 5.0;
    const double varpi = ReduceDegrees(69.898 - 18.67088 * t8);
    const double phi = 2.0 * (varpi - w5);
    const double chi = 94.9 - 2.292 * t8;

    const double a = 24.50601 - 0.08686 * CosDeg(eta) - 0.00166 * CosDeg(zeta + eta) +
                     0.00175 * CosDeg(zeta - eta);
    const double e = 0.103458 - 0.004099 * CosDeg(eta) - 0.000167 * CosDeg(zeta + eta) +
                     0.000235 * CosDeg(zeta - eta) + 0.02303 * CosDeg(zeta) -
                     0.00212 * CosDeg(2.0 * zeta) + 0.000151 * CosDeg(3.0 * zeta) +
                     0.00013 * CosDeg(phi);
    const double p = varpi + 0.15648 * SinDeg(chi) - 0.4457 * SinDeg(eta) -
                     0.2657 * SinDeg(zeta + eta) - 0.3573 * SinDeg(zeta - eta) -
                     12.872 * SinDeg(zeta) + 1.668 * SinDeg(2.0 * zeta) -
                     0.2419 * SinDeg(3.0 * zeta) - 0.07 * SinDeg(phi);
    const double lambdaPrime = ReduceDegrees(
        177.047 + 16.91993829 * t6 + 0.15648 * SinDeg(chi) + 9.142 * SinDeg(eta) +
        0.007 * SinDeg(2.0 * eta) - 0.014 * SinDeg(3.0 * eta) + 0.2275 * SinDeg(zeta + eta) +
        0.2112 * SinDeg(zeta - eta) - 0.26 * SinDeg(zeta) - 0.0098 * SinDeg(2.0 * zeta) -
        0.013 * SinDeg(as) + 0.017 * SinDeg(bs) - 0.0303 * SinDeg(phi));
    const double i = 27.3347 + 0.643486 * CosDeg(chi) + 0.315 * CosDeg(w3) +
                     0.018 * CosDeg(theta) - 0.018 * CosDeg(cs);
    const double node = 168.6812 + 1.40136 * CosDeg(chi) + 0.68599 * SinDeg(w3) -
                        0.0392 * SinDeg(cs) + 0.0366 * SinDeg(thetaPrime);
    SatelliteElementsToOrbitRecord(e, lambdaPrime, p, a, node, i, orbit);
}

void IapetusElements(double t4, double t7, double t10, double t11, double w4, double w5,
                     SaturnSatelliteOrbit& orbit) {
    const double l0 = ReduceDegrees(261.1582 + 22.57697855 * t4);
    const double varpiPrime = 91.796 + 0.562 * t7;
    const double psi = 4.367 - 0.195 * t7;
    const double theta = 146.819 - 3.198 * t7;
    const double phi = 60.47 + 1.521 * t7;
    const double bigPhi = 205.055 - 2.091 * t7;
    const double ePrime = 0.028298 + 0.001156 * t11;
    const double varpi0 = 352.91 + 11.71 * t11;
    const double mu = ReduceDegrees(76.3852 + 4.53795125 * t10);
    const double iPrime = 18.4602 - 0.9518 * t11 - 0.072 * t11 * t11 + 0.0054 * t11 * t11 * t11;
    const double nodePrime = 143.198 - 3.919 * t11 + 0.116 * t11 * t11 + 0.008 * t11 * t11 * t11;

    const double l = mu - varpi0;
    const double g = varpi0 - nodePrime - psi;
    const double g1 = varpi0 - nodePrime - phi;
    const double ls = w5 - varpiPrime;
    const double gs = varpiPrime - theta;
    const double lT = l0 - w4;
    const double gT = w4 - bigPhi;
    const double u1 = 2.0 * (l + g - ls - gs);
    const double u2 = l + g1 - lT - gT;
    const double u3 = l + 2.0 * (g - ls - gs);
    const double u4 = lT + gT - g1;
    const double u5 = 2.0 * (ls + gs);

    const double a = 58.935028 + 0.004638 * CosDeg(u1) + 0.058222 * CosDeg(u2);
    const double e = ePrime - 0.0014097 * CosDeg(g1 - gT) + 0.0003733 * CosDeg(u5 - 2.0 * g) +
                     0.000118 * CosDeg(u3) + 0.0002408 * CosDeg(l) +
                     0.0002849 * CosDeg(l + u2) + 0.000619 * CosDeg(u4);
    const double w = 0.08077 * SinDeg(g1 - gT) + 0.02139 * SinDeg(u5 - 2.0 * g) -
                     0.00676 * SinDeg(u3) + 0.0138 * SinDeg(l) + 0.01632 * SinDeg(l + u2) +
                     0.03547 * SinDeg(u4);
    const double p = varpi0 + w / ePrime;
    const double lambdaPrime =
        ReduceDegrees(mu - 0.04299 * SinDeg(u2) - 0.00789 * SinDeg(u1) - 0.06312 * SinDeg(ls) -
                      0.00295 * SinDeg(2.0 * ls) - 0.02231 * SinDeg(u5) +
                      0.0065 * SinDeg(u5 + psi));
    const double longArgument = l + g1 + lT + gT + phi;
    const double i = iPrime + 0.04204 * CosDeg(u5 + psi) + 0.00235 * CosDeg(longArgument) +
                     0.0036 * CosDeg(u2 + phi);
    const double wPrime = 0.04204 * SinDeg(u5 + psi) + 0.00235 * SinDeg(longArgument) +
                          0.00358 * SinDeg(u2 + phi);
    const double node = nodePrime + wPrime / SinDeg(iPrime);
    SatelliteElementsToOrbitRecord(e, lambdaPrime, p, a, node, i, orbit);
}

void SatelliteElementsToOrbitRecord(double e, double lambdaPrime, double p, double a,
                                    double omega, double i, SaturnSatelliteOrbit& orbit) {
    const SaturnEquatorConstants& k = kSaturnEquator;
    const double m = lambdaPrime - p;
    const double e2 = e * e;
    const double e3 = e2 * e;
    const double e4 = e3 * e;
    const double e5 = e4 * e;
    const double c = kDegreesPerRadian *
                     ((2.0 * e - 0.25 * e3 + 0.0520833333 * e5) * SinDeg(m) +
                      (1.25 * e2 - 0.458333333 * e4) * SinDeg(2.0 * m) +
                      (1.083333333 * e3 - 0.671875 * e5) * SinDeg(3.0 * m) +
                      1.072917 * e4 * SinDeg(4.0 * m) + 1.142708 * e5 * SinDeg(5.0 * m));
    orbit.r = a * (1.0 - e2) / (1.0 + e * CosDeg(m + c));

    const double g = omega - kEquatorNode;
    const double a1 = SinDeg(i) * SinDeg(g);
    const double a2 = k.c1 * SinDeg(i) * CosDeg(g) - k.s1 * CosDeg(i);
    // sqrt(a1^2 + a2^2) is the sine of an angle; rounding must not lift it above 1.
    orbit.gamma = std::asin(std::min(1.0, std::sqrt(a1 * a1 + a2 * a2))) / kRadiansPerDegree;
    const double u = Atan2Deg(a1, a2);
    orbit.omega = ReduceDegrees(kEquatorNode + u);
    const double h = k.c1 * SinDeg(i) - k.s1 * CosDeg(i) * CosDeg(g);
    const double psi = Atan2Deg(k.s1 * SinDeg(g), h);
    orbit.lambda = ReduceDegrees(lambdaPrime + c + u - g - psi);
}

void ComputeSaturnSatellites(double jd, double (&positions)[27], double* angles) {
    const GeocentricSun sun = SharedGeometricSun(jd);

    // Saturn where it was when the light seen at jd left it, in the FK5 frame.
    double x = 0.0, y = 0.0, z = 0.0;
    double delta = 9.0;
    double previous = 1000.0;
    double jdLight = jd;
    for (int passes = 0; std::fabs(delta - previous) >= 0.000001 && passes <= 5; ++passes) {
        previous = delta;
        jdLight = jd - kLightDaysPerAu * delta;
        double l = 0.0, b = 0.0, r = 0.0;
        VsopHeliocentricPosition(jdLight, VsopSeries(VsopBody::Saturn), &l, &b, &r);
        CorrectToFk5((jdLight - kJulianDayJ2000) / kDaysPerJulianCentury, l, b);
        GeocentricFromSun(sun, l, b, r, x, y, z);
        delta = std::sqrt(x * x + y * y + z * z);
    }

    // The satellite theories refer to the equinox of B1950.0.
    SkyRotation rotation;
    rotation.lambda0 = Atan2Deg(y, x);
    rotation.beta0 = Atan2Deg(z, std::sqrt(x * x + y * y));
    PrecessEcliptic(jd, EquinoxEpochJulianDay(kEpochB1950), rotation.lambda0, rotation.beta0);

    const double t1 = jdLight - 2411093.0;
    const double t2 = t1 / 365.25;
    const double t3 = (jdLight - 2433282.423) / 365.25 + 1950.0;
    const double t4 = jdLight - 2411368.0;
    const double t5 = t4 / 365.25;
    const double t6 = jdLight - 2415020.0;
    const double t7 = t6 / 36525.0;
    const double t8 = t6 / 365.25;
    const double t9 = (jdLight - 2442000.5) / 365.25;
    const double t10 = jdLight - 2409786.0;
    const double t11 = t10 / 36525.0;

    const double w0 = ReduceDegrees(5.095 * (t3 - 1866.39));
    const double w1 = ReduceDegrees(74.4 + 32.39 * t2);
    const double w2 = ReduceDegrees(134.3 + 92.62 * t2);
    const double w3 = ReduceDegrees(42.0 - 0.5118 * t5);
    const double w4 = ReduceDegrees(276.59 + 0.5118 * t5);
    const double w5 = ReduceDegrees(267.2635 + 1222.1136 * t7);
    const double w6 = ReduceDegrees(175.4762 + 1221.5515 * t7);
    const double w7 = ReduceDegrees(2.4891 + 0.002435 * t7);
    const double w8 = ReduceDegrees(113.35 - 0.2597 * t7);
    const double e1 = 0.05589 - 0.000346 * t7;

    SaturnSatelliteOrbit orbits[kSaturnSatelliteCount];
    MimasElements(t1, t2, w0, orbits[kMimas]);
    EnceladusElements(t1, t2, w1, w2, orbits[kEnceladus]);
    TethysElements(t1, t2, w0, orbits[kTethys]);
    DioneElements(t1, t2, w1, w2, orbits[kDione]);
    RheaElements(t1, t2, w3, w4, orbits[kRhea]);
    TitanElements(t4, w3, w4, w5, w6, w7, w8, e1, orbits[kTitan]);
    HyperionElements(t6, t8, t9, w3, w5, orbits[kHyperion]);
    IapetusElements(t4, t7, t10, t11, w4, w5, orbits[kIapetus]);

    // Saturn's north pole fixes the turn about the line of sight.
    double poleA = 0.0, poleB = 0.0, poleC = 0.0;
    rotation.Apply(0.0, 0.0, 1.0, poleA, poleB, poleC);
    const double d = std::atan2(poleA, poleC);
    const double sD = std::sin(d), cD = std::cos(d);

    for (int j = 0; j < kSaturnSatelliteCount; ++j) {
        const SaturnSatelliteOrbit& o = orbits[j];
        const double u = o.lambda - o.omega;
        const double w = o.omega - kEquatorNode;
        if (angles) angles[j] = ReduceDegrees(u);
        const double x0 = o.r * (CosDeg(u) * CosDeg(w) - SinDeg(u) * CosDeg(o.gamma) * SinDeg(w));
        const double y0 = o.r * (SinDeg(u) * CosDeg(w) * CosDeg(o.gamma) + CosDeg(u) * SinDeg(w));
        const double z0 = o.r * SinDeg(u) * SinDeg(o.gamma);
        double a4 = 0.0, b4 = 0.0, c4 = 0.0;
        rotation.Apply(x0, y0, z0, a4, b4, c4);
        double sx = a4 * cD - c4 * sD;
        const double sy = a4 * sD + c4 * cD;
        const double sz = b4;
        // Perspective of the satellite's depth; rounding can push |X| a hair
        // beyond the orbit's radius at greatest elongation.
        const double ratio = sx / o.r;
        sx += std::fabs(sz) / kPerspective[j] * std::sqrt(std::fmax(0.0, 1.0 - ratio * ratio));
        const double scale = delta / (delta + sz / kSaturnRadiiPerAu);
        positions[3 * j] = sx * scale;
        positions[3 * j + 1] = sy * scale;
        positions[3 * j + 2] = sz;
    }
    positions[24] = 0.0;
    positions[25] = 0.0;
    positions[26] = 1.0;
}

}  // namespace corvinata
