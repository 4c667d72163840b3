#include "astro/coordinates.h"

#include <cmath>
#include <iterator>

#include "astro/degrees.h"
#include "astro/delta_t.h"
#include "astro/instant_sharing.h"
#include "astro/nutation.h"
#include "base/angle_value.h"
#include "base/date_time.h"
#include "base/geo_place.h"
#include "base/time_systems.h"

namespace corvinata {
namespace {
// Galactic pole and node, B1950.0.
constexpr double kGalacticPoleRa = 192.25;
constexpr double kGalacticPoleDec = 27.4;
constexpr double kGalacticNodeLongitude = 33.0;

// Constellation numbers of the signs Aries .. Pisces.
constexpr int kZodiacConstellations[12] = {6, 77, 37, 11, 45, 85, 48, 72, 71, 15, 3, 65};

// The moment in universal time as a Julian day.
double UniversalJulianDay(const TimeAndPlace& moment) {
    DateTime ut = moment.dateTime;
    ConvertTimeSystem(ut, kUniversalTime, moment.place.longitude, moment.place.timeZone,
                      moment.daylightSaving);
    return DateTimeToJulianDay(ut);
}

// The local sidereal time of the moment in hours; kNoTimeHours for a moment
// without a time.
double LocalSiderealHours(const TimeAndPlace& moment) {
    DateTime lst = moment.dateTime;
    ConvertTimeSystem(lst, kLocalSiderealTime, moment.place.longitude, moment.place.timeZone,
                      moment.daylightSaving);
    return lst.hours;
}

void MarkNotComputed(SkyCoordinates& c, int system) {
    c.longitude = kNotComputedAngle;
    c.latitude = kNotComputedAngle;
    c.system = system;
}

}  // namespace

void ConvertCoordinates(const TimeAndPlace& moment, SkyCoordinates& c, int target) {
    if (c.system == target) return;
    double lst = 0.0;
    if (c.system == kHorizontalSystem || target == kHorizontalSystem) {
        if (moment.dateTime.hours == kNoTimeHours) {
            MarkNotComputed(c, target);
            return;
        }
        lst = LocalSiderealHours(moment);
    }
    const double latitude = moment.place.latitude.GetValue();

    switch (c.system) {
        case kEclipticalSystem: EclipticToEquatorial(c, UniversalJulianDay(moment)); break;
        case kHorizontalSystem: HorizontalToEquatorial(c, lst, latitude); break;
        case kGalacticSystem: GalacticToEquatorialOfDate(c, UniversalJulianDay(moment)); break;
        default: break;
    }
    switch (target) {
        case kEclipticalSystem: EquatorialToEcliptic(c, UniversalJulianDay(moment)); break;
        case kHorizontalSystem: EquatorialToHorizontal(c, lst, latitude); break;
        case kGalacticSystem: EquatorialOfDateToGalactic(c, UniversalJulianDay(moment)); break;
        default: break;
    }
}

double TrueObliquity(double jd) {
    return MeanObliquity(jd) + SharedNutation(jd).deps;
}

void EclipticToEquatorial(SkyCoordinates& c, double jd) {
    EclipticToEquatorialAt(c, TrueObliquity(jd));
}

void EclipticToEquatorialAt(SkyCoordinates& c, double epsilon) {
    const double lambda = c.longitude;
    const double beta = c.latitude;
    c.longitude = FullCircle(Atan2Deg(SinDeg(lambda) * CosDeg(epsilon) -
                                          TanDeg(beta) * SinDeg(epsilon),
                                      CosDeg(lambda)));
    c.latitude = AsinDeg(SinDeg(beta) * CosDeg(epsilon) +
                         CosDeg(beta) * SinDeg(epsilon) * SinDeg(lambda));
    c.system = kEquatorialSystem;
}

void EquatorialToEcliptic(SkyCoordinates& c, double jd) {
    EquatorialToEclipticAt(c, TrueObliquity(jd));
}

void EquatorialToEclipticAt(SkyCoordinates& c, double epsilon) {
    const double alpha = c.longitude;
    const double delta = c.latitude;
    c.longitude = FullCircle(Atan2Deg(SinDeg(alpha) * CosDeg(epsilon) +
                                          TanDeg(delta) * SinDeg(epsilon),
                                      CosDeg(alpha)));
    c.latitude = AsinDeg(SinDeg(delta) * CosDeg(epsilon) -
                         CosDeg(delta) * SinDeg(epsilon) * SinDeg(alpha));
    c.system = kEclipticalSystem;
}

void EquatorialToHorizontal(SkyCoordinates& c, double localSiderealHours, double latitude) {
    const double hourAngle = FullCircle(15.0 * localSiderealHours - c.longitude);
    const double delta = c.latitude;
    const double altitude = AsinDeg(SinDeg(delta) * SinDeg(latitude) +
                                    CosDeg(delta) * CosDeg(latitude) * CosDeg(hourAngle));
    // Azimuth from north through east.
    const double azimuth = Atan2Deg(
        -CosDeg(delta) * SinDeg(hourAngle),
        SinDeg(delta) * CosDeg(latitude) - CosDeg(delta) * SinDeg(latitude) * CosDeg(hourAngle));
    c.longitude = FullCircle(azimuth);
    c.latitude = altitude;
    c.system = kHorizontalSystem;
}

void HorizontalToEquatorial(SkyCoordinates& c, double localSiderealHours, double latitude) {
    const double azimuth = c.longitude;
    const double altitude = c.latitude;
    const double delta = AsinDeg(SinDeg(altitude) * SinDeg(latitude) +
                                 CosDeg(altitude) * CosDeg(latitude) * CosDeg(azimuth));
    const double hourAngle = FullCircle(Atan2Deg(
        -CosDeg(altitude) * SinDeg(azimuth),
        SinDeg(altitude) * CosDeg(latitude) - CosDeg(altitude) * SinDeg(latitude) * CosDeg(azimuth)));
    c.longitude = FullCircle(15.0 * localSiderealHours - hourAngle);
    c.latitude = delta;
    c.system = kEquatorialSystem;
}

void EquatorialToHorizontal(SkyCoordinates& c, const DateTime& localSiderealTime,
                            const LatitudeValue& latitude) {
    EquatorialToHorizontal(c, localSiderealTime.hours, latitude.GetValue());
}

void HorizontalToEquatorial(SkyCoordinates& c, const DateTime& localSiderealTime,
                            const LatitudeValue& latitude) {
    HorizontalToEquatorial(c, localSiderealTime.hours, latitude.GetValue());
}

void EquatorialToGalactic(SkyCoordinates& c) {
    const double alpha = c.longitude;
    const double delta = c.latitude;
    const double sinB = SinDeg(delta) * SinDeg(kGalacticPoleDec) +
                        CosDeg(delta) * CosDeg(kGalacticPoleDec) * CosDeg(alpha - kGalacticPoleRa);
    const double b = AsinDeg(sinB);
    const double y = SinDeg(delta) - SinDeg(b) * SinDeg(kGalacticPoleDec);
    const double x = CosDeg(delta) * SinDeg(alpha - kGalacticPoleRa) * CosDeg(kGalacticPoleDec);
    c.longitude = FullCircle(kGalacticNodeLongitude + Atan2Deg(y, x));
    c.latitude = b;
    c.system = kGalacticSystem;
}

void GalacticToEquatorial(SkyCoordinates& c) {
    const double l = c.longitude;
    const double b = c.latitude;
    const double sinDelta = CosDeg(b) * CosDeg(kGalacticPoleDec) * SinDeg(l - kGalacticNodeLongitude) +
                            SinDeg(b) * SinDeg(kGalacticPoleDec);
    double alpha = kGalacticPoleRa +
                   Atan2Deg(CosDeg(b) * CosDeg(l - kGalacticNodeLongitude),
                            SinDeg(b) * CosDeg(kGalacticPoleDec) -
                                CosDeg(b) * SinDeg(kGalacticPoleDec) * SinDeg(l - kGalacticNodeLongitude));
    if (alpha >= 360.0) alpha -= 360.0;
    c.longitude = alpha;
    c.latitude = AsinDeg(sinDelta);
    c.system = kEquatorialSystem;
}

namespace {
// Mean equator and equinox of jd0 to those of jd, by way of the ecliptic
// (Meeus, AA formulas 21.5 and 21.7). The nutation of an apparent place
// (under 20") is left in.
void PrecessEquatorial(SkyCoordinates& c, double jd0, double jd) {
    EquatorialToEclipticAt(c, MeanObliquity(jd0));
    PrecessEcliptic(jd0, jd, c.longitude, c.latitude);
    EclipticToEquatorialAt(c, MeanObliquity(jd));
}
}  // namespace

void EquatorialOfDateToGalactic(SkyCoordinates& c, double jd) {
    PrecessEquatorial(c, jd, EquinoxEpochJulianDay(kEpochB1950));
    EquatorialToGalactic(c);
}

void GalacticToEquatorialOfDate(SkyCoordinates& c, double jd) {
    GalacticToEquatorial(c);
    PrecessEquatorial(c, EquinoxEpochJulianDay(kEpochB1950), jd);
}

int ZodiacSignConstellationIndex(int sign) {
    if (sign < 0 || sign >= static_cast<int>(std::size(kZodiacConstellations))) return -1;
    return kZodiacConstellations[sign];
}

int ConstellationZodiacSign(int constellation) {
    const auto* found = std::find(std::begin(kZodiacConstellations),
                                  std::end(kZodiacConstellations), constellation);
    if (found == std::end(kZodiacConstellations)) return -1;
    return static_cast<int>(found - std::begin(kZodiacConstellations));
}

}  // namespace corvinata
