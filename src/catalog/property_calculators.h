// The calculators behind ComputeBodyProperties, one per body type, and the
// pieces they share. Internal to the property evaluation.
#pragma once

#include <cstdint>

#include "astro/coordinates.h"
#include "base/geo_place.h"
#include "catalog/body_properties.h"

namespace corvinata {

class CatalogueSkyObject;

// One computation as a worker sees it: the widened mask, the instant in
// Universal time, the same instant as a Julian day of dynamical time (UT +
// Delta T, the time the theories of the Sun, the Moon and the planets run
// on), and the requested time system (the day of an event is the day in that
// system). Sidereal time and hour angles come from `moment`, on Universal
// time.
struct PropertyJob {
    std::uint32_t mask;
    TimeAndPlace moment;
    double jd;
    int timeSystem;
};

// The Julian day of dynamical time of an instant of Universal time.
double DynamicalJulianDay(const DateTime& universal);

// The common frame: preparation, the worker into a raw map, then
// EvaluateBodyProperties into the caller's map.
class PropertyCalculator {
public:
    explicit PropertyCalculator(const CelestialObject& body) noexcept : body_(body) {}
    virtual ~PropertyCalculator() = default;
    PropertyCalculator(const PropertyCalculator&) = delete;
    PropertyCalculator& operator=(const PropertyCalculator&) = delete;

    void Compute(std::uint32_t mask, const TimeAndPlace& moment, PropertyMap& out,
                 const PropertyConventions& conventions) const;

protected:
    // Properties the kind's worker needs besides those asked for.
    virtual std::uint32_t Widen(std::uint32_t mask) const noexcept { return mask; }
    virtual void Work(const PropertyJob& job, PropertyMap& raw) const = 0;

    const CelestialObject& body_;
};

// The Sun's apparent geocentric place of the date: ecliptic longitude with
// nutation and aberration, latitude (degrees) and distance (AU).
struct SunPlace {
    double longitude;
    double latitude;
    double distance;
};
SunPlace ApparentSun(double jd);

// Elongation (angular distance) and Elongation (difference in longitude) of
// `mask` from the body's raw coordinates, which are taken into the ecliptic
// of the date first.
void StoreElongations(const PropertyJob& job, const SkyCoordinates& body, PropertyMap& raw);

// Rise, Set and Culmination of `mask` when any is asked.
void StoreRiseSet(const CelestialObject& body, const PropertyJob& job, PropertyMap& raw);

// A catalogue position (equatorial, J2000.0) brought to the mean equator and
// equinox of the Julian day.
SkyCoordinates PrecessFromJ2000(const SkyCoordinates& j2000, double jd);

// The catalogue values of a star or deep-sky object: position of the date,
// magnitude, size, rise and set, elongations.
void FixedObjectWork(const CelestialObject& body, const CatalogueSkyObject& data,
                     const PropertyJob& job, bool withSize, PropertyMap& raw);

// Calculators by type, made on the caller's stack by ComputeBodyProperties.
BodyPropertiesFunction ComputeSunProperties;
BodyPropertiesFunction ComputeMoonProperties;
BodyPropertiesFunction ComputeStarProperties;
BodyPropertiesFunction ComputeConstellationProperties;
BodyPropertiesFunction ComputeSatelliteProperties;

}  // namespace corvinata
