#include "base/event_time.h"

#include <gtest/gtest.h>

#include "base/date_time_testing.h"

namespace corvinata {
namespace {

TEST(CoordinateSystemNames, RowsAndExactLookupByName) {
    EXPECT_EQ(CoordinateSystemNames().count, 4);
    const char* const rows[][4] = {
        {"Equatorial", "EQU", "Right ascension", "Declination"},
        {"Ecliptical", "ECL", "Longitude", "Latitude"},
        {"Horizontal", "HOR", "Azimuth", "Altitude"},
        {"Galactic", "GAL", "Longitude", "Latitude"},
        {"Invalid", "Invalid", "Invalid", "Invalid"},
    };
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(Utf8(GetCoordinateSystemName(i)), rows[i][0]);
        EXPECT_EQ(Utf8(GetCoordinateSystemCode(i)), rows[i][1]);
        EXPECT_EQ(Utf8(GetCoordinateSystemFirstAxisName(i)), rows[i][2]);
        EXPECT_EQ(Utf8(GetCoordinateSystemSecondAxisName(i)), rows[i][3]);
        EXPECT_EQ(FindCoordinateSystemByName(GetCoordinateSystemName(i)), i);
    }
    for (const Char* text : {TXT("horizontal"), TXT("HOR"), TXT("")}) {
        EXPECT_EQ(FindCoordinateSystemByName(text), 5) << Utf8(text);
    }
    EXPECT_EQ(Utf8(GetCoordinateSystemName(5)), "Invalid");
    EXPECT_EQ(Utf8(GetCoordinateSystemCode(-1)), "Invalid");
}

TEST(EventTime, InitialRecordIsNotComputedAndATimeMarksItFound) {
    EventTime record;
    record.state = kEventTimeFound;
    record.dateTime = MakeDateTime(2001, 2, 3, 4.0, kUniversalTime);
    EventTimeInit(record);
    EXPECT_EQ(record.state, kEventTimeNotComputed);
    EXPECT_TRUE(DateTimeEqual(record.dateTime, MakeDateTime(1583, 1, 1, 0.0, kInvalidTimeSystem)));

    const DateTime source = MakeDateTime(2001, 2, 3, 4.5, kLocalCivilTime);
    EventTimeFromDateTime(source, record);
    EXPECT_EQ(record.state, kEventTimeFound);
    EXPECT_TRUE(DateTimeEqual(record.dateTime, source));
    // From its own date and time only the state changes.
    record.state = kEventTimeNotComputed;
    EventTimeFromDateTime(record.dateTime, record);
    EXPECT_EQ(record.state, kEventTimeFound);
    EXPECT_TRUE(DateTimeEqual(record.dateTime, source));
}

TEST(EventTime, RecordWithoutTimeKeepsTheState) {
    for (const std::int32_t state : {kEventTimeNotComputed, kEventTimeFound}) {
        EventTime record;
        record.state = state;
        EventTimeFromDateTime(MakeDateTime(2001, 2, 3, kNoTimeHours, kUniversalTime), record);
        EXPECT_EQ(record.state, state);
        EXPECT_EQ(record.dateTime.hours, kNoTimeHours);
        EXPECT_EQ(record.dateTime.day, 3);
    }
}

}  // namespace
}  // namespace corvinata
