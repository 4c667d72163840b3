#include "app/time_and_location.h"

#include <gtest/gtest.h>

#include "support/date_records.h"

namespace corvinata {
namespace {

using test::MakeDateTime;

TimeAndLocation RangeFrom(const DateTime& begin) {
    TimeAndLocation record;
    record.beginDate = begin;
    record.endDate = begin;
    return record;
}

// Stored as days / 365 and read back: every listed length must come back whole.
class RangeLengthTest : public ::testing::TestWithParam<int> {};

TEST_P(RangeLengthTest, DayCountSurvivesTheEndDateAndTheStoredLength) {
    const int days = GetParam();
    TimeAndLocation record = RangeFrom(MakeDateTime(2000, 1, 1));
    DateTime end = record.beginDate;
    ASSERT_TRUE(DateTimeAddDays(end, days));
    ASSERT_TRUE(TimeAndLocationSetEndDate(record, end));
    EXPECT_EQ(TimeAndLocationRangeUnits(record), days);

    TimeAndLocation reread = RangeFrom(record.beginDate);
    ASSERT_TRUE(TimeAndLocationStoreStep(reread, kDaysUnit, record.stepCount));
    ASSERT_TRUE(TimeAndLocationUpdateEndDate(reread));
    EXPECT_EQ(TimeAndLocationRangeUnits(reread), days);
    EXPECT_TRUE(DateTimeEqual(reread.endDate, end));
}

INSTANTIATE_TEST_SUITE_P(ListedLengths, RangeLengthTest,
                         ::testing::Values(1, 3, 6, 12, 24, 48, 90, 182, 365, 730, 3650));

TEST(TimeAndLocationTest, RangeMovesTheEndInItsOwnUnit) {
    TimeAndLocation record = RangeFrom(MakeDateTime(2000, 1, 31));
    ASSERT_TRUE(TimeAndLocationSetRange(record, kMonthsUnit, 4));
    EXPECT_TRUE(DateTimeEqual(record.endDate, MakeDateTime(2000, 5, 31)));
}

TEST(TimeAndLocationTest, ImpossibleRangesAreRefusedAndLeaveTheRecordAlone) {
    TimeAndLocation record = RangeFrom(MakeDateTime(2000, 1, 1));
    ASSERT_TRUE(TimeAndLocationSetEndDate(record, MakeDateTime(2000, 3, 1)));
    const TimeAndLocation before = record;

    EXPECT_FALSE(TimeAndLocationSetEndDate(record, MakeDateTime(1999, 12, 31)));
    EXPECT_FALSE(TimeAndLocationSetRange(record, kYearsUnit, 2000));
    EXPECT_FALSE(TimeAndLocationSetRange(record, 6, 1));
    record.endFixed = true;
    EXPECT_FALSE(TimeAndLocationSetBeginDate(record, MakeDateTime(2000, 4, 1), true));
    record.endFixed = false;
    EXPECT_TRUE(TimeAndLocationEquals(record, before));
}

// A begin that the target refuses must not be half copied: the old code kept
// the new begin with the old end.
TEST(TimeAndLocationTest, CopyFieldOfARefusedBeginKeepsBeginAndEndTogether) {
    TimeAndLocation target = RangeFrom(MakeDateTime(2000, 1, 1));
    ASSERT_TRUE(TimeAndLocationSetRange(target, kYearsUnit, 10));
    TimeAndLocation source = target;
    source.beginDate = MakeDateTime(2995, 1, 1);
    const TimeAndLocation before = target;
    EXPECT_FALSE(TimeAndLocationCopyField(kBeginDateField, source, target));
    EXPECT_TRUE(TimeAndLocationEquals(target, before));
    source.beginDate = MakeDateTime(2001, 1, 1);
    EXPECT_TRUE(TimeAndLocationCopyField(kBeginDateField, source, target));
    EXPECT_TRUE(DateTimeEqual(target.endDate, MakeDateTime(2011, 1, 1)));
    EXPECT_FALSE(TimeAndLocationCopyField(kTimeAndLocationWhole, source, target));
}

struct CompareCase {
    const char* name;
    void (*change)(TimeAndLocation&);
    bool equal;
    bool timeDiffers;
    bool anyDiffers;
};

const CompareCase kCompareCases[] = {
    {"hidden y grid step", [](TimeAndLocation& r) { r.yAxisGridStep = 5; }, false, false, false},
    {"shown y grid step",
     [](TimeAndLocation& r) { r.yAxisGridActive = true; }, false, false, true},
    {"y limit", [](TimeAndLocation& r) { r.yAxisMax = 3.0; }, false, false, true},
    {"place", [](TimeAndLocation& r) { r.location.coordinates.elevation = 10; }, false, true, true},
    {"range of a moving end", [](TimeAndLocation& r) { r.stepCount = 9; }, false, true, true},
    {"end of a moving end", [](TimeAndLocation& r) { r.endDate.day = 9; }, false, false, false},
    {"nothing", [](TimeAndLocation&) {}, true, false, false},
};

TEST(TimeAndLocationTest, CompareTellsComputedFromShownChanges) {
    for (const CompareCase& c : kCompareCases) {
        TimeAndLocation a = RangeFrom(MakeDateTime(2000, 1, 1));
        TimeAndLocation b = a;
        c.change(b);
        bool timeDiffers = true, anyDiffers = true;
        EXPECT_EQ(TimeAndLocationCompare(a, b, timeDiffers, anyDiffers), c.equal) << c.name;
        EXPECT_EQ(timeDiffers, c.timeDiffers) << c.name;
        EXPECT_EQ(anyDiffers, c.anyDiffers) << c.name;
    }
}

}  // namespace
}  // namespace corvinata
