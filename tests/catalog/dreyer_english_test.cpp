#include "catalog/dreyer_english.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "catalog/dreyer_keywords.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Utf8;

std::string English(const DreyerNode& node) {
    String text;
    DescribeDreyerNode(node, text);
    return Utf8(text);
}

CopiedPtr<DreyerNode> Child(const std::function<void(DreyerNode&)>& fill) {
    auto node = std::make_unique<DreyerNode>();
    fill(*node);
    return CopiedPtr<DreyerNode>(std::move(node));
}

struct WriterCase {
    const char* rule;
    std::function<void(DreyerNode&)> fill;
    const char* english;
};

class DreyerWriter : public testing::TestWithParam<WriterCase> {};

TEST_P(DreyerWriter, WritesThePhrase) {
    DreyerNode node;
    GetParam().fill(node);
    EXPECT_EQ(English(node), GetParam().english) << GetParam().rule;
}

INSTANTIATE_TEST_SUITE_P(
    Phrases, DreyerWriter,
    testing::Values(
        WriterCase{"empty node", [](DreyerNode&) {}, ""},
        WriterCase{"both words of a pair are set apart",
                   [](DreyerNode& n) { n.bright = n.faint = true; n.brightnessDegree = TXT("v"); },
                   "very bright faint"},
        WriterCase{"rich and poor",
                   [](DreyerNode& n) { n.poorInStars = n.richInStars = true; },
                   "poor in stars rich in stars"},
        WriterCase{"very gradually very little",
                   [](DreyerNode& n) { n.brightMiddle = 51; },
                   "very gradually very little brighter in the middle"},
        WriterCase{"*very* much extended has no trailing blank",
                   [](DreyerNode& n) { n.elongation = kDkVeryVeryMuchExtended; n.faint = true; },
                   "faint; *very* much extended"},
        WriterCase{"direction and extent",
                   [](DreyerNode& n) {
                       n.elongation = kDkExtended;
                       n.elongationDirection = kDkNpsf;
                       n.extentApproximate = true;
                       n.extentMinutes = 1.0;
                       n.extentSeconds = 30.0;
                   },
                   "extended north preceding, south following by about 1.0 minutes 30.0 seconds"},
        WriterCase{"between does not repeat stars",
                   [](DreyerNode& n) {
                       n.betweenCount = 2;
                       n.betweenStars = Child([](DreyerNode& s) { s.stars = true; s.starMagnitude = 13.0; });
                   },
                   "between 2 stars of magnitude 13.0"},
        WriterCase{"among with empty stars keeps one blank",
                   [](DreyerNode& n) { n.amongCount = 3; n.amongStars = Child([](DreyerNode&) {}); },
                   "among 3 stars"},
        WriterCase{"possible class",
                   [](DreyerNode& n) {
                       n.possibleClass = Child([](DreyerNode& c) { c.objectClass = kDkCluster; });
                   },
                   "possibly a \"cluster\""},
        WriterCase{"nucleus magnitude and doubtful nuclei",
                   [](DreyerNode& n) {
                       n.nucleus = true;
                       n.nucleusMagnitude = 12.25;
                       n.nucleusCount = 2;
                       n.nucleusCountDoubtful = true;
                   },
                   "possibly binuclear; nucleus magnitude 12.2"},
        WriterCase{"ordinal of a double nebula",
                   [](DreyerNode& n) { n.ordinal = 2; n.ordinalOfDoubleNebula = true; },
                   "2nd of a double nebula"},
        WriterCase{"stars with their range",
                   [](DreyerNode& n) {
                       n.stars = n.starsInvolved = true;
                       n.starMagnitude = 11.0;
                       n.starMagnitudeTo = 14.0;
                   },
                   "stars involved of magnitude 11.0 to 14.0"},
        WriterCase{"identity text folds its blanks",
                   [](DreyerNode& n) { n.identicalTo = TXT("IC  1557 "); },
                   "identical to IC 1557"},
        WriterCase{"values the parser cannot produce",
                   [](DreyerNode& n) {
                       n.remarkable = 3;
                       n.objectClass = kDkTwoStars;
                       n.brightnessDegree = TXT("x");
                       n.faint = true;
                       n.ordinalPosition = kDkNear;
                       n.ordinalOfCount = 0;
                   },
                   "(error); (error); (error) faint; (error) of (error)"}));

}  // namespace
}  // namespace corvinata
