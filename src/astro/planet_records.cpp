#include "astro/planet_records.h"

#include <cmath>
#include <new>

#include "base/angle_value.h"
#include "catalog/catalog_services.h"

namespace corvinata {

Planet::Planet(const Planet& other) : CelestialObject() { PlanetAssign(*this, other); }

Planet& Planet::operator=(const Planet& other) { return PlanetAssign(*this, other); }

void PlanetSetConstants(Planet& planet, const Char* name, int index, int moonCount,
                        const PlanetConstants& constants) {
    planet.number_ = index;
    StringAssign(planet.name_, name);
    planet.constants_ = constants;
    planet.moonCount_ = moonCount;
}

Planet& PlanetAssign(Planet& planet, const Planet& other) {
    if (&planet == &other) return planet;
    planet.number_ = other.number_;
    StringAssignString(planet.name_, other.name_);
    planet.constants_ = other.constants_;
    planet.moonCount_ = other.moonCount_;
    return planet;
}

Planet* PlanetCopy(void* storage, const Planet& other) {
    // Start from an empty planet so the assignment finds a valid name to replace.
    Planet* planet = new (storage) Planet();
    PlanetAssign(*planet, other);
    return planet;
}

SaturnSatellite::SaturnSatellite(int index, const Char* name, int diameter, double mass,
                                 double density, double period, double semiMajorAxis,
                                 double eccentricity, double inclination, double magnitude)
    : CelestialObject(index, name),
      diameter_(diameter),
      magnitude_(magnitude),
      mass_(mass),
      density_(density),
      semiMajorAxis_(semiMajorAxis),
      period_(period),
      eccentricity_(eccentricity),
      inclination_(inclination) {}

SaturnSatellite::SaturnSatellite(const SaturnSatellite& other) : CelestialObject() {
    SaturnSatelliteAssign(*this, other);
}

SaturnSatellite& SaturnSatellite::operator=(const SaturnSatellite& other) {
    return SaturnSatelliteAssign(*this, other);
}

SaturnSatellite& SaturnSatelliteAssign(SaturnSatellite& satellite, const SaturnSatellite& other) {
    if (&satellite == &other) return satellite;
    satellite.number_ = other.number_;
    StringAssignString(satellite.name_, other.name_);
    satellite.diameter_ = other.diameter_;
    satellite.magnitude_ = other.magnitude_;
    satellite.mass_ = other.mass_;
    satellite.density_ = other.density_;
    satellite.semiMajorAxis_ = other.semiMajorAxis_;
    satellite.period_ = other.period_;
    satellite.eccentricity_ = other.eccentricity_;
    satellite.inclination_ = other.inclination_;
    return satellite;
}

SaturnSatellite* SaturnSatelliteInit(void* storage, int index, const Char* name, int diameter,
                                     double mass, double density, double period,
                                     double semiMajorAxis, double eccentricity,
                                     double inclination, double magnitude) {
    return new (storage) SaturnSatellite(index, name, diameter, mass, density, period,
                                         semiMajorAxis, eccentricity, inclination, magnitude);
}

SaturnSatellite* SaturnSatelliteCopy(void* storage, const SaturnSatellite& other) {
    SaturnSatellite* satellite = new (storage) SaturnSatellite();
    SaturnSatelliteAssign(*satellite, other);
    return satellite;
}

const CelestialObject* FindObjectOfTypeByName(int bodyType, const Char* name) {
    const BodyType* type = GetBodyType(bodyType);
    const Catalogue* catalogue = CatalogueByType(bodyType);
    if (!type || !catalogue || !name) return nullptr;
    if (!type->HasNameSystems()) return catalogue->CatalogueFindObject(name, nullptr);
    const NameSystemList& systems = *type->NameSystems();
    for (int i = 0; i < systems.Count(); ++i) {
        if (const CelestialObject* found = catalogue->CatalogueFindObject(name, systems.ItemAt(i)))
            return found;
    }
    return nullptr;
}

const CelestialObject* FindObjectByName(const Char* name) {
    for (int type = kBodySun; type <= kBodySaturnSatellite; ++type) {
        if (const CelestialObject* found = FindObjectOfTypeByName(type, name)) return found;
    }
    return nullptr;
}

const CelestialObject* GetCatalogueObject(int bodyType, int number) {
    const Catalogue* catalogue = CatalogueByType(bodyType);
    return catalogue ? catalogue->CatalogueGetObjectAt(number) : nullptr;
}

const NameSystem* GetNameSystemOfType(int bodyType, int id) {
    const BodyType* type = GetBodyType(bodyType);
    return type ? type->NameSystemById(id) : nullptr;
}

bool BodyTypeHasNameSystems(int bodyType) {
    const BodyType* type = GetBodyType(bodyType);
    return type && type->HasNameSystems();
}

bool LongitudeQuantityIsValid(double value) { return IsLongitudeValid(value); }

double ConstellationQuantityMaximum() { return 87.0; }

int DecimalsByMagnitude(double value) {
    const double magnitude = std::fabs(value);
    if (magnitude < 10.0) return 3;
    if (magnitude < 100.0) return 2;
    if (magnitude < 1000.0) return 1;
    return 0;
}

bool IsNonNegative(double value) { return value >= 0.0; }

bool AlwaysValid(double) { return true; }

int OneDecimal(double) { return 1; }

double PercentMaximum() { return 100.0; }

bool IsPercentage(double value) { return value >= 0.0 && value <= 100.0; }

double ZodiacQuantityMaximum() { return 11.0; }

}  // namespace corvinata
