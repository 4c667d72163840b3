// The planet catalogue (body type 2): Mercury, Venus, Mars, Jupiter, Saturn,
// Uranus, Neptune and Pluto, numbered 0..7. The Earth has its own catalogue;
// PlanetByNumber (catalogue_registry.h) converts from the numbering that
// includes it.
#pragma once

#include "base/wide_string.h"
#include "catalog/catalogue.h"
#include "catalog/celestial_object.h"

namespace corvinata {

// Physical and orbital constants of a planet, in the order the planet
// catalogue lists them.
struct PlanetConstants {
    double orbitalPeriod;          // tropical years
    double meanLongitude;          // at the epoch, degrees
    double perihelionLongitude;    // degrees
    double eccentricity;
    double semiMajorAxis;          // AU
    double inclination;            // degrees
    double ascendingNode;          // longitude, degrees
    double angularDiameter;        // at 1 AU, arcseconds
    double brightnessFactor;
    double orbitalVelocity;        // mean, km/s
    double perihelionDistance;     // AU
    double meanDistance;           // AU
    double aphelionDistance;       // AU
    double orbitLength;            // millions of km
    double leastEarthDistance;     // AU
    double greatestEarthDistance;  // AU
    double equatorialRadius;       // km
    double flattening;
    double mass;                   // kg
    double relativeMass;           // Earth = 1
    double density;                // g/cm3
    double escapeVelocity;         // km/s
};

// A planet of the catalogue: index 0 Mercury .. 7 Pluto (the indexes of the
// planetary positions).
class PlanetObject final : public CelestialObject {
public:
    int GetTypeId() const override { return kBodyPlanet; }

    int Index() const { return number_; }
    const PlanetConstants& Constants() const { return constants_; }
    int MoonCount() const { return moonCount_; }

    friend void PlanetSetConstants(PlanetObject& planet, const Char* name, int index, int moonCount,
                                   const PlanetConstants& constants);

private:
    PlanetConstants constants_{};
    int moonCount_ = 0;
};

// Sets every field of a planet.
void PlanetSetConstants(PlanetObject& planet, const Char* name, int index, int moonCount,
                        const PlanetConstants& constants);

constexpr int kPlanetCount = 8;
constexpr int kJupiterPlanetNumber = 3;
constexpr int kSaturnPlanetNumber = 4;

class PlanetCatalogue final : public ArrayCatalogue<PlanetObject> {};

PlanetCatalogue& GetPlanetCatalogue();
// Fills the empty catalogue with the eight planets; true.
bool CreatePlanetCatalogue();

// The record of planet 0..7; none for another number or before the
// catalogue exists.
const PlanetObject* PlanetRecordAt(int number) noexcept;
const PlanetObject* JupiterPlanetRecord() noexcept;
const PlanetObject* SaturnPlanetRecord() noexcept;

}  // namespace corvinata
