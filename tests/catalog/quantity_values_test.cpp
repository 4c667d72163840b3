#include "catalog/quantity_values.h"

#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "base/distance_value.h"
#include "base/event_time.h"
#include "base/services.h"
#include "base/date_time.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

std::string Formatted(int kind, double value, int precision = kDefaultQuantityPrecision,
                      int system = 0) {
    const std::unique_ptr<QuantityValue> quantity = CreateQuantityValue(kind, value, system);
    QuantityFormatRequest request;
    request.precision = precision;
    request.angleDegreeBase = 1;
    String out;
    quantity->Format(out, request);
    return test::Utf8(out);
}

struct FormatCase {
    int kind;
    double value;
    int precision;
    const char* text;
};

class QuantityFormat : public testing::TestWithParam<FormatCase> {};

TEST_P(QuantityFormat, WritesTheKindsText) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(Formatted(c.kind, c.value, c.precision), c.text);
}

constexpr int kDefault = kDefaultQuantityPrecision;

INSTANTIATE_TEST_SUITE_P(
    Kinds, QuantityFormat,
    testing::Values(
        // Compass points: 22.5 degrees either side of each point.
        FormatCase{kQuantityDirection, 337.5, kDefault, "N"},
        FormatCase{kQuantityDirection, 22.4, kDefault, "N"},
        FormatCase{kQuantityDirection, 22.5, kDefault, "NE"},
        FormatCase{kQuantityDirection, 315.0, kDefault, "NW"},
        FormatCase{kQuantityDirection, 360.0, kDefault, "N"},
        FormatCase{kQuantityDirection, -1000.0, kDefault, "--"},
        FormatCase{kQuantityMagnitude, 0.0, 1, "0.0m"},
        FormatCase{kQuantityMagnitude, 1.5, 1, "+1.5m"},
        FormatCase{kQuantityMagnitude, -26.7, 1, "-26.7m"},
        FormatCase{kQuantityMagnitude, -26.74, kDefault, "-26.7m"},
        FormatCase{kQuantityMagnitude, 9999.0, 1, "-.-m"},
        FormatCase{kQuantityPhase, 45.25, kDefault, "45.2%"},
        FormatCase{kQuantityPhase, -1.0, kDefault, "--%"},
        FormatCase{kQuantityScalar, 12.345, kDefault, "12.35"},
        FormatCase{kQuantityScalar, 123.45, kDefault, "123"},
        FormatCase{kQuantityScalar, std::numeric_limits<double>::infinity(), kDefault, "---"},
        FormatCase{kQuantityConstellation, 45.0, kDefault, "Leo"},
        FormatCase{kQuantityConstellation, -1.0, kDefault, "---"},
        FormatCase{kQuantityZodiac, 7.0, kDefault, "Sco"},
        FormatCase{kQuantityZodiac, -1.0, kDefault, "---"},
        FormatCase{kQuantityDistance, 9.99, kDefault, "9.990 km"},
        FormatCase{kQuantityDistance, 1000.0, kDefault, "1000 km"},
        FormatCase{kQuantityDistance, -1.0, kDefault, "---"},
        FormatCase{kQuantityAngle360, -1000.0, 2, "--.--\u00B0"}));

// Values a kind cannot show (out of its range, not finite, beyond the
// integers) read as missing instead of indexing past a table.
INSTANTIATE_TEST_SUITE_P(
    OutOfRangeShowsMissingRegression, QuantityFormat,
    testing::Values(FormatCase{kQuantityConstellation, 88.0, kDefault, "---"},
                    FormatCase{kQuantityConstellation, -2.0, kDefault, "---"},
                    FormatCase{kQuantityConstellation, kNaN, kDefault, "---"},
                    FormatCase{kQuantityConstellation, 1e300, kDefault, "---"},
                    FormatCase{kQuantityZodiac, 12.0, kDefault, "---"},
                    FormatCase{kQuantityZodiac, -7.5, kDefault, "---"},
                    FormatCase{kQuantityDirection, 720.0, kDefault, "--"},
                    FormatCase{kQuantityDirection, -67.6, kDefault, "--"},
                    FormatCase{kQuantityDirection, kNaN, kDefault, "--"},
                    FormatCase{kQuantityMagnitude, kNaN, 1, "-.-m"},
                    FormatCase{kQuantityPhase, 100.5, 1, "--%"},
                    FormatCase{kQuantityAngle360, kNaN, 2, "--.--\u00B0"}));

