// Standard epochs, Delta T and the small time arguments the theories share.
//
// Angles are in degrees and instants are Julian days unless a routine says
// otherwise. Nothing here keeps state, so every thread may call it.
#pragma once

#include "base/date_time.h"

namespace corvinata {

// Codes of the standard epochs.
constexpr int kEpochBoundaries1875 = 0;  // epoch of the constellation boundaries
constexpr int kEpochB1950 = 1;
constexpr int kEpochJ2000 = 2;

constexpr double kJulianDayJ2000 = 2451545.0;
constexpr double kDaysPerJulianCentury = 36525.0;

// Julian day of the standard epoch with the given code (1875.0: 2405890.0,
// B1950.0: 2433282.4235, J2000.0: 2451545.0); -1.0 for any other code.
double EquinoxEpochJulianDay(int code);

// Delta T = TT - UT in seconds for the given integer year; `centuriesSince1900`
// is CenturiesSince1900 of the date, used by the fitted polynomials of
// 1800-1997 (which therefore follow the date within the year).
//   before 948:  2177 + 497 t + 44.1 t^2                (Meeus, AA ch. 10)
//   948..1600:   102 + 102 t + 25.3 t^2                 (Meeus, AA ch. 10)
//   1601..1799:  the observed values (Meeus, table 10.A, from 1620), joined
//                linearly to the parabola at 1600 and to the fit at 1800
//   1800..1997:  polynomial fits to the observed values
//   1998..2010:  the observed values, joined to the 1997 fit
//   after 2010:  the extrapolation of Espenak & Meeus (NASA/TP-2006-214141),
//                shifted at 2010 onto the last observation, the shift fading
//                out by 2050
// t counts Julian centuries from 2000 by the integer year; the observed and
// extrapolated stretches follow the date within the year, so that Delta T
// has no jump where two methods meet.
double DeltaTSeconds(int year, double centuriesSince1900);

// Delta T in seconds for the date (DeltaTSeconds of its year and centuries).
double DeltaT(const DateTime& date);

// (JD - 2415020.5) / 36525 with JD the Julian day of the record's year, month,
// day and hours taken as universal time (its time system is not read).
double CenturiesSince1900(const DateTime& date);

// Mean anomaly of the Sun in degrees (0..360) for a number of days counted
// from 1980 January 0.0 (Julian day 2444238.5), from the 1980 epoch elements
// (mean longitude 278.83354, perigee 282.596403, 360 / 365.242191 deg/day).
double SunMeanAnomaly1980(double days);

}  // namespace corvinata
