#include "app/body_tree.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/catalogues.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Utf8;

const CelestialObject* FirstConstellation() {
    return CatalogueByType(kBodyConstellation)->CatalogueGetObjectAt(0);
}

class BodyTreeTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(catalogues_.Created()); }

    static int ItemNamed(const BodyTree& tree, const char* text) {
        for (int i = 0; i < static_cast<int>(tree.Items().size()); ++i)
            if (Utf8(tree.Items()[i].text) == text) return i;
        return -1;
    }
    static std::string ParentOf(const BodyTree& tree, const char* text) {
        const int parent = tree.Items()[ItemNamed(tree, text)].parent;
        return parent < 0 ? "" : Utf8(tree.Items()[parent].text);
    }

    test::ScopedCatalogues catalogues_;
};

TEST_F(BodyTreeTest, MoonUnderTheEarthOnlyWhenTheEarthIsShown) {
    const BodyTree withEarth(true, true);
    EXPECT_EQ(ParentOf(withEarth, "Moon"), "Earth");
    EXPECT_EQ(ParentOf(withEarth, "Earth"), "Sun");
    EXPECT_EQ(ParentOf(withEarth, "Io"), "Jupiter");
    EXPECT_EQ(ParentOf(withEarth, "Titan"), "Saturn");
    EXPECT_EQ(ParentOf(withEarth, "Mars"), "Planet");
    for (const char* top : {"Solar system", "Constellation", "Star", "Deep Sky Object"})
        EXPECT_EQ(ParentOf(withEarth, top), "") << top;

    const BodyTree findInSky(false, false);
    EXPECT_EQ(ItemNamed(findInSky, "Earth"), -1);
    EXPECT_EQ(ItemNamed(findInSky, "Io"), -1);
    EXPECT_EQ(ParentOf(findInSky, "Moon"), "Sun");
}

TEST_F(BodyTreeTest, WhatOkAndADoubleClickTake) {
    const BodyTree tree(true, true);
    const struct { const char* item; bool accept; bool doubleClick; int type; bool byName; } cases[] = {
        {"Solar system", false, false, kBodyOther, false},
        {"Planet", false, false, kBodyPlanet, false},   // a group with children
        {"Mars", true, true, kBodyPlanet, false},
        {"Jupiter", true, false, kBodyPlanet, false},   // has its satellites below
        {"Titan", true, true, kBodySaturnSatellite, false},
        {"Constellation", true, false, kBodyConstellation, true},
        {"Star", true, false, kBodyStar, true},
        {"Deep Sky Object", true, false, kBodyDeepSky, true},
    };
    for (const auto& c : cases) {
        const int item = ItemNamed(tree, c.item);
        ASSERT_GE(item, 0) << c.item;
        EXPECT_EQ(tree.ChosenByName(item), c.byName) << c.item;
        EXPECT_EQ(tree.MayAccept(item), c.accept) << c.item;
        EXPECT_EQ(tree.ChosenByDoubleClick(item), c.doubleClick) << c.item;
        EXPECT_EQ(tree.TypeOf(item), c.type) << c.item;
    }
    EXPECT_EQ(tree.FindItem(PlanetByNumber(3)), ItemNamed(tree, "Mars"));
}

TEST_F(BodyTreeTest, EveryNameSystemListsItsNamesSortedAndChoosesTheSameBody) {
    const std::vector<const NameSystem*> systems = NameSystemsOfType(kBodyConstellation);
    ASSERT_EQ(systems.size(), 2u);
    EXPECT_TRUE(NameSystemsOfType(kBodyPlanet).empty());
    const BodyTree tree(false, false);
    const int item = tree.FindItem(FirstConstellation());
    const CelestialObject* chosen[2] = {};
    for (int s = 0; s < 2; ++s) {
        const std::vector<BodyName> names = NamesInSystem(kBodyConstellation, systems[s]);
        ASSERT_EQ(names.size(), 88u);
        for (std::size_t i = 1; i < names.size(); ++i)
            EXPECT_LT(Utf8(names[i - 1].name), Utf8(names[i].name)) << i;
        const auto first = std::find_if(names.begin(), names.end(), [](const BodyName& n) {
            return n.object == FirstConstellation();
        });
        ASSERT_NE(first, names.end());
        const BodyIdentifier selection = BuildBodySelection(tree, item, systems[s], &*first);
        EXPECT_EQ(selection.nameSystem, systems[s]);
        EXPECT_EQ(Utf8(selection.name), Utf8(first->name));
        chosen[s] = selection.object;
    }
    EXPECT_EQ(chosen[0], chosen[1]);
}

TEST_F(BodyTreeTest, EveryLargeCatalogueListsNamesInEachOfItsSystems) {
    for (int type : {kBodyStar, kBodyConstellation, kBodyDeepSky}) {
        const std::vector<const NameSystem*> systems = NameSystemsOfType(type);
        ASSERT_FALSE(systems.empty()) << type;
        for (const NameSystem* system : systems)
            EXPECT_FALSE(NamesInSystem(type, system).empty()) << type << " " << Utf8(system->Name());
    }
}

TEST_F(BodyTreeTest, DefaultChoiceIsTheFirstObjectByItsKeyName) {
    const BodyIdentifier first = DefaultBodyIdentifier();
    ASSERT_NE(first.object, nullptr);
    EXPECT_EQ(first.object->GetTypeId(), kBodySun);
    EXPECT_EQ(Utf8(first.name), Utf8(ObjectKeyName(*first.object)));
}

}  // namespace
}  // namespace corvinata
