#include <gtest/gtest.h>

#include "catalog/moon_catalogue.h"
#include "catalog/object_field_labels.h"
#include "catalog/planet_catalogue.h"
#include "catalog/satellite_catalogues.h"
#include "catalog/sun_earth_catalogues.h"
#include "support/catalogues.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

class SolarSystemCatalogues : public testing::Test {
protected:
    test::ScopedCatalogues catalogues_;
};

TEST_F(SolarSystemCatalogues, PlanetRecordsCarryTheirMoonsAndConstants) {
    const struct {
        int number;
        const char* name;
        int moons;
        double radius;
    } kCases[] = {{0, "Mercury", 0, 2439.0}, {1, "Venus", 0, 6052.0}, {2, "Mars", 2, 3390.0},
                  {3, "Jupiter", 15, 69898.0}, {4, "Saturn", 14, 57815.0},
                  {5, "Uranus", 5, 50841.0}, {6, "Neptune", 2, 48547.0}, {7, "Pluto", 1, 3500.0}};
    for (const auto& c : kCases) {
        const PlanetObject& planet = *PlanetRecordAt(c.number);
        EXPECT_EQ(test::Utf8(planet.Name()), c.name);
        EXPECT_EQ(planet.MoonCount(), c.moons);
        EXPECT_EQ(planet.Constants().equatorialRadius, c.radius);
    }
    EXPECT_DOUBLE_EQ(JupiterPlanetRecord()->Constants().flattening, 1.0 / 15.9);
    EXPECT_EQ(test::Utf8(SaturnPlanetRecord()->Name()), "Saturn");
    EXPECT_EQ(PlanetRecordAt(8), nullptr);
}

TEST_F(SolarSystemCatalogues, SunEarthAndMoonConstants) {
    const SunObject& sun = *SunRecordAt(0);
    const EarthObject& earth = *GetEarthCatalogue().At(0);
    EXPECT_DOUBLE_EQ(earth.longitudeAtEpoch, sun.eclipticLongitudeAtEpoch - 180.0);
    EXPECT_DOUBLE_EQ(earth.longitudeOfPerihelion, sun.eclipticLongitudeOfPerigee - 180.0);
    EXPECT_EQ(earth.eccentricity, sun.eccentricity);
    EXPECT_DOUBLE_EQ(earth.flattening, 1.0 / 297.0);
    const MoonObject& moon = *GetMoonCatalogue().At(0);
    EXPECT_EQ(moon.semiMajorAxis, 384401.0);
    EXPECT_EQ(moon.meanDistanceFromEarth, 384403.0);
    EXPECT_EQ(SunRecordAt(1), nullptr);
}

TEST_F(SolarSystemCatalogues, SatellitesInNumberOrder) {
    const char* kJovian[] = {"Io", "Europa", "Ganymede", "Callisto"};
    const char* kSaturnian[] = {"Mimas", "Enceladus", "Tethys", "Dione",
                                "Rhea",  "Titan",     "Hyperion", "Iapetus"};
    for (int n = 0; n < 4; ++n)
        EXPECT_EQ(test::Utf8(GetJovianSatelliteCatalogue().At(n)->Name()), kJovian[n]);
    for (int n = 0; n < 8; ++n)
        EXPECT_EQ(test::Utf8(GetSaturnianSatelliteCatalogue().At(n)->Name()), kSaturnian[n]);
    EXPECT_EQ(GetSaturnianSatelliteCatalogue().At(2)->Eccentricity(), 0.0);
    EXPECT_EQ(GetSaturnianSatelliteCatalogue().At(5)->Magnitude(), 8.3);
    EXPECT_EQ(GetJovianSatelliteCatalogue().At(3)->period, 16.689018);
}

// The ratio 1/297 is a flattening, and the Galilean periods are sidereal.
TEST(ObjectFieldLabelsRegression, LabelsSayWhatTheFieldsHold) {
    EXPECT_EQ(test::Utf8(kPlanetFieldLabels[17]), "Flattening:");
    EXPECT_EQ(test::Utf8(kEarthFieldLabels[6]), "Flattening:");
    EXPECT_EQ(test::Utf8(kJovianSatelliteFieldLabels[4]), "Sidereal period of revolution:");
}

}  // namespace
}  // namespace corvinata
