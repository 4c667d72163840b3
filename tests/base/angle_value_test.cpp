#include "base/angle_value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>

#include "base/wide_string.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Utf8;
using test::Wide;

constexpr double kSecondOfArc = 1.0 / 3600.0;

LongitudeValue West(double degrees) { return LongitudeValue(degrees, kWestPositive); }
// A longitude as the user types it with the east counted positive.
LongitudeValue East(double typed) {
    LongitudeValue value(0.0, kEastPositive);
    value.SetTypedDegrees(typed);
    return value;
}
LatitudeValue Minus(double degrees) { return LatitudeValue(degrees, kLatitudeMinusSign); }
LatitudeValue Letter(double degrees) { return LatitudeValue(degrees, kLatitudeHemisphereLetter); }

std::string Sexagesimal(const AngleValue& value, int precision) {
    String out;
    value.Format(out, kAngleSexagesimal, precision, kAutomaticDecimals);
    return Utf8(out);
}

std::string Decimal(const AngleValue& value, int decimals, int precision = kToSecond) {
    String out;
    value.Format(out, kAngleDecimal, precision, decimals);
    return Utf8(out);
}

// ---------------------------------------------------------------------------
// Writers

TEST(AngleText, MagnitudeWithRoundingCarryAndDashes) {
    enum Writer { kAngle, kDuration, kDecimal };
    const struct {
        Writer writer;
        double degrees;
        int precision;
        int decimals;
        const char* expected;
    } cases[] = {
        {kAngle, 5.0519444, kToSecond, 0, "5°03'07\""},
        {kAngle, 29.99999, kToSecond, 0, "30°00'00\""},
        {kAngle, -0.99999, kToSecond, 0, "1°00'00\""}, {kAngle, -0.5, kToDegree, 0, "1°"},
        {kAngle, 10.9917, kToMinute, 0, "11°00'"},
        {kAngle, kNotComputedAngle, kToSecond, 0, "--°--'--\""},
        {kAngle, std::nan(""), kToMinute, 0, "--°--'"},
        {kDuration, 187.5291667, kToSecond, 0, "12h30m07s"},
        {kDuration, 359.99999, kToSecond, 0, "24h00m00s"},
        {kDuration, kNotComputedAngle, kToSecond, 0, "--h--m--s"},
        {kDecimal, 12.5, kToSecond, kAutomaticDecimals, "12.50000°"},
        {kDecimal, -12.7, kToDegree, kAutomaticDecimals, "13°"},
        {kDecimal, 12.5, kToSecond, -3, "12.5°"},
        {kDecimal, kNotComputedAngle, kToSecond, kAutomaticDecimals, "--.-----°"},
    };
    for (const auto& c : cases) {
        const LatitudeValue value = Minus(c.degrees);
        String out(TXT("old text"));
        if (c.writer == kAngle) FormatAngle(value, c.precision, out);
        if (c.writer == kDuration) FormatDuration(value, c.precision, out);
        if (c.writer == kDecimal) FormatAngleDecimal(value, c.precision, c.decimals, out);
        EXPECT_EQ(Utf8(out), c.expected) << c.degrees << " at precision " << c.precision;
    }
}

TEST(AngleText, PartsCarrySignPaddingAndRoundAwayFromZero) {
    const AngleParts parts = SplitAngle(Minus(-10.9917), kToMinute);
    EXPECT_EQ(parts.whole, -11);
    EXPECT_EQ(parts.minutes, 0);
    EXPECT_EQ(SplitAngle(Minus(-0.75), kToDegree).whole, -1);

    const auto written = [](const AngleValue& value, int precision) {
        String deg, min, sec;
        value.FormatParts(deg, min, sec, precision);
        return Utf8(deg) + " " + Utf8(min) + " " + Utf8(sec);
    };
    EXPECT_EQ(written(Minus(-5.0519444), kToSecond), "-5 03 07");
    EXPECT_EQ(written(Minus(-0.5), kToSecond), "-0 30 00");
    EXPECT_EQ(written(East(12.5), kToMinute), "12 30 00");
    EXPECT_EQ(written(LongitudeValue(12.5, kEastPositive), kToMinute), "-12 30 00");
}

