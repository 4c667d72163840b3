#include "base/event_time.h"

#include <gtest/gtest.h>

#include "base/date_time_testing.h"

namespace corvinata {
namespace {

struct CoordinateRow {
    int index;
    const char* name;
    const char* code;
    const char* first;
    const char* second;
};

class CoordinateSystemRows : public testing::TestWithParam<CoordinateRow> {};

TEST_P(CoordinateSystemRows, RowTextsAndLookupByName) {
    const CoordinateRow& row = GetParam();
    EXPECT_EQ(Utf8(GetCoordinateSystemName(row.index)), row.name);
    EXPECT_EQ(Utf8(GetCoordinateSystemCode(row.index)), row.code);
    EXPECT_EQ(Utf8(GetCoordinateSystemFirstAxisName(row.index)), row.first);
    EXPECT_EQ(Utf8(GetCoordinateSystemSecondAxisName(row.index)), row.second);
    EXPECT_EQ(FindCoordinateSystemByName(GetCoordinateSystemName(row.index)), row.index);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CoordinateSystemRows,
    testing::Values(
        CoordinateRow{0, "Equatorial", "EQU", "Right ascension", "Declination"},
        CoordinateRow{1, "Ecliptical", "ECL", "Longitude", "Latitude"},
        CoordinateRow{2, "Horizontal", "HOR", "Azimuth", "Altitude"},
        CoordinateRow{3, "Galactic", "GAL", "Longitude", "Latitude"},
        CoordinateRow{4, "Invalid", "Invalid", "Invalid", "Invalid"}));

TEST(CoordinateSystemNames, TableCountsFourRealSystems) {
    EXPECT_EQ(CoordinateSystemNames().count, 4);
}

TEST(CoordinateSystemNames, LookupIsExactOnNamesOnly) {
    EXPECT_EQ(FindCoordinateSystemByName(TXT("Horizontal")), 2);
    EXPECT_EQ(FindCoordinateSystemByName(TXT("horizontal")), 5);
    EXPECT_EQ(FindCoordinateSystemByName(TXT("HOR")), 5);
    EXPECT_EQ(FindCoordinateSystemByName(TXT("")), 5);
}

TEST(CoordinateSystemNames, IndexOutsideTableReadsAsInvalid) {
    EXPECT_EQ(Utf8(GetCoordinateSystemName(5)), "Invalid");
    EXPECT_EQ(Utf8(GetCoordinateSystemCode(-1)), "Invalid");
}

TEST(EventTime, InitialRecordIsNotComputed) {
    EventTime record;
    record.state = kEventTimeFound;
    record.dateTime = MakeDateTime(2001, 2, 3, 4.0, kUniversalTime);
    EventTimeInit(record);
    EXPECT_EQ(record.state, kEventTimeNotComputed);
    EXPECT_TRUE(DateTimeEqual(record.dateTime, MakeDateTime(1583, 1, 1, 0.0, kInvalidTimeSystem)));
}

TEST(EventTime, TimeFromDateTimeMarksEventFound) {
    EventTime record;
    EventTimeInit(record);
    const DateTime source = MakeDateTime(2001, 2, 3, 4.5, kLocalCivilTime);
    EventTimeFromDateTime(source, record);
    EXPECT_EQ(record.state, kEventTimeFound);
    EXPECT_TRUE(DateTimeEqual(record.dateTime, source));
}

TEST(EventTime, RecordWithoutTimeKeepsTheState) {
    EventTime fresh;
    EventTimeInit(fresh);
    EventTimeFromDateTime(MakeDateTime(2001, 2, 3, kNoTimeHours, kUniversalTime), fresh);
    EXPECT_EQ(fresh.state, kEventTimeNotComputed);
    EXPECT_EQ(fresh.dateTime.hours, kNoTimeHours);
    EXPECT_EQ(fresh.dateTime.day, 3);

    EventTime found;
    found.state = kEventTimeFound;
    EventTimeFromDateTime(MakeDateTime(2001, 2, 3, kNoTimeHours), found);
    EXPECT_EQ(found.state, kEventTimeFound);
}

TEST(EventTime, FromItsOwnDateTimeChangesOnlyTheState) {
    EventTime record;
    record.dateTime = MakeDateTime(2001, 2, 3, 4.0, kLocalSiderealTime);
    EventTimeFromDateTime(record.dateTime, record);
    EXPECT_EQ(record.state, kEventTimeFound);
    EXPECT_TRUE(DateTimeEqual(record.dateTime, MakeDateTime(2001, 2, 3, 4.0, kLocalSiderealTime)));
}

}  // namespace
}  // namespace corvinata
