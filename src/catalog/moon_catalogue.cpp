#include "catalog/moon_catalogue.h"

namespace corvinata {

MoonCatalogue& GetMoonCatalogue() {
    static MoonCatalogue catalogue;
    return catalogue;
}

bool CreateMoonCatalogue() {
    MoonObject& moon = GetMoonCatalogue().HoldSingleObject();
    moon.number_ = 0;
    StringAssign(moon.name_, TXT("Moon"));
    moon.siderealPeriod = 27.32166;
    moon.meanLongitudeAtEpoch = 64.975464;
    moon.meanLongitudeOfPerigee = 349.383063;
    moon.meanLongitudeOfNode = 151.950429;
    moon.eccentricity = 0.0549;
    moon.semiMajorAxis = 384401.0;
    moon.inclination = 5.145396;
    moon.angularSize = 0.5181;
    moon.parallax = 0.9507;
    moon.minimumDistanceFromEarth = 356410.0;
    // Not the semi-major axis: the two published figures differ by 2 km.
    moon.meanDistanceFromEarth = 384403.0;
    moon.maximumDistanceFromEarth = 406740.0;
    moon.radius = 1738.0;
    moon.mass = 7.35e22;
    moon.meanDensity = 3.341;
    moon.escapeVelocity = 2.38;
    moon.meanAlbedo = 0.07;
    return true;
}

}  // namespace corvinata
