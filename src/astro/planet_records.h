// The constant records of the planets and of Saturn's satellites, the lookup
// of a celestial object by name across the catalogues, and the limit
// functions of some quantity kinds.
#pragma once

#include "base/wide_string.h"
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

// A planet of the planet catalogue: index 0 Mercury .. 7 Pluto (the indexes
// of the planetary positions).
class Planet : public CelestialObject {
public:
    Planet() = default;
    // Copies index, name, constants and number of moons.
    Planet(const Planet& other);
    Planet& operator=(const Planet& other);

    int GetTypeId() const override { return kBodyPlanet; }

    int Index() const { return number_; }
    const PlanetConstants& Constants() const { return constants_; }
    int MoonCount() const { return moonCount_; }

    friend void PlanetSetConstants(Planet& planet, const Char* name, int index, int moonCount,
                                   const PlanetConstants& constants);
    friend Planet& PlanetAssign(Planet& planet, const Planet& other);

private:
    PlanetConstants constants_{};
    int moonCount_ = 0;
};

// Sets every field of a planet.
void PlanetSetConstants(Planet& planet, const Char* name, int index, int moonCount,
                        const PlanetConstants& constants);
// Copies every field of `other`; assigning a planet to itself does nothing.
Planet& PlanetAssign(Planet& planet, const Planet& other);
// Constructs a copy of `other` in raw storage (suitably sized and aligned for a
// Planet) and answers it; the catalogue that owns the storage destroys it.
Planet* PlanetCopy(void* storage, const Planet& other);

// A satellite of Saturn: index 0 Mimas .. 7 Iapetus (the order of the
// satellite positions).
class SaturnSatellite : public CelestialObject {
public:
    SaturnSatellite() = default;
    // The arguments in the order of the satellite catalogue's table.
    SaturnSatellite(int index, const Char* name, int diameter, double mass, double density,
                    double period, double semiMajorAxis, double eccentricity,
                    double inclination, double magnitude);
    SaturnSatellite(const SaturnSatellite& other);
    SaturnSatellite& operator=(const SaturnSatellite& other);

    int GetTypeId() const override { return kBodySaturnSatellite; }

    int Index() const { return number_; }
    int Diameter() const { return diameter_; }            // km
    double Magnitude() const { return magnitude_; }       // visual
    double Mass() const { return mass_; }                 // 1e20 kg
    double Density() const { return density_; }           // kg/m3
    double SemiMajorAxis() const { return semiMajorAxis_; }  // thousands of km
    double Period() const { return period_; }             // days
    double Eccentricity() const { return eccentricity_; }
    double Inclination() const { return inclination_; }   // degrees

    friend SaturnSatellite& SaturnSatelliteAssign(SaturnSatellite& satellite,
                                                  const SaturnSatellite& other);

private:
    int diameter_ = 0;
    double magnitude_ = 0.0;
    double mass_ = 0.0;
    double density_ = 0.0;
    double semiMajorAxis_ = 0.0;
    double period_ = 0.0;
    double eccentricity_ = 0.0;
    double inclination_ = 0.0;
};

// Copies every field of `other`; assigning a satellite to itself does nothing.
SaturnSatellite& SaturnSatelliteAssign(SaturnSatellite& satellite, const SaturnSatellite& other);
// Constructs a satellite in raw storage, the arguments in the order of the
// satellite catalogue's table (period before semi-major axis, magnitude last).
SaturnSatellite* SaturnSatelliteInit(void* storage, int index, const Char* name, int diameter,
                                     double mass, double density, double period,
                                     double semiMajorAxis, double eccentricity,
                                     double inclination, double magnitude);
// Constructs a copy of `other` in raw storage.
SaturnSatellite* SaturnSatelliteCopy(void* storage, const SaturnSatellite& other);

// Lookup by name. A body type's name systems are tried in their list order
// and the first object found wins; a type without name systems is searched
// once without one. Answers none for a name no catalogue knows (and when no
// catalogues exist).
const CelestialObject* FindObjectOfTypeByName(int bodyType, const Char* name);
// Searches the body types 0 (Sun) to 7 (Saturnian satellites) in that order;
// Jovian satellites and "other" bodies are not searched.
const CelestialObject* FindObjectByName(const Char* name);
// The object with that number in the catalogue of a body type; none for the
// type "other" (9), which has no catalogue.
const CelestialObject* GetCatalogueObject(int bodyType, int number);
// The item of a body type's name-system list with that id, or none.
const NameSystem* GetNameSystemOfType(int bodyType, int id);
// Whether a body type has at least one name system.
bool BodyTypeHasNameSystems(int bodyType);

// Limit operations of quantity kinds.
bool LongitudeQuantityIsValid(double value);  // -180..180 angles
double ConstellationQuantityMaximum();        // constellation numbers: 87
int DecimalsByMagnitude(double value);        // 3 below 10, 2 below 100, 1 below 1000, else 0
bool IsNonNegative(double value);
bool AlwaysValid(double value);               // magnitudes
int OneDecimal(double value);                 // percentages
double PercentMaximum();
bool IsPercentage(double value);              // 0..100
double ZodiacQuantityMaximum();               // zodiac signs: 11

}  // namespace corvinata
