// The Sun (body type 0) and the Earth (body type 3), one object each, with
// the constants the Object Info pages show and the solar computations read.
#pragma once

#include "catalog/catalogue.h"

namespace corvinata {

class SunObject final : public CelestialObject {
public:
    SunObject() = default;
    int GetTypeId() const override { return kBodySun; }
    bool UsesDefiniteArticle() const override { return true; }

    double eclipticLongitudeAtEpoch = 0.0;    // degrees
    double eclipticLongitudeOfPerigee = 0.0;  // degrees
    double eccentricity = 0.0;
    double semiMajorAxis = 0.0;               // km
    double angularDiameter = 0.0;             // degrees, at the semi-major axis
    double radius = 0.0;                      // m
    double mass = 0.0;                        // kg
    double meanDensity = 0.0;                 // g/cm3
    double escapeVelocity = 0.0;              // km/s

    friend bool CreateSunCatalogue();
};

class EarthObject final : public CelestialObject {
public:
    EarthObject() = default;
    int GetTypeId() const override { return kBodyEarth; }
    bool UsesDefiniteArticle() const override { return true; }

    double tropicalPeriod = 0.0;          // tropical years
    double siderealPeriod = 0.0;          // days
    double longitudeAtEpoch = 0.0;        // degrees
    double longitudeOfPerihelion = 0.0;   // degrees
    double eccentricity = 0.0;
    double meanRadius = 0.0;              // km
    double flattening = 0.0;
    double volume = 0.0;                  // km3
    double mass = 0.0;                    // kg
    double meanDensity = 0.0;             // g/cm3
    double escapeVelocity = 0.0;          // km/s
    double meanOrbitalVelocity = 0.0;     // km/s
    double meanDistanceFromSun = 0.0;     // km
    double minimumDistanceFromSun = 0.0;  // km
    double maximumDistanceFromSun = 0.0;  // km
    double orbitCircumference = 0.0;      // millions of km

    friend bool CreateEarthCatalogue();
};

class SunCatalogue final : public ArrayCatalogue<SunObject> {};
class EarthCatalogue final : public ArrayCatalogue<EarthObject> {};

SunCatalogue& GetSunCatalogue();
EarthCatalogue& GetEarthCatalogue();

// Each fills its empty catalogue with its one object; true.
bool CreateSunCatalogue();
bool CreateEarthCatalogue();

// The Sun's record (index 0); none before the catalogue exists.
const SunObject* SunRecordAt(int index) noexcept;

}  // namespace corvinata
