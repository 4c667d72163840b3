// The four large satellites of Jupiter (body type 8) and eight satellites of
// Saturn (body type 7), with the constants the Object Info pages show; their
// positions come from the satellite theories.
#pragma once

#include "astro/planet_records.h"
#include "catalog/catalogue.h"

namespace corvinata {

class JovianSatelliteObject final : public CelestialObject {
public:
    JovianSatelliteObject() = default;
    // The arguments in the order of the satellite table.
    JovianSatelliteObject(int number, const Char* name, int diameter, double mass,
                          double density, double period, double semiMajorAxis,
                          double eccentricity, double inclination);
    int GetTypeId() const override { return kBodyJupiterSatellite; }

    int diameter = 0;            // km
    double mass = 0.0;           // 1e20 kg
    double meanDensity = 0.0;    // kg/m3
    double semiMajorAxis = 0.0;  // thousands of km
    double period = 0.0;         // days, sidereal
    double eccentricity = 0.0;
    double inclination = 0.0;    // degrees
};

using SaturnianSatelliteObject = SaturnSatellite;

class JovianSatelliteCatalogue final : public ArrayCatalogue<JovianSatelliteObject> {};
class SaturnianSatelliteCatalogue final : public ArrayCatalogue<SaturnianSatelliteObject> {};

JovianSatelliteCatalogue& GetJovianSatelliteCatalogue();
SaturnianSatelliteCatalogue& GetSaturnianSatelliteCatalogue();

// Each fills its empty catalogue from the satellite table; true.
bool CreateJupiterSatellites();
bool CreateSaturnSatellites();

}  // namespace corvinata
