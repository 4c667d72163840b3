#include "catalog/body_types.h"

#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "catalog/event_kinds.h"
#include "catalog/name_systems.h"
#include "catalog/quantity_kinds.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

std::vector<std::string> PropertyNames(const BodyType& type) {
    std::vector<std::string> names;
    for (const EventKind* kind : type.Properties()) names.push_back(test::Utf8(kind->GetName()));
    return names;
}

class BodyTypes : public testing::Test {
protected:
    BodyTypeRegistry registry_;
};

TEST_F(BodyTypes, NamesAndPropertyCountsPerKind) {
    const struct {
        int type;
        const char* display;
        const char* lookup;
        std::size_t properties;
        int nameSystems;  // -1: no list
    } kCases[] = {
        {kBodySun, "Sun", "Sun", 17, 0},
        {kBodyMoon, "Moon", "Moon", 16, 0},
        {kBodyPlanet, "Planet", "Planet", 18, 0},
        {kBodyEarth, "Earth", "Earth", 3, 0},
        {kBodyStar, "Star", "Star", 10, 2},
        {kBodyConstellation, "Constellation", "Constellation", 7, 2},
        {kBodyDeepSky, "Deep Sky Object", "Deep Sky", 11, 5},
        {kBodySaturnSatellite, "Saturnian Satellite", "Saturnian satellite", 3, 0},
        {kBodyJupiterSatellite, "Jovian Satellite", "Jovian satellite", 3, 0},
        {kBodyOther, "Other", "Other", 0, -1},
    };
    for (const auto& c : kCases) {
        const BodyType& type = *GetBodyType(registry_, c.type);
        EXPECT_EQ(type.GetTypeId(), c.type);
        EXPECT_EQ(test::Utf8(type.DisplayName()), c.display);
        EXPECT_EQ(test::Utf8(type.LookupName()), c.lookup);
        EXPECT_EQ(type.Properties().size(), c.properties) << c.display;
        EXPECT_EQ(type.NameSystems() ? type.NameSystems()->Count() : -1, c.nameSystems);
        EXPECT_EQ(type.SelectionStyle(), c.nameSystems > 0 ? 1 : 0);
        for (const EventKind* kind : type.Properties()) ASSERT_NE(kind, nullptr) << c.display;
    }
    EXPECT_EQ(GetBodyType(registry_, 10), nullptr);
}

TEST_F(BodyTypes, StarsListSetBeforeRise) {
    const std::vector<std::string> expected = {
        "Culmination", "Direction", "Set", "Rise", "Longitude", "Latitude", "Magnitude",
        "Constellation", "Elongation (angular distance)", "Elongation (difference in longitude)"};
    EXPECT_EQ(PropertyNames(*GetBodyType(registry_, kBodyStar)), expected);
}

TEST_F(BodyTypes, PropertiesFoundByIdAndExactName) {
    const BodyType& saturnian = *GetBodyType(registry_, kBodySaturnSatellite);
    EXPECT_EQ(saturnian.FindProperty(kFunctionRise), nullptr);
    EXPECT_EQ(saturnian.FindPropertyByName(TXT("Rise")), nullptr);
    EXPECT_NE(saturnian.FindPropertyByName(TXT("Rectangular coordinate Y")), nullptr);
    const BodyType& sun = *GetBodyType(registry_, kBodySun);
    EXPECT_EQ(sun.FindProperty(kFunctionMagnitude)->GetQuantityKind(), kQuantityMagnitude);
    EXPECT_EQ(sun.FindPropertyByName(TXT("magnitude")), nullptr);
    EXPECT_EQ(GetBodyType(registry_, kBodyOther)->FindPropertyByName(TXT("Rise")), nullptr);
}

TEST_F(BodyTypes, LookupNamesFindTypesButNeverOther) {
    const struct {
        const char* name;
        int type;  // -1: none
    } kCases[] = {{"Deep Sky", kBodyDeepSky}, {"Deep Sky Object", -1}, {"Other", -1},
                  {"Jovian satellite", kBodyJupiterSatellite}, {"planet", -1}};
    for (const auto& c : kCases) {
        const BodyType* found = FindBodyTypeByName(registry_, test::Wide(c.name).c_str());
        EXPECT_EQ(found ? found->GetTypeId() : -1, c.type) << c.name;
    }
}

