#include "astro/planet_series.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "astro/degrees.h"
#include "astro/delta_t.h"
#include "astro/series_trig.h"
#include "base/angle_reduction.h"
#include "generated/earth_j2000.h"
#include "generated/pluto.h"
#include "generated/vsop87.h"

namespace corvinata {
namespace {
constexpr double kDaysPerJulianMillennium = 365250.0;

// Pluto, Meeus AA ch. 37.
constexpr int kPlutoPasses = 5;
constexpr double kPlutoLightTimeTolerance = 1e-5;  // days
// Obliquity of J2000.0, as the Pluto theory uses it.
constexpr double kSinEpsilonJ2000 = 0.397777156;
constexpr double kCosEpsilonJ2000 = 0.917482062;

}  // namespace

const PlanetSeries& VsopSeries(VsopBody body) {
    using namespace vsop87_data;
    switch (body) {
        case VsopBody::Mercury: return kMercurySeries;
        case VsopBody::Venus: return kVenusSeries;
        case VsopBody::Earth: return kEarthSeries;
        case VsopBody::Mars: return kMarsSeries;
        case VsopBody::Jupiter: return kJupiterSeries;
        case VsopBody::Saturn: return kSaturnSeries;
        case VsopBody::Uranus: return kUranusSeries;
        case VsopBody::Neptune: return kNeptuneSeries;
        case VsopBody::EarthJ2000: break;
    }
    return kEarthJ2000Series;
}

double SumVsopTerms(const VsopPowerSeries& series, double tau) {
    // The terms go through in blocks: first the cosines of every term of a
    // block, free of dependencies from one to the next so that the compiler
    // evaluates several at once, then the sum in the order of the table.
    constexpr std::uint32_t kBlock = 64;
    double cosines[kBlock];
    double sum = 0.0;
    for (std::uint32_t first = 0; first < series.count; first += kBlock) {
        const std::uint32_t count = std::min(kBlock, series.count - first);
        const VsopTerm* terms = series.terms + first;
        for (std::uint32_t i = 0; i < count; ++i) cosines[i] = terms[i].b + terms[i].c * tau;
        for (std::uint32_t i = 0; i < count; ++i) cosines[i] = SeriesCosine(cosines[i]);
        for (std::uint32_t i = 0; i < count; ++i) sum += terms[i].a * cosines[i];
    }
    return sum;
}

double EvaluateVsopCoordinate(const VsopCoordinateSeries& series, double tau) {
    double sum = 0.0;
    for (std::uint32_t i = series.powers; i-- > 0;) {
        // tau^i by repeated squaring.
        double power = 1.0;
        double base = tau;
        for (std::uint32_t e = i; e != 0; e >>= 1) {
            if (e & 1u) power *= base;
            base *= base;
        }
        sum += power * SumVsopTerms(series.series[i], tau);
    }
    return sum / 1e8;
}

void VsopHeliocentricPosition(double jd, const PlanetSeries& planet, double* l, double* b,
                              double* r) {
    const double tau = (jd - kJulianDayJ2000) / kDaysPerJulianMillennium;
    if (l) *l = ReduceDegrees(EvaluateVsopCoordinate(*planet.l, tau) * kDegreesPerRadian);
    if (b) *b = EvaluateVsopCoordinate(*planet.b, tau) * kDegreesPerRadian;
    if (r) *r = EvaluateVsopCoordinate(*planet.r, tau);
}

void PlanetHeliocentricPosition(double jd, double* l, double* b, double* r, int index) {
    static constexpr VsopBody kPlanets[] = {VsopBody::Mercury, VsopBody::Venus,
                                            VsopBody::Mars,    VsopBody::Jupiter,
                                            VsopBody::Saturn,  VsopBody::Uranus,
                                            VsopBody::Neptune};
    if (index >= 0 && index < static_cast<int>(std::size(kPlanets))) {
        VsopHeliocentricPosition(jd, VsopSeries(kPlanets[index]), l, b, r);
    } else if (index == kPlutoIndex) {
        PlutoLightTimePosition(jd, l, b, r, nullptr);
    }
}

GeocentricSun SunSeenFromEarth(double l, double b, double r) {
    return {ReduceDegrees(l + 180.0), -b, r};
}

void GeocentricFromSun(const GeocentricSun& sun, double l, double b, double r, double& x,
                       double& y, double& z) {
    x = r * CosDeg(b) * CosDeg(l) + sun.distance * CosDeg(sun.longitude);
    y = r * CosDeg(b) * SinDeg(l) + sun.distance * SinDeg(sun.longitude);
    z = r * SinDeg(b) + sun.distance * SinDeg(sun.latitude);
}

void CorrectToFk5(double t, double& l, double& b) {
    const double lPrime = l - 1.397 * t - 0.00031 * t * t;
    l -= 0.09033 / 3600.0;
    b += 0.03916 / 3600.0 * (CosDeg(lPrime) - SinDeg(lPrime));
}

void SunRectangularJ2000(double jd, double& x, double& y, double& z) {
    double l = 0.0;
    double b = 0.0;
    double r = 0.0;
    VsopHeliocentricPosition(jd, VsopSeries(VsopBody::EarthJ2000), &l, &b, &r);
    // Geocentric Sun: the opposite direction of the heliocentric Earth.
    double theta = l + 180.0;
    if (theta >= 360.0) theta -= 360.0;
    const double thetaR = theta * kRadiansPerDegree;
    const double betaR = -b * kRadiansPerDegree;
    const double x0 = r * std::cos(betaR) * std::cos(thetaR);
    const double y0 = r * std::cos(betaR) * std::sin(thetaR);
    const double z0 = r * std::sin(betaR);
    // From the dynamical ecliptic of J2000.0 to the FK5 equator (Meeus, AA 26.2).
    x = x0 + 0.000000440360 * y0 - 0.000000190919 * z0;
    y = -0.000000479966 * x0 + 0.917482137087 * y0 - 0.397776982902 * z0;
    z = 0.397776982902 * y0 + 0.917482137087 * z0;
}

PlutoTerm PlutoTermAt(int row) {
    using namespace pluto_data;
    static_assert(std::size(kPlutoArguments) == kPlutoTermCount &&
                      std::size(kPlutoLongitude) == kPlutoTermCount &&
                      std::size(kPlutoLatitude) == kPlutoTermCount &&
                      std::size(kPlutoRadius) == kPlutoTermCount,
                  "the four Pluto tables run in parallel");
    if (row < 0 || row >= kPlutoTermCount) return PlutoTerm{};
    return PlutoTerm{kPlutoArguments[row], kPlutoLongitude[row], kPlutoLatitude[row],
                     kPlutoRadius[row]};
}

double PlutoSeriesSum(PlutoTable table, double j, double s, double p) {
    using namespace pluto_data;
    const PlutoCoefficient* coefficients = table == PlutoTable::Longitude  ? kPlutoLongitude
                                           : table == PlutoTable::Latitude ? kPlutoLatitude
                                                                           : kPlutoRadius;
    double sum = 0.0;
    for (int i = static_cast<int>(std::size(kPlutoArguments)); i-- > 0;) {
        const PlutoArgument& m = kPlutoArguments[i];
        const double a = (m.j * j + m.s * s + m.p * p) * kRadiansPerDegree;
        sum += coefficients[i].sine * std::sin(a) + coefficients[i].cosine * std::cos(a);
    }
    return sum;
}

double GeocentricFromHeliocentric(double sunX, double sunY, double sunZ, double x, double y,
                                  double z) {
    const double xi = sunX + x;
    const double eta = sunY + y;
    const double zeta = sunZ + z;
    return std::sqrt(xi * xi + eta * eta + zeta * zeta);
}

void ComputePluto(double jd, double* l, double* b, double* r, double* distance,
                  double& lightTime) {
    const double t = (jd - kJulianDayJ2000) / kDaysPerJulianCentury;
    // Mean longitudes of Jupiter, Saturn and Pluto.
    const double jm = 34.35 + 3034.9057 * t;
    const double sm = 50.08 + 1222.1138 * t;
    const double pm = 238.96 + 144.96 * t;

    // The mean longitude grows without bound before and after J2000.0; the
    // full reduction also keeps dates long before 1885 within 0..360.
    const double lon = ReduceDegrees(238.958116 + 144.96 * t +
                                     PlutoSeriesSum(PlutoTable::Longitude, jm, sm, pm) / 1e6);
    const double lat = -3.908239 + PlutoSeriesSum(PlutoTable::Latitude, jm, sm, pm) / 1e6;
    const double rad = 40.7241346 + PlutoSeriesSum(PlutoTable::Radius, jm, sm, pm) / 1e7;

    const double lonR = lon * kRadiansPerDegree;
    const double latR = lat * kRadiansPerDegree;
    const double x = rad * std::cos(lonR) * std::cos(latR);
    const double y = rad * (std::sin(lonR) * std::cos(latR) * kCosEpsilonJ2000 -
                            std::sin(latR) * kSinEpsilonJ2000);
    const double z = rad * (std::sin(lonR) * std::cos(latR) * kSinEpsilonJ2000 +
                            std::sin(latR) * kCosEpsilonJ2000);
    double sunX = 0.0;
    double sunY = 0.0;
    double sunZ = 0.0;
    SunRectangularJ2000(jd, sunX, sunY, sunZ);
    const double delta = GeocentricFromHeliocentric(sunX, sunY, sunZ, x, y, z);

    if (l) *l = lon;
    if (b) *b = lat;
    if (r) *r = rad;
    if (distance) *distance = delta;
    lightTime = kLightDaysPerAu * delta;
}

void PlutoLightTimePosition(double jd, double* l, double* b, double* r, double* distance) {
    double previous = -999.0;
    double working = jd;
    for (int pass = 0; pass < kPlutoPasses; ++pass) {
        double lightTime = 0.0;
        ComputePluto(working, l, b, r, distance, lightTime);
        if (std::fabs(lightTime - previous) < kPlutoLightTimeTolerance) break;
        previous = lightTime;
        working = jd - lightTime;
    }
}

}  // namespace corvinata
