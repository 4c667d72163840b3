#include "catalog/constellation_figures.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalog/star_catalogue.h"
#include "support/catalogues.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Utf8;
using test::Wide;

class ConstellationFiguresTest : public testing::Test {
protected:
    // The segments of a constellation as "HR-HR" ("HR" alone for a single star).
    std::vector<std::string> Segments(const char* abbreviation) const {
        std::vector<std::string> result;
        const ConstellationObject* c = FindConstellationByAbbreviation(Wide(abbreviation).c_str());
        for (const FigureSegment& s : c->FigureSegments()) result.push_back(Text(s));
        return result;
    }
    static std::string Hr(int star) { return Utf8(GetStarCatalogue().At(star)->GetPlainName()).substr(4); }
    static std::string Text(const FigureSegment& s) {
        return s.to < 0 ? Hr(s.from) : Hr(s.from) + "-" + Hr(s.to);
    }

    test::ScopedCatalogues catalogues_;
};

TEST_F(ConstellationFiguresTest, CygnusIsTwoPolylines) {
    ASSERT_TRUE(catalogues_.Created());
    // alpha-gamma-eta-beta; kappa-HR 7420-delta-gamma-epsilon-zeta, beta
    // being the bright beta-1.
    EXPECT_EQ(Segments("Cyg"), (std::vector<std::string>{"7924-7796", "7796-7615", "7615-7417",
                                                          "7328-7420", "7420-7528", "7528-7796",
                                                          "7796-7949", "7949-8115"}));
}

TEST_F(ConstellationFiguresTest, LettersNameTheBrightestStarOfAPair) {
    // Alpha Centauri is alpha-1; delta Orionis is Mintaka, not its 6.9
    // magnitude companion listed before it.
    EXPECT_EQ(Segments("Cen").front(), "5459-5267");
    EXPECT_EQ(Segments("Ori")[0], "1713-1852");
    EXPECT_EQ(Segments("CVn"), std::vector<std::string>{"4915-4785"});
}

TEST_F(ConstellationFiguresTest, AllFiguresGiveTheirSegments) {
    int segments = 0;
    for (int c = 0; c < kConstellationCount; ++c) {
        const auto& figure = GetConstellationCatalogue().At(c)->FigureSegments();
        EXPECT_FALSE(figure.empty()) << c;
        segments += static_cast<int>(figure.size());
    }
    EXPECT_EQ(segments, 560);
}

TEST_F(ConstellationFiguresTest, ARecordThatCannotBeResolvedStopsTheParse) {
    const struct {
        const char* text;
        bool read;
        int segments;
    } kCases[] = {
        {"ori: Alpha Beta Gamma.", true, 2},   {"Ori: Alpha; Beta.", true, 2},
        {"Ori: Alpha 9999.", false, 1},        {"Xyz: Alpha.", false, 0},
        {"Ori: Alfa Beta.", false, 0},         {"Ori: Alpha Beta", false, 1},
        {"Ori: Alpha 1713.Lyr: 9999.", false, 1}, {"Ori Alpha.", false, 0},
    };
    for (const auto& c : kCases) {
        ConstellationFigures figures;
        EXPECT_EQ(ParseConstellationFigures(Wide(c.text).c_str(), GetStarCatalogue(), figures), c.read)
            << c.text;
        int segments = 0;
        for (const auto& f : figures) segments += static_cast<int>(f.size());
        EXPECT_EQ(segments, c.segments) << c.text;
    }
}

}  // namespace
}  // namespace corvinata
