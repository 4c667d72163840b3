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

struct ParseCase {
    const char* label;
    const Char* text;
    std::int32_t unit;
};

class ParseTimeUnitTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseTimeUnitTest, MatchesPluralNamesIgnoringCase) {
    EXPECT_EQ(ParseTimeUnit(GetParam().text), GetParam().unit);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseTimeUnitTest,
    testing::Values(ParseCase{"LowerDays", TXT("days"), kDaysUnit},
                    ParseCase{"UpperDays", TXT("DAYS"), kDaysUnit},
                    ParseCase{"Days", TXT("Days"), kDaysUnit},
                    ParseCase{"Seconds", TXT("seconds"), kSecondsUnit},
                    ParseCase{"Years", TXT("yEaRs"), kYearsUnit},
                    ParseCase{"Singular", TXT("Day"), kTimeUnitCount},
                    ParseCase{"Empty", TXT(""), kTimeUnitCount},
                    ParseCase{"TrailingBlank", TXT("Hours "), kTimeUnitCount}),
    [](const testing::TestParamInfo<ParseCase>& info) { return info.param.label; });

TEST(TimeUnitNames, EveryNameParsesBackToItsUnit) {
    for (std::int32_t unit = 0; unit < kTimeUnitCount; ++unit) {
        EXPECT_EQ(ParseTimeUnit(GetTimeUnitName(unit)), unit);
    }
    EXPECT_EQ(Utf8(GetTimeUnitName(kSecondsUnit)), "Seconds");
    EXPECT_EQ(Utf8(GetTimeUnitName(kMonthsUnit)), "Months");
}

TEST(TimeUnitNames, UnitOutsideTableHasEmptyName) {
    EXPECT_EQ(Utf8(GetTimeUnitName(-1)), "");
    EXPECT_EQ(Utf8(GetTimeUnitName(kTimeUnitCount)), "");
}

struct FormatCase {
    std::int32_t unit;
    std::int32_t count;
    const char* text;
};

class FormatTimeStep : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatTimeStep, WritesCountAndLowerCaseUnit) {
    EXPECT_EQ(StepText(GetParam().unit, GetParam().count), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, FormatTimeStep,
    testing::Values(FormatCase{kSecondsUnit, 1, "1 second"}, FormatCase{kYearsUnit, -1, "-1 year"},
                    FormatCase{kHoursUnit, 2, "2 hours"}, FormatCase{kMinutesUnit, 1, "1 minute"},
                    FormatCase{kHoursUnit, 5, "5 hours"}, FormatCase{kDaysUnit, -1, "-1 day"},
                    FormatCase{kSecondsUnit, 0, "0 seconds"}, FormatCase{kMonthsUnit, 12, "12 months"},
                    FormatCase{kDaysUnit, -2, "-2 days"}, FormatCase{kMonthsUnit, 11, "11 months"},
                    FormatCase{kYearsUnit, INT32_MIN, "-2147483648 years"}));

TEST(FormatTimeStepRegression, UnitOutsideTableWritesCountAloneWithoutReadingPastIt) {
    EXPECT_EQ(StepText(kTimeUnitCount, 3), "3");
    EXPECT_EQ(StepText(-1, 1), "1");
    EXPECT_EQ(StepText(1000000, -4), "-4");
}

TEST(FormatTimeStepNames, LeavesTheUnitNameTableUntouched) {
    StepText(kMinutesUnit, 1);
    EXPECT_EQ(Utf8(GetTimeUnitName(kMinutesUnit)), "Minutes");
}

struct StripCase {
    const Char* text;
    const char* stripped;
};

class StripTrailingSTest : public testing::TestWithParam<StripCase> {};

TEST_P(StripTrailingSTest, RemovesOnlyFinalLowerCaseS) {
    String text(GetParam().text);
    StripTrailingS(text);
    EXPECT_EQ(Utf8(text.Text()), GetParam().stripped);
}

INSTANTIATE_TEST_SUITE_P(Texts, StripTrailingSTest,
                         testing::Values(StripCase{TXT("glass"), "gla"}, StripCase{TXT("Days"), "Day"},
                                         StripCase{TXT("S"), "S"}, StripCase{TXT("sss"), ""},
                                         StripCase{TXT(""), ""}, StripCase{TXT("Hours "), "Hours "},
                                         StripCase{TXT("sS"), "sS"}));

TEST(StripTrailingSEmpty, EmptyStringStaysOnSharedBuffer) {
    String text;
    StripTrailingS(text);
    EXPECT_TRUE(text.IsShared());
}

TEST(TimeStepRecord, EqualityComparesUnitsNotDurations) {
    TimeStep oneMinute, oneHour, sixtyMinutes;
    TimeStepSet(oneMinute, kMinutesUnit, 1);
    TimeStepSet(oneHour, kHoursUnit, 1);
    TimeStepSet(sixtyMinutes, kMinutesUnit, 60);
    EXPECT_FALSE(TimeStepEqual(oneMinute, oneHour));
    EXPECT_FALSE(TimeStepEqual(oneHour, sixtyMinutes));
    TimeStepAssign(oneMinute, oneMinute);
    EXPECT_TRUE(TimeStepEqual(TimeStepAssign(sixtyMinutes, oneHour), oneHour));
}

}  // namespace
}  // namespace corvinata
