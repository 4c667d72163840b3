// Directions on the sky and their conversion between the equatorial,
// ecliptical, horizontal and galactic systems, and the zodiac signs.
//
// Angles cross these interfaces in degrees (right ascension too, not hours);
// every conversion goes through equatorial coordinates and writes both angles
// and the new system code into the same record.
#pragma once

#include "base/event_time.h"

namespace corvinata {

struct DateTime;
struct TimeAndPlace;
class LatitudeValue;

// A direction on the sky. Azimuth counts from north through east.
struct SkyCoordinates {
    double longitude;  // right ascension, ecliptic or galactic longitude, azimuth
    double latitude;   // declination, ecliptic or galactic latitude, altitude
    int system;        // a CoordinateSystemId: kEquatorialSystem .. kGalacticSystem
};

// Converts the record to the target system for the moment and place; nothing
// happens when it already is in that system. Ecliptical coordinates refer to
// the true obliquity of the moment in universal time. A moment without a time
// (hours -1.0) has no sidereal time: a conversion to or from horizontal
// coordinates then gives kNotComputedAngle (-1000.0) for both angles.
void ConvertCoordinates(const TimeAndPlace& moment, SkyCoordinates& c, int target);

// Ecliptical to equatorial for the true obliquity of the Julian day (mean
// obliquity plus the nutation in obliquity; the nutation in longitude is not
// applied). Meeus, AA formulas 13.3 and 13.4. Right ascension in 0..360.
void EclipticToEquatorial(SkyCoordinates& c, double jd);

// Equatorial to ecliptical, the inverse of the above (Meeus, AA 13.1, 13.2).
void EquatorialToEcliptic(SkyCoordinates& c, double jd);

// The true obliquity of the ecliptic at the Julian day, degrees.
double TrueObliquity(double jd);
// The two conversions for an obliquity in degrees, for callers that convert
// many positions of one epoch.
void EclipticToEquatorialAt(SkyCoordinates& c, double obliquity);
void EquatorialToEclipticAt(SkyCoordinates& c, double obliquity);

// Equatorial to horizontal for a local sidereal time in hours and a latitude
// in degrees, without refraction or parallax (Meeus, AA 13.5, 13.6).
void EquatorialToHorizontal(SkyCoordinates& c, double localSiderealHours,
                            double latitude);

// Horizontal to equatorial, the inverse of the above.
void HorizontalToEquatorial(SkyCoordinates& c, double localSiderealHours,
                            double latitude);

// The same with the local sidereal time in the hours of a DateTime and the
// place's latitude value.
void EquatorialToHorizontal(SkyCoordinates& c, const DateTime& localSiderealTime,
                            const LatitudeValue& latitude);
void HorizontalToEquatorial(SkyCoordinates& c, const DateTime& localSiderealTime,
                            const LatitudeValue& latitude);

// Equatorial to galactic and back, with the B1950.0 definition of the galactic
// pole (12h49m, +27.4 degrees) and of the origin of galactic longitude (node at
// 33 degrees); the equatorial coordinates are those of the equator and
// equinox of B1950.0.
void EquatorialToGalactic(SkyCoordinates& c);
void GalacticToEquatorial(SkyCoordinates& c);

// The same from and to the mean equator and equinox of the Julian day,
// precessed to and from B1950.0 around the conversion, so that a fixed
// direction keeps its galactic coordinates at every date.
void EquatorialOfDateToGalactic(SkyCoordinates& c, double jd);
void GalacticToEquatorialOfDate(SkyCoordinates& c, double jd);

// Zodiac signs 0 (Aries) .. 11 (Pisces) and the numbers of the constellations
// (0..87, alphabetical by Latin name) that bear their names; -1 for a number
// that is no sign.
int ZodiacSignConstellationIndex(int sign);
// The sign of a constellation number; -1 for the constellations outside the
// zodiac and for numbers out of range.
int ConstellationZodiacSign(int constellation);

}  // namespace corvinata
