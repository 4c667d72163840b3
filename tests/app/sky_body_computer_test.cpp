// The Sky document's positions come from the property evaluation, of the
// date, in degrees of right ascension and declination.
#include "app/sky_body_computer.h"

#include <gtest/gtest.h>

#include "base/event_time.h"
#include "catalog/catalogue_registry.h"
#include "support/catalogues.h"

namespace corvinata {
namespace {

TEST(CatalogueSkyComputerTest, SunAndPlanetsInDegreesOfTheDate) {
    test::ScopedCatalogues catalogues;
    ASSERT_TRUE(catalogues.Created());
    CatalogueSkyComputer computer;
    TimeAndPlace moment;
    moment.dateTime = DateTime{2000, 1, 1, 12.0, kUniversalTime};
    // The Sun at J2000.0: 18h 45m, -23.0 degrees.
    const SkyPosition sun = computer.ComputeSun(moment);
    EXPECT_NEAR(sun.first, 281.3, 0.2);
    EXPECT_NEAR(sun.second, -23.0, 0.1);
    EXPECT_EQ(sun.coordinateSystem, kEquatorialSystem);
    ASSERT_GT(computer.PlanetCount(), 5);
    for (int planet = 0; planet < computer.PlanetCount(); ++planet) {
        const SkyPosition p = computer.ComputePlanet(planet, moment);
        EXPECT_GE(p.first, 0.0) << planet;
        EXPECT_LT(p.first, 360.0) << planet;
        EXPECT_LE(std::abs(p.second), 30.0) << planet;
    }
    // Anything the catalogues do not hold has no position.
    EXPECT_EQ(computer.ComputePlanet(99, moment).first, kNotComputedAngle);
    EXPECT_EQ(computer.DeepSkyPosition(-1).first, kNotComputedAngle);
}

}  // namespace
}  // namespace corvinata
