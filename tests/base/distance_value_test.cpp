#include "base/distance_value.h"

#include <gtest/gtest.h>

#include "base/place_text_testing.h"
#include "base/wide_string.h"

namespace corvinata {
namespace {

using placetest::Utf8;
using placetest::Wide;

TEST(DistanceConversion, AstronomicalUnitToMilesAndBack) {
    DistanceValue d{1.0, kAstronomicalUnits};
    DistanceConvertUnit(d, kMiles);
    EXPECT_EQ(d.unit, kMiles);
    EXPECT_NEAR(d.value, 92956198.30, 0.01);
    DistanceConvertUnit(d, kAstronomicalUnits);
    EXPECT_EQ(d.unit, kAstronomicalUnits);
    EXPECT_NEAR(d.value, 1.0, 1e-12);
}

TEST(DistanceConversion, UnknownDistanceStaysUnknown) {
    DistanceValue d{kNoDistance, kKilometres};
    DistanceConvertUnit(d, kAstronomicalUnits);
    EXPECT_EQ(d.unit, kAstronomicalUnits);
    EXPECT_EQ(d.value, kNoDistance);
    String out;
    DistanceFormatOrDashes(out, d, kAutomaticDistanceDecimals, true);
    EXPECT_EQ(Utf8(out), "---");
}

TEST(DistanceConversion, InvalidUnitIsNeverConverted) {
    DistanceValue d{5.0, kInvalidDistanceUnit};
    DistanceConvertUnit(d, kMiles);
    EXPECT_EQ(d.value, 5.0);
    EXPECT_EQ(d.unit, kInvalidDistanceUnit);
    DistanceValue km{5.0, kKilometres};
    DistanceConvertUnit(km, 7);
    EXPECT_EQ(km.value, 5.0);
    EXPECT_EQ(km.unit, kKilometres);
}

struct ReadCase {
    const char* label;
    const char* text;
    bool accepted;
    double value;
    int unit;
};

class DistanceReading : public testing::TestWithParam<ReadCase> {};

TEST_P(DistanceReading, NumberAndUnitCode) {
    const ReadCase& c = GetParam();
    DistanceValue d{42.0, kMiles};
    ASSERT_EQ(DistanceParse(d, Wide(c.text).c_str()), c.accepted) << c.text;
    if (c.accepted) {
        EXPECT_DOUBLE_EQ(d.value, c.value);
        EXPECT_EQ(d.unit, c.unit);
    } else {
        EXPECT_EQ(d.value, 42.0);
        EXPECT_EQ(d.unit, kMiles);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, DistanceReading,
    testing::Values(ReadCase{"Kilometres", "384400 km", true, 384400.0, kKilometres},
                    ReadCase{"NoBlank", "384400km", true, 384400.0, kKilometres},
                    ReadCase{"BlanksAndCase", " 2.5 au ", true, 2.5, kAstronomicalUnits},
                    ReadCase{"ExponentMiles", "1e3 MI", true, 1000.0, kMiles},
                    ReadCase{"Zero", "0 km", true, 0.0, kKilometres},
                    ReadCase{"NoUnit", "384400", false, 0.0, 0},
                    ReadCase{"OtherUnit", "12 parsec", false, 0.0, 0},
                    ReadCase{"Negative", "-5 km", false, 0.0, 0},
                    ReadCase{"TrailingWord", "5 km x", false, 0.0, 0},
                    ReadCase{"UnitOnly", "km", false, 0.0, 0},
                    ReadCase{"Empty", "", false, 0.0, 0},
                    ReadCase{"LongName", "5 Kilometers", false, 0.0, 0},
                    ReadCase{"InvalidRow", "5 Invalid", false, 0.0, 0}),
    [](const testing::TestParamInfo<ReadCase>& info) { return info.param.label; });

TEST(DistanceReading, OverlongUnitWordIsRefused) {
    std::string text = "5 km";
    text += std::string(150, 'm');
    DistanceValue d;
    EXPECT_FALSE(DistanceParse(d, Wide(text.c_str()).c_str()));
}

struct WriteCase {
    const char* label;
    double value;
    int unit;
    int decimals;
    bool withUnit;
    const char* expected;
};

class DistanceWriting : public testing::TestWithParam<WriteCase> {};

TEST_P(DistanceWriting, NumberWithChosenOrAutomaticDecimals) {
    const WriteCase& c = GetParam();
    String out(TXT("old"));
    DistanceFormatOrDashes(out, DistanceValue{c.value, c.unit}, c.decimals, c.withUnit);
    EXPECT_EQ(Utf8(out), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, DistanceWriting,
    testing::Values(
        WriteCase{"BelowTen", 9.87654, kAstronomicalUnits, kAutomaticDistanceDecimals, false,
                  "9.877"},
        WriteCase{"BelowHundred", 12.3456, kKilometres, kAutomaticDistanceDecimals, false,
                  "12.35"},
        WriteCase{"BelowThousand", 384.4, kKilometres, kAutomaticDistanceDecimals, false, "384.4"},
        WriteCase{"Thousands", 384400.2, kKilometres, kAutomaticDistanceDecimals, false, "384400"},
        WriteCase{"WithUnit", 384400.2, kKilometres, kAutomaticDistanceDecimals, true,
                  "384400 km"},
        WriteCase{"MilesCode", 1.5, kMiles, 1, true, "1.5 mi"},
        WriteCase{"AstronomicalCode", 1.0, kAstronomicalUnits, 2, true, "1.00 AU"},
        WriteCase{"UnknownEvenWithUnit", -1.0, kKilometres, kAutomaticDistanceDecimals, true,
                  "---"},
        WriteCase{"OtherNegativeIsANumber", -1.5, kKilometres, kAutomaticDistanceDecimals, false,
                  "-1.500"},
        WriteCase{"TrimmedDecimals", 2.5, kKilometres, -3, false, "2.5"}),
    [](const testing::TestParamInfo<WriteCase>& info) { return info.param.label; });

TEST(DistanceRoundTrip, WrittenTextReadsBackInEveryUnit) {
    for (const int unit : {kKilometres, kMiles, kAstronomicalUnits}) {
        for (const double value : {0.0, 0.0123, 9.87654, 55.555, 384.4, 149597870.7}) {
            String text;
            DistanceFormatOrDashes(text, DistanceValue{value, unit}, kAutomaticDistanceDecimals,
                                   true);
            DistanceValue read;
            ASSERT_TRUE(DistanceParse(read, text.Text())) << Utf8(text);
            EXPECT_EQ(read.unit, unit) << Utf8(text);
            EXPECT_NEAR(read.value, value, 0.5) << Utf8(text);
            String again;
            DistanceFormatOrDashes(again, read, kAutomaticDistanceDecimals, true);
            EXPECT_EQ(Utf8(again), Utf8(text));
        }
    }
}

}  // namespace
}  // namespace corvinata
