// The Moon (body type 1): one object with its mean orbital elements and
// physical constants.
#pragma once

#include "catalog/catalogue.h"

namespace corvinata {

class MoonObject final : public CelestialObject {
public:
    MoonObject() = default;
    int GetTypeId() const override { return kBodyMoon; }
    bool UsesDefiniteArticle() const override { return true; }

    double siderealPeriod = 0.0;                // mean days
    double meanLongitudeAtEpoch = 0.0;          // degrees
    double meanLongitudeOfPerigee = 0.0;        // degrees, at the epoch
    double meanLongitudeOfNode = 0.0;           // degrees, at the epoch
    double eccentricity = 0.0;
    double semiMajorAxis = 0.0;                 // km
    double inclination = 0.0;                   // degrees
    double angularSize = 0.0;                   // degrees, at the semi-major axis
    double parallax = 0.0;                      // degrees, at the semi-major axis
    double minimumDistanceFromEarth = 0.0;      // km
    double meanDistanceFromEarth = 0.0;         // km
    double maximumDistanceFromEarth = 0.0;      // km
    double radius = 0.0;                        // km
    double mass = 0.0;                          // kg
    double meanDensity = 0.0;                   // g/cm3
    double escapeVelocity = 0.0;                // km/s
    double meanAlbedo = 0.0;

    friend bool CreateMoonCatalogue();
};

class MoonCatalogue final : public ArrayCatalogue<MoonObject> {};

MoonCatalogue& GetMoonCatalogue();
// Fills the empty catalogue with the Moon; true.
bool CreateMoonCatalogue();

}  // namespace corvinata
