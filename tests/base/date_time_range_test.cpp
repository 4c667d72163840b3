#include "base/date_time_range.h"

#include <gtest/gtest.h>

#include "support/date_records.h"

namespace corvinata {
namespace {

using test::MakeDateTime;

TEST(DateTimeRangeRecord, SetBeginFromRangeTakesItsBeginAndTheGivenEnd) {
    DateTimeRange range, other;
    DateTimeRangeSet(range, MakeDateTime(2001, 1, 1, 0, 0), MakeDateTime(2002, 1, 1, 0, 0));
    DateTimeRangeSet(other, MakeDateTime(1999, 9, 9, 9, 2), MakeDateTime(2050, 1, 1, 0, 2));
    const DateTime end = MakeDateTime(2020, 2, 29, 12, 2);
    EXPECT_EQ(&DateTimeRangeSetBeginFromRange(range, other, end), &range.end);
    EXPECT_TRUE(DateTimeEqual(range.begin, other.begin) && DateTimeEqual(range.end, end));
    // From itself nothing changes.
    other = range;
    DateTimeRangeSetBeginFromRange(range, range, range.end);
    EXPECT_TRUE(DateTimeEqual(range.begin, other.begin) && DateTimeEqual(range.end, other.end));
}

}  // namespace
}  // namespace corvinata
