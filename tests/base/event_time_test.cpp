#include "base/event_time.h"

#include <gtest/gtest.h>

#include "base/date_time_testing.h"

namespace corvinata {
namespace {

TEST(CoordinateSystemNames, ExactLookupByNameAndInvalidOutsideTheTable) {
    for (int i = 0; i <= 4; ++i) {
        EXPECT_EQ(FindCoordinateSystemByName(GetCoordinateSystemName(i)), i);
    }
    EXPECT_EQ(Utf8(GetCoordinateSystemCode(2)) + " " + Utf8(GetCoordinateSystemFirstAxisName(2)) +
                  " " + Utf8(GetCoordinateSystemSecondAxisName(0)),
              "HOR Azimuth Declination");
    for (const Char* text : {TXT("horizontal"), TXT("HOR"), TXT("")}) {
        EXPECT_EQ(FindCoordinateSystemByName(text), 5) << Utf8(text);
    }
    EXPECT_EQ(Utf8(GetCoordinateSystemName(5)), "Invalid");
    EXPECT_EQ(Utf8(GetCoordinateSystemCode(-1)), "Invalid");
}

TEST(EventTime, ATimeMarksTheRecordFound) {
    EventTime record;
    EventTimeInit(record);
    const DateTime source = MakeDateTime(2001, 2, 3, 4.5, kLocalCivilTime);
    EventTimeFromDateTime(source, record);
    EXPECT_TRUE(record.state == kEventTimeFound && DateTimeEqual(record.dateTime, source));
    // From its own date and time only the state changes.
    record.state = kEventTimeNotComputed;
    EventTimeFromDateTime(record.dateTime, record);
    EXPECT_TRUE(record.state == kEventTimeFound && DateTimeEqual(record.dateTime, source));
}

TEST(EventTime, RecordWithoutTimeKeepsTheState) {
    for (const std::int32_t state : {kEventTimeNotComputed, kEventTimeFound}) {
        EventTime record;
        record.state = state;
        EventTimeFromDateTime(MakeDateTime(2001, 2, 3, kNoTimeHours, kUniversalTime), record);
        EXPECT_EQ(record.state, state);
        EXPECT_TRUE(DateTimeEqual(record.dateTime, MakeDateTime(2001, 2, 3, kNoTimeHours)));
    }
}

}  // namespace
}  // namespace corvinata
