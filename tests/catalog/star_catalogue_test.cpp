#include "catalog/star_catalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalog/body_types.h"
#include "catalog/name_systems.h"
#include "catalog/star_texts.h"
#include "support/catalogues.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Utf8;
using test::Wide;

class StarCatalogueTest : public testing::Test {
protected:
    const StarCatalogue& Stars() const { return GetStarCatalogue(); }
    const NameSystem* System(int id) const {
        return GetBodyType(kBodyStar)->NameSystems()->FindById(id);
    }
    // The catalogue name of the star found by a name, "" for none.
    std::string Find(const char* name, int system) const {
        const CelestialObject* found = Stars().CatalogueFindObject(Wide(name).c_str(), System(system));
        return found ? Utf8(found->GetPlainName()) : "";
    }
    const BrightStar& Star(const char* bscName) const {
        return *Stars().At(Stars().StarByCatalogueName(Wide(bscName).c_str()));
    }

    test::ScopedCatalogues catalogues_;
};

TEST_F(StarCatalogueTest, HoldsEveryStarAndSkipsTheOtherEntries) {
    ASSERT_TRUE(catalogues_.Created());
    ASSERT_EQ(Stars().CatalogueGetCount(), 9096);
    EXPECT_EQ(Utf8(Stars().At(0)->GetPlainName()), "BSC 0001");
    EXPECT_EQ(Utf8(Stars().At(90)->GetPlainName()), "BSC 0091");
    EXPECT_EQ(Utf8(Stars().At(91)->GetPlainName()), "BSC 0093");
    EXPECT_EQ(Utf8(Stars().At(9095)->GetPlainName()), "BSC 9110");
    const BrightStar& polaris = Star("BSC 0424");
    EXPECT_EQ(polaris.BayerLetter(), 0);
    EXPECT_NEAR(polaris.RightAscension(), 37.95292, 1e-5);
    EXPECT_NEAR(polaris.Declination(), 89.26417, 1e-5);
    EXPECT_NEAR(polaris.Magnitude(), 2.02, 1e-6);
    EXPECT_EQ(Utf8(StarConstellation(polaris)->GetPlainName()), "Ursa Minor");
    EXPECT_EQ(Utf8(StarConstellation(Star("BSC 0003"))->Names().abbreviation), "Psc");
}

// Every star lands in one constellation, which lists it in catalogue order.
TEST_F(StarCatalogueTest, EveryConstellationListsItsStars) {
    int listed = 0;
    for (int c = 0; c < kConstellationCount; ++c) {
        int previous = -1;
        for (std::uint32_t index : GetConstellationCatalogue().At(c)->Stars()) {
            EXPECT_EQ(Stars().At(static_cast<int>(index))->ConstellationNumber(), c);
            EXPECT_GT(static_cast<int>(index), previous);
            previous = static_cast<int>(index);
            ++listed;
        }
    }
    EXPECT_EQ(listed, 9096);
}

TEST_F(StarCatalogueTest, FindsStarsByExactName) {
    const struct {
        const char* name;
        int system;
        const char* found;
    } kCases[] = {
        {"BSC 0424", kStarBsc5, "BSC 0424"}, {"BSC 424", kStarBsc5, ""},
        {"BSC 0092", kStarBsc5, ""},         {"bsc 0424", kStarBsc5, ""},
        {"BSC 04245", kStarBsc5, ""},        {"Polaris", kStarProperName, "BSC 0424"},
        {"polaris", kStarProperName, ""},    {"Nath", kStarProperName, "BSC 1791"},
        {"Elnath", kStarProperName, ""},     {"Alkaid", kStarProperName, ""},
        {"Benetnasch (Alkaid)", kStarProperName, "BSC 5191"},
        // The first and the last record of the name text.
        {"Acamar", kStarProperName, "BSC 0897"},
        {"Zuben el Hakrabi", kStarProperName, "BSC 5787"},
        {"Rigil Kentaurus", kStarProperName, ""},
        {"Toliman", kStarProperName, "BSC 5459"},
    };
    for (const auto& c : kCases) EXPECT_EQ(Find(c.name, c.system), c.found) << c.name;
}

// Names given to the wrong stars, and names that went to the faint member
// of a pair listed first.
TEST_F(StarCatalogueTest, ProperNamesGoToTheRightStars) {
    const struct {
        const char* name;
        const char* star;
    } kCases[] = {
        {"Sargas", "BSC 6553"},      {"Dschubba", "BSC 5953"},   {"Rukbat", "BSC 7348"},
        {"Alkes", "BSC 4287"},       {"Kornephoros", "BSC 6148"}, {"Mintaka", "BSC 1852"},
        {"Cor Caroli", "BSC 4915"},  {"Nash", "BSC 6746"},
    };
    for (const auto& c : kCases) EXPECT_EQ(Find(c.name, kStarProperName), c.star) << c.name;
    EXPECT_EQ(Utf8(Stars().ProperNames().NameOf(Stars().StarByCatalogueName(TXT("BSC 7479")))), "");
}

