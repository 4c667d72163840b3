// Shadow geometry of a solar eclipse: from the Besselian elements to places
// on the Earth.
//
// Every routine is a pure function of one eclipse's elements, the time
// argument t (hours of dynamical time after the row's t0) and Delta T
// (seconds). Longitudes are degrees counted positive towards the WEST, so
// the local hour angle of the shadow axis is H = mu - lambda - 0.00417807 dT;
// latitudes are geodetic degrees, positive north. The methods are those of
// the Explanatory Supplement to the Astronomical Almanac (1992, ch. 8) and of
// Meeus, Elements of Solar Eclipses 1951-2200 (1989).
//
// Iterations are bounded and report failure instead of looping; arguments of
// square roots and arc functions are clamped, so a grazing geometry gives a
// number or a failure, never NaN.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "astro/besselian.h"
#include "base/angle_value.h"

namespace corvinata {

struct DateTime;

constexpr double kEarthEquatorialRadiusMetres = 6378140.0;
// Ratio of the polar to the equatorial radius, and its inverse.
constexpr double kEarthAxisRatio = 0.99664719;
constexpr double kEarthInverseAxisRatio = 1.00336409;
// The hour angle of the shadow axis refers to dynamical time; an observer's
// universal time lags by Delta T, which turns the Earth by this many degrees
// per second (1.002738 * 15 / 3600).
constexpr double kSiderealDegreesPerSecond = 0.00417807;
constexpr double kEarthDiameterKm = 12756.0;

// Arc sine and square root of arguments that rounding may carry just past
// their domain at a grazing geometry.
inline double ClampedAsin(double value) noexcept {
    return std::asin(std::clamp(value, -1.0, 1.0));
}
inline double ClampedSqrt(double value) noexcept { return std::sqrt(std::max(0.0, value)); }

// Kind of the central phase at a point of the central line; also the
// central kind of a global eclipse type.
enum CentralKind : std::int32_t {
    kCentralTotal = 0,
    kCentralAnnular = 1,
    kCentralAnnularTotal = 2,
    kNoCentralPoint = 3,
};

// rho sin(phi') and rho cos(phi'): the observer's geocentric position in
// Earth equatorial radii (Meeus, Astronomical Algorithms, ch. 11).
struct GeocentricFactors {
    double rhoSinPhi = 0.0;
    double rhoCosPhi = 1.0;
};

// Geocentric factors of a geodetic latitude (degrees) and a height above the
// ellipsoid (metres).
GeocentricFactors ObserverGeocentricFactors(double latitudeDegrees,
                                            double heightMetres) noexcept;

// An observer projected on the fundamental plane at one instant.
struct FundamentalPlaneObserver {
    double H = 0.0;                 // local hour angle of the shadow axis, radians
    double sinH = 0.0, cosH = 1.0;
    double sinD = 0.0, cosD = 1.0;  // declination of the shadow axis
    double xi = 0.0, eta = 0.0, zeta = 0.0;  // Earth radii
    double xiRate = 0.0, etaRate = 0.0;      // Earth radii per hour
    double u = 0.0, v = 0.0;        // shadow axis relative to the observer
    double a = 0.0, b = 0.0;        // its hourly rates
    double n2 = 0.0;                // a^2 + b^2
};

// Projects the observer (west longitude in degrees, geocentric factors) onto
// the fundamental plane at the instant whose elements `values` hold. The
// rates use mu1 and the linear declination rate d1 of the record.
FundamentalPlaneObserver ObserverOnFundamentalPlane(const BesselianElements& elements,
                                                    const BesselianValues& values,
                                                    double longitudeDegrees,
                                                    double deltaTSeconds,
                                                    const GeocentricFactors& factors) noexcept;

// Altitude of the Sun (degrees) seen from a geodetic latitude (degrees) at
// the hour angle and declination of the shadow axis held by `observer`.
double SunAltitudeAt(double latitudeDegrees, const FundamentalPlaneObserver& observer) noexcept;

// Latitude and hour angle (radians) of the unit vector
// (cos phi sin H, cos phi cos H, sin phi); H lies in -pi/2 .. 3pi/2.
struct DirectionAngles {
    double latitude = 0.0;
    double hourAngle = 0.0;
};
DirectionAngles AnglesFromDirection(double p1, double p2, double p3) noexcept;

// A place on the Earth: west longitude and geodetic latitude, degrees.
struct GeoPoint {
    double longitude = 0.0;
    double latitude = 0.0;
};

enum CentralLineLimit : std::int32_t {
    kCentralLineBegin = 0,
    kCentralLineEnd = 1,
};

// Correction (hours) to t towards the instant at which the shadow axis
// touches the Earth's limb at the begin or the end of the central line.
double CentralLineLimitTime(const BesselianElements& elements, double t,
                            CentralLineLimit which) noexcept;

// Where the shadow axis grazes the Earth at t (the point of the limb the axis
// passes closest to).
GeoPoint AxisGrazingPoint(const BesselianElements& elements, double t,
                          double deltaTSeconds) noexcept;

// Begin and end of the central line: a first estimate from the linear motion
// of the axis, refined once.
struct CentralLineExtremesResult {
    double tBegin = 0.0;
    GeoPoint begin;
    double tEnd = 0.0;
    GeoPoint end;
};
CentralLineExtremesResult CentralLineExtremes(const BesselianElements& elements,
                                              double deltaTSeconds) noexcept;

// The point of the central line at t with the circumstances there.
struct CentralPoint {
    GeoPoint place;
    double durationSeconds = 0.0;   // of the central phase
    double sunAltitude = 0.0;       // degrees
    double widthKm = 0.0;           // of the umbral path
    double magnitude = 0.0;         // (L1' - L2') / (L1' + L2')
};

// kCentralTotal or kCentralAnnular with `point` written, or kNoCentralPoint
// (the axis misses the Earth) with `point` untouched.
CentralKind CentralLinePoint(const BesselianElements& elements, double t,
                             double deltaTSeconds, CentralPoint& point) noexcept;

// One latitude search at a fixed longitude: whether it converged with the
// Sun above the horizon, the instant t and the latitude (degrees;
// kNotComputedAngle and t = 0 when not found), and the Newton steps taken.
struct LatitudeSearch {
    bool found = false;
    double t = 0.0;
    double latitude = kNotComputedAngle;
    int iterations = 0;
};

// The northern and the southern curve at one longitude.
struct LatitudeLimits {
    LatitudeSearch north;
    LatitudeSearch south;
};

// The central line at a longitude: the point, with the width (km) and the
// duration (seconds) of the central phase there (both 0 when not found).
struct CentralLineCrossing {
    LatitudeSearch point;
    double widthKm = 0.0;
    double durationSeconds = 0.0;
};

CentralLineCrossing CentralLineAtLongitude(const BesselianElements& elements,
                                           double longitudeDegrees,
                                           double deltaTSeconds) noexcept;
CentralLineCrossing CentralLineAtLongitude(const DateTime& date, double longitudeDegrees,
                                           double deltaTSeconds) noexcept;

// Northern and southern limits of the umbral (or antumbral) path.
LatitudeLimits UmbralLimitsAtLongitude(const BesselianElements& elements,
                                       double longitudeDegrees,
                                       double deltaTSeconds) noexcept;
LatitudeLimits UmbralLimitsAtLongitude(const DateTime& date, double longitudeDegrees,
                                       double deltaTSeconds) noexcept;

// Northern and southern curves on which the greatest eclipse has magnitude k
// (k = 0: the limits of the penumbra).
LatitudeLimits MagnitudeLimitsAtLongitude(const BesselianElements& elements,
                                          double longitudeDegrees,
                                          double deltaTSeconds, double k) noexcept;
LatitudeLimits MagnitudeLimitsAtLongitude(const DateTime& date, double longitudeDegrees,
                                          double deltaTSeconds, double k) noexcept;

// A point known to lie near a curve (the central point of the same instant,
// or the point the previous step of a trace found): the instant t (hours
// after t0) and the geodetic latitude (degrees) a search may start from, and
// how far from that latitude (degrees) the curve may lie; a reach of 0 asks
// for the search from the fixed start alone.
struct LatitudeGuess {
    double t = 0.0;
    double latitude = 0.0;
    double reach = 90.0;
};

// As UmbralLimitsAtLongitude and MagnitudeLimitsAtLongitude, for tracing a
// curve. Each side is searched first exactly as those do; a side that search
// misses (its fixed start lies too far from a point near a pole) is searched
// again from its guess: by Newton's method, kept when it settles within the
// guess' reach, and failing that by bracketing the root in latitude within
// the reach and narrowing the bracket, the crossing of the meridian nearest
// the guess first.
LatitudeLimits UmbralLimitsNear(const BesselianElements& elements, double longitudeDegrees,
                                double deltaTSeconds, const LatitudeGuess& north,
                                const LatitudeGuess& south) noexcept;
LatitudeLimits MagnitudeLimitsNear(const BesselianElements& elements,
                                   double longitudeDegrees, double deltaTSeconds, double k,
                                   const LatitudeGuess& north,
                                   const LatitudeGuess& south) noexcept;

}  // namespace corvinata
