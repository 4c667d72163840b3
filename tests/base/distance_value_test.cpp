#include "base/distance_value.h"

#include <gtest/gtest.h>

#include <string>

#include "base/wide_string.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Utf8;
using test::Wide;

std::string Written(const DistanceValue& d, int decimals, bool withUnit) {
    String out(TXT("old"));
    DistanceFormatOrDashes(out, d, decimals, withUnit);
    return Utf8(out);
}

TEST(DistanceConversion, AstronomicalUnitToMilesAndBackAndInvalidUnitsNeverConverted) {
    DistanceValue d{1.0, kAstronomicalUnits};
    DistanceConvertUnit(d, kMiles);
    EXPECT_EQ(d.unit, kMiles);
    EXPECT_NEAR(d.value, 92956198.30, 0.01);
    DistanceConvertUnit(d, kAstronomicalUnits);
    EXPECT_EQ(d.unit, kAstronomicalUnits);
    EXPECT_NEAR(d.value, 1.0, 1e-12);

    DistanceValue unknown{kNoDistance, kKilometres}, invalid{5.0, kInvalidDistanceUnit},
        km{5.0, kKilometres};
    DistanceConvertUnit(unknown, kAstronomicalUnits);
    DistanceConvertUnit(invalid, kMiles);
    DistanceConvertUnit(km, 7);
    EXPECT_TRUE(unknown.value == kNoDistance && unknown.unit == kAstronomicalUnits);
    EXPECT_TRUE(invalid.value == 5.0 && invalid.unit == kInvalidDistanceUnit);
    EXPECT_TRUE(km.value == 5.0 && km.unit == kKilometres);
}

TEST(DistanceReading, NumberAndUnitCode) {
    const struct {
        const char* text;
        double value;
        int unit;
    } accepted[] = {
        {"384400km", 384400.0, kKilometres}, {" 2.5 au ", 2.5, kAstronomicalUnits},
        {"1e3 MI", 1000.0, kMiles},
    };
    for (const auto& c : accepted) {
        DistanceValue d{42.0, kMiles};
        ASSERT_TRUE(DistanceParse(d, Wide(c.text).c_str())) << c.text;
        EXPECT_DOUBLE_EQ(d.value, c.value) << c.text;
        EXPECT_EQ(d.unit, c.unit) << c.text;
    }
    const std::string overlong = "5 km" + std::string(150, 'm');
    for (const std::string text :
         {"384400", "12 parsec", "-5 km", "5 km x", "km", "5 Invalid", overlong.c_str()}) {
        DistanceValue d{42.0, kMiles};
        EXPECT_FALSE(DistanceParse(d, Wide(text).c_str())) << text;
        EXPECT_TRUE(d.value == 42.0 && d.unit == kMiles) << text;
    }
}

TEST(DistanceWriting, NumberWithChosenOrAutomaticDecimals) {
    const int automatic = kAutomaticDistanceDecimals;
    EXPECT_EQ(Written({9.87654, kAstronomicalUnits}, automatic, false), "9.877");
    EXPECT_EQ(Written({12.3456, kKilometres}, automatic, false), "12.35");
    EXPECT_EQ(Written({384.4, kKilometres}, automatic, false), "384.4");
    EXPECT_EQ(Written({384400.2, kKilometres}, automatic, true), "384400 km");
    EXPECT_EQ(Written({1.0, kAstronomicalUnits}, 2, true), "1.00 AU");
    EXPECT_EQ(Written({2.5, kKilometres}, -3, false), "2.5");
    // Only the marker of an unknown distance is dashes; another negative is a number.
    EXPECT_EQ(Written({kNoDistance, kAstronomicalUnits}, automatic, true), "---");
    EXPECT_EQ(Written({-1.5, kKilometres}, automatic, false), "-1.500");
}

TEST(DistanceRoundTrip, WrittenTextReadsBackInEveryUnit) {
    for (const int unit : {kKilometres, kMiles, kAstronomicalUnits}) {
        for (const double value : {0.0, 0.0123, 9.87654, 55.555, 384.4, 149597870.7}) {
            const std::string text = Written({value, unit}, kAutomaticDistanceDecimals, true);
            DistanceValue read;
            ASSERT_TRUE(DistanceParse(read, Wide(text).c_str())) << text;
            EXPECT_EQ(read.unit, unit) << text;
            EXPECT_NEAR(read.value, value, 0.5) << text;
            EXPECT_EQ(Written(read, kAutomaticDistanceDecimals, true), text);
        }
    }
}

}  // namespace
}  // namespace corvinata
