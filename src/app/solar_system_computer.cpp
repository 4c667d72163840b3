#include "app/solar_system_computer.h"

#include "base/colour_table.h"
#include "base/event_time.h"
#include "catalog/body_properties.h"
#include "catalog/body_types.h"
#include "catalog/catalogue_registry.h"
#include "catalog/event_kinds.h"
#include "catalog/moon_catalogue.h"
#include "catalog/planet_catalogue.h"
#include "catalog/quantity_values.h"
#include "catalog/sun_earth_catalogues.h"

namespace corvinata {

namespace {

constexpr std::uint32_t kPositionMask = kFunctionHeliocentricLongitude | kFunctionDistanceFromSun;

const CelestialObject* BodyObject(int body) {
    if (body == kSolarSystemEarth) return GetEarthCatalogue().At(0);
    return GetPlanetCatalogue().At(body);
}

}  // namespace

int CatalogueSolarSystemComputer::PlanetCount() const { return GetPlanetCatalogue().Count(); }

double CatalogueSolarSystemComputer::OrbitalPeriodYears(int body) const {
    if (body == kSolarSystemEarth) return 1.0;
    const PlanetObject* planet = PlanetRecordAt(body);
    return planet ? planet->Constants().orbitalPeriod : 1.0;
}

SolarSystemPoint CatalogueSolarSystemComputer::Compute(int body, const TimeAndPlace& moment) {
    SolarSystemPoint point;
    point.unit = kAstronomicalUnits;
    const CelestialObject* object = BodyObject(body);
    if (!object) return point;
    PropertyMap map;
    ComputeBodyProperties(*object, kPositionMask, moment, map, PropertyConventions{});
    point.angle = map.Value(kFunctionHeliocentricLongitude);
    point.value = map.Value(kFunctionDistanceFromSun);
    return point;
}

double CatalogueSolarSystemComputer::ComputeMoonAngle(const TimeAndPlace& moment) {
    const CelestialObject* moon = GetMoonCatalogue().At(0);
    if (!moon) return 0.0;
    PropertyConventions conventions;
    conventions.coordinateSystem = kEclipticalSystem;
    PropertyMap map;
    ComputeBodyProperties(*moon, kFunctionLongitude, moment, map, conventions);
    return map.Value(kFunctionLongitude);
}

void SolarSystemValueCellText(int planetNumber, std::uint32_t quantityId, const TimeAndPlace& moment,
                              String& out) {
    static const Char kNotAvailable[] = TXT("n.a.");
    const CelestialObject* body = PlanetByNumber(planetNumber);
    const BodyType* type = body ? GetBodyType(body->GetTypeId()) : nullptr;
    if (!type || !type->FindProperty(quantityId)) {
        out = kNotAvailable;
        return;
    }
    PropertyMap map;
    ComputeBodyProperties(*body, quantityId, moment, map, PropertyConventions{});
    if (!map.Format(quantityId, out, DisplayFormatRequest())) out = kNotAvailable;
}

}  // namespace corvinata
