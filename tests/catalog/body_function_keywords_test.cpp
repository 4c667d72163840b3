#include "catalog/body_function_keywords.h"

#include <gtest/gtest.h>

#include "catalog/event_kinds.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Utf8;

TEST(BodyFunctionKeywords, NamesShowTheirParameter) {
    EXPECT_EQ(Utf8(FormatBodyFunctionName(TXT("Moon"), kFunctionRise, 2, 0)), "Moon.Rise(lct)");
    EXPECT_EQ(Utf8(FormatBodyFunctionName(TXT("Mars"), kFunctionLatitude, 1, 2)), "Mars.Lat(ecl)");
    EXPECT_EQ(Utf8(FormatBodyFunctionName(TXT("Sun"), kFunctionDistanceFromEarth, 2, 6)),
              "Sun.DistEarth(au)");
    EXPECT_EQ(Utf8(FormatBodyFunctionName(TXT("Io"), kFunctionRectangularX, -1, 12)),
              "Io.RectCrdX()");
}

// Every body function has one keyword, and every keyword names a function.
TEST(BodyFunctionKeywords, EachFunctionHasItsKeyword) {
    for (const BodyFunctionKeyword& entry : kBodyFunctionKeywords) {
        EXPECT_EQ(BodyFunctionKeywordOf(entry.id), entry.keyword) << Utf8(entry.keyword);
        EXPECT_NE(FindEventKind(entry.id), nullptr) << Utf8(entry.keyword);
    }
    EXPECT_EQ(BodyFunctionKeywordOf(kFunctionMoonReportAngle), nullptr);
}

}  // namespace
}  // namespace corvinata
