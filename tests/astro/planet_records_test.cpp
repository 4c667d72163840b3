#include "astro/planet_records.h"

#include <gtest/gtest.h>

namespace corvinata {
namespace {

// --- Records ----------------------------------------------------------------

constexpr PlanetConstants kMercury = {
    0.24085, 231.2973, 77.1442128, 0.2056306, 0.3870986, 7.0043579, 48.0941733, 6.72,
    1.918e-06, 47.9, 0.31, 0.387, 0.47, 360.0, 0.53, 1.47, 2439.0, 0.0, 3.302e+23,
    0.056, 5.43, 4.25};

TEST(PlanetRecord, CopiesAreDeepAndSelfAssignmentKeepsTheRecord) {
    Planet mercury;
    PlanetSetConstants(mercury, TXT("Mercury"), 0, 0, kMercury);
    EXPECT_EQ(mercury.GetTypeId(), kBodyPlanet);
    EXPECT_EQ(mercury.Constants().escapeVelocity, 4.25);

    Planet copy(mercury);
    PlanetSetConstants(copy, TXT("Venus"), 1, 0, kMercury);
    EXPECT_TRUE(StringEquals(mercury.Name(), TXT("Mercury")));

    PlanetAssign(copy, mercury);
    EXPECT_TRUE(StringEquals(copy.Name(), TXT("Mercury")));
    EXPECT_EQ(copy.Index(), 0);

    Planet& self = PlanetAssign(mercury, mercury);
    EXPECT_EQ(&self, &mercury);
    EXPECT_TRUE(StringEquals(mercury.Name(), TXT("Mercury")));
    EXPECT_EQ(mercury.Constants().mass, 3.302e+23);
}

// The constructor takes period before semi-major axis and the magnitude last;
// the fields keep the catalogue's order.
TEST(SaturnSatelliteRecord, ArgumentsLandInTheirFields) {
    const SaturnSatellite titan(5, TXT("Titan"), 5150, 1345.5, 1881, 15.9691, 1221.0, 0.029,
                                0.33, 8.3);
    EXPECT_EQ(titan.GetTypeId(), kBodySaturnSatellite);
    const double fields[] = {double(titan.Index()), double(titan.Diameter()), titan.Mass(), titan.Density(),
                             titan.Period(), titan.SemiMajorAxis(), titan.Eccentricity(),
                             titan.Inclination(), titan.Magnitude()};
    const double expected[] = {5, 5150, 1345.5, 1881.0, 15.9691, 1221.0, 0.029, 0.33, 8.3};
    for (int i = 0; i < 9; ++i) EXPECT_EQ(fields[i], expected[i]) << i;

    SaturnSatellite mimas(0, TXT("Mimas"), 400, 0.375, 1140, 0.9425, 185.52, 0.02, 1.52, 12.9);
    SaturnSatellite copy(mimas);
    SaturnSatelliteAssign(mimas, titan);
    EXPECT_TRUE(StringEquals(copy.Name(), TXT("Mimas")));
    EXPECT_EQ(copy.SemiMajorAxis(), 185.52);
    EXPECT_TRUE(StringEquals(mimas.Name(), TXT("Titan")));
    SaturnSatelliteAssign(mimas, mimas);
    EXPECT_EQ(mimas.Period(), 15.9691);
}

// The catalogues build their objects in storage they own; a copy made there
// must stand on its own once the source changes or goes away.
TEST(RecordsInCatalogueStorage, ConstructAndCopyIntoRawStorage) {
    alignas(Planet) unsigned char planetStorage[sizeof(Planet)];
    Planet* copy = nullptr;
    {
        Planet mercury;
        PlanetSetConstants(mercury, TXT("Mercury"), 0, 0, kMercury);
        copy = PlanetCopy(planetStorage, mercury);
        PlanetSetConstants(mercury, TXT("Venus"), 1, 0, kMercury);
    }
    ASSERT_EQ(static_cast<void*>(copy), static_cast<void*>(planetStorage));
    EXPECT_TRUE(StringEquals(copy->Name(), TXT("Mercury")));
    EXPECT_EQ(copy->MoonCount(), 0);
    EXPECT_EQ(copy->Constants().brightnessFactor, 1.918e-06);
    copy->~Planet();

    alignas(SaturnSatellite) unsigned char satelliteStorage[sizeof(SaturnSatellite)];
    alignas(SaturnSatellite) unsigned char copyStorage[sizeof(SaturnSatellite)];
    SaturnSatellite* mimas = SaturnSatelliteInit(satelliteStorage, 0, TXT("Mimas"), 400, 0.375,
                                                 1140, 0.9425, 185.52, 0.02, 1.52, 12.9);
    EXPECT_EQ(mimas->GetTypeId(), kBodySaturnSatellite);
    EXPECT_EQ(mimas->Period(), 0.9425);

    SaturnSatellite* twin = SaturnSatelliteCopy(copyStorage, *mimas);
    mimas->~SaturnSatellite();
    EXPECT_TRUE(StringEquals(twin->Name(), TXT("Mimas")));
    EXPECT_EQ(twin->SemiMajorAxis(), 185.52);
    EXPECT_EQ(twin->Magnitude(), 12.9);
    twin->~SaturnSatellite();
}

// --- Quantity limits ----------------------------------------------------------

TEST(QuantityLimits, DecimalsFollowTheOrderOfMagnitude) {
    const struct {
        double value;
        int decimals;
    } cases[] = {{-9.99, 3}, {10.0, 2}, {-99.99, 2}, {999.9, 1}, {1000.0, 0}};
    for (const auto& c : cases) EXPECT_EQ(DecimalsByMagnitude(c.value), c.decimals) << c.value;
}

TEST(QuantityLimits, ValidityTestsIncludeTheirBounds) {
    EXPECT_TRUE(IsPercentage(0.0) && IsPercentage(100.0));
    EXPECT_FALSE(IsPercentage(-0.0001) || IsPercentage(100.0001));
    EXPECT_TRUE(IsNonNegative(0.0) && !IsNonNegative(-1e-300));
    EXPECT_TRUE(LongitudeQuantityIsValid(-180.0) && LongitudeQuantityIsValid(180.0));
    EXPECT_FALSE(LongitudeQuantityIsValid(180.0001));
}

}  // namespace
}  // namespace corvinata
