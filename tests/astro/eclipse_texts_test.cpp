#include "astro/eclipse_texts.h"

#include <gtest/gtest.h>

#include <string>

#include "base/wide_string.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Utf8;

TEST(EclipseTypeName, NamesEveryTypeWithTheFirstLetterAsAsked) {
    const char* const names[] = {"Partial",          "Central annular",   "Central total",
                                 "Non-central annular", "Non-central total", "Annular-total",
                                 "None"};
    for (int type = kPartialEclipse; type <= kNoEclipse; ++type) {
        String upper;
        String lower;
        EclipseTypeName(static_cast<EclipseType>(type), true, upper);
        EclipseTypeName(static_cast<EclipseType>(type), false, lower);
        std::string expected = names[type];
        EXPECT_EQ(Utf8(upper), expected);
        expected[0] = static_cast<char>(expected[0] - 'A' + 'a');
        EXPECT_EQ(Utf8(lower), expected);
    }
}

TEST(EclipseTypeName, ValueOutsideTheTypesIsNamedNone) {
    String name(TXT("old text"));
    EclipseTypeName(static_cast<EclipseType>(7), true, name);
    EXPECT_EQ(Utf8(name), "None");
    EclipseTypeName(static_cast<EclipseType>(-1), false, name);
    EXPECT_EQ(Utf8(name), "none");
}

TEST(EclipseCentralKind, MapsTypesToKindsAndNamesThem) {
    struct Case {
        EclipseType type;
        CentralKind kind;
        const char* name;
    };
    const Case cases[] = {
        {kPartialEclipse, kNoCentralPoint, "Invalid"},
        {kCentralAnnularEclipse, kCentralAnnular, "Annular"},
        {kCentralTotalEclipse, kCentralTotal, "Total"},
        {kNonCentralAnnularEclipse, kNoCentralPoint, "Invalid"},
        {kNonCentralTotalEclipse, kNoCentralPoint, "Invalid"},
        {kAnnularTotalEclipse, kCentralAnnularTotal, "None"},
        {kNoEclipse, kNoCentralPoint, "Invalid"},
        {static_cast<EclipseType>(9), kNoCentralPoint, "Invalid"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EclipseCentralKind(c.type), c.kind) << c.type;
        String name;
        CentralKindName(EclipseCentralKind(c.type), true, name);
        EXPECT_EQ(Utf8(name), c.name);
    }
    String lower;
    CentralKindName(kCentralTotal, false, lower);
    EXPECT_EQ(Utf8(lower), "total");
}

struct PercentCase {
    const Char* text;
    bool accepted;
    double value;
};

void PrintTo(const PercentCase& c, std::ostream* os) {
    *os << '"';
    for (const Char* p = c.text; *p; ++p) *os << static_cast<char>(*p);
    *os << '"';
}

class ParsePercentageTable : public testing::TestWithParam<PercentCase> {};

TEST_P(ParsePercentageTable, AcceptsOnlyANumberFrom0To100WithAnAdjacentSign) {
    const PercentCase& c = GetParam();
    double value = -123.0;
    EXPECT_EQ(ParsePercentage(c.text, value), c.accepted);
    EXPECT_EQ(value, c.accepted ? c.value : -123.0);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParsePercentageTable,
    testing::Values(PercentCase{TXT("50"), true, 50.0}, PercentCase{TXT("0"), true, 0.0},
                    PercentCase{TXT("50%"), true, 50.0}, PercentCase{TXT("  50%  "), true, 50.0},
                    PercentCase{TXT("\t12.5"), true, 12.5}, PercentCase{TXT("100%"), true, 100.0},
                    PercentCase{TXT("50 %"), false, 0.0}, PercentCase{TXT("50 "), false, 0.0},
                    PercentCase{TXT("-1"), false, 0.0}, PercentCase{TXT("100.5"), false, 0.0},
                    PercentCase{TXT(""), false, 0.0}, PercentCase{TXT("%"), false, 0.0},
                    PercentCase{TXT("50%%"), false, 0.0}, PercentCase{TXT("50x"), false, 0.0},
                    PercentCase{TXT("5e1%"), true, 50.0}));

TEST(FormatPercentage, WritesDashesOnlyForTheMissingValue) {
    String text;
    FormatPercentage(-1.0, 1, text);
    EXPECT_EQ(Utf8(text), "--%");
    FormatPercentage(-0.999, 3, text);
    EXPECT_EQ(Utf8(text), "-0.999%");
    FormatPercentage(98.765, 1, text);
    EXPECT_EQ(Utf8(text), "98.8%");
    FormatPercentage(100.0, 0, text);
    EXPECT_EQ(Utf8(text), "100%");
}

TEST(FormatPercentage, ReadsBackWhatItWrites) {
    for (double value : {0.0, 0.25, 33.3, 99.99, 100.0}) {
        String text;
        FormatPercentage(value, 2, text);
        double back = -1.0;
        ASSERT_TRUE(ParsePercentage(text.Text(), back)) << Utf8(text);
        EXPECT_NEAR(back, value, 0.005);
    }
}

}  // namespace
}  // namespace corvinata