TEST_F(StarCatalogueTest, NamesOfAStarAndAcrossTheCatalogue) {
    int cursor = 0;
    const BrightStar& plain = Star("BSC 0001");
    EXPECT_EQ(Utf8(plain.CelestialObjectFirstName(cursor, System(kStarProperName))), "");
    EXPECT_EQ(plain.CelestialObjectNextName(cursor, System(kStarProperName)), nullptr);
    EXPECT_EQ(cursor, kCursorEnd);
    String full;
    Star("BSC 0424").CelestialObjectFullName(full);
    EXPECT_EQ(Utf8(full), "BSC 0424 (Polaris)");
    plain.CelestialObjectFullName(full);
    EXPECT_EQ(Utf8(full), "BSC 0001");

    std::vector<std::string> names;
    const CelestialObject* star = nullptr;
    for (const Char* n = Stars().CatalogueFirstNamed(cursor, System(kStarProperName), &star); n;
         n = Stars().CatalogueNextNamed(cursor, System(kStarProperName), &star)) {
        names.push_back(Utf8(n) + " " + Utf8(star->GetPlainName()));
    }
    ASSERT_EQ(names.size(), 200u);
    EXPECT_EQ(names[0], "Sirrah BSC 0015");
    EXPECT_EQ(names[1], "Caph BSC 0021");
    EXPECT_EQ(names[2], "Algenib BSC 0039");
    EXPECT_EQ(names[199], "Errai BSC 8974");
    EXPECT_EQ(star, nullptr);
    EXPECT_EQ(cursor, kCursorEnd);
}

TEST_F(StarCatalogueTest, PrincipalStarIsTheBrightestWithTheLetter) {
    const struct {
        const char* constellation;
        const char* star;
    } kCases[] = {{"Vel", "BSC 3485"}, {"Ori", "BSC 2061"}, {"CVn", "BSC 4915"}, {"Cen", "BSC 5459"}};
    for (const auto& c : kCases) {
        const int number = FindConstellationByAbbreviation(Wide(c.constellation).c_str())->Number();
        ASSERT_NE(ConstellationPrincipalStar(number), nullptr) << c.constellation;
        EXPECT_EQ(Utf8(ConstellationPrincipalStar(number)->GetPlainName()), c.star) << c.constellation;
    }
}

// A row without a constellation whose position lies outside the range of
// the zones still gets a constellation: the one of the position brought
// into range.
TEST_F(StarCatalogueTest, StarOutsideTheZonesGetsTheConstellationOfItsNormalisedPosition) {
    const struct {
        double ra, dec, sameAsRa, sameAsDec;
    } kCases[] = {{360.0, 10.0, 0.0, 10.0}, {-0.0001, 10.0, 359.9999, 10.0},
                  {720.5, -30.0, 0.5, -30.0}};
    for (const auto& c : kCases) {
        const BrightStarRecord odd{-1, 0, c.ra, c.dec, 5.0f, TXT("")};
        const BrightStarRecord same{-1, 0, c.sameAsRa, c.sameAsDec, 5.0f, TXT("")};
        const int constellation = ConstellationOfStarRecord(odd);
        EXPECT_GE(constellation, 0) << c.ra << " " << c.dec;
        EXPECT_LT(constellation, kConstellationCount);
        EXPECT_EQ(constellation, ConstellationOfStarRecord(same)) << c.ra << " " << c.dec;
    }
}

class RefusingDirectory : public StarDirectory {
public:
    int ConstellationByAbbreviation(const Char* a) const override { return TextEquals(a, TXT("Ori")) ? 59 : -1; }
    int BrightestStarWithLetter(int, int letter, int) const override { return letter == 0 ? 7 : -1; }
    int StarByCatalogueName(const Char*) const override { return -1; }
};

TEST(StarProperNamesText, StopsAtTheFirstRecordThatCannotBeResolved) {
    const struct {
        const char* text;
        bool loaded;
        int count;
    } kCases[] = {
        {"Alp,Ori,Betelgeuse.", true, 1},   {"Alp,Ori,A.Alp,Ori,B.", true, 1},
        {"Alp,Ori,A.Bet,Ori,B.", false, 1}, {"alp,Ori,A.", false, 0},
        {"Alp,Xyz,A.", false, 0},           {"Alp,Ori,unterminated", false, 0},
        {"", true, 0},
    };
    for (const auto& c : kCases) {
        StarProperNames names;
        EXPECT_EQ(names.Load(Wide(c.text).c_str(), RefusingDirectory(), 10), c.loaded) << c.text;
        EXPECT_EQ(names.Count(), c.count) << c.text;
    }
    StarProperNames names;
    names.Load(TXT("Alp,Ori,A.Alp,Ori,B."), RefusingDirectory(), 10);
    EXPECT_EQ(Utf8(names.NameOf(7)), "B");
    EXPECT_EQ(names.Find(TXT("A")), -1);
}

}  // namespace
}  // namespace corvinata
