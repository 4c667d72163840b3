#include "base/angle_value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "base/place_text_testing.h"
#include "base/wide_string.h"

namespace corvinata {
namespace {

using placetest::Utf8;
using placetest::Wide;

constexpr double kSecondOfArc = 1.0 / 3600.0;

// ---------------------------------------------------------------------------
// Sexagesimal, hours and decimal texts

enum class Writer { kAngle, kDuration, kDecimal };

struct FormatCase {
    const char* label;
    Writer writer;
    double degrees;
    int precision;
    int decimals;  // decimal writer only
    const char* expected;
};

class AngleText : public testing::TestWithParam<FormatCase> {};

TEST_P(AngleText, WritesMagnitudeWithCarry) {
    const FormatCase& c = GetParam();
    const LatitudeValue value(c.degrees, kLatitudeMinusSign);
    String out(TXT("old text"));
    switch (c.writer) {
        case Writer::kAngle: FormatAngle(value, c.precision, out); break;
        case Writer::kDuration: FormatDuration(value, c.precision, out); break;
        case Writer::kDecimal: FormatAngleDecimal(value, c.precision, c.decimals, out); break;
    }
    EXPECT_EQ(Utf8(out), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, AngleText,
    testing::Values(
        FormatCase{"Seconds", Writer::kAngle, 5.0519444, kToSecond, 0, "5°03'07\""},
        FormatCase{"CarryFromSecondsToDegrees", Writer::kAngle, 29.99999, kToSecond, 0,
                   "30°00'00\""},
        FormatCase{"NegativeCarryBelowOneDegree", Writer::kAngle, -0.99999, kToSecond, 0,
                   "1°00'00\""},
        FormatCase{"HalfDegreeRoundsUp", Writer::kAngle, 0.5, kToDegree, 0, "1°"},
        FormatCase{"NegativeHalfDegreeRoundsAway", Writer::kAngle, -0.5, kToDegree, 0, "1°"},
        FormatCase{"MinutesRoundDown", Writer::kAngle, 10.99, kToMinute, 0, "10°59'"},
        FormatCase{"MinutesCarry", Writer::kAngle, 10.9917, kToMinute, 0, "11°00'"},
        FormatCase{"NotComputedSeconds", Writer::kAngle, kNotComputedAngle, kToSecond, 0,
                   "--°--'--\""},
        FormatCase{"NotComputedMinutes", Writer::kAngle, kNotComputedAngle, kToMinute, 0,
                   "--°--'"},
        FormatCase{"NotComputedDegrees", Writer::kAngle, kNotComputedAngle, kToDegree, 0, "--°"},
        FormatCase{"NotANumberAsDashes", Writer::kAngle, std::nan(""), kToMinute, 0, "--°--'"},
        FormatCase{"HoursSeconds", Writer::kDuration, 187.5291667, kToSecond, 0, "12h30m07s"},
        FormatCase{"HoursMinutes", Writer::kDuration, 187.5291667, kToMinute, 0, "12h30m"},
        FormatCase{"HoursWhole", Writer::kDuration, 187.25, kToDegree, 0, "12h"},
        FormatCase{"HoursCarryToTwentyFour", Writer::kDuration, 359.99999, kToSecond, 0,
                   "24h00m00s"},
        FormatCase{"HoursNotComputed", Writer::kDuration, kNotComputedAngle, kToSecond, 0,
                   "--h--m--s"},
        FormatCase{"HoursNotComputedMinutes", Writer::kDuration, kNotComputedAngle, kToMinute, 0,
                   "--h--m"},
        FormatCase{"DecimalAutomatic", Writer::kDecimal, 12.5, kToSecond, kAutomaticDecimals,
                   "12.50000°"},
        FormatCase{"DecimalAutomaticWhole", Writer::kDecimal, -12.7, kToDegree,
                   kAutomaticDecimals, "13°"},
        FormatCase{"DecimalTrimmed", Writer::kDecimal, 12.5, kToSecond, -3, "12.5°"},
        FormatCase{"DecimalNotComputed", Writer::kDecimal, kNotComputedAngle, kToSecond,
                   kAutomaticDecimals, "--.-----°"},
        FormatCase{"DecimalNotComputedWhole", Writer::kDecimal, kNotComputedAngle, kToDegree,
                   kAutomaticDecimals, "--°"},
        FormatCase{"DecimalNotComputedTwo", Writer::kDecimal, kNotComputedAngle, kToSecond, 2,
                   "--.--°"}),
    [](const testing::TestParamInfo<FormatCase>& info) { return info.param.label; });

TEST(AngleParts, SplitRoundsAwayFromZeroWithUnsignedMinutes) {
    const AngleParts parts = SplitAngle(LatitudeValue(-10.9917, kLatitudeMinusSign), kToMinute);
    EXPECT_EQ(parts.whole, -11);
    EXPECT_EQ(parts.minutes, 0);
    const AngleParts small = SplitAngle(LatitudeValue(-0.75, kLatitudeMinusSign), kToDegree);
    EXPECT_EQ(small.whole, -1);
}

TEST(AngleParts, TextsCarrySignAndPadding) {
    String deg, min, sec;
    LatitudeValue(-5.0519444, kLatitudeMinusSign).FormatParts(deg, min, sec, kToSecond);
    EXPECT_EQ(Utf8(deg), "-5");
    EXPECT_EQ(Utf8(min), "03");
    EXPECT_EQ(Utf8(sec), "07");
}

TEST(AngleParts, AngleFormatPartsKeepsSignBelowOneDegree) {
    String deg, min, sec;
    AngleFormatParts(LatitudeValue(-0.5, kLatitudeMinusSign), deg, min, sec, kToSecond);
    EXPECT_EQ(Utf8(deg) + " " + Utf8(min) + " " + Utf8(sec), "-0 30 00");
}

TEST(AngleParts, LongitudePartsShowTheOrientationsSign) {
    String deg, min, sec;
    LongitudeValue::FromOriented(12.5, kEastPositive).FormatParts(deg, min, sec, kToMinute);
    EXPECT_EQ(Utf8(deg), "12");
    LongitudeValue(12.5, kEastPositive).FormatParts(deg, min, sec, kToMinute);
    EXPECT_EQ(Utf8(deg), "-12");
}

// ---------------------------------------------------------------------------
// The classes' Format

std::string Formatted(const AngleValue& value, int style, int precision,
                      int decimals = kAutomaticDecimals) {
    String out;
    value.Format(out, style, precision, decimals);
    return Utf8(out);
}

TEST(LongitudeText, SideLetterNamesTheSideOfGreenwich) {
    EXPECT_EQ(Formatted(LongitudeValue(0.1, kWestPositive), kAngleSexagesimal, kToMinute),
              "0°06' W");
    EXPECT_EQ(Formatted(LongitudeValue(-0.1, kWestPositive), kAngleSexagesimal, kToMinute),
              "0°06' E");
    EXPECT_EQ(Formatted(LongitudeValue::FromOriented(0.1, kEastPositive), kAngleSexagesimal,
                        kToMinute),
              "0°06' E");
    EXPECT_EQ(Formatted(LongitudeValue(12.5, kWestPositive), kAngleDecimal, kToSecond, 2),
              "12.50° W");
}

TEST(LongitudeText, ZeroIsWestInBothOrientations) {
    EXPECT_EQ(Formatted(LongitudeValue(0.0, kWestPositive), kAngleSexagesimal, kToDegree), "0° W");
    EXPECT_EQ(Formatted(LongitudeValue::FromOriented(0.0, kEastPositive), kAngleSexagesimal,
                        kToDegree),
              "0° W");
}

TEST(LongitudeText, NotComputedValueClaimsNoSide) {
    EXPECT_EQ(Formatted(LongitudeValue(kNotComputedAngle, kWestPositive), kAngleSexagesimal,
                        kToMinute),
              "--°--'");
    EXPECT_EQ(Formatted(LatitudeValue(kNotComputedAngle, kLatitudeHemisphereLetter),
                        kAngleDecimal, kToDegree),
              "--°");
    EXPECT_EQ(Formatted(LatitudeValue(kNotComputedAngle, kLatitudeMinusSign), kAngleSexagesimal,
                        kToDegree),
              "--°");
}

TEST(LatitudeText, SideByStyleWord) {
    EXPECT_EQ(Formatted(LatitudeValue(-0.5, kLatitudeMinusSign), kAngleSexagesimal, kToDegree),
              "-1°");
    EXPECT_EQ(Formatted(LatitudeValue(51.5, kLatitudeHemisphereLetter), kAngleSexagesimal,
                        kToMinute),
              "51°30' N");
    EXPECT_EQ(Formatted(LatitudeValue(-33.26, kLatitudeHemisphereLetter), kAngleDecimal,
                        kToSecond, 1),
              "33.3° S");
    EXPECT_EQ(Formatted(LatitudeValue(0.0, kLatitudeHemisphereLetter), kAngleSexagesimal,
                        kToDegree),
              "0° N");
    EXPECT_EQ(Formatted(LatitudeValue(12.0, 2), kAngleSexagesimal, kToDegree), "");
}

TEST(FullCircleText, DegreesOrHoursByDisplayUnit) {
    EXPECT_EQ(Formatted(FullCircleAngleValue(187.5, kShowDegrees), kAngleSexagesimal, kToSecond),
              "187°30'00\"");
    EXPECT_EQ(Formatted(FullCircleAngleValue(187.5, kShowHours), kAngleSexagesimal, kToSecond),
              "12h30m00s");
    EXPECT_EQ(Formatted(FullCircleAngleValue(187.5, kShowHours), kAngleDecimal, kToSecond, 2),
              "12.50h");
    EXPECT_EQ(Formatted(FullCircleAngleValue(187.5, kShowDegrees), kAngleDecimal, kToSecond, 1),
              "187.5°");
    EXPECT_EQ(Formatted(FullCircleAngleValue(kNotComputedAngle, kShowHours), kAngleDecimal,
                        kToSecond, 2),
              "--.--h");
}

// ---------------------------------------------------------------------------
// Readers

enum class Target { kLongitudeWest, kLongitudeEast, kLatitude, kFullCircle };

struct ParseCase {
    const char* label;
    Target target;
    const char* text;
    bool accepted;
    double degrees;  // stored value when accepted
};

// Reads with the reader a dialog would use for the target: the side-letter
// readers for places, all three forms for a full-circle angle.
bool ReadInto(Target target, const char* text, double& degrees) {
    const auto wide = Wide(text);
    constexpr double kUntouched = 777.0;
    bool accepted = false;
    double stored = kUntouched;
    switch (target) {
        case Target::kLongitudeWest:
        case Target::kLongitudeEast: {
            LongitudeValue value(kUntouched, target == Target::kLongitudeEast ? kEastPositive
                                                                             : kWestPositive);
            accepted = LongitudeParse(value, wide.c_str());
            stored = value.degrees;
            break;
        }
        case Target::kLatitude: {
            LatitudeValue value(kUntouched, kLatitudeHemisphereLetter);
            accepted = LatitudeParse(value, wide.c_str());
            stored = value.degrees;
            break;
        }
        case Target::kFullCircle: {
            FullCircleAngleValue value(kUntouched, kShowHours);
            accepted = FullCircleAngleParse(value, wide.c_str());
            stored = value.degrees;
            break;
        }
    }
    if (!accepted) {
        EXPECT_EQ(stored, kUntouched) << "a refused text changed the target";
    }
    degrees = stored;
    return accepted;
}

class AngleReading : public testing::TestWithParam<ParseCase> {};

TEST_P(AngleReading, AcceptsOrRefusesLeavingTargetUntouched) {
    const ParseCase& c = GetParam();
    double degrees = 0.0;
    ASSERT_EQ(ReadInto(c.target, c.text, degrees), c.accepted) << c.text;
    if (c.accepted) {
        EXPECT_NEAR(degrees, c.degrees, 1e-9) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    SexagesimalAndDecimal, AngleReading,
    testing::Values(
        ParseCase{"DegreesMinutes", Target::kLatitude, "12°30'", true, 12.5},
        ParseCase{"DegreesMinutesSeconds", Target::kLatitude, "12°30'15\"", true,
                  12.5 + 15.0 / 3600},
        ParseCase{"SecondsWithoutMark", Target::kLatitude, "12°30'15", true, 12.5 + 15.0 / 3600},
        ParseCase{"DegreesOnly", Target::kLatitude, "12°", true, 12.0},
        ParseCase{"BareInteger", Target::kLatitude, "12", true, 12.0},
        ParseCase{"IntegerAndBlank", Target::kLatitude, "12 ", true, 12.0},
        ParseCase{"TwoIntegers", Target::kLatitude, "12 30", false, 0.0},
        ParseCase{"FractionalSeconds", Target::kLatitude, "12°30'15.5\"", false, 0.0},
        ParseCase{"NegativeBelowOneDegree", Target::kLatitude, "-0°30'", true, -0.5},
        ParseCase{"Negative", Target::kLatitude, "-5°30'", true, -5.5},
        ParseCase{"NegativeMinutes", Target::kLatitude, "5°-30'", false, 0.0},
        ParseCase{"SixtyMinutes", Target::kLatitude, "5°60'", false, 0.0},
        ParseCase{"SixtySeconds", Target::kLatitude, "5°10'60\"", false, 0.0},
        ParseCase{"WrongMarkOrder", Target::kLatitude, "5'10°", false, 0.0},
        ParseCase{"Exponent", Target::kLatitude, "1.5e1", false, 0.0},
        ParseCase{"DecimalWithDegreeSign", Target::kLatitude, "12.5°", true, 12.5},
        ParseCase{"DecimalInBlanks", Target::kLatitude, " 12.5 ", true, 12.5},
        ParseCase{"Empty", Target::kLatitude, "", false, 0.0},
        ParseCase{"Blanks", Target::kLatitude, "   ", false, 0.0},
        ParseCase{"Word", Target::kLatitude, "north", false, 0.0},
        ParseCase{"TrailingGarbage", Target::kLatitude, "12.5°x", false, 0.0},
        ParseCase{"MinutesWithoutMarkAndBlank", Target::kLatitude, "12°30 ", true, 12.5}),
    [](const testing::TestParamInfo<ParseCase>& info) { return info.param.label; });

INSTANTIATE_TEST_SUITE_P(
    SideLetters, AngleReading,
    testing::Values(
        ParseCase{"LongitudeAboveRange", Target::kLongitudeWest, "181", false, 0.0},
        ParseCase{"LongitudeAtRange", Target::kLongitudeWest, "180", true, 180.0},
        ParseCase{"LongitudeBelowRange", Target::kLongitudeWest, "-180.5", false, 0.0},
        ParseCase{"LatitudeAboveRangeWithLetter", Target::kLatitude, "91 N", false, 0.0},
        ParseCase{"South", Target::kLatitude, "45 S", true, -45.0},
        ParseCase{"SouthLetterWinsOverSign", Target::kLatitude, "-45 n", true, 45.0},
        ParseCase{"LetterWinsOverSign", Target::kLongitudeWest, "-12.5 W", true, 12.5},
        ParseCase{"EastLetter", Target::kLongitudeWest, "12°30' e", true, -12.5},
        ParseCase{"LetterWithoutBlank", Target::kLongitudeWest, "12.5E", true, -12.5},
        ParseCase{"BlanksAroundLetter", Target::kLongitudeWest, " 12.5  W \t", true, 12.5},
        ParseCase{"SecondsWithoutMarkBeforeLetter", Target::kLongitudeWest, "12°30'15 E", true,
                  -(12.5 + 15.0 / 3600)},
        ParseCase{"LetterOnly", Target::kLongitudeWest, "E", false, 0.0},
        ParseCase{"EastOrientationBareNumber", Target::kLongitudeEast, "12.5", true, -12.5},
        ParseCase{"EastOrientationNegativeNumber", Target::kLongitudeEast, "-12.5", true, 12.5},
        ParseCase{"EastOrientationWestLetter", Target::kLongitudeEast, "12.5 W", true, 12.5},
        ParseCase{"EastOrientationEastLetter", Target::kLongitudeEast, "-12.5 E", true, -12.5},
        ParseCase{"ZeroEast", Target::kLongitudeEast, "0 E", true, 0.0}),
    [](const testing::TestParamInfo<ParseCase>& info) { return info.param.label; });

INSTANTIATE_TEST_SUITE_P(
    FullCircle, AngleReading,
    testing::Values(
        ParseCase{"HoursMinutes", Target::kFullCircle, "10h30m", true, 157.5},
        ParseCase{"HoursMinutesSeconds", Target::kFullCircle, "10h30m36s", true, 157.65},
        ParseCase{"UpperCaseMarks", Target::kFullCircle, "10H30M36S", true, 157.65},
        ParseCase{"TwentyFourHours", Target::kFullCircle, "24h", true, 360.0},
        ParseCase{"PastTwentyFourHours", Target::kFullCircle, "24h1m", false, 0.0},
        ParseCase{"DecimalHours", Target::kFullCircle, "12.5h", true, 187.5},
        ParseCase{"DecimalIsDegrees", Target::kFullCircle, "12.5", true, 12.5},
        ParseCase{"DegreesAboveRange", Target::kFullCircle, "361°", false, 0.0},
        ParseCase{"NegativeDegrees", Target::kFullCircle, "-1", false, 0.0},
        ParseCase{"NegativeHours", Target::kFullCircle, "-1h", false, 0.0},
        ParseCase{"NegativeZeroHours", Target::kFullCircle, "-0h30m", false, 0.0},
        ParseCase{"SixtyMinutesOfTime", Target::kFullCircle, "1h60m", false, 0.0},
        ParseCase{"DecimalHoursWithBlankUnit", Target::kFullCircle, "1.5 h", false, 0.0}),
    [](const testing::TestParamInfo<ParseCase>& info) { return info.param.label; });

TEST(AngleReading, ParseAngleTextChecksTheTargetsOwnRange) {
    FullCircleAngleValue full(1.0, kShowDegrees);
    EXPECT_FALSE(ParseAngleText(TXT("-5"), full));
    EXPECT_TRUE(ParseAngleText(TXT("359"), full));
    LatitudeValue latitude(1.0, kLatitudeMinusSign);
    EXPECT_FALSE(ParseAngleText(TXT("100"), latitude));
    EXPECT_EQ(latitude.degrees, 1.0);
}

TEST(AngleReading, DecimalHoursNeedTheirUnitCharacter) {
    FullCircleAngleValue full(1.0, kShowHours);
    EXPECT_FALSE(FullCircleAngleParseDecimal(full, TXT("12.5")));
    EXPECT_FALSE(FullCircleAngleParseDecimal(full, TXT("12.5 ")));
    EXPECT_FALSE(FullCircleAngleParseDecimal(full, TXT("12.5hh")));
    EXPECT_TRUE(FullCircleAngleParseDecimal(full, TXT(" 12.5h  ")));
    EXPECT_DOUBLE_EQ(full.degrees, 187.5);
}

// ---------------------------------------------------------------------------
// Round trips: text -> value -> text for every text form

// Writes the value, reads the text back into a value of the same kind and
// writes that again: the texts must agree and the value move by no more
// than the text's last unit.
template <typename Value, typename Reader>
void ExpectRoundTrip(const Value& original, int style, int precision, int decimals,
                     double tolerance, Reader read) {
    String first;
    original.Format(first, style, precision, decimals);
    Value copy = original;
    copy.degrees = 777.0;
    ASSERT_TRUE(read(copy, first.Text())) << Utf8(first);
    String second;
    copy.Format(second, style, precision, decimals);
    EXPECT_EQ(Utf8(second), Utf8(first));
    EXPECT_NEAR(copy.degrees, original.degrees, tolerance + 1e-12) << Utf8(first);
}

TEST(AngleRoundTrip, LongitudeInBothOrientations) {
    for (const double v : {0.0, 0.0001, -0.25, -0.99999, 0.1275, 12.5041667, -122.4194,
                           -179.99999, 180.0}) {
        for (const int orientation : {kWestPositive, kEastPositive}) {
            SCOPED_TRACE(testing::Message() << v << " orientation " << orientation);
            const LongitudeValue value(v, orientation);
            ExpectRoundTrip(value, kAngleSexagesimal, kToSecond, 0, 0.5 * kSecondOfArc,
                            LongitudeParse);
            ExpectRoundTrip(value, kAngleSexagesimal, kToMinute, 0, 30 * kSecondOfArc,
                            LongitudeParse);
            ExpectRoundTrip(value, kAngleDecimal, kToSecond, kAutomaticDecimals, 0.5e-5,
                            LongitudeParse);
        }
    }
}

TEST(AngleRoundTrip, LatitudeInBothStyles) {
    for (const double v : {0.0, -0.25, -0.99999, 51.5074, -33.8688, 89.99999, -90.0}) {
        for (const int style : {kLatitudeMinusSign, kLatitudeHemisphereLetter}) {
            SCOPED_TRACE(testing::Message() << v << " style " << style);
            const LatitudeValue value(v, style);
            ExpectRoundTrip(value, kAngleSexagesimal, kToSecond, 0, 0.5 * kSecondOfArc,
                            LatitudeParse);
            ExpectRoundTrip(value, kAngleDecimal, kToSecond, 3, 0.5e-3, LatitudeParse);
        }
    }
}

TEST(AngleRoundTrip, FullCircleInDegreesAndHours) {
    for (const double v : {0.0, 0.0001, 12.5041667, 187.5291667, 359.99999, 360.0}) {
        SCOPED_TRACE(v);
        const FullCircleAngleValue inDegrees(v, kShowDegrees);
        const FullCircleAngleValue inHours(v, kShowHours);
        ExpectRoundTrip(inDegrees, kAngleSexagesimal, kToSecond, 0, 0.5 * kSecondOfArc,
                        FullCircleAngleParse);
        ExpectRoundTrip(inDegrees, kAngleDecimal, kToSecond, kAutomaticDecimals, 0.5e-5,
                        FullCircleAngleParse);
        ExpectRoundTrip(inHours, kAngleSexagesimal, kToSecond, 0, 15 * 0.5 * kSecondOfArc,
                        FullCircleAngleParse);
        ExpectRoundTrip(inHours, kAngleDecimal, kToSecond, 4, 15 * 0.5e-4, FullCircleAngleParse);
    }
}

// ---------------------------------------------------------------------------
// Values

TEST(AngleValues, TypedValueAssignKeepsThePlaceAcrossOrientations) {
    const LongitudeValue east = LongitudeValue::FromOriented(10.0, kEastPositive);
    LongitudeValue dest(0.0, kWestPositive);
    TypedValueAssign(dest, east);
    EXPECT_EQ(dest.GetOrientation(), kWestPositive);
    EXPECT_EQ(Formatted(dest, kAngleSexagesimal, kToDegree), "10° E");
    EXPECT_EQ(dest.GetDisplayValue(), -10.0);
}

TEST(AngleValues, SetOrientationDoesNotMoveThePlace) {
    LongitudeValue value(-20.0, kWestPositive);
    value.SetOrientation(kEastPositive);
    EXPECT_EQ(value.GetValue(), -20.0);
    EXPECT_EQ(value.GetDisplayValue(), 20.0);
    EXPECT_EQ(Formatted(value, kAngleSexagesimal, kToDegree), "20° E");
}

struct NormaliseCase {
    double input;
    double expected;
};

class AngleNormalising : public testing::TestWithParam<NormaliseCase> {};

TEST_P(AngleNormalising, WrapsIntoHalfOpenCircle) {
    EXPECT_EQ(NormaliseAngle180(GetParam().input), GetParam().expected) << GetParam().input;
}

INSTANTIATE_TEST_SUITE_P(Examples, AngleNormalising,
                         testing::Values(NormaliseCase{180.0, 180.0}, NormaliseCase{-180.0, 180.0},
                                         NormaliseCase{-360.0, 0.0}, NormaliseCase{360.0, 0.0},
                                         NormaliseCase{-720.0, 0.0}, NormaliseCase{190.0, -170.0},
                                         NormaliseCase{-190.0, 170.0}, NormaliseCase{-1.0, -1.0},
                                         NormaliseCase{540.0, 180.0}));

class LatitudeNormalising : public testing::TestWithParam<NormaliseCase> {};

TEST_P(LatitudeNormalising, WrapsWithPeriod180) {
    EXPECT_EQ(NormaliseLatitude(GetParam().input), GetParam().expected) << GetParam().input;
}

INSTANTIATE_TEST_SUITE_P(Examples, LatitudeNormalising,
                         testing::Values(NormaliseCase{-90.0, 90.0}, NormaliseCase{90.0, 90.0},
                                         NormaliseCase{100.0, -80.0}, NormaliseCase{-100.0, 80.0},
                                         NormaliseCase{270.0, 90.0}, NormaliseCase{45.0, 45.0},
                                         NormaliseCase{-45.0, -45.0}));

}  // namespace
}  // namespace corvinata
