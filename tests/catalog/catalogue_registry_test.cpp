#include "catalog/catalogue_registry.h"

#include <gtest/gtest.h>

#include "catalog/body_types.h"
#include "catalog/constellation_catalogue.h"
#include "catalog/planet_catalogue.h"
#include "support/catalogues.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

class CatalogueRegistry : public testing::Test {
protected:
    test::ScopedCatalogues catalogues_;
};

TEST_F(CatalogueRegistry, CreatesNineCataloguesWithTheirCounts) {
    ASSERT_TRUE(catalogues_.Created());
    // Stars and deep-sky objects come from their own loaders.
    const struct {
        int type;
        int count;
    } kCases[] = {{kBodySun, 1},           {kBodyMoon, 1},          {kBodyPlanet, 8},
                  {kBodyEarth, 1},         {kBodyConstellation, 88}, {kBodySaturnSatellite, 8},
                  {kBodyJupiterSatellite, 4}};
    for (const auto& c : kCases) {
        ASSERT_NE(CatalogueByType(c.type), nullptr) << c.type;
        EXPECT_EQ(CatalogueByType(c.type)->CatalogueGetCount(), c.count) << c.type;
    }
    int withCatalogue = 0;
    for (int type = -1; type <= kBodyTypeCount; ++type) withCatalogue += CatalogueByType(type) != nullptr;
    EXPECT_EQ(withCatalogue, 9);
}

TEST_F(CatalogueRegistry, ObjectsAnswerTheirTypeAndNumber) {
    for (int type = 0; type < kCatalogueCount; ++type) {
        const Catalogue& catalogue = *CatalogueByType(type);
        for (int n = 0; n < catalogue.CatalogueGetCount(); ++n) {
            const CelestialObject* object = catalogue.CatalogueGetObjectAt(n);
            ASSERT_NE(object, nullptr);
            EXPECT_EQ(object->GetTypeId(), type);
            EXPECT_EQ(object->Number(), n);
        }
        EXPECT_EQ(catalogue.CatalogueGetObjectAt(catalogue.CatalogueGetCount()), nullptr);
        EXPECT_EQ(catalogue.CatalogueGetObjectAt(-1), nullptr);
    }
    EXPECT_EQ(GetCatalogueObject(kBodyOther, 0), nullptr);
}

TEST_F(CatalogueRegistry, IterationEndsWithNoneAndACursorOfMinusOne) {
    const Catalogue& planets = *CatalogueByType(kBodyPlanet);
    int cursor = 99;
    int seen = 0;
    for (const CelestialObject* o = planets.CatalogueFirstObject(cursor); o;
         o = planets.CatalogueNextObject(cursor)) {
        EXPECT_EQ(o->Number(), seen++);
    }
    EXPECT_EQ(seen, 8);
    EXPECT_EQ(cursor, kCursorEnd);
    // A cursor below -1 (stale or corrupted) is the end too, never an index.
    for (int start : {-1, -2, -1000}) {
        cursor = start;
        EXPECT_EQ(planets.CatalogueNextObject(cursor), nullptr) << start;
        EXPECT_EQ(cursor, kCursorEnd);
    }
}

TEST_F(CatalogueRegistry, PlanetNumberingsConvertBothWays) {
    const char* kNames[] = {"Mercury", "Venus",  "Earth",   "Mars", "Jupiter",
                            "Saturn",  "Uranus", "Neptune", "Pluto"};
    for (int n = 0; n <= 8; ++n) {
        const CelestialObject* object = PlanetByNumber(n);
        ASSERT_NE(object, nullptr) << n;
        EXPECT_EQ(test::Utf8(object->GetPlainName()), kNames[n]);
        EXPECT_EQ(PlanetNumberOfObject(*object), n);
        EXPECT_EQ(object->GetTypeId(), n == 2 ? kBodyEarth : kBodyPlanet);
    }
    // A saved zoom can carry any number.
    for (int n : {-1, 9, 1000}) EXPECT_EQ(PlanetByNumber(n), nullptr) << n;
    EXPECT_EQ(PlanetNumberOfObject(*GetConstellationCatalogue().At(0)), -1);
}

