// Galactic coordinates of fixed stars stay fixed: the places of the date are
// precessed to the equinox of the galactic pole's definition (B1950.0).
#include <gtest/gtest.h>

#include <cmath>

#include "astro/coordinates.h"
#include "catalog/body_properties.h"
#include "catalog/catalogue_registry.h"
#include "catalog/event_kinds.h"
#include "catalog/constellation_catalogue.h"
#include "support/catalogues.h"
#include "support/moments.h"

namespace corvinata {
namespace {

struct Star {
    const Char* name;
    double l, b;  // degrees
};

// From the stars' J2000.0 places by the galactic rotation of the
// astronomy-engine package (Sirius: l 227.228, b -8.890 as published).
const Star kStars[] = {
    {TXT("Sirius"), 227.2279, -8.8898},
    {TXT("Vega"), 67.4457, 19.2369},
    {TXT("Canopus"), 261.2095, -25.2920},
};

constexpr int kYears[] = {1583, 2024, 3000};

TEST(GalacticCoordinates, FixedStarsKeepTheirPublishedPlaceAtEveryDate) {
    test::ScopedCatalogues catalogues;
    for (const Star& star : kStars) {
        const CelestialObject* body = FindObjectOfTypeByName(kBodyStar, star.name);
        ASSERT_NE(body, nullptr);
        for (int year : kYears) {
            PropertyMap out;
            ComputeBodyProperties(*body, kFunctionLongitude | kFunctionLatitude,
                                  test::MomentAt(year, 6, 1, 0.0, 0.0, 0.0), out,
                                  {kGalacticSystem, kUniversalTime, kAstronomicalUnits});
            const double dl = std::remainder(out.Value(kFunctionLongitude) - star.l, 360.0);
            EXPECT_LT(std::fabs(dl * std::cos(star.b * 3.14159265358979 / 180.0)), 0.01)
                << year;
            EXPECT_NEAR(out.Value(kFunctionLatitude), star.b, 0.01) << year;
        }
    }
}

// A galactic position names the same constellation at every date.
TEST(GalacticCoordinates, ConstellationOfAGalacticPlaceIsFixed) {
    test::ScopedCatalogues catalogues;
    const ConstellationObject* cma = FindConstellationByAbbreviation(TXT("CMa"));
    ASSERT_NE(cma, nullptr);
    for (double jd : {2299238.5, 2460462.5, 2816788.5}) {
        const SkyCoordinates sirius{227.2279, -8.8898, kGalacticSystem};
        EXPECT_EQ(ConstellationOfPosition(jd, sirius), cma) << jd;
    }
}

}  // namespace
}  // namespace corvinata
