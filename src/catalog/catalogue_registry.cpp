#include "catalog/catalogue_registry.h"

#include "catalog/body_types.h"
#include "catalog/constellation_boundaries.h"
#include "catalog/constellation_catalogue.h"
#include "catalog/constellation_figures.h"
#include "catalog/deep_sky_catalogue.h"
#include "catalog/moon_catalogue.h"
#include "catalog/planet_catalogue.h"
#include "catalog/satellite_catalogues.h"
#include "catalog/star_catalogue.h"
#include "catalog/sun_earth_catalogues.h"

namespace corvinata {
namespace {

// The deep-sky designations are loaded with the records; whether they load
// does not decide the start-up.
bool CreateDeepSkyWithDesignations() {
    if (!CreateDeepSkyCatalogue()) return false;
    CreateDeepSkyDesignations();
    return true;
}

// Start-up order: stars need the constellations, star names and figures need
// the stars.
constexpr bool (*kCreationSteps[])() = {
    CreateConstellations,  // with the boundary zones
    CreateEarthCatalogue,
    CreateJupiterSatellites,
    CreateMoonCatalogue,
    CreateDeepSkyWithDesignations,
    CreatePlanetCatalogue,
    CreateSaturnSatellites,
    CreateStarCatalogue,
    CreateStarProperNames,
    CreateSunCatalogue,
    CreateConstellationFigures,
};

// Order in which the catalogues are emptied at exit, after the zones.
constexpr int kDestructionOrder[] = {
    kBodyConstellation, kBodyEarth, kBodyJupiterSatellite, kBodyMoon, kBodyDeepSky,
    kBodyPlanet, kBodySaturnSatellite, kBodyStar, kBodySun,
};

const NameSystem* KeySystemOf(const CelestialObject& object) {
    const BodyType* type = GetBodyType(object.GetTypeId());
    return type && type->HasNameSystems() ? type->KeyNameSystem() : nullptr;
}

}  // namespace

bool CreateCatalogues() {
    for (bool (*step)() : kCreationSteps) {
        if (!step()) return false;
    }
    return true;
}

bool DestroyCatalogues() {
    ClearConstellationZones();
    for (int typeId : kDestructionOrder) CatalogueByType(typeId)->CatalogueClear();
    return true;
}

Catalogue* CatalogueByType(int typeId) noexcept {
    switch (typeId) {
    case kBodySun:
        return &GetSunCatalogue();
    case kBodyMoon:
        return &GetMoonCatalogue();
    case kBodyPlanet:
        return &GetPlanetCatalogue();
    case kBodyEarth:
        return &GetEarthCatalogue();
    case kBodyStar:
        return &GetStarCatalogue();
    case kBodyConstellation:
        return &GetConstellationCatalogue();
    case kBodyDeepSky:
        return &GetDeepSkyCatalogue();
    case kBodySaturnSatellite:
        return &GetSaturnianSatelliteCatalogue();
    case kBodyJupiterSatellite:
        return &GetJovianSatelliteCatalogue();
    default:
        return nullptr;
    }
}

const CelestialObject* GetCatalogueObject(int bodyType, int number) {
    const Catalogue* catalogue = CatalogueByType(bodyType);
    return catalogue ? catalogue->CatalogueGetObjectAt(number) : nullptr;
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

const NameSystem* GetNameSystemOfType(int bodyType, int id) {
    const BodyType* type = GetBodyType(bodyType);
    return type ? type->NameSystemById(id) : nullptr;
}

const Char* ObjectKeyName(const CelestialObject& object) {
    const NameSystem* key = KeySystemOf(object);
    if (!key) return object.GetPlainName();
    int cursor = 0;
    const Char* name = object.CelestialObjectFirstName(cursor, key);
    return name ? name : TXT("");
}

void JoinObjectNames(const CelestialObject& object, const NameSystem* system, String& result) {
    int cursor = 0;
    for (const Char* name = object.CelestialObjectFirstName(cursor, system); name;
         name = object.CelestialObjectNextName(cursor, system)) {
        if (!result.IsEmpty()) StringAppend(result, TXT(", "));
        StringAppend(result, name);
    }
}

const CelestialObject* PlanetByNumber(int n) noexcept {
    constexpr int kEarthNumber = 2;
    if (n == kEarthNumber) return GetEarthCatalogue().At(0);
    if (n < 0 || n > kPlanetCount) return nullptr;
    return GetPlanetCatalogue().At(n < kEarthNumber ? n : n - 1);
}

int PlanetNumberOfObject(const CelestialObject& object) noexcept {
    constexpr int kEarthNumber = 2;
    switch (object.GetTypeId()) {
    case kBodyEarth:
        return kEarthNumber;
    case kBodyPlanet:
        return object.Number() < kEarthNumber ? object.Number() : object.Number() + 1;
    default:
        return -1;
    }
}

void BodyIdentifierInit(BodyIdentifier& id, const CelestialObject* object,
                        const NameSystem* system, const Char* name) {
    id.object = object;
    id.nameSystem = system;
    StringAssign(id.name, name ? name : TXT(""));
}

BodyIdentifier BodyIdentifierFromObject(const CelestialObject* object) {
    BodyIdentifier id;
    if (object) BodyIdentifierAssignObject(id, *object);
    return id;
}

void BodyIdentifierAssignObject(BodyIdentifier& id, const CelestialObject& object) {
    const NameSystem* key = KeySystemOf(object);
    int cursor = 0;
    BodyIdentifierInit(id, &object, key, object.CelestialObjectFirstName(cursor, key));
}

bool BodyIdentifierDiffers(const BodyIdentifier& a, const BodyIdentifier& b) {
    return a.object != b.object || a.nameSystem != b.nameSystem || a.name != b.name;
}

}  // namespace corvinata
