// The four large satellites of Jupiter (body type 8) and eight satellites of
// Saturn (body type 7), with the constants the Object Info pages show; their
// positions come from the satellite theories.
#pragma once

#include "catalog/catalogue.h"
#include "catalog/celestial_object.h"

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

// A satellite of Saturn: number 0 Mimas .. 7 Iapetus (the order of the
// satellite positions).
class SaturnianSatelliteObject final : public CelestialObject {
public:
    SaturnianSatelliteObject() = default;
    // The arguments in the order of the satellite table: period before
    // semi-major axis, magnitude last.
    SaturnianSatelliteObject(int number, const Char* name, int diameter, double mass, double density,
                             double period, double semiMajorAxis, double eccentricity,
                             double inclination, double magnitude);
    int GetTypeId() const override { return kBodySaturnSatellite; }

    int Index() const { return number_; }
    int Diameter() const { return diameter_; }               // km
    double Magnitude() const { return magnitude_; }          // visual, at mean opposition
    double Mass() const { return mass_; }                    // 1e20 kg
    double Density() const { return density_; }              // kg/m3
    double SemiMajorAxis() const { return semiMajorAxis_; }  // thousands of km
    double Period() const { return period_; }                // days
    double Eccentricity() const { return eccentricity_; }
    double Inclination() const { return inclination_; }      // degrees

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

class JovianSatelliteCatalogue final : public ArrayCatalogue<JovianSatelliteObject> {};
class SaturnianSatelliteCatalogue final : public ArrayCatalogue<SaturnianSatelliteObject> {};

JovianSatelliteCatalogue& GetJovianSatelliteCatalogue();
SaturnianSatelliteCatalogue& GetSaturnianSatelliteCatalogue();

// Each fills its empty catalogue from the satellite table; true.
bool CreateJupiterSatellites();
bool CreateSaturnSatellites();

}  // namespace corvinata
