#include "base/event_time_pair.h"

#include <gtest/gtest.h>

#include "base/date_time_testing.h"

namespace corvinata {
namespace {

bool SameTime(const EventTime& a, const EventTime& b) {
    return DateTimeEqual(a.dateTime, b.dateTime) && a.state == b.state;
}

// A rising that happens and a setting that does not (the body stays up).
EventTimePair RiseWithoutSet() {
    EventTimePair pair;
    pair.first.dateTime = MakeDateTime(2024, 2, 9, 6.5, kLocalCivilTime);
    pair.first.state = kEventTimeFound;
    pair.second.dateTime = MakeDateTime(2024, 2, 9, kNoTimeHours, kLocalCivilTime);
    pair.second.state = 0;
    pair.code = kNoSet;
    return pair;
}

TEST(EventTimePair, AFreshPairIsNotComputed) {
    const EventTimePair pair;
    EXPECT_EQ(pair.code, kRiseSetNotComputed);
    EXPECT_TRUE(pair.first.state == kEventTimeNotComputed && pair.second.state == kEventTimeNotComputed);
}

TEST(EventTimePair, AssignCopiesBothTimesAndTheCodeAndSelfAssignKeepsThem) {
    const EventTimePair source = RiseWithoutSet();
    EventTimePair target;
    EventTimePairAssign(target, source);
    EXPECT_TRUE(SameTime(target.first, source.first) && SameTime(target.second, source.second));
    EXPECT_EQ(target.code, kNoSet);
    EventTimePairAssign(target, target);
    EXPECT_TRUE(SameTime(target.first, source.first) && SameTime(target.second, source.second));
    EXPECT_EQ(target.code, kNoSet);
}

// The settings bind a date's time system through the integer getter.
static_assert(GetIntField(DateTime{2000, 1, 1, 0.0, kLocalSiderealTime}) == kLocalSiderealTime);

}  // namespace
}  // namespace corvinata
