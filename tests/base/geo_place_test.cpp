#include "base/geo_place.h"

#include <gtest/gtest.h>

#include <string>

#include "base/time_systems.h"
#include "base/wide_string.h"
#include "support/date_records.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::MakeDateTime;
using test::Utf8;
using test::Wide;

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

TEST(TimeZoneText, WritesSignHoursAndRoundedMinutesWithRegressionsOfSignsAndCarries) {
    const struct {
        double hours;
        const char* expected;
    } cases[] = {
        {0.0, "UT+0"}, {-5.0, "UT-5"}, {5.0 + 29.6 / 60, "UT+5:30"}, {-0.001, "UT+0"},
        {-3.5, "UT-3:30"},     // no second minus before the minutes
        {-0.5, "UT-0:30"},     // sign kept between -1 and 0
        {-0.25, "UT-0:15"},    //
        {5.999, "UT+6:00"},    // sixty minutes carry into the hours
        {-9.9999, "UT-10:00"}, //   also west of Greenwich
        {1e300, "UT+0"},       // a damaged value is written as no offset
    };
    for (const auto& c : cases) EXPECT_EQ(ZoneText(c.hours), c.expected) << c.hours;
}

// Each text is read into a zone of 7.25 h; a refused text must leave it alone.
TEST(TimeZoneReading, WithinZoneLimitsRefusedTargetAloneRegressionsOfMinusBeforeHours) {
    const double no = 99.0;  // refused
    const struct {
        bool withMinutes;  // ParseTimeZoneHoursMinutes, else ParseTimeZoneHours
        const char* text;
        double hours;
    } cases[] = {
        {false, "13", 13.0}, {false, "-12", -12.0}, {false, "-13", no}, {false, "13.5", no}, {false, "5 ", no},
        {false, " 5", 5.0}, {false, "5.5", 5.5}, {false, "+1", 1.0}, {false, "", no},
        {false, "5:30", no}, {true, "5:30", 5.5}, {true, "5", no}, {true, "12:90", no},
        {true, "5:75", 6.25}, {true, "5:30.5", no}, {true, "-12:00", -12.0},
        {true, "-12:01", no}, {true, "13:01", no}, {true, "0:-30", -0.5},
        // A minus before the hours applies to the minutes too.
        {true, "-3:30", -3.5}, {true, "-0:30", -0.5}, {true, "-3:-30", -3.5},
    };
    for (const auto& c : cases) {
        TimeZoneValue zone{7.25};
        const auto text = Wide(c.text);
        const bool accepted = c.withMinutes ? ParseTimeZoneHoursMinutes(text.c_str(), zone)
                                            : ParseTimeZoneHours(text.c_str(), zone);
        EXPECT_EQ(accepted, c.hours != no) << c.text;
        EXPECT_DOUBLE_EQ(zone.hours, accepted ? c.hours : 7.25) << c.text;
    }
}