TEST_F(BodyTypes, NameSystemsWithTheirDefaultAndKey) {
    const NameSystemList& deepSky = *GetBodyType(registry_, kBodyDeepSky)->NameSystems();
    EXPECT_EQ(deepSky.FindByName(TXT("ngc/ic")), nullptr);
    EXPECT_EQ(deepSky.FindByName(TXT("NGC/IC"))->GetId(), kDeepSkyNgcIc);
    EXPECT_EQ(deepSky.FindById(5), nullptr);
    EXPECT_EQ(test::Utf8(deepSky.DefaultItem()->Name()), "Proper name");
    EXPECT_EQ(test::Utf8(GetBodyType(registry_, kBodyStar)->KeyNameSystem()->Name()), "BSC 5");
    EXPECT_EQ(test::Utf8(GetBodyType(registry_, kBodyConstellation)->KeyNameSystem()->Name()),
              "Classic");
    const NameSystemList& moon = *GetBodyType(registry_, kBodyMoon)->NameSystems();
    EXPECT_EQ(moon.KeyItem(), nullptr);
    EXPECT_EQ(moon.KeyId(), 0);
    EXPECT_FALSE(GetBodyType(registry_, kBodyMoon)->HasNameSystems());
}

TEST(EventKinds, GlobalListFindsSingleBitsOnly) {
    EXPECT_EQ(test::Utf8(FindEventKind(512)->GetName()), "Rise");
    for (std::uint32_t id : {0u, 256u, 2097152u, 0x80000000u, 3u}) EXPECT_EQ(FindEventKind(id), nullptr);
    EXPECT_EQ(test::Utf8(EventKindAt(0).GetName()), "Ascending node");
    EXPECT_EQ(test::Utf8(EventKindAt(kEventKindCount - 1).GetName()),
              "Evening twilight ends (nautical)");
    std::uint32_t all = 0;
    for (int i = 0; i < kEventKindCount; ++i) {
        EXPECT_EQ(all & EventKindAt(i).GetId(), 0u) << i;
        all |= EventKindAt(i).GetId();
        EXPECT_NE(QuantityKindByIndex(EventKindAt(i).GetQuantityKind()), nullptr);
    }
    EXPECT_EQ(all, 0x7FFFFFFFu & ~(1u << 8) & ~(1u << 21));
}

TEST(QuantityKinds, NoneValuesRangesAndDecimals) {
    const struct {
        int kind;
        double none;
        double inRange;
        double outOfRange;
    } kCases[] = {
        {kQuantityTimeOfDay, -1.0, 24.0, 24.01},     {kQuantityLongitude, -1000.0, 360.0, -0.1},
        {kQuantityLatitude, -1000.0, -90.0, 90.1},   {kQuantityAngle180, -1000.0, -180.0, 180.0001},
        {kQuantityAngle180, -1000.0, 180.0, -180.0001},
        {kQuantityDistance, -1.0, 0.0, -1e-300},        {kQuantityMagnitude, 9999.0, -30.0, NAN},
        {kQuantityPhase, -1.0, 100.0, 100.0001},     {kQuantityPhase, -1.0, 0.0, -0.0001},
        {kQuantityConstellation, -1.0, 87.0, 88.0},
        {kQuantityZodiac, -1.0, 11.0, 12.0},         {kQuantityDirection, -1000.0, 0.0, 360.5},
        {kQuantityScalar, kPlusInfinity, -1e300, NAN},
    };
    for (const auto& c : kCases) {
        const QuantityKind& kind = *QuantityKindByIndex(c.kind);
        EXPECT_EQ(kind.GetNoneValue(), c.none) << c.kind;
        EXPECT_TRUE(QuantityInRange(kind, c.inRange)) << c.kind;
        EXPECT_FALSE(QuantityInRange(kind, c.outOfRange)) << c.kind;
    }
    EXPECT_EQ(QuantityKindByIndex(13), nullptr);
}

TEST(QuantityKinds, DecimalsFollowTheKindsRule) {
    const struct {
        int kind;
        double value;
        int decimals;
    } kCases[] = {
        // Distances by their order of magnitude, whatever the sign.
        {kQuantityDistance, 9.99, 3},   {kQuantityDistance, -9.99, 3},  {kQuantityDistance, 10.0, 2},
        {kQuantityDistance, -99.99, 2}, {kQuantityDistance, 999.9, 1},  {kQuantityDistance, 1000.0, 0},
        {kQuantityScalar, 99.0, 2},     {kQuantityScalar, -100.0, 0},   {kQuantityMagnitude, 5.0, 1},
        {kQuantityPhase, 100.0, 1},     {kQuantityAngle360, 12.5, 0},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(QuantityKindByIndex(c.kind)->Decimals(c.value), c.decimals) << c.kind << " " << c.value;
    }
}

}  // namespace
}  // namespace corvinata