TEST_F(CatalogueRegistry, FindsByNameExactlyInTheKindsNameSystems) {
    const struct {
        int type;
        const Char* name;
        int number;  // -1: none
    } kCases[] = {
        {kBodyPlanet, TXT("Mars"), 2},         {kBodyPlanet, TXT("mars"), -1},
        {kBodyPlanet, TXT("Earth"), -1},       {kBodySun, TXT("Sun"), 0},
        {kBodySun, TXT("sun"), -1},            {kBodyConstellation, TXT("Ursa Maior"), 82},
        {kBodyConstellation, TXT("Big Dipper"), 82},
        {kBodySaturnSatellite, TXT("Titan"), 5}, {kBodyJupiterSatellite, TXT("Titan"), -1},
        {kBodyJupiterSatellite, TXT("Io"), 0},
    };
    for (const auto& c : kCases) {
        const CelestialObject* found = FindObjectOfTypeByName(c.type, c.name);
        EXPECT_EQ(found ? found->Number() : -1, c.number) << test::Utf8(c.name);
    }
    // The search across kinds leaves out Jupiter's satellites.
    EXPECT_EQ(FindObjectByName(TXT("Io")), nullptr);
    EXPECT_EQ(FindObjectByName(TXT("Titan")), GetCatalogueObject(kBodySaturnSatellite, 5));
}

TEST_F(CatalogueRegistry, NamesWithArticleFullNamesAndKeyNames) {
    const struct {
        int type;
        int number;
        bool capital;
        const char* display;
        const char* full;
    } kCases[] = {
        {kBodyMoon, 0, true, "The Moon", "Moon"},
        {kBodyEarth, 0, false, "the Earth", "Earth"},
        {kBodySun, 0, true, "The Sun", "Sun"},
        {kBodyPlanet, 2, true, "Mars", "Mars"},
        {kBodyJupiterSatellite, 0, true, "Io", "Io"},
        {kBodyConstellation, 0, true, "Andromeda", "Andromeda (Andromeda)"},
        {kBodyConstellation, 1, false, "Antlia", "Antlia (Airpump)"},
    };
    for (const auto& c : kCases) {
        const CelestialObject& object = *GetCatalogueObject(c.type, c.number);
        String text;
        object.DisplayNameWithArticle(c.capital, text);
        EXPECT_EQ(test::Utf8(text), c.display);
        object.CelestialObjectFullName(text);
        EXPECT_EQ(test::Utf8(text), c.full);
    }
}

TEST_F(CatalogueRegistry, IdentifierTakesTheKeySystemOfTheKind) {
    const BodyIdentifier planet = BodyIdentifierFromObject(PlanetByNumber(3));
    EXPECT_EQ(planet.nameSystem, nullptr);
    EXPECT_EQ(test::Utf8(planet.name), "Mars");

    const BodyIdentifier orion = BodyIdentifierFromObject(GetCatalogueObject(kBodyConstellation, 59));
    ASSERT_NE(orion.nameSystem, nullptr);
    EXPECT_EQ(test::Utf8(orion.nameSystem->Name().Text()), "Classic");
    EXPECT_EQ(test::Utf8(orion.name), "Orion");

    BodyIdentifier copy = orion;
    EXPECT_FALSE(BodyIdentifierDiffers(copy, orion));
    StringAssign(copy.name, TXT("orion"));
    EXPECT_TRUE(BodyIdentifierDiffers(copy, orion));
    EXPECT_TRUE(BodyIdentifierDiffers(BodyIdentifierFromObject(nullptr), planet));
}

TEST_F(CatalogueRegistry, JoinedNamesAreSeparatedByCommas) {
    const CelestialObject& lyra = *GetCatalogueObject(kBodyConstellation, 51);
    const BodyType& type = *GetBodyType(kBodyConstellation);
    String joined(TXT("Names"));
    JoinObjectNames(lyra, type.NameSystemById(kConstellationModern), joined);
    EXPECT_EQ(test::Utf8(joined), "Names, Lyre");
}

TEST(CatalogueRegistryLifetime, DestroyEmptiesEveryCatalogueAndTheRegistry) {
    {
        test::ScopedCatalogues catalogues;
    }
    for (int type = 0; type < kCatalogueCount; ++type)
        EXPECT_EQ(CatalogueByType(type)->CatalogueGetCount(), 0) << type;
    EXPECT_EQ(GetBodyType(kBodySun), nullptr);
    EXPECT_EQ(FindObjectByName(TXT("Sun")), nullptr);
    EXPECT_EQ(GetNameSystemOfType(kBodyStar, 0), nullptr);
}

}  // namespace
}  // namespace corvinata