struct ParseCase {
    int kind;
    const char* text;
    bool ok;
    double value;  // when ok
};

class QuantityParse : public testing::TestWithParam<ParseCase> {};

TEST_P(QuantityParse, ReadsTheKindsText) {
    const ParseCase& c = GetParam();
    const std::unique_ptr<QuantityValue> quantity = CreateQuantityValue(c.kind, 0.0);
    EXPECT_EQ(quantity->Parse(test::Wide(c.text).c_str()), c.ok);
    if (c.ok) {
        EXPECT_NEAR(quantity->GetValue(), c.value, 1e-9);
    } else {
        EXPECT_TRUE(quantity->IsMissing());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, QuantityParse,
    testing::Values(
        ParseCase{kQuantityZodiac, "leo", true, 4}, ParseCase{kQuantityZodiac, "12", false, 0},
        ParseCase{kQuantityZodiac, " 11 ", true, 11}, ParseCase{kQuantityZodiac, "Orion", false, 0},
        ParseCase{kQuantityZodiac, "scorpion", true, 7},
        ParseCase{kQuantityConstellation, "leo", true, 45},
        ParseCase{kQuantityConstellation, "87", true, 87},
        ParseCase{kQuantityConstellation, "88", false, 0},
        ParseCase{kQuantityConstellation, "big dipper", true, 82},
        ParseCase{kQuantityConstellation, "-1", false, 0},
        ParseCase{kQuantityDirection, "nw", false, 0}, ParseCase{kQuantityDirection, "NW", true, 315},
        ParseCase{kQuantityDirection, "90", true, 90},
        ParseCase{kQuantityMagnitude, " -1.5m ", true, -1.5},
        ParseCase{kQuantityMagnitude, "4 M", true, 4}, ParseCase{kQuantityMagnitude, "4mm", false, 0},
        ParseCase{kQuantityPhase, "50%", true, 50}, ParseCase{kQuantityPhase, "101", false, 0},
        // Regression: a minus zero was taken and shown as "-0.0%".
        ParseCase{kQuantityPhase, " 50% ", true, 50}, ParseCase{kQuantityPhase, "-0", false, 0},
        // The sign follows the number directly; blanks around the whole text
        // are no part of the value.
        ParseCase{kQuantityPhase, " 50 % ", false, 0}, ParseCase{kQuantityPhase, "50 ", true, 50},
        ParseCase{kQuantityPhase, "-5%", false, 0}, ParseCase{kQuantityPhase, "100.5%", false, 0},
        ParseCase{kQuantityScalar, "2.5", true, 2.5}, ParseCase{kQuantityScalar, "2.5x", false, 0},
        ParseCase{kQuantityScalar, "", false, 0},
        ParseCase{kQuantityAngle360, "12.5", true, 12.5},
        ParseCase{kQuantityAngle360, "361", false, 0},
        ParseCase{kQuantityLongitude, "1h30m", true, 22.5},
        ParseCase{kQuantityLatitude, "10 S", true, -10},
        ParseCase{kQuantityAngle90, "91", false, 0},
        ParseCase{kQuantityAngle180, "20 E", true, 20},
        ParseCase{kQuantityAngle180, "20 W", true, -20},
        ParseCase{kQuantityDistance, "2.5 AU", true, 2.5},
        ParseCase{kQuantityDistance, "far", false, 0},
        ParseCase{kQuantityTimeOfDay, " 12:30 ", true, 12.5},
        ParseCase{kQuantityTimeOfDay, "25:00", false, 0},
        // Nothing after the time is dropped unread; 24:00 ends the day.
        ParseCase{kQuantityTimeOfDay, "12:30:00 UT", false, 0},
        ParseCase{kQuantityTimeOfDay, "12:30:00x", false, 0},
        ParseCase{kQuantityTimeOfDay, "24:00", true, 24},
        // A fraction of a second is read; a fourth colon group is not dropped.
        ParseCase{kQuantityTimeOfDay, "10:30:00.5", true, 10.5 + 0.5 / 3600},
        ParseCase{kQuantityTimeOfDay, "6:30:00:45", false, 0}));

TEST(QuantityValue, ExtraFieldsFollowTheKind) {
    const std::unique_ptr<QuantityValue> distance = CreateQuantityValue(kQuantityDistance, 1.0, 7);
    EXPECT_TRUE(distance->Parse(TXT("3 mi")));
    EXPECT_EQ(distance->System(), kMiles);
    const std::unique_ptr<QuantityValue> sign = CreateQuantityValue(kQuantityZodiac, 5.9);
    EXPECT_EQ(sign->GetValue(), 5.0);
    EXPECT_EQ(CreateQuantityValue(13, 0.0), nullptr);
    EXPECT_EQ(CreateQuantityValue(-1, 0.0), nullptr);
}

TEST(QuantityValue, LongitudeAndLatitudeNameTheirSystem) {
    QuantityFormatRequest request;
    request.withSystemName = true;
    request.angleDegreeBase = 1;
    request.precision = 1;
    String out;
    CreateQuantityValue(kQuantityLatitude, 10.0, kEclipticalSystem)->Format(out, request);
    EXPECT_EQ(test::Utf8(out), "10.0\u00B0 N Ecliptical");
    request.raDisplayUnit = 1;
    CreateQuantityValue(kQuantityLongitude, 22.5, kEquatorialSystem)->Format(out, request);
    EXPECT_EQ(test::Utf8(out), "1.5h Equatorial");
    CreateQuantityValue(kQuantityAngle360, 22.5)->Format(out, request);
    EXPECT_EQ(test::Utf8(out), "22.5\u00B0");
}

// The value texts of the graph's control panel: the kind's own decimals, the
// time kind as a time of day, angles as the display options ask.
class FixedDisplay final : public DisplayFormatInterface {
public:
    FixedDisplay(int degreeBase, int raUnit) : degreeBase_(degreeBase), raUnit_(raUnit) {}
    int GetAngleDegreeBase() const override { return degreeBase_; }
    int GetRaDisplayUnit() const override { return raUnit_; }

private:
    int degreeBase_;
    int raUnit_;
};

TEST(FormatQuantity, WritesTheKindsDefaultTextWithTheDisplayOptions) {
    const struct {
        int degreeBase, raUnit, kind, system;
        double value;
        const char* text;
    } cases[] = {
        {1, 1, kQuantityMagnitude, 0, 1.5, "+1.5m"},
        {1, 1, kQuantityPhase, 0, 45.25, "45.2%"},
        {1, 1, kQuantityTimeOfDay, kLocalCivilTime, 6.5, "06:30:00"},
        {1, 1, kQuantityLongitude, kEquatorialSystem, 22.5, "1.50000h"},
        {0, 1, kQuantityLongitude, kEquatorialSystem, 22.5, "1h30m00s"},
        {1, 0, kQuantityLongitude, kEquatorialSystem, 22.5, "22.50000\u00B0"},
    };
    for (const auto& c : cases) {
        FixedDisplay display(c.degreeBase, c.raUnit);
        ScopedApplicationServices services(nullptr, &display);
        String out;
        EXPECT_TRUE(FormatQuantity(c.kind, c.system, out, c.value));
        EXPECT_EQ(test::Utf8(out), c.text) << c.kind << " " << c.value;
    }
}

// Without an application the texts follow the options a new user starts
// with, as every window's own fallback did: sexagesimal degrees and hours.
TEST(FormatQuantity, WithoutAnApplicationTheNewUsersOptionsHold) {
    ScopedApplicationServices none(nullptr, nullptr);
    String out;
    EXPECT_TRUE(FormatQuantity(kQuantityLongitude, kEquatorialSystem, out, 22.5));
    EXPECT_EQ(test::Utf8(out), "1h30m00s");
    EXPECT_TRUE(FormatQuantity(kQuantityLatitude, kEquatorialSystem, out, -16.75));
    EXPECT_EQ(test::Utf8(out).find('.'), std::string::npos) << test::Utf8(out);
}

TEST(FormatQuantity, RefusesAKindTheModelDoesNotMake) {
    String out(TXT("kept"));
    EXPECT_FALSE(FormatQuantity(13, 0, out, 1.0));
    EXPECT_FALSE(FormatQuantity(-1, 0, out, 1.0));
    EXPECT_EQ(test::Utf8(out), "kept");
}

}  // namespace
}  // namespace corvinata
