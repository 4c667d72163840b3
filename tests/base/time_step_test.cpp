#include "base/time_step.h"

#include <gtest/gtest.h>

#include <string>

#include "base/wide_string.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Utf8;

std::string StepText(std::int32_t unit, std::int32_t count) {
    TimeStep step;
    TimeStepSet(step, unit, count);
    String out(TXT("stale"));
    FormatTimeStepText(step, out);
    return Utf8(out.Text());
}

TEST(ParseTimeUnit, MatchesPluralNamesIgnoringCase) {
    const struct { const Char* text; std::int32_t unit; } cases[] = {
        {TXT("DAYS"), kDaysUnit}, {TXT("yEaRs"), kYearsUnit}, {TXT("Day"), kTimeUnitCount},
        {TXT(""), kTimeUnitCount}, {TXT("Hours "), kTimeUnitCount}};
    for (const auto& c : cases) EXPECT_EQ(ParseTimeUnit(c.text), c.unit) << Utf8(c.text);
    for (std::int32_t unit = 0; unit < kTimeUnitCount; ++unit)
        EXPECT_EQ(ParseTimeUnit(GetTimeUnitName(unit)), unit);
    EXPECT_EQ(Utf8(GetTimeUnitName(kSecondsUnit)), "Seconds");
    EXPECT_EQ(Utf8(GetTimeUnitName(-1)), "");
    EXPECT_EQ(Utf8(GetTimeUnitName(kTimeUnitCount)), "");
}

TEST(FormatTimeStep, WritesCountAndLowerCaseUnitSingularForOne) {
    const struct { std::int32_t unit, count; const char* text; } cases[] = {
        {kMinutesUnit, 1, "1 minute"}, {kYearsUnit, -1, "-1 year"}, {kHoursUnit, 2, "2 hours"},
        {kSecondsUnit, 0, "0 seconds"}, {kYearsUnit, INT32_MIN, "-2147483648 years"},
        // Regression: a unit outside the table read past it.
        {kTimeUnitCount, 3, "3"}, {-1, 1, "1"}};
    for (const auto& c : cases) EXPECT_EQ(StepText(c.unit, c.count), c.text);
    EXPECT_EQ(Utf8(GetTimeUnitName(kMinutesUnit)), "Minutes");  // the name table is untouched
}

TEST(StripTrailingS, RemovesOnlyFinalLowerCaseS) {
    const struct { const Char* text; const char* stripped; } cases[] = {
        {TXT("glass"), "gla"}, {TXT("S"), "S"}, {TXT("sss"), ""}, {TXT("Hours "), "Hours "}};
    for (const auto& c : cases) {
        String text(c.text);
        StripTrailingS(text);
        EXPECT_EQ(Utf8(text), c.stripped);
    }
    String empty;
    StripTrailingS(empty);
    EXPECT_TRUE(empty.IsShared());
}

TEST(TimeStepRecord, EqualityComparesUnitsNotDurations) {
    TimeStep oneMinute, oneHour, sixtyMinutes;
    TimeStepSet(oneMinute, kMinutesUnit, 1);
    TimeStepSet(oneHour, kHoursUnit, 1);
    TimeStepSet(sixtyMinutes, kMinutesUnit, 60);
    EXPECT_FALSE(TimeStepEqual(oneMinute, oneHour) || TimeStepEqual(oneHour, sixtyMinutes));
    EXPECT_TRUE(TimeStepEqual(TimeStepAssign(sixtyMinutes, oneHour), oneHour));
}

}  // namespace
}  // namespace corvinata