TEST(TimeZoneRoundTrip, EveryQuarterHourReadsBackFromItsText) {
    for (int quarter = static_cast<int>(kMinTimeZoneHours * 4);
         quarter <= static_cast<int>(kMaxTimeZoneHours * 4); ++quarter) {
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

TEST(GeoCoordinates, EqualityOfThePlaceNotTheModeWords) {
    const GeoCoordinates a = Place(-10.0, 45.0, 1.0, 200);
    GeoCoordinates b = a;
    b.longitude.SetOrientation(kEastPositive);
    b.latitude.mode = kLatitudeMinusSign;
    EXPECT_TRUE(GeoCoordinatesEqual(a, b));
    GeoCoordinates higher = a;
    SetElevation(higher, 201);
    EXPECT_FALSE(GeoCoordinatesEqual(a, higher));
    EXPECT_FALSE(GeoCoordinatesEqual(a, Place(-10.0, 45.0, 2.0, 200)));
    EXPECT_FALSE(GeoCoordinatesEqual(a, Place(10.0, 45.0, 1.0, 200)));
}

TEST(TimeAndPlace, EqualityIncludesTheDaylightSavingFlagAndTheSystem) {
    const TimeAndPlace a =
        Question(MakeDateTime(2024, 6, 1, 12.0, kLocalCivilTime), Place(0, 51.5, 0), false);
    TimeAndPlace b = a;
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
    const TimeAndPlace source =
        Question(MakeDateTime(2001, 2, 3, 4.5, kUniversalTime), eastern, true);
    EXPECT_EQ(source.place.longitude.GetOrientation(), kEastPositive);
    EXPECT_EQ(source.place.latitude.mode, kLatitudeMinusSign);

    TimeAndPlace dest;
    TimeAndPlaceAssign(dest, source);
    EXPECT_TRUE(TimeAndPlaceEqual(dest, source));
    EXPECT_EQ(dest.place.longitude.GetOrientation(), kWestPositive);
    EXPECT_EQ(dest.place.latitude.mode, kLatitudeHemisphereLetter);

    const TimeAndPlace before = dest;
    EXPECT_EQ(&TimeAndPlaceAssign(dest, dest), &dest);
    EXPECT_TRUE(TimeAndPlaceEqual(dest, before));
}

// ---------------------------------------------------------------------------
// Same moment

TEST(SameMoment, ComparesInTheSecondRecordsSystemAtItsOwnPlace) {
    const auto at = [](int day, double hours, std::int32_t system, double zone, bool dst) {
        return Question(MakeDateTime(2024, 3, day, hours, system), Place(0, 0, zone), dst);
    };
    // Local civil time matches universal time converted at the second place.
    EXPECT_TRUE(DateTimeSameMoment(at(10, 12.0, kLocalCivilTime, 0, false),
                                   at(10, 11.0, kUniversalTime, 1.0, false)));
    EXPECT_FALSE(DateTimeSameMoment(at(10, 12.0, kLocalCivilTime, 0, false),
                                    at(10, 11.0, kUniversalTime, 1.0, true)));
    // Universal time matches local time converted at its own place.
    EXPECT_TRUE(DateTimeSameMoment(at(10, 23.5, kUniversalTime, 0, false),
                                   at(11, 1.5, kLocalCivilTime, 1.0, true)));
    // Two local systems that differ are never the same; one system compares
    // the fields as they stand.
    const TimeAndPlace civil = at(10, 12.0, kLocalCivilTime, 0, false);
    const TimeAndPlace sidereal = at(10, 12.0, kGreenwichSiderealTime, 0, false);
    EXPECT_FALSE(DateTimeSameMoment(civil, sidereal));
    EXPECT_FALSE(DateTimeSameMoment(sidereal, civil));
    EXPECT_TRUE(DateTimeSameMoment(civil, at(10, 12.0, kLocalCivilTime, 5.0, true)));
}

TEST(SameMoment, LongitudeOfEitherOrientationGivesTheSameSiderealAnswer) {
    // Local sidereal time 3 h at 30 degrees east is Greenwich sidereal time 1 h.
    DateTime universal = MakeDateTime(1980, 4, 22, 1.0, kGreenwichSiderealTime);
    ConvertTimeSystemAt(universal, kUniversalTime, 0.0, 0.0, false);
    GeoCoordinates eastOriented = Place(0, 0, 0);
    eastOriented.longitude = LongitudeValue(-30.0, kEastPositive);
    for (const GeoCoordinates& place : {Place(-30.0, 0, 0), eastOriented}) {
        const TimeAndPlace local =
            Question(MakeDateTime(1980, 4, 22, 3.0, kLocalSiderealTime), place, false);
        EXPECT_TRUE(DateTimeSameMoment(local, Question(universal, place, false)))
            << "orientation " << place.longitude.GetOrientation();
    }
}

}  // namespace
}  // namespace corvinata
