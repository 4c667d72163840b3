#include "catalog/deep_sky_catalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalog/body_types.h"
#include "catalog/deep_sky_types.h"
#include "catalog/name_systems.h"
#include "support/catalogues.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Utf8;
using test::Wide;

class DeepSkyCatalogueTest : public testing::Test {
protected:
    const DeepSkyCatalogue& Catalogue() const { return GetDeepSkyCatalogue(); }
    const NameSystem* System(int id) const {
        return GetBodyType(kBodyDeepSky)->NameSystems()->FindById(id);
    }
    // The designation of the object found by a name, "" for none.
    std::string Find(const char* name, int system) const {
        const CelestialObject* found = Catalogue().CatalogueFindObject(Wide(name).c_str(), System(system));
        return found ? Utf8(found->GetPlainName()) : "";
    }
    const DeepSkyObject& Object(const char* designation) const {
        return *Catalogue().At(
            Catalogue().Designations().FindByName(Wide(designation).c_str(), kDeepSkyNgcIc));
    }
    std::vector<std::string> Names(const char* designation, int system) const {
        std::vector<std::string> names;
        int cursor = 0;
        for (const Char* n = Object(designation).CelestialObjectFirstName(cursor, System(system)); n;
             n = Object(designation).CelestialObjectNextName(cursor, System(system))) {
            names.push_back(Utf8(n));
        }
        EXPECT_EQ(cursor, kCursorEnd);
        return names;
    }

    test::ScopedCatalogues catalogues_;
};

TEST_F(DeepSkyCatalogueTest, HoldsTheCatalogueInRightAscensionOrder) {
    ASSERT_TRUE(catalogues_.Created());
    ASSERT_EQ(Catalogue().CatalogueGetCount(), 13226);
    EXPECT_EQ(Utf8(Catalogue().At(0)->GetPlainName()), "IC 5370");
    EXPECT_EQ(Utf8(Catalogue().At(13225)->GetPlainName()), "IC 5369");
    int cursor = 0;
    int visited = 0;
    double lastRightAscension = 0.0;
    for (const CelestialObject* o = Catalogue().CatalogueFirstObject(cursor); o;
         o = Catalogue().CatalogueNextObject(cursor)) {
        const double ra = static_cast<const DeepSkyObject*>(o)->Position().longitude;
        EXPECT_GE(ra, lastRightAscension);
        lastRightAscension = ra;
        ++visited;
    }
    EXPECT_EQ(visited, 13226);
    EXPECT_EQ(cursor, kCursorEnd);
}

TEST_F(DeepSkyCatalogueTest, RecordsKeepTheirValuesAndMarkers) {
    const struct {
        const char* designation;
        unsigned type;
        double ra, dec;
        const char* constellation;
        float size, magnitude;
        const char* description;
    } kCases[] = {
        {"IC 5370", 0, 0.025, 32.75, "Andromeda", 0.7f / 60.0f, 15.0f, "pB, S, R, stell N"},
        {"IC 5371", 12, 0.05, 32.81667, "Andromeda", -1000.0f, 9999.0f, "F, vS, *15 att"},
        {"NGC  224", 0, 10.675, 41.26667, "Andromeda", 178.0f / 60.0f, 3.5f,
         "!!! eeB, eL, vmE (Andromeda); = M31"},
        {"IC 5369", 12, 359.95, 32.68333, "Andromeda", -1000.0f, 9999.0f, "F, S, R, N"},
    };
    for (const auto& c : kCases) {
        const DeepSkyObject& o = Object(c.designation);
        EXPECT_EQ(o.Type(), c.type) << c.designation;
        EXPECT_NEAR(o.Position().longitude, c.ra, 1e-5) << c.designation;
        EXPECT_NEAR(o.Position().latitude, c.dec, 1e-5) << c.designation;
        EXPECT_EQ(Utf8(o.Constellation()->GetPlainName()), c.constellation) << c.designation;
        EXPECT_FLOAT_EQ(o.Size(), c.size) << c.designation;
        EXPECT_FLOAT_EQ(o.Magnitude(), c.magnitude) << c.designation;
        EXPECT_EQ(Utf8(o.Description()), c.description) << c.designation;
    }
    EXPECT_EQ(Utf8(DeepSkyTypeAt(Object("IC 5371").Type()).catalogueCode), "");
}

