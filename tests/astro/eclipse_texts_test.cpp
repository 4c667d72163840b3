#include "astro/eclipse_texts.h"

#include <gtest/gtest.h>

#include <string>

#include "base/wide_string.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Utf8;

String TypeName(int type, bool upper) {
    String name(TXT("old text"));
    EclipseTypeName(static_cast<EclipseType>(type), upper, name);
    return name;
}

TEST(EclipseTypeName, NamesTheTypeWithTheFirstLetterAsAskedAndOthersNone) {
    EXPECT_EQ(Utf8(TypeName(kPartialEclipse, true)), "Partial");
    EXPECT_EQ(Utf8(TypeName(kNonCentralAnnularEclipse, false)), "non-central annular");
    EXPECT_EQ(Utf8(TypeName(kAnnularTotalEclipse, true)), "Annular-total");
    EXPECT_EQ(Utf8(TypeName(kNoEclipse, true)), "None");
    EXPECT_EQ(Utf8(TypeName(7, true)), "None");
    EXPECT_EQ(Utf8(TypeName(-1, false)), "none");
}

TEST(EclipseCentralKind, MapsTypesToKindsAndNamesThem) {
    const struct {
        int type;
        CentralKind kind;
        const char* name;
    } cases[] = {
        {kPartialEclipse, kNoCentralPoint, "Invalid"},
        {kCentralAnnularEclipse, kCentralAnnular, "Annular"},
        {kCentralTotalEclipse, kCentralTotal, "Total"},
        {kNonCentralTotalEclipse, kNoCentralPoint, "Invalid"},
        {kAnnularTotalEclipse, kCentralAnnularTotal, "None"},
        {9, kNoCentralPoint, "Invalid"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EclipseCentralKind(static_cast<EclipseType>(c.type)), c.kind) << c.type;
        String name;
        CentralKindName(c.kind, true, name);
        EXPECT_EQ(Utf8(name), c.name);
    }
    String lower;
    CentralKindName(kCentralTotal, false, lower);
    EXPECT_EQ(Utf8(lower), "total");
}

// Only a number from 0 to 100, with or without the sign directly after it,
// is accepted; blanks may stand before the number and after the sign only. A
// refused text leaves the value as it was.
TEST(ParsePercentage, AcceptsOnlyANumberFrom0To100AndTheSign) {
    const struct {
        const Char* text;
        double value;  // negative: refused
    } cases[] = {{TXT("50"), 50.0},      {TXT("0"), 0.0},       {TXT("  50%  "), 50.0},
                 {TXT("\t12.5"), 12.5},  {TXT("100%"), 100.0},  {TXT("5e1%"), 50.0},
                 {TXT("50%\t"), 50.0},   {TXT("50 %"), -1.0},   {TXT("50 "), -1.0},
                 {TXT("50\t%"), -1.0},   {TXT(" 50 % "), -1.0}, {TXT("-1"), -1.0},
                 {TXT("-50%"), -1.0},    {TXT("100.5"), -1.0},  {TXT("100.5%"), -1.0},
                 {TXT(""), -1.0},        {TXT("%"), -1.0},      {TXT("50%%"), -1.0},
                 {TXT("50x"), -1.0},     {TXT("-0"), -1.0},     {TXT("-0.0%"), -1.0}};
    for (const auto& c : cases) {
        double value = -123.0;
        EXPECT_EQ(ParsePercentage(c.text, value), c.value >= 0.0) << Utf8(String(c.text));
        EXPECT_EQ(value, c.value >= 0.0 ? c.value : -123.0) << Utf8(String(c.text));
    }
}

TEST(FormatPercentage, WritesDashesOnlyForTheMissingValueAndReadsBack) {
    const struct {
        double value;
        int decimals;
        const char* text;
    } cases[] = {{-1.0, 1, "--%"}, {-0.999, 3, "-0.999%"}, {98.765, 1, "98.8%"}, {100.0, 0, "100%"}};
    for (const auto& c : cases) {
        String text;
        FormatPercentage(c.value, c.decimals, text);
        EXPECT_EQ(Utf8(text), c.text);
    }
    for (double value : {0.0, 0.25, 99.99}) {
        String text;
        FormatPercentage(value, 2, text);
        double back = -1.0;
        ASSERT_TRUE(ParsePercentage(text.Text(), back)) << Utf8(text);
        EXPECT_NEAR(back, value, 0.005);
    }
}

}  // namespace
}  // namespace corvinata
