#include "app/sky_body_computer.h"

#include "base/event_time.h"
#include "catalog/body_properties.h"
#include "catalog/catalogue_registry.h"
#include "catalog/event_kinds.h"

namespace corvinata {

namespace {

const CelestialObject* ObjectOf(int bodyType, int index) {
    const Catalogue* catalogue = CatalogueByType(bodyType);
    return catalogue ? catalogue->CatalogueGetObjectAt(index) : nullptr;
}

}  // namespace

int CatalogueSkyComputer::PlanetCount() const {
    const Catalogue* planets = CatalogueByType(kBodyPlanet);
    return planets ? planets->CatalogueGetCount() : 0;
}

SkyPosition CatalogueSkyComputer::Evaluate(int bodyType, int index, const TimeAndPlace& moment) const {
    const CelestialObject* body = ObjectOf(bodyType, index);
    if (!body) return SkyPosition{};
    PropertyMap out;
    PropertyConventions conventions;
    conventions.coordinateSystem = kEquatorialSystem;
    ComputeBodyProperties(*body, kFunctionLongitude | kFunctionLatitude, moment, out, conventions);
    if (!out.Has(kFunctionLongitude) || !out.Has(kFunctionLatitude)) return SkyPosition{};
    return SkyPosition{out.Value(kFunctionLongitude), out.Value(kFunctionLatitude), kEquatorialSystem};
}

SkyPosition CatalogueSkyComputer::ComputePlanet(int planet, const TimeAndPlace& moment) {
    return Evaluate(kBodyPlanet, planet, moment);
}

SkyPosition CatalogueSkyComputer::ComputeSun(const TimeAndPlace& moment) {
    // The document computes the Sun at every new moment of its own.
    documentMoment_ = moment;
    haveMoment_ = true;
    return Evaluate(kBodySun, 0, moment);
}

SkyPosition CatalogueSkyComputer::ComputeMoon(const TimeAndPlace& moment) {
    return Evaluate(kBodyMoon, 0, moment);
}

SkyPosition CatalogueSkyComputer::DeepSkyPosition(int number) {
    // Of the document's date, like everything else the Sky windows show.
    TimeAndPlace moment = documentMoment_;
    if (!haveMoment_) moment.dateTime = DateTime{2000, 1, 1, 12.0, kUniversalTime};
    return Evaluate(kBodyDeepSky, number, moment);
}

}  // namespace corvinata
