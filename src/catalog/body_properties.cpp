#include "catalog/body_properties.h"

#include <cmath>

#include "astro/degrees.h"
#include "astro/delta_t.h"
#include "astro/spherical_trig.h"
#include "base/distance_value.h"
#include "base/time_systems.h"
#include "catalog/body_types.h"
#include "catalog/celestial_object.h"
#include "catalog/constellation_catalogue.h"
#include "catalog/event_kinds.h"
#include "catalog/property_calculators.h"
#include "catalog/rise_set.h"

namespace corvinata {
namespace {

constexpr std::uint32_t kPosition = kFunctionLongitude | kFunctionLatitude;
constexpr std::uint32_t kElongations = kFunctionElongationAngular | kFunctionElongationLongitude;
constexpr std::uint32_t kEventTimes =
    kFunctionRise | kFunctionSet | kFunctionCulmination | kFunctionMorningTwilightAstronomical |
    kFunctionEveningTwilightAstronomical | kFunctionMorningTwilightCivil |
    kFunctionEveningTwilightCivil | kFunctionMorningTwilightNautical |
    kFunctionEveningTwilightNautical;
constexpr std::uint32_t kDistances = kFunctionDistanceFromEarth | kFunctionDistanceFromSun;

// The widening every calculator shares; may also choose the coordinate
// system of the derived properties.
std::uint32_t WidenRequest(std::uint32_t mask, int& coordinateSystem) noexcept {
    if (mask & kPosition) mask |= kPosition;
    if (mask & (kFunctionDirection | kFunctionConstellation | kFunctionSignOfZodiac)) {
        mask |= kPosition;
        if (coordinateSystem == kInvalidCoordinateSystem) coordinateSystem = kEclipticalSystem;
    }
    if (mask & kFunctionAngularSize) mask |= kFunctionDistanceFromEarth;
    if (mask & kElongations) mask |= kPosition;
    return mask;
}

bool IsRealCoordinateSystem(int system) noexcept {
    return system >= kEquatorialSystem && system < kInvalidCoordinateSystem;
}

bool IsRealTimeSystem(int system) noexcept {
    return system >= kUniversalTime && system < kInvalidTimeSystem;
}

// An azimuth means nothing at the poles, where every direction is south or
// north.
bool AzimuthDefined(const TimeAndPlace& moment) noexcept {
    return std::fabs(moment.place.latitude.GetValue()) < 90.0 - 1e-9;
}

void ConvertEventTime(const TimeAndPlace& moment, const PropertyValue& raw, int timeSystem,
                      PropertyValue& result) noexcept {
    result = {kNoTimeHours, raw.system, raw.flag};
    if (raw.flag != kEventOccurs) {
        if (IsRealTimeSystem(timeSystem)) result.system = timeSystem;
        return;
    }
    // Raw event hours count from 0 h UT of the computation's date.
    DateTime event = moment.dateTime;
    event.hours = raw.value;
    event.timeSystem = kUniversalTime;
    NormaliseDateTime(event);
    if (IsRealTimeSystem(timeSystem)) {
        ConvertTimeSystem(event, timeSystem, moment.place.longitude, moment.place.timeZone,
                          moment.daylightSaving);
    }
    result.value = event.hours;
    result.system = event.timeSystem;
}

void CopyProperty(std::uint32_t id, const TimeAndPlace& moment, const PropertyMap& raw,
                  PropertyMap& out, const PropertyConventions& conventions) {
    const PropertyValue* value = raw.Find(id);
    if (id & kPosition) {
        SkyCoordinates c = raw.Coordinates();
        if (c.system == kInvalidCoordinateSystem) return;
        if (IsRealCoordinateSystem(conventions.coordinateSystem)) {
            ConvertCoordinates(moment, c, conventions.coordinateSystem);
        }
        out.Set(id, id == kFunctionLongitude ? c.longitude : c.latitude, c.system);
    } else if (id == kFunctionDirection) {
        SkyCoordinates c = raw.Coordinates();
        if (c.system == kInvalidCoordinateSystem) return;
        ConvertCoordinates(moment, c, kHorizontalSystem);
        out.Set(id, AzimuthDefined(moment) ? c.longitude : kNotComputedAngle);
    } else if (id == kFunctionConstellation) {
        const SkyCoordinates c = raw.Coordinates();
        if (c.system == kInvalidCoordinateSystem) return;
        const ConstellationObject* found =
            ConstellationOfPosition(DateTimeToJulianDay(moment.dateTime), c);
        out.Set(id, found ? found->Number() : -1.0);
    } else if (id == kFunctionSignOfZodiac) {
        SkyCoordinates c = raw.Coordinates();
        if (c.system == kInvalidCoordinateSystem) return;
        ConvertCoordinates(moment, c, kEclipticalSystem);
        const double sign = std::floor(c.longitude / 30.0);
        out.Set(id, sign >= 0.0 && sign < 12.0 ? sign : -1.0);
    } else if (value == nullptr) {
        return;
    } else if (id & kEventTimes) {
        PropertyValue converted;
        ConvertEventTime(moment, *value, conventions.timeSystem, converted);
        out.Set(id, converted.value, converted.system, converted.flag);
    } else if (id & kDistances) {
        DistanceValue distance{value->value, value->system};
        DistanceConvertUnit(distance, conventions.distanceUnit);
        out.Set(id, distance.value, distance.unit);
    } else {
        out.Set(id, value->value, value->system, value->flag);
    }
}

}  // namespace

double DynamicalJulianDay(const DateTime& universal) {
    return DateTimeToJulianDay(universal) + DeltaT(universal) / 86400.0;
}

void PropertyCalculator::Compute(std::uint32_t mask, const TimeAndPlace& moment,
                                 PropertyMap& out, const PropertyConventions& conventions) const {
    PropertyConventions used = conventions;
    PropertyJob job{0, moment, 0.0, conventions.timeSystem};
    ConvertTimeSystem(job.moment.dateTime, kUniversalTime, moment.place.longitude,
                      moment.place.timeZone, moment.daylightSaving);
    job.mask = WidenRequest(Widen(mask), used.coordinateSystem);
    job.jd = DynamicalJulianDay(job.moment.dateTime);
    PropertyMap raw;
    Work(job, raw);
    EvaluateBodyProperties(job.mask, job.moment, raw, out, used);
}

void EvaluateBodyProperties(std::uint32_t mask, const TimeAndPlace& moment,
                            const PropertyMap& raw, PropertyMap& out,
                            const PropertyConventions& conventions) {
    for (std::uint32_t bits = mask; bits != 0; bits &= bits - 1) {
        CopyProperty(bits & (~bits + 1), moment, raw, out, conventions);
    }
}

void StoreElongations(const PropertyJob& job, const SkyCoordinates& body, PropertyMap& raw) {
    if ((job.mask & kElongations) == 0 || body.system == kInvalidCoordinateSystem) return;
    SkyCoordinates ecliptic = body;
    ConvertCoordinates(job.moment, ecliptic, kEclipticalSystem);
    const SunPlace sun = ApparentSun(job.jd);
    const SkyCoordinates sunPlace{sun.longitude, sun.latitude, kEclipticalSystem};
    if (job.mask & kFunctionElongationAngular) {
        raw.Set(kFunctionElongationAngular, SignedElongation(ecliptic, sunPlace));
    }
    if (job.mask & kFunctionElongationLongitude) {
        double difference = ecliptic.longitude - sun.longitude;
        if (difference < 0.0) difference += 360.0;
        if (difference > 180.0) difference -= 360.0;
        raw.Set(kFunctionElongationLongitude, difference);
    }
}

void StoreRiseSet(const CelestialObject& body, const PropertyJob& job, PropertyMap& raw) {
    if (job.mask & (kFunctionRise | kFunctionSet | kFunctionCulmination)) {
        ComputeRiseSetCulmination(body, job.moment, job.mask, job.timeSystem, raw);
    }
}

void ComputeBodyProperties(const CelestialObject& body, std::uint32_t mask,
                           const TimeAndPlace& moment, PropertyMap& out,
                           const PropertyConventions& conventions) {
    // By body type id; "other" has no calculator.
    static constexpr BodyPropertiesFunction* kCalculators[kCatalogueCount] = {
        ComputeSunProperties,            // kBodySun
        ComputeMoonProperties,           // kBodyMoon
        ComputePlanetProperties,         // kBodyPlanet
        ComputeEarthProperties,          // kBodyEarth
        ComputeStarProperties,           // kBodyStar
        ComputeConstellationProperties,  // kBodyConstellation
        ComputeDeepSkyProperties,        // kBodyDeepSky
        ComputeSatelliteProperties,      // kBodySaturnSatellite
        ComputeSatelliteProperties,      // kBodyJupiterSatellite
    };
    const int type = body.GetTypeId();
    if (type < 0 || type >= kCatalogueCount) return;
    kCalculators[type](body, mask, moment, out, conventions);
}

double EvaluateBodyFunction(const CelestialObject& body, std::uint32_t functionId,
                            int parameter, const TimeAndPlace& moment) {
    PropertyMap out;
    const int kind = PropertyQuantityKind(functionId);
    const BodyType* type = GetBodyType(body.GetTypeId());
    if (kind < 0 || (type != nullptr && type->FindProperty(functionId) == nullptr)) {
        return out.Value(functionId);
    }
    PropertyConventions conventions{kEclipticalSystem, kUniversalTime, kAstronomicalUnits};
    if (parameter >= 0) {
        if (kind == kQuantityTimeOfDay) conventions.timeSystem = parameter;
        if (kind == kQuantityLongitude || kind == kQuantityLatitude) {
            conventions.coordinateSystem = parameter;
        }
        if (kind == kQuantityDistance) conventions.distanceUnit = parameter;
    }
    ComputeBodyProperties(body, functionId, moment, out, conventions);
    return out.Value(functionId);
}

}  // namespace corvinata
