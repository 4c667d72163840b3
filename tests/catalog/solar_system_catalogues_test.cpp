#include <gtest/gtest.h>

#include <iterator>

#include "catalog/moon_catalogue.h"
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
// The 22 constants land in their named fields, in the catalogue's order.
TEST_F(SolarSystemCatalogues, PlanetConstantsLandInTheirFields) {
    const PlanetObject& mercury = *PlanetRecordAt(0);
    const PlanetConstants& c = mercury.Constants();
    const double fields[] = {c.orbitalPeriod, c.meanLongitude, c.brightnessFactor, c.orbitLength,
                             c.equatorialRadius, c.mass, c.escapeVelocity};
    const double expected[] = {0.24085, 231.2973, 1.918e-6, 360.0, 2439.0, 3.302e23, 4.25};
    for (std::size_t i = 0; i < std::size(fields); ++i) EXPECT_EQ(fields[i], expected[i]) << i;
    EXPECT_EQ(mercury.MoonCount(), 0);
    EXPECT_EQ(PlanetRecordAt(3)->MoonCount(), 15);
    EXPECT_EQ(mercury.GetTypeId(), kBodyPlanet);
    // A copy stands on its own.
    PlanetObject copy = mercury;
    PlanetSetConstants(copy, TXT("Venus"), 1, 0, c);
    EXPECT_EQ(test::Utf8(mercury.Name()), "Mercury");
    EXPECT_EQ(copy.Index(), 1);
}

// The satellite table gives the period before the semi-major axis and the
// magnitude last; each lands in its own field.
TEST_F(SolarSystemCatalogues, SaturnianSatelliteArgumentsLandInTheirFields) {
    const SaturnianSatelliteObject& titan = *GetSaturnianSatelliteCatalogue().At(5);
    EXPECT_EQ(titan.GetTypeId(), kBodySaturnSatellite);
    const double fields[] = {double(titan.Index()), double(titan.Diameter()), titan.Mass(), titan.Density(),
                             titan.Period(), titan.SemiMajorAxis(), titan.Eccentricity(),
                             titan.Inclination(), titan.Magnitude()};
    const double expected[] = {5, 5150, 1345.5, 1881.0, 15.9691, 1221.0, 0.029, 0.33, 8.3};
    for (std::size_t i = 0; i < std::size(fields); ++i) EXPECT_EQ(fields[i], expected[i]) << i;
    EXPECT_EQ(GetSaturnianSatelliteCatalogue().At(2)->Eccentricity(), 0.0);
}

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

}  // namespace
}  // namespace corvinata
