// The deep-sky catalogue (body type 6): the 13226 NGC and IC objects of
// NGC 2000.0 in ascending right ascension, with their Messier, Caldwell,
// Herschel 400 and proper names.
#pragma once

#include <cstdint>

#include "astro/coordinates.h"
#include "catalog/catalogue.h"
#include "catalog/catalogue_sky_object.h"
#include "catalog/constellation_catalogue.h"
#include "catalog/deep_sky_designations.h"
#include "catalog/deep_sky_record.h"

namespace corvinata {

static_assert(kUnknownDeepSkySize == kNoCatalogueSize &&
                  kUnknownDeepSkyMagnitude == kNoCatalogueMagnitude,
              "the catalogue's marks are the calculators' none values");

class DeepSkyObject final : public CelestialObject, public CatalogueSkyObject {
public:
    DeepSkyObject(int index, const DeepSkyRecord& record, const ConstellationObject* constellation);

    int GetTypeId() const override { return kBodyDeepSky; }
    // The object's names in a deep-sky name system; no system: the NGC/IC
    // designation.
    const Char* CelestialObjectNextName(int& cursor, const NameSystem* system) const override;
    // "NGC 1976" and "M042, Orion A, Orion Nebula, Trapezium Cluster".
    void CelestialObjectNameParts(String& main, String& extra) const override;
    // The fixed-width designation ("NGC  224").
    const Char* GetPlainName() const override { return designation_; }

    std::uint32_t Type() const noexcept { return type_; }  // DeepSkyTypeCode
    const SkyCoordinates& Position() const noexcept { return position_; }  // J2000
    const ConstellationObject* Constellation() const noexcept { return constellation_; }
    float Size() const noexcept { return size_; }            // degrees, kUnknownDeepSkySize
    float Magnitude() const noexcept { return magnitude_; }  // kUnknownDeepSkyMagnitude
    const Char* Description() const noexcept { return description_; }
    SkyCoordinates CataloguePosition() const override { return position_; }
    // The catalogue's unknown size and magnitude are the property
    // calculators' none values.
    double CatalogueMagnitude() const override { return magnitude_; }
    double CatalogueSize() const override { return size_; }

private:
    Char designation_[9];
    std::uint32_t type_;
    SkyCoordinates position_;
    const ConstellationObject* constellation_;
    float size_;
    float magnitude_;
    Char description_[56];
};

class DeepSkyCatalogue final : public ArrayCatalogue<DeepSkyObject> {
public:
    // Empties the catalogue and loads every record of the built-in table;
    // false when a record names an unknown constellation.
    bool LoadRecords();
    // Builds the designation indexes of the loaded objects; false when a
    // table names an object the catalogue does not hold.
    bool LoadDesignations();

    const Char* CatalogueNextNamed(int& cursor, const NameSystem* system,
                                   const CelestialObject** object) const override;
    // Exact lookups through indexes ("NGC  224", "M031", "Orion Nebula").
    const CelestialObject* CatalogueFindByNameScan(const Char* name,
                                                   const NameSystem* system) const override;
    void CatalogueClear() override;

    const DeepSkyDesignations& Designations() const noexcept { return designations_; }

private:
    DeepSkyDesignations designations_;
};

DeepSkyCatalogue& GetDeepSkyCatalogue();
bool CreateDeepSkyCatalogue();
bool CreateDeepSkyDesignations();

}  // namespace corvinata