TEST(AngleText, SideLettersSignsAndUnitsOfEachClass) {
    EXPECT_EQ(Sexagesimal(West(0.1), kToMinute), "0°06' W");
    EXPECT_EQ(Sexagesimal(West(-0.1), kToMinute), "0°06' E");
    // Zero is west in both orientations; a value not computed claims no side.
    EXPECT_EQ(Sexagesimal(West(0.0), kToDegree) + Sexagesimal(East(0.0), kToDegree), "0° W0° W");
    EXPECT_EQ(Sexagesimal(West(kNotComputedAngle), kToMinute), "--°--'");
    EXPECT_EQ(Decimal(Letter(kNotComputedAngle), kAutomaticDecimals, kToDegree), "--°");

    EXPECT_EQ(Sexagesimal(Minus(-0.5), kToDegree), "-1°");
    EXPECT_EQ(Sexagesimal(Letter(51.5), kToMinute), "51°30' N");
    EXPECT_EQ(Decimal(Letter(-33.26), 1), "33.3° S");
    EXPECT_EQ(Sexagesimal(Letter(0.0), kToDegree), "0° N");
    EXPECT_EQ(Sexagesimal(LatitudeValue(12.0, 2), kToDegree), "");

    EXPECT_EQ(Sexagesimal(FullCircleAngleValue(187.5, kShowDegrees), kToSecond), "187°30'00\"");
    EXPECT_EQ(Sexagesimal(FullCircleAngleValue(187.5, kShowHours), kToSecond), "12h30m00s");
    EXPECT_EQ(Decimal(FullCircleAngleValue(187.5, kShowHours), 2), "12.50h");
    EXPECT_EQ(Decimal(FullCircleAngleValue(kNotComputedAngle, kShowHours), 2), "--.--h");
}

// ---------------------------------------------------------------------------
// Readers

constexpr double kUntouched = 777.0;
const double kRefused = std::nan("");

// The degrees a reader stores from text, or kRefused when it refuses the text;
// a refused text must leave the target untouched.
template <typename Value, typename Reader>
double Read(Value value, Reader read, const char* text) {
    value.degrees = kUntouched;
    if (read(value, Wide(text).c_str())) return value.degrees;
    EXPECT_EQ(value.degrees, kUntouched) << "a refused text changed the target: " << text;
    return kRefused;
}

enum Target { kWest, kEast, kLatitude, kFullCircle };

double ReadAs(Target target, const char* text) {
    switch (target) {
        case kWest: return Read(West(0), LongitudeParse, text);
        case kEast: return Read(LongitudeValue(0, kEastPositive), LongitudeParse, text);
        case kLatitude: return Read(Letter(0), LatitudeParse, text);
        case kFullCircle: break;
    }
    return Read(FullCircleAngleValue(0, kShowHours), FullCircleAngleParse, text);
}

TEST(AngleReading, AcceptedTextsAndTheirDegrees) {
    const struct {
        Target target;
        const char* text;
        double degrees;
    } cases[] = {
        {kLatitude, "12°30'", 12.5}, {kLatitude, "12°30'15", 12.5 + 15.0 / 3600},
        {kLatitude, "12°", 12.0}, {kLatitude, "12 ", 12.0}, {kLatitude, "12°30 ", 12.5},
        {kLatitude, "-0°30'", -0.5}, {kLatitude, " 12.5 ", 12.5},
        // Side letters, in any case and with or without blanks, win over signs.
        {kWest, "180", 180.0}, {kLatitude, "45 S", -45.0}, {kLatitude, "-45 n", 45.0},
        {kWest, "12°30' e", -12.5}, {kWest, "12.5E", -12.5}, {kEast, "12.5", -12.5},
        {kEast, "12.5 W", 12.5},
        // Full circle: degrees, hours-minutes-seconds, decimal hours.
        {kFullCircle, "10h30m", 157.5}, {kFullCircle, "10H30M36S", 157.65},
        {kFullCircle, "24h", 360.0}, {kFullCircle, "12.5h", 187.5}, {kFullCircle, "12.5", 12.5},
    };
    for (const auto& c : cases) EXPECT_NEAR(ReadAs(c.target, c.text), c.degrees, 1e-9) << c.text;
}

TEST(AngleReading, RefusedTextsLeaveTheTargetUntouched) {
    const struct {
        Target target;
        std::initializer_list<const char*> texts;
    } cases[] = {
        {kLatitude, {"12 30", "12°30'15.5\"", "5°-30'", "5°60'", "5'10°", "1.5e1", ""}},
        {kLatitude, {"12.5°x", "91 N", "N"}},  // a lone letter leaves nothing to read
        {kWest, {"181", "-180.5", "E"}},
        {kFullCircle, {"24h1m", "361°", "-1", "-0h30m", "1.5 h"}},
    };
    for (const auto& c : cases) {
        for (const char* text : c.texts) {
            const double degrees = ReadAs(c.target, text);
            EXPECT_TRUE(std::isnan(degrees)) << text << " was read as " << degrees;
        }
    }
}

TEST(AngleReading, RangeIsTheTargetsOwnAndDecimalHoursNeedTheirUnit) {
    FullCircleAngleValue full(1.0, kShowDegrees);
    EXPECT_FALSE(ParseAngleText(TXT("-5"), full));
    EXPECT_TRUE(ParseAngleText(TXT("359"), full));
    LatitudeValue latitude = Minus(1.0);
    EXPECT_FALSE(ParseAngleText(TXT("100"), latitude));
    EXPECT_EQ(latitude.degrees, 1.0);

    for (const Char* text : {TXT("12.5"), TXT("12.5 "), TXT("12.5hh")}) {
        EXPECT_FALSE(FullCircleAngleParseDecimal(full, text)) << Utf8(text);
    }
    EXPECT_TRUE(FullCircleAngleParseDecimal(full, TXT(" 12.5h  ")));
    EXPECT_DOUBLE_EQ(full.degrees, 187.5);
}

