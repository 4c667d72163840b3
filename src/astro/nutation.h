// Obliquity of the ecliptic, IAU 1980 nutation and the precession of ecliptic
// coordinates. Instants are Julian days; the time scale (UT or TT) is the
// caller's choice, the difference is far below the precision of the methods.
#pragma once

#include <cstdint>

namespace corvinata {

// One row of the IAU 1980 nutation series (Meeus, AA table 22.A). The
// coefficients are in units of 0.0001 arcsecond, the rates in 0.0001 arcsecond
// per Julian century.
struct NutationTerm {
    std::int32_t d;   // multiplier of the Moon's mean elongation D
    std::int32_t m;   // of the Sun's mean anomaly M
    std::int32_t mp;  // of the Moon's mean anomaly M'
    std::int32_t f;   // of the Moon's argument of latitude F
    std::int32_t om;  // of the longitude of the Moon's ascending node
    std::int32_t sinCoefficient;  // of the nutation in longitude
    double sinRate;
    std::int32_t cosCoefficient;  // of the nutation in obliquity
    double cosRate;
};

// Mean obliquity of the ecliptic in degrees; Laskar's polynomial (Meeus, AA
// formula 22.3), valid within 10000 years of J2000.0.
double MeanObliquity(double jd);

// Nutation in longitude (dpsi) and in obliquity (deps), both in degrees; the
// 63-term IAU 1980 series (Meeus, AA ch. 22).
void ComputeNutation(double jd, double& dpsi, double& deps);

// Adds the nutation corrections to a right ascension and declination (Meeus,
// AA formula 23.1, nutation part). alpha, delta and the obliquity epsilon are
// in radians; dpsi and deps in degrees, as ComputeNutation gives them. Both
// corrections are formed from the values before either is applied.
void NutationInEquatorial(double& alpha, double& delta, double epsilon,
                          double dpsi, double deps);

// Precesses ecliptic longitude and latitude (degrees) from the equinox of jd0
// to that of jd (Meeus, AA formulas 21.5 and 21.7). The longitude is not
// reduced: 359 degrees precessed over no time may come back as -1.
void PrecessEcliptic(double jd0, double jd, double& lambda, double& beta);

}  // namespace corvinata