// Lookups are exact and case-sensitive in every system; M40 has no pair.
TEST_F(DeepSkyCatalogueTest, FindsObjectsByExactNameInEachSystem) {
    const struct {
        const char* name;
        int system;
        const char* found;
    } kCases[] = {
        {"NGC  224", kDeepSkyNgcIc, "NGC  224"}, {"NGC 224", kDeepSkyNgcIc, ""},
        {"IC  342", kDeepSkyNgcIc, "IC  342"},   {"M031", kDeepSkyMessier, "NGC  224"},
        {"M31", kDeepSkyMessier, ""},            {"m031", kDeepSkyMessier, ""},
        {"M040", kDeepSkyMessier, ""},           {"M045", kDeepSkyMessier, "NGC 1435"},
        {"M102", kDeepSkyMessier, "NGC 5866"},   {"C005", kDeepSkyCaldwell, "IC  342"},
        {"C009", kDeepSkyCaldwell, ""},          {"H001", kDeepSkyHerschel400, "NGC   40"},
        {"H129", kDeepSkyHerschel400, "NGC 2903"}, {"H400", kDeepSkyHerschel400, "NGC 7814"},
        {"Orion Nebula", kDeepSkyProperName, "NGC 1976"},
        {"orion nebula", kDeepSkyProperName, ""},
        {"M031", kDeepSkyNgcIc, ""},
    };
    for (const auto& c : kCases) EXPECT_EQ(Find(c.name, c.system), c.found) << c.name;
}

// M38 and the Starfish Cluster are NGC 1912 (NGC 1922 lies in the Large
// Magellanic Cloud); Hind's nebula is NGC 1555; the gulf is spelt right.
TEST_F(DeepSkyCatalogueTest, MisattributedNamesPointAtTheRightObjects) {
    const struct {
        const char* name;
        int system;
        const char* found;
    } kCases[] = {
        {"M038", kDeepSkyMessier, "NGC 1912"},
        {"Starfish Cluster", kDeepSkyProperName, "NGC 1912"},
        {"Hind's Variable Nebula", kDeepSkyProperName, "NGC 1555"},
        {"Struve's Lost Nebula", kDeepSkyProperName, "NGC 1554"},
        {"Gulf of Mexico", kDeepSkyProperName, "NGC 7000"},
        {"Golf of Mexico", kDeepSkyProperName, ""},
    };
    for (const auto& c : kCases) EXPECT_EQ(Find(c.name, c.system), c.found) << c.name;
    EXPECT_TRUE(Names("NGC 1922", kDeepSkyProperName).empty());
}

TEST_F(DeepSkyCatalogueTest, NamesOfOneObjectAndItsFullName) {
    using Strings = std::vector<std::string>;
    EXPECT_EQ(Names("NGC 4038", kDeepSkyProperName),
              (Strings{"Antenna Galaxy 1/2", "Ring Tail Galaxy 1/2"}));
    EXPECT_EQ(Names("NGC 4038", kDeepSkyCaldwell), Strings{"C060"});
    EXPECT_EQ(Names("NGC 4038", kDeepSkyMessier), Strings{});
    EXPECT_EQ(Names("NGC 4038", kDeepSkyNgcIc), Strings{"NGC 4038"});
    const struct {
        const char* designation;
        const char* fullName;
    } kFullNames[] = {
        {"NGC 1976", "NGC 1976 (M042, Orion A, Orion Nebula, Trapezium Cluster)"},
        {"NGC  224", "NGC  224 (M031, Andromeda Galaxy)"},
        {"NGC 4038", "NGC 4038 (C060, H204, Antenna Galaxy 1/2, Ring Tail Galaxy 1/2)"},
        {"NGC   40", "NGC   40 (C002, H001)"},
        {"IC 5370", "IC 5370"},
    };
    for (const auto& c : kFullNames) {
        String full;
        Object(c.designation).CelestialObjectFullName(full);
        EXPECT_EQ(Utf8(full), c.fullName);
    }
}

TEST_F(DeepSkyCatalogueTest, ANegativeCursorIsTheEnd) {
    int cursor = -5;
    EXPECT_EQ(Object("NGC 1976").CelestialObjectNextName(cursor, System(kDeepSkyProperName)), nullptr);
    EXPECT_EQ(cursor, kCursorEnd);
    cursor = -2;
    const CelestialObject* object = &Object("NGC 1976");
    EXPECT_EQ(Catalogue().CatalogueNextNamed(cursor, System(kDeepSkyMessier), &object), nullptr);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(cursor, kCursorEnd);
}

