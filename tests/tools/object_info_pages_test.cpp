#include "tools/object_info_pages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "catalog/catalogue_registry.h"
#include "catalog/celestial_object.h"
#include "catalog/constellation_catalogue.h"
#include "catalog/deep_sky_catalogue.h"
#include "catalog/name_systems.h"
#include "catalog/star_catalogue.h"
#include "base/angle_value.h"
#include "base/greek_letters.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Utf8;
using test::Wide;

TEST(ObjectInfoDeepSkyPage, TypeStoredTextAndEnglishOrTheParsersRefusal) {
    // The catalogues come from the test program's environment.
    const DeepSkyCatalogue& catalogue = GetDeepSkyCatalogue();
    struct Case {
        const char* designation;
        const char* stored;
        const char* english;
    };
    // The English is the writer's own wording of the position angle.
    const Case cases[] = {
        {"NGC 4594", "!, vB, vL, eE 92deg , vsmbMN; = M104",
         "Remarkable; very bright; very large; extremely extended in position angle 92\u00B0; very suddenly much brighter in "
         "the middle; nucleus present; identical to M104"},
        {"NGC 7000", "F, eeL, dif nebulosity", "Unable to parse the Dreyer description."},
        {"NGC 3372", nullptr, "Unable to parse the Dreyer description."},
    };
    for (const Case& c : cases) {
        const int index = catalogue.Designations().FindByName(Wide(c.designation).c_str(), kDeepSkyNgcIc);
        ASSERT_GE(index, 0) << c.designation;
        const DeepSkyObject& object = *catalogue.At(index);
        const DeepSkyInfoTexts texts = DeepSkyInfoPageTexts(object);
        EXPECT_FALSE(texts.type.IsEmpty()) << c.designation;
        EXPECT_EQ(Utf8(texts.stored), Utf8(object.Description())) << c.designation;
        if (c.stored) {
            EXPECT_EQ(Utf8(texts.stored), c.stored);
        }
        EXPECT_EQ(Utf8(texts.description), c.english) << c.designation;
    }
}

std::string TextOf(const ObjectInfoPageContent& content, int control) {
    for (const ObjectInfoPageText& value : content.values) {
        if (value.control == control) return Utf8(value.text);
    }
    return "(none)";
}

TEST(ObjectInfoDataPages, FieldsAreWrittenWithTheirDecimals) {
    struct Case {
        int kind;
        int number;
        ObjectInfoPage page;
        int control;
        const char* text;
    };
    // Fixed decimals keep their zeros (the Sun's radius); "up to" decimals
    // drop them and a bare point (Saturn's density 0.700, Pluto's mass
    // 1.500 and escape velocity 0.000).
    const Case cases[] = {
        {kBodySun, 0, ObjectInfoPage::kPhysicalSun, 20691, "6.960"},
        {kBodySun, 0, ObjectInfoPage::kPhysicalSun, 20677, "1.989"},
        {kBodySun, 0, ObjectInfoPage::kPhysicalSun, 20680, "1.409"},
        {kBodySun, 0, ObjectInfoPage::kPhysicalSun, 20672, "617.7"},
        {kBodySun, 0, ObjectInfoPage::kOrbitalSun, 20692, "1.495985"},
        {kBodySun, 0, ObjectInfoPage::kOrbitalSun, 20669, "0.016718"},
        {kBodyPlanet, 0, ObjectInfoPage::kPhysicalPlanet, 20677, "33.02"},
        {kBodyPlanet, 2, ObjectInfoPage::kPhysicalPlanet, 20694, "0.151"},
        {kBodyPlanet, 4, ObjectInfoPage::kPhysicalPlanet, 20680, "0.7"},
        {kBodyPlanet, 7, ObjectInfoPage::kPhysicalPlanet, 20677, "1.5"},
        {kBodyPlanet, 7, ObjectInfoPage::kPhysicalPlanet, 20672, "0"},
        {kBodyPlanet, 2, ObjectInfoPage::kPhysicalPlanet, 20686, "2"},
        {kBodyPlanet, 3, ObjectInfoPage::kOrbitalPlanet, 20689, "11.862"},
        {kBodyMoon, 0, ObjectInfoPage::kOrbitalMoon, 20692, "384401"},
        {kBodyEarth, 0, ObjectInfoPage::kOrbitalEarth, 20689, "1.00004"},
        {kBodyJupiterSatellite, 0, ObjectInfoPage::kPhysicalJupiterMoon, 20691, "3642"},
    };
    for (const Case& c : cases) {
        const CelestialObject* body = GetCatalogueObject(c.kind, c.number);
        ASSERT_NE(body, nullptr) << c.kind;
        const ObjectInfoPageContent content = ObjectInfoPageTexts(c.page, *body, {kAngleDecimal, 1});
        EXPECT_EQ(TextOf(content, c.control), c.text) << c.kind << " " << c.control;
    }
}

TEST(ObjectInfoDataPages, SymbolEntriesAreTheFontsCodes) {
    struct Case {
        int entry;
        unsigned code;
    };
    // Small epsilon and pi, capital Theta and Omega, subscript 0 and g, the
    // variant pi, the superscript digits and minus.
    const Case cases[] = {{0, 0xE5},  {10, 0xEF}, {15, 0xD0}, {26, 0xDB}, {42, 0xBB}, {58, 0xCB}, {62, 0xFE},
                          {63, 0xAF}, {64, 0xFF}, {65, 0xF2}, {74, 0xFB}, {76, 0xFD}, {77, 0},    {-1, 0}};
    for (const Case& c : cases) EXPECT_EQ(static_cast<unsigned>(SymbolFontCode(c.entry)), c.code) << c.entry;
}

TEST(ObjectInfoDataPages, TheConstellationListsItsStarsInTabbedLines) {
    const CelestialObject* lyra = FindObjectOfTypeByName(kBodyConstellation, TXT("Lyra"));
    ASSERT_NE(lyra, nullptr);
    const auto& constellation = dynamic_cast<const ConstellationObject&>(*lyra);
    const ObjectInfoPageContent content =
        ObjectInfoPageTexts(ObjectInfoPage::kPhysicalConstellation, constellation, {kAngleDecimal, 1});
    EXPECT_EQ(TextOf(content, 20500), "Lyr");
    EXPECT_EQ(TextOf(content, 20662), "Lyrae");
    ASSERT_EQ(content.starLines.size(), constellation.Stars().size());
    EXPECT_EQ(TextOf(content, 20693), std::to_string(constellation.Stars().size()));
    bool vega = false;
    bool plain = false;
    bool superscript = false;
    for (std::size_t i = 0; i < content.starLines.size(); ++i) {
        const std::string line = Utf8(content.starLines[i]);
        EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 4) << line;
        const auto& star = *GetStarCatalogue().At(static_cast<int>(constellation.Stars()[i]));
        if (star.BayerLetter() < 0) {
            plain = true;
            EXPECT_EQ(line[0], '\t') << line;
        } else if (star.Superscript() > 0) {
            superscript = true;
            EXPECT_EQ(line.substr(0, line.find('\t')),
                      Utf8(GetGreekLetterName(star.BayerLetter())) + std::to_string(star.Superscript()));
        }
        if (line.rfind("Alpha\t", 0) == 0) {
            vega = true;
            EXPECT_NE(line.find("\t0.03\t"), std::string::npos) << line;
        }
    }
    EXPECT_TRUE(vega);
    EXPECT_TRUE(plain);
    EXPECT_TRUE(superscript);
}

}  // namespace
}  // namespace corvinata
