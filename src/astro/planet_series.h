// Heliocentric positions of the planets from the abridged VSOP87 series,
// the Sun's geocentric J2000.0 rectangular coordinates, and Pluto.
//
// The series are those Meeus prints in Astronomical Algorithms, Appendix III
// (VSOP87 version D: ecliptic and equinox of the date), and the Earth's
// J2000.0 set of his chapter 26 (version B: fixed ecliptic and equinox of
// J2000.0). P. Bretagnon, G. Francou, A&A 202, 309 (1988).
#pragma once

#include <cstdint>

namespace corvinata {

// One periodic term A cos(B + C tau): A in 1e-8 (radian for L and B,
// astronomical unit for R), B in radians, C in radians per Julian millennium.
struct VsopTerm {
    double a;
    double b;
    double c;
};

// The terms that multiply one power of tau.
struct VsopPowerSeries {
    std::uint32_t count;
    const VsopTerm* terms;
};

// One coordinate: its power series, tau^0 first.
struct VsopCoordinateSeries {
    std::uint32_t powers;
    const VsopPowerSeries* series;
};

// The three coordinates of one body: longitude, latitude, radius vector.
struct PlanetSeries {
    const VsopCoordinateSeries* l;
    const VsopCoordinateSeries* b;
    const VsopCoordinateSeries* r;
};

// The series sets held by the program.
enum class VsopBody : int {
    Mercury,
    Venus,
    Earth,
    Mars,
    Jupiter,
    Saturn,
    Uranus,
    Neptune,
    EarthJ2000,  // the Earth referred to the ecliptic and equinox of J2000.0
};

// The constant series set of a body.
const PlanetSeries& VsopSeries(VsopBody body);

// Planet indexes of PlanetHeliocentricPosition (the Earth is not among them).
constexpr int kMercuryIndex = 0;
constexpr int kVenusIndex = 1;
constexpr int kMarsIndex = 2;
constexpr int kJupiterIndex = 3;
constexpr int kSaturnIndex = 4;
constexpr int kUranusIndex = 5;
constexpr int kNeptuneIndex = 6;
constexpr int kPlutoIndex = 7;

// Sum of A cos(B + C tau) over the terms of one power, first to last.
double SumVsopTerms(const VsopPowerSeries& series, double tau);

// Value of one coordinate at tau (Julian millennia from J2000.0): the power
// sums times tau^i, highest power first, divided by 1e8 (radians or AU).
double EvaluateVsopCoordinate(const VsopCoordinateSeries& series, double tau);

// Heliocentric ecliptic longitude (degrees, 0..360), latitude (degrees) and
// radius vector (AU) of a series set at a Julian day (dynamical time). Each
// output is optional: a null pointer skips that coordinate.
void VsopHeliocentricPosition(double jd, const PlanetSeries& planet,
                              double* l, double* b, double* r);

// Heliocentric position of planet `index` (0 Mercury .. 6 Neptune, 7 Pluto)
// in degrees and AU. The planets refer to the equinox of the date; Pluto to
// J2000.0 and is corrected for light time. Outputs optional as above.
void PlanetHeliocentricPosition(double jd, double* l, double* b, double* r,
                                int index);

// Geocentric rectangular equatorial coordinates of the Sun in AU, FK5 frame of
// J2000.0 (Meeus, AA formula 26.2 with the Earth's J2000.0 series).
void SunRectangularJ2000(double jd, double& x, double& y, double& z);

// The Sun seen from the Earth: geometric ecliptic longitude and latitude of
// the date (degrees) and distance (AU), from the Earth's series.
struct GeocentricSun {
    double longitude;
    double latitude;
    double distance;
};
// The Sun seen from the Earth's heliocentric longitude, latitude (degrees)
// and radius vector (AU).
GeocentricSun SunSeenFromEarth(double l, double b, double r);

// Geocentric rectangular ecliptic coordinates (AU) of a body at heliocentric
// longitude l, latitude b (degrees) and radius vector r (AU): the body's
// heliocentric vector plus the Sun's geocentric one (Meeus, AA ch. 44, 46).
void GeocentricFromSun(const GeocentricSun& sun, double l, double b, double r, double& x,
                       double& y, double& z);

// Light time in days per AU of distance.
constexpr double kLightDaysPerAu = 0.0057755183;

// Brings a heliocentric VSOP87 longitude and latitude (degrees) to the FK5
// frame (Meeus, AA formula 32.3). `t` counts Julian centuries from J2000.0
// at the instant of the position.
void CorrectToFk5(double t, double& l, double& b);

// Pluto (Meeus, AA ch. 37, table 37.A).
//
// The theory was fitted to 1885-2099. Outside those years the series is
// evaluated as it stands: its terms are bounded, so positions stay finite and
// continuous, but their accuracy falls away from the range.

// Argument multipliers of one row of the Pluto series.
struct PlutoArgument {
    std::int32_t j;  // Jupiter's mean longitude
    std::int32_t s;  // Saturn's
    std::int32_t p;  // Pluto's
};

// Sine and cosine coefficients of one row, in 1e-6 degree (longitude,
// latitude) or 1e-7 AU (radius vector).
struct PlutoCoefficient {
    std::int32_t sine;
    std::int32_t cosine;
};

// The coefficient tables of the Pluto series (43 rows each).
enum class PlutoTable : int { Longitude, Latitude, Radius };

constexpr int kPlutoTermCount = 43;

// One row of table 37.A gathered from the four parallel tables.
struct PlutoTerm {
    PlutoArgument argument;
    PlutoCoefficient longitude;
    PlutoCoefficient latitude;
    PlutoCoefficient radius;
};

// Row 0..kPlutoTermCount-1 in the book's order; a row outside that range
// answers all zeros, a term that adds nothing.
PlutoTerm PlutoTermAt(int row);

// Sum over the rows of one table, last row first, of sine sin(a) + cosine
// cos(a) with a = row.j J + row.s S + row.p P; J, S, P in degrees.
double PlutoSeriesSum(PlutoTable table, double j, double s, double p);

// Geocentric distance of a body from the Sun's geocentric and the body's
// heliocentric rectangular coordinates (same frame and unit).
double GeocentricFromHeliocentric(double sunX, double sunY, double sunZ,
                                  double x, double y, double z);

// Heliocentric ecliptic longitude and latitude (degrees, J2000.0), radius
// vector and geocentric distance (AU) of Pluto at a Julian day (dynamical
// time), without light-time correction, and the light time in days. The four
// positions are optional; the light time is always written.
void ComputePluto(double jd, double* l, double* b, double* r, double* distance,
                  double& lightTime);

// As ComputePluto, for the instant the light seen at jd left Pluto (at most
// five passes, until the light time changes by less than 1e-5 day).
void PlutoLightTimePosition(double jd, double* l, double* b, double* r,
                            double* distance);

}  // namespace corvinata
