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

// The records' own constants are data, not rules; what is checked is that
// each record sits at its number and the shortcuts reach the right ones.
TEST_F(SolarSystemCatalogues, PlanetRecordsInNumberOrder) {
    const char* kPlanets[] = {"Mercury", "Venus", "Mars", "Jupiter",
                              "Saturn", "Uranus", "Neptune", "Pluto"};
    for (int n = 0; n < 8; ++n) EXPECT_EQ(test::Utf8(PlanetRecordAt(n)->Name()), kPlanets[n]);
    EXPECT_EQ(JupiterPlanetRecord(), PlanetRecordAt(3));
    EXPECT_EQ(SaturnPlanetRecord(), PlanetRecordAt(4));
    EXPECT_EQ(PlanetRecordAt(8), nullptr);
}

// The Earth's orbit is the Sun's seen from the other side.
TEST_F(SolarSystemCatalogues, EarthOrbitMirrorsTheSun) {
    const SunObject& sun = *SunRecordAt(0);
    const EarthObject& earth = *GetEarthCatalogue().At(0);
    EXPECT_DOUBLE_EQ(earth.longitudeAtEpoch, sun.eclipticLongitudeAtEpoch - 180.0);
    EXPECT_DOUBLE_EQ(earth.longitudeOfPerihelion, sun.eclipticLongitudeOfPerigee - 180.0);
    EXPECT_EQ(earth.eccentricity, sun.eccentricity);
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
}

// The ratio 1/297 is a flattening, and the Galilean periods are sidereal.
TEST(ObjectFieldLabelsRegression, LabelsSayWhatTheFieldsHold) {
    EXPECT_EQ(test::Utf8(kPlanetFieldLabels[17]), "Flattening:");
    EXPECT_EQ(test::Utf8(kEarthFieldLabels[6]), "Flattening:");
    EXPECT_EQ(test::Utf8(kJovianSatelliteFieldLabels[4]), "Sidereal period of revolution:");
}

}  // namespace
}  // namespace corvinata