// ---------------------------------------------------------------------------
// Round trips: written text reads back and writes the same text again, the
// value moving by no more than the text's last unit.

template <typename Value, typename Reader>
void ExpectRoundTrip(const Value& original, int style, int precision, int decimals,
                     double tolerance, Reader read) {
    String first;
    original.Format(first, style, precision, decimals);
    Value copy = original;
    copy.degrees = kUntouched;
    ASSERT_TRUE(read(copy, first.Text())) << Utf8(first);
    String second;
    copy.Format(second, style, precision, decimals);
    EXPECT_EQ(Utf8(second), Utf8(first));
    EXPECT_NEAR(copy.degrees, original.degrees, tolerance + 1e-12) << Utf8(first);
}

TEST(AngleRoundTrip, EveryClassInEveryTextForm) {
    const double second = 0.5 * kSecondOfArc;
    for (const double v : {0.0, 0.0001, -0.25, -0.99999, 12.5041667, -179.99999, 180.0}) {
        for (const int orientation : {kWestPositive, kEastPositive}) {
            SCOPED_TRACE(testing::Message() << v << " orientation " << orientation);
            const LongitudeValue value(v, orientation);
            ExpectRoundTrip(value, kAngleSexagesimal, kToSecond, 0, second, LongitudeParse);
            ExpectRoundTrip(value, kAngleSexagesimal, kToMinute, 0, 60 * second, LongitudeParse);
            ExpectRoundTrip(value, kAngleDecimal, kToSecond, kAutomaticDecimals, 0.5e-5,
                            LongitudeParse);
        }
    }
    for (const double v : {0.0, -0.25, -0.99999, 51.5074, 89.99999, -90.0}) {
        for (const int style : {kLatitudeMinusSign, kLatitudeHemisphereLetter}) {
            SCOPED_TRACE(testing::Message() << v << " style " << style);
            const LatitudeValue value(v, style);
            ExpectRoundTrip(value, kAngleSexagesimal, kToSecond, 0, second, LatitudeParse);
            ExpectRoundTrip(value, kAngleDecimal, kToSecond, 3, 0.5e-3, LatitudeParse);
        }
    }
    for (const double v : {0.0, 0.0001, 12.5041667, 187.5291667, 359.99999, 360.0}) {
        SCOPED_TRACE(v);
        const FullCircleAngleValue degrees(v, kShowDegrees);
        const FullCircleAngleValue hours(v, kShowHours);
        ExpectRoundTrip(degrees, kAngleSexagesimal, kToSecond, 0, second, FullCircleAngleParse);
        ExpectRoundTrip(degrees, kAngleDecimal, kToSecond, kAutomaticDecimals, 0.5e-5,
                        FullCircleAngleParse);
        ExpectRoundTrip(hours, kAngleSexagesimal, kToSecond, 0, 15 * second,
                        FullCircleAngleParse);
        ExpectRoundTrip(hours, kAngleDecimal, kToSecond, 4, 15 * 0.5e-4, FullCircleAngleParse);
    }
}

// ---------------------------------------------------------------------------
// Values

TEST(AngleValues, OrientationChangesMoveNoPlace) {
    LongitudeValue dest = West(0.0);
    TypedValueAssign(dest, East(10.0));
    EXPECT_EQ(dest.GetOrientation(), kWestPositive);
    EXPECT_EQ(dest.GetDisplayValue(), -10.0);
    EXPECT_EQ(Sexagesimal(dest, kToDegree), "10° E");

    LongitudeValue value = West(-20.0);
    value.SetOrientation(kEastPositive);
    EXPECT_EQ(value.GetValue(), -20.0);
    EXPECT_EQ(value.GetDisplayValue(), 20.0);
    EXPECT_EQ(Sexagesimal(value, kToDegree), "20° E");
}

TEST(AngleValues, NormalisingWrapsIntoHalfOpenRanges) {
    const double circle[][2] = {{180, 180}, {-180, 180}, {360, 0}, {-720, 0},
                                {190, -170}, {-190, 170}, {-1, -1}, {540, 180}};
    for (const auto& c : circle) EXPECT_EQ(NormaliseAngle180(c[0]), c[1]) << c[0];
    const double latitude[][2] = {{-90, 90}, {90, 90},   {100, -80}, {-100, 80},
                                  {270, 90}, {45, 45}, {-45, -45}};
    for (const auto& c : latitude) EXPECT_EQ(NormaliseLatitude(c[0]), c[1]) << c[0];
}

}  // namespace
}  // namespace corvinata
