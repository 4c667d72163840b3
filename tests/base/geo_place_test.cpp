#include "base/geo_place.h"

#include <gtest/gtest.h>

#include <string>

#include "base/place_text_testing.h"
#include "base/time_systems.h"
#include "base/wide_string.h"
#include "support/date_records.h"

namespace corvinata {
namespace {

using test::MakeDateTime;
using placetest::Utf8;
using placetest::Wide;

GeoCoordinates Place(double westLongitude, double latitude, double zone, int elevation = 0) {
    GeoCoordinates place;
    place.longitude.degrees = westLongitude;
    place.latitude.degrees = latitude;
    place.timeZone.hours = zone;
    place.elevation = elevation;
    return place;
}

TimeAndPlace Question(const DateTime& moment, const GeoCoordinates& place, bool dst) {
    TimeAndPlace record;
    TimeAndPlaceInit(record, moment, place, dst);
    return record;
}

std::string ZoneText(double hours) {
    String out(TXT("old"));
    FormatTimeZoneOffset(TimeZoneValue{hours}, out);
    return Utf8(out);
}

// ---------------------------------------------------------------------------
// Time-zone texts

struct ZoneTextCase {
    const char* label;
    double hours;
    const char* expected;
};

class TimeZoneText : public testing::TestWithParam<ZoneTextCase> {};

TEST_P(TimeZoneText, WritesSignHoursAndMinutes) {
    EXPECT_EQ(ZoneText(GetParam().hours), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, TimeZoneText,
    testing::Values(ZoneTextCase{"Zero", 0.0, "UT+0"}, ZoneTextCase{"One", 1.0, "UT+1"},
                    ZoneTextCase{"MinusFive", -5.0, "UT-5"},
                    ZoneTextCase{"HalfHour", 5.5, "UT+5:30"},
                    ZoneTextCase{"ThreeQuarters", 5.75, "UT+5:45"},
                    ZoneTextCase{"Chatham", 12.75, "UT+12:45"},
                    ZoneTextCase{"MinutesRoundToNearest", 5.0 + 29.6 / 60, "UT+5:30"},
                    ZoneTextCase{"TinyNegativeIsZero", -0.001, "UT+0"}),
    [](const testing::TestParamInfo<ZoneTextCase>& info) { return info.param.label; });

INSTANTIATE_TEST_SUITE_P(
    Regressions, TimeZoneText,
    testing::Values(ZoneTextCase{"NegativeMinutesWithoutSecondMinus", -3.5, "UT-3:30"},
                    ZoneTextCase{"SignKeptBetweenMinusOneAndZero", -0.5, "UT-0:30"},
                    ZoneTextCase{"SignKeptForMinusQuarter", -0.25, "UT-0:15"},
                    ZoneTextCase{"SixtyMinutesCarryIntoHours", 5.999, "UT+6:00"},
                    ZoneTextCase{"SixtyMinutesCarryWestOfGreenwich", -9.9999, "UT-10:00"},
                    ZoneTextCase{"DamagedValueWrittenAsNoOffset", 1e300, "UT+0"}),
    [](const testing::TestParamInfo<ZoneTextCase>& info) { return info.param.label; });

struct ZoneReadCase {
    const char* label;
    bool withMinutes;  // ParseTimeZoneHoursMinutes, else ParseTimeZoneHours
    const char* text;
    bool accepted;
    double hours;
};

class TimeZoneReading : public testing::TestWithParam<ZoneReadCase> {};

TEST_P(TimeZoneReading, AcceptsWithinThirteenHoursAndLeavesRefusedTargetAlone) {
    const ZoneReadCase& c = GetParam();
    TimeZoneValue zone{7.25};
    const auto text = Wide(c.text);
    const bool accepted = c.withMinutes ? ParseTimeZoneHoursMinutes(text.c_str(), zone)
                                        : ParseTimeZoneHours(text.c_str(), zone);
    ASSERT_EQ(accepted, c.accepted) << c.text;
    EXPECT_DOUBLE_EQ(zone.hours, c.accepted ? c.hours : 7.25) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    DecimalHours, TimeZoneReading,
    testing::Values(ZoneReadCase{"UpperLimit", false, "13", true, 13.0},
                    ZoneReadCase{"LowerLimit", false, "-13", true, -13.0},
                    ZoneReadCase{"AboveLimit", false, "13.5", false, 0.0},
                    ZoneReadCase{"TrailingBlank", false, "5 ", false, 0.0},
                    ZoneReadCase{"LeadingBlank", false, " 5", true, 5.0},
                    ZoneReadCase{"Fraction", false, "5.5", true, 5.5},
                    ZoneReadCase{"PlusSign", false, "+1", true, 1.0},
                    ZoneReadCase{"Empty", false, "", false, 0.0},
                    ZoneReadCase{"Word", false, "UT", false, 0.0},
                    ZoneReadCase{"HoursAndMinutes", false, "5:30", false, 0.0}),
    [](const testing::TestParamInfo<ZoneReadCase>& info) { return info.param.label; });

INSTANTIATE_TEST_SUITE_P(
    HoursMinutes, TimeZoneReading,
    testing::Values(ZoneReadCase{"HalfHour", true, "5:30", true, 5.5},
                    ZoneReadCase{"ColonMissing", true, "5", false, 0.0},
                    ZoneReadCase{"TrailingBlank", true, "5:30 ", false, 0.0},
                    ZoneReadCase{"SumAboveLimit", true, "12:90", false, 0.0},
                    ZoneReadCase{"MinutesPastSixtyAdd", true, "5:75", true, 6.25},
                    ZoneReadCase{"MinutesMissing", true, "5:", false, 0.0},
                    ZoneReadCase{"DecimalMinutes", true, "5:30.5", false, 0.0},
                    ZoneReadCase{"LowerLimit", true, "-13:00", true, -13.0},
                    ZoneReadCase{"BelowLimit", true, "-13:01", false, 0.0},
                    ZoneReadCase{"ZeroMinusMinutes", true, "0:-30", true, -0.5}),
    [](const testing::TestParamInfo<ZoneReadCase>& info) { return info.param.label; });

INSTANTIATE_TEST_SUITE_P(
    Regressions, TimeZoneReading,
    testing::Values(ZoneReadCase{"MinusAppliesToMinutes", true, "-3:30", true, -3.5},
                    ZoneReadCase{"MinusZeroHours", true, "-0:30", true, -0.5},
                    ZoneReadCase{"OlderTextWithTwoMinuses", true, "-3:-30", true, -3.5}),
    [](const testing::TestParamInfo<ZoneReadCase>& info) { return info.param.label; });

TEST(TimeZoneRoundTrip, EveryQuarterHourReadsBackFromItsText) {
    for (int quarter = -52; quarter <= 52; ++quarter) {
        const double hours = quarter / 4.0;
        const std::string text = ZoneText(hours);
        ASSERT_EQ(text.substr(0, 2), "UT");
        const auto offset = Wide(text.c_str() + 2);
        TimeZoneValue read{99.0};
        const bool accepted = text.find(':') == std::string::npos
                                  ? ParseTimeZoneHours(offset.c_str(), read)
                                  : ParseTimeZoneHoursMinutes(offset.c_str(), read);
        ASSERT_TRUE(accepted) << text;
        EXPECT_EQ(read.hours, hours) << text;
        EXPECT_EQ(ZoneText(read.hours), text);
    }
}

// ---------------------------------------------------------------------------
// Places and time-and-place records

TEST(GeoCoordinates, InitialPlaceIsGreenwichOnTheEquator) {
    GeoCoordinates place = Place(12.0, 45.0, 2.0, 300);
    place.longitude.SetOrientation(kEastPositive);
    GeoCoordinatesInit(place);
    EXPECT_EQ(place.longitude.GetValue(), 0.0);
    EXPECT_EQ(place.longitude.GetOrientation(), kWestPositive);
    EXPECT_EQ(place.latitude.GetValue(), 0.0);
    EXPECT_EQ(place.latitude.mode, kLatitudeHemisphereLetter);
    EXPECT_EQ(place.timeZone.hours, 0.0);
    EXPECT_EQ(GetElevation(place), 0);
}

TEST(GeoCoordinates, EqualityComparesThePlaceNotTheModeWords) {
    const GeoCoordinates a = Place(-10.0, 45.0, 1.0, 200);
    GeoCoordinates b = a;
    b.longitude.SetOrientation(kEastPositive);
    b.latitude.mode = kLatitudeMinusSign;
    EXPECT_TRUE(GeoCoordinatesEqual(a, b));

    GeoCoordinates higher = a;
    SetElevation(higher, 201);
    EXPECT_FALSE(GeoCoordinatesEqual(a, higher));
    GeoCoordinates otherZone = a;
    otherZone.timeZone.hours = 2.0;
    EXPECT_FALSE(GeoCoordinatesEqual(a, otherZone));
    EXPECT_FALSE(GeoCoordinatesEqual(a, Place(10.0, 45.0, 1.0, 200)));
}

TEST(TimeAndPlace, EqualityIncludesTheDaylightSavingFlag) {
    const TimeAndPlace a = Question(MakeDateTime(2024, 6, 1, 12.0, kLocalCivilTime), Place(0, 51.5, 0), false);
    TimeAndPlace b = a;
    EXPECT_TRUE(TimeAndPlaceEqual(a, b));
    b.daylightSaving = true;
    EXPECT_FALSE(TimeAndPlaceEqual(a, b));
    b = a;
    b.dateTime.timeSystem = kUniversalTime;
    EXPECT_FALSE(TimeAndPlaceEqual(a, b));
}

TEST(TimeAndPlace, InitCopiesModeWordsAssignKeepsTheDestinations) {
    GeoCoordinates eastern = Place(-30.0, -20.0, 2.0, 50);
    eastern.longitude.SetOrientation(kEastPositive);
    eastern.latitude.mode = kLatitudeMinusSign;
    const TimeAndPlace source = Question(MakeDateTime(2001, 2, 3, 4.5, kUniversalTime), eastern, true);
    EXPECT_EQ(source.place.longitude.GetOrientation(), kEastPositive);
    EXPECT_EQ(source.place.latitude.mode, kLatitudeMinusSign);

    TimeAndPlace dest;
    TimeAndPlaceAssign(dest, source);
    EXPECT_TRUE(TimeAndPlaceEqual(dest, source));
    EXPECT_EQ(dest.place.longitude.GetOrientation(), kWestPositive);
    EXPECT_EQ(dest.place.latitude.mode, kLatitudeHemisphereLetter);
    // The place itself did not move: still 30 degrees east of Greenwich.
    String text;
    dest.place.longitude.Format(text, kAngleSexagesimal, kToDegree, 0);
    EXPECT_EQ(Utf8(text), "30° E");
}

TEST(TimeAndPlace, AssigningToItselfChangesNothing) {
    TimeAndPlace record = Question(MakeDateTime(2010, 7, 8, 9.25, kLocalSiderealTime), Place(5, 6, 7, 8), true);
    const TimeAndPlace before = record;
    TimeAndPlace& result = TimeAndPlaceAssign(record, record);
    EXPECT_EQ(&result, &record);
    EXPECT_TRUE(TimeAndPlaceEqual(record, before));
}

// ---------------------------------------------------------------------------
// Same moment

TEST(SameMoment, LocalCivilTimeMatchesUniversalTimeAtTheSecondPlace) {
    const TimeAndPlace a = Question(MakeDateTime(2024, 3, 10, 12.0, kLocalCivilTime), Place(0, 0, 0), false);
    const TimeAndPlace b = Question(MakeDateTime(2024, 3, 10, 11.0, kUniversalTime), Place(0, 0, 1.0), false);
    EXPECT_TRUE(DateTimeSameMoment(a, b));
    TimeAndPlace summer = b;
    summer.daylightSaving = true;
    EXPECT_FALSE(DateTimeSameMoment(a, summer));
}

TEST(SameMoment, UniversalTimeMatchesLocalTimeConvertedAtItsOwnPlace) {
    const TimeAndPlace a = Question(MakeDateTime(2024, 3, 10, 23.5, kUniversalTime), Place(0, 0, 0), false);
    const TimeAndPlace b = Question(MakeDateTime(2024, 3, 11, 1.5, kLocalCivilTime), Place(0, 0, 1.0), true);
    EXPECT_TRUE(DateTimeSameMoment(a, b));
}

TEST(SameMoment, TwoLocalSystemsThatDifferAreNeverTheSame) {
    const TimeAndPlace a = Question(MakeDateTime(2024, 3, 10, 12.0, kLocalCivilTime), Place(0, 0, 0), false);
    const TimeAndPlace b =
        Question(MakeDateTime(2024, 3, 10, 12.0, kGreenwichSiderealTime), Place(0, 0, 0), false);
    EXPECT_FALSE(DateTimeSameMoment(a, b));
    EXPECT_FALSE(DateTimeSameMoment(b, a));
}

TEST(SameMoment, OneSystemComparesFieldsAsTheyStand) {
    const TimeAndPlace a = Question(MakeDateTime(2024, 3, 10, 12.0, kLocalCivilTime), Place(0, 0, 0), false);
    const TimeAndPlace b = Question(MakeDateTime(2024, 3, 10, 12.0, kLocalCivilTime), Place(0, 0, 5.0), true);
    EXPECT_TRUE(DateTimeSameMoment(a, b));
}

TEST(SameMoment, LongitudeOfEitherOrientationGivesTheSameSiderealAnswer) {
    // Local sidereal time 3 h at 30 degrees east is Greenwich sidereal time 1 h.
    DateTime greenwichOne = MakeDateTime(1980, 4, 22, 1.0, kGreenwichSiderealTime);
    GeoCoordinates westOriented = Place(-30.0, 0, 0);
    GeoCoordinates eastOriented = Place(0, 0, 0);
    eastOriented.longitude = LongitudeValue::FromOriented(30.0, kEastPositive);

    DateTime universal = greenwichOne;
    ConvertTimeSystemAt(universal, kUniversalTime, 0.0, 0.0, false);
    for (const GeoCoordinates& place : {westOriented, eastOriented}) {
        const TimeAndPlace local =
            Question(MakeDateTime(1980, 4, 22, 3.0, kLocalSiderealTime), place, false);
        const TimeAndPlace reference = Question(universal, place, false);
        EXPECT_TRUE(DateTimeSameMoment(local, reference))
            << "orientation " << place.longitude.GetOrientation();
    }
}

}  // namespace
}  // namespace corvinata