// Proper names run in the order of their objects' designations, IC first.
TEST_F(DeepSkyCatalogueTest, ListsEverySystemAcrossTheCatalogue) {
    const struct {
        int system;
        int count;
        std::vector<std::string> first, last;
    } kCases[] = {
        {kDeepSkyProperName, 235,
         {"Gamma Cassiopeiae Nebula", "Spirograph Nebula", "Papillon"},
         {"Cassiopeia Salt-and-Pepper", "October Salt-and-Pepper", "Blue Snowball"}},
        {kDeepSkyMessier, 109, {"M001", "M002", "M003"}, {"M108", "M109", "M110"}},
        {kDeepSkyCaldwell, 106, {"C001", "C002", "C003"}, {"C107", "C108", "C109"}},
        {kDeepSkyHerschel400, 400, {"H001", "H002", "H003"}, {"H398", "H399", "H400"}},
        {kDeepSkyNgcIc, 13226, {"IC 5370", "IC 5371", "NGC 7801"}, {"NGC 7800", "NGC 7807", "IC 5369"}},
    };
    for (const auto& c : kCases) {
        std::vector<std::string> names;
        int cursor = 0;
        const CelestialObject* object = nullptr;
        for (const Char* n = Catalogue().CatalogueFirstNamed(cursor, System(c.system), &object); n;
             n = Catalogue().CatalogueNextNamed(cursor, System(c.system), &object)) {
            ASSERT_NE(object, nullptr) << Utf8(n);
            names.push_back(Utf8(n));
        }
        ASSERT_EQ(static_cast<int>(names.size()), c.count) << c.system;
        EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 3), c.first);
        EXPECT_EQ(std::vector<std::string>(names.end() - 3, names.end()), c.last);
    }
}

// Every pair of the three lists names an object of the catalogue, and the
// two directions of each list agree.
TEST_F(DeepSkyCatalogueTest, EveryListPositionResolvesBothWays) {
    const DeepSkyDesignations& d = Catalogue().Designations();
    const struct {
        DeepSkyList list;
        int count;
    } kLists[] = {{kCaldwellList, 106}, {kHerschel400List, 400}, {kMessierList, 109}};
    for (const auto& l : kLists) {
        ASSERT_EQ(d.ListCount(l.list), l.count);
        for (int p = 0; p < l.count; ++p) {
            const int object = d.ObjectAtPosition(l.list, p);
            ASSERT_GE(object, 0) << Utf8(d.DesignationAt(l.list, p));
            EXPECT_EQ(d.DesignationOfObject(l.list, object), p);
            EXPECT_EQ(d.FindDesignationByTarget(l.list, Catalogue().At(object)->GetPlainName()), p);
        }
        EXPECT_EQ(d.ObjectAtPosition(l.list, l.count), -1);
        EXPECT_EQ(d.DesignationAt(l.list, -1), nullptr);
    }
    EXPECT_EQ(d.DesignationOfObject(kMessierList, Object("IC 5370").Number()), -1);
}

// Each of the 235 proper names finds the object that lists it.
TEST_F(DeepSkyCatalogueTest, EveryProperNameFindsItsObject) {
    int cursor = 0;
    const CelestialObject* object = nullptr;
    int names = 0;
    for (const Char* n = Catalogue().CatalogueFirstNamed(cursor, System(kDeepSkyProperName), &object);
         n; n = Catalogue().CatalogueNextNamed(cursor, System(kDeepSkyProperName), &object)) {
        EXPECT_EQ(Catalogue().CatalogueFindObject(n, System(kDeepSkyProperName)), object) << Utf8(n);
        ++names;
    }
    EXPECT_EQ(names, 235);
}

TEST(DeepSkyTypes, TableIsInCodeOrder) {
    for (int code = 0; code < kDeepSkyTypeCount; ++code) EXPECT_EQ(DeepSkyTypeNames()[code].code, code);
    EXPECT_EQ(Utf8(DeepSkyTypeAt(kKnot).description),
              "Knot  or  nebulous  region  in  an  external galaxy");
    EXPECT_EQ(Utf8(DeepSkyTypeAt(kNonexistent).description).rfind("Object called nonexistent in the RNGC (", 0), 0u);
    EXPECT_EQ(DeepSkyTypeAt(kDeepSkyTypeCount).code, -1);
}

}  // namespace
}  // namespace corvinata
