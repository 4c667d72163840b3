#include "astro/delta_t.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "base/angle_reduction.h"
#include "base/time_systems.h"
#include "generated/delta_t.h"

namespace corvinata {
namespace {

constexpr double kJulianDay1900 = 2415020.5;  // 1900 January 1, 0 h

// Published polynomial fits of the observed Delta T (seconds) in T, Julian
// centuries from 1900: 1800-1899 and 1900-1997.
constexpr double kFit1800[] = {-2.50,      228.95,     5218.61,    56282.84,
                               324011.78,  1061660.75, 2087298.89, 2513807.78,
                               1818961.41, 727058.63,  123563.95};
constexpr double kFit1900[] = {-2.44,      87.24,      815.20,     -2637.80,
                               -18756.33,  124906.15,  -303191.19, 372919.88,
                               -232424.66, 58353.42};

// Evaluated term by term with explicit powers, as the fits were published.
template <std::size_t N>
double PowerSeries(const double (&coefficients)[N], double x) {
    double sum = 0.0;
    double power = 1.0;
    for (double c : coefficients) {
        sum += c * power;
        power *= x;
    }
    return sum;
}

// Meeus, AA ch. 10, formulas 10.1 and 10.2 without the later corrections.
double ParabolaBefore948(double t) { return 2177.0 + 497.0 * t + 44.1 * t * t; }
double ParabolaFrom948(double t) { return 102.0 + 102.0 * t + 25.3 * t * t; }

double CenturiesFromYear(int year) { return (year - 2000) / 100.0; }

// Years counted in Julian years from 1900 January 1: close enough to the
// calendar year for interpolation, and continuous in time.
double DecimalYear(double centuriesSince1900) { return 1900.0 + 100.0 * centuriesSince1900; }

double CenturiesAtNewYear(int year) {
    DateTime newYear;
    newYear.year = year;
    newYear.timeSystem = kUniversalTime;
    return CenturiesSince1900(newYear);
}

// Linear interpolation in the observed values, held at the table's ends.
double Observed(double y) {
    using namespace delta_t_data;
    constexpr int last = static_cast<int>(std::size(kObservedSeconds)) - 1;
    const double x = std::clamp((y - kObservedFirstYear) / kObservedYearStep, 0.0,
                                static_cast<double>(last));
    const int i = std::min(static_cast<int>(x), last - 1);
    const double f = x - i;
    return kObservedSeconds[i] + f * (kObservedSeconds[i + 1] - kObservedSeconds[i]);
}

// Espenak & Meeus, Five Millennium Canon of Solar Eclipses (2006), the
// expressions for 2005 onwards; y is the decimal year.
double Extrapolated(double y) {
    if (y < 2050.0) {
        const double t = y - 2000.0;
        return 62.92 + 0.32217 * t + 0.005589 * t * t;
    }
    const double u = (y - 1820.0) / 100.0;
    if (y < 2150.0) return -20.0 + 32.0 * u * u - 0.5628 * (2150.0 - y);
    return -20.0 + 32.0 * u * u;
}

// Weight of a shift that is whole at `from` and gone at `to`.
double Fade(double y, double from, double to) {
    return std::clamp((to - y) / (to - from), 0.0, 1.0);
}

constexpr int kFirstFilledYear = 1601;
constexpr int kFirstFitYear = 1800;
constexpr int kFirstObservedAfterFit = 1998;
constexpr double kShiftGoneYear = 2050.0;

// 1601-1799: the parabola's value of 1600 joined to the first observation,
// then the observations, bent in their last interval onto the 1800 fit.
double FillBefore1800(double y) {
    using namespace delta_t_data;
    if (y < kObservedFirstYear) {
        const double y0 = DecimalYear(CenturiesAtNewYear(kFirstFilledYear));
        const double v0 = ParabolaFrom948(CenturiesFromYear(kFirstFilledYear - 1));
        const double f = std::max(0.0, (y - y0) / (kObservedFirstYear - y0));
        return v0 + f * (Observed(kObservedFirstYear) - v0);
    }
    const double joinT = CenturiesAtNewYear(kFirstFitYear);
    const double joinY = DecimalYear(joinT);
    const double shift = PowerSeries(kFit1800, joinT) - Observed(joinY);
    return Observed(y) + shift * (1.0 - Fade(y, joinY - kObservedYearStep, joinY));
}

// From 1998: the observations, starting from the 1997 fit's value and
// meeting the table within one interval, then the extrapolation shifted onto
// the last observation.
double FillAfter1997(double y) {
    using namespace delta_t_data;
    if (y <= kObservedLastYear) {
        const double joinT = CenturiesAtNewYear(kFirstObservedAfterFit);
        const double joinY = DecimalYear(joinT);
        const double shift = PowerSeries(kFit1900, joinT) - Observed(joinY);
        return Observed(y) + shift * Fade(y, joinY, joinY + kObservedYearStep);
    }
    const double shift = Observed(kObservedLastYear) - Extrapolated(kObservedLastYear);
    return Extrapolated(y) + shift * Fade(y, kObservedLastYear, kShiftGoneYear);
}

}  // namespace

double EquinoxEpochJulianDay(int code) {
    switch (code) {
        case kEpochBoundaries1875: return 2405890.0;
        case kEpochB1950: return 2433282.4235;
        case kEpochJ2000: return kJulianDayJ2000;
        default: return -1.0;
    }
}

double DeltaTSeconds(int year, double centuriesSince1900) {
    const double t = CenturiesFromYear(year);
    if (year < 948) return ParabolaBefore948(t);
    if (year < kFirstFilledYear) return ParabolaFrom948(t);
    const double y = DecimalYear(centuriesSince1900);
    if (year < kFirstFitYear) return FillBefore1800(y);
    if (year < 1900) return PowerSeries(kFit1800, centuriesSince1900);
    if (year < kFirstObservedAfterFit) return PowerSeries(kFit1900, centuriesSince1900);
    return FillAfter1997(y);
}

double DeltaT(const DateTime& date) {
    return DeltaTSeconds(date.year, CenturiesSince1900(date));
}

double CenturiesSince1900(const DateTime& date) {
    return (DateTimeToJulianDay(date) - kJulianDay1900) / kDaysPerJulianCentury;
}

double SunMeanAnomaly1980(double days) {
    constexpr double kDegreesPerDay = 0.9856473320990837;  // about 360 / 365.242191
    constexpr double kMeanLongitudeAtEpoch = 278.83354;
    constexpr double kPerigeeLongitude = 282.596403;
    return ReduceDegrees(kDegreesPerDay * days + kMeanLongitudeAtEpoch - kPerigeeLongitude);
}

}  // namespace corvinata
