#include "catalog/sun_earth_catalogues.h"

namespace corvinata {
namespace {

// The Sun's orbit about the Earth (degrees); the Earth's is the same orbit
// seen from the other end of the line.
constexpr double kSunLongitudeAtEpoch = 278.83354;
constexpr double kSunLongitudeOfPerigee = 282.596403;
constexpr double kOrbitEccentricity = 0.016718;

}  // namespace

SunCatalogue& GetSunCatalogue() {
    static SunCatalogue catalogue;
    return catalogue;
}

EarthCatalogue& GetEarthCatalogue() {
    static EarthCatalogue catalogue;
    return catalogue;
}

bool CreateSunCatalogue() {
    SunObject& sun = GetSunCatalogue().HoldSingleObject();
    sun.number_ = 0;
    StringAssign(sun.name_, TXT("Sun"));
    sun.eclipticLongitudeAtEpoch = kSunLongitudeAtEpoch;
    sun.eclipticLongitudeOfPerigee = kSunLongitudeOfPerigee;
    sun.eccentricity = kOrbitEccentricity;
    sun.semiMajorAxis = 149598500.0;
    sun.angularDiameter = 0.533128;
    sun.radius = 6.96e8;
    sun.mass = 1.989e30;
    sun.meanDensity = 1.409;
    sun.escapeVelocity = 617.7;
    return true;
}

bool CreateEarthCatalogue() {
    EarthObject& earth = GetEarthCatalogue().HoldSingleObject();
    earth.number_ = 0;
    StringAssign(earth.name_, TXT("Earth"));
    earth.tropicalPeriod = 1.00004;
    earth.siderealPeriod = 365.256;
    earth.longitudeAtEpoch = kSunLongitudeAtEpoch - 180.0;
    earth.longitudeOfPerihelion = kSunLongitudeOfPerigee - 180.0;
    earth.eccentricity = kOrbitEccentricity;
    earth.meanRadius = 6371.229315;
    earth.flattening = 1.0 / 297.0;
    earth.volume = 1.08331978e12;
    earth.mass = 5.9742e24;
    earth.meanDensity = 5.515;
    earth.escapeVelocity = 11.2;
    earth.meanOrbitalVelocity = 29.8;
    earth.meanDistanceFromSun = 1.496e8;
    earth.minimumDistanceFromSun = 1.47e8;
    earth.maximumDistanceFromSun = 1.52e8;
    earth.orbitCircumference = 940.0;
    return true;
}

const SunObject* SunRecordAt(int index) noexcept { return GetSunCatalogue().At(index); }

}  // namespace corvinata
