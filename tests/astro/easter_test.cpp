#include "astro/easter.h"

#include <gtest/gtest.h>

namespace corvinata {
namespace {

struct EasterCase {
    std::int32_t year;
    std::int32_t month;
    std::int32_t day;
};

class EasterExamples : public testing::TestWithParam<EasterCase> {};

TEST_P(EasterExamples, GivesPublishedDate) {
    const EasterDate date = EasterSunday(GetParam().year);
    EXPECT_EQ(date.month, GetParam().month);
    EXPECT_EQ(date.day, GetParam().day);
}

// 1818 is the earliest possible date (22 March), 1943 the latest (25 April).
INSTANTIATE_TEST_SUITE_P(Years, EasterExamples,
                         testing::Values(EasterCase{2000, 4, 23}, EasterCase{2008, 3, 23},
                                         EasterCase{2011, 4, 24}, EasterCase{2019, 4, 21},
                                         EasterCase{1818, 3, 22}, EasterCase{1943, 4, 25},
                                         EasterCase{1583, 4, 10}, EasterCase{2285, 3, 22},
                                         EasterCase{3000, 4, 13}));

// Knuth's independent form of the Gregorian rule (The Art of Computer
// Programming, vol. 1, 1.3.2 exercise 14), built on the golden number and the
// epact with Clavius' exceptions. Answers the day counted from 1 March.
int KnuthEasterDayFromFirstMarch(int year) {
    const int golden = year % 19 + 1;
    const int century = year / 100 + 1;
    const int skippedLeapDays = 3 * century / 4 - 12;
    const int moonCorrection = (8 * century + 5) / 25 - 5;
    const int sunday = 5 * year / 4 - skippedLeapDays - 10;
    int epact = (11 * golden + 20 + moonCorrection - skippedLeapDays) % 30;
    if (epact < 0) epact += 30;
    if ((epact == 25 && golden > 11) || epact == 24) ++epact;
    int fullMoon = 44 - epact;
    if (fullMoon < 21) fullMoon += 30;
    return fullMoon + 7 - (sunday + fullMoon) % 7;
}

// Days since 1 March of year 0 in the proleptic Gregorian calendar; the
// weekday of a day is this count modulo 7 (0 is a Wednesday).
long DayNumber(long year, long month, long day) {
    if (month < 3) { year -= 1; month += 12; }
    return 365 * year + year / 4 - year / 100 + year / 400 + (153 * (month - 3) + 2) / 5 + day - 1;
}

TEST(EasterSunday, AgreesWithKnuthsEpactRuleOverTheProgramsYears) {
    for (int year = 1583; year <= 4099; ++year) {
        const EasterDate date = EasterSunday(year);
        const int fromFirstMarch = date.month == 3 ? date.day : date.day + 31;
        ASSERT_EQ(fromFirstMarch, KnuthEasterDayFromFirstMarch(year)) << year;
    }
}

TEST(EasterSunday, IsASundayBetween22MarchAnd25April) {
    const long sundayPhase = DayNumber(2000, 4, 23) % 7;
    for (int year = 1583; year <= 3000; ++year) {
        const EasterDate date = EasterSunday(year);
        ASSERT_TRUE((date.month == 3 && date.day >= 22 && date.day <= 31) ||
                    (date.month == 4 && date.day >= 1 && date.day <= 25))
            << year << "-" << date.month << "-" << date.day;
        ASSERT_EQ(DayNumber(year, date.month, date.day) % 7, sundayPhase) << year;
    }
}

TEST(EasterSunday, RepeatsAfterTheFullGregorianCycle) {
    // The computus repeats after 5,700,000 years; years before 1 must not
    // break it through negative remainders.
    for (int year : {-4000, -1, 0, 1, 532, 1582}) {
        const EasterDate early = EasterSunday(year);
        const EasterDate late = EasterSunday(year + 5700000);
        EXPECT_EQ(early.month, late.month) << year;
        EXPECT_EQ(early.day, late.day) << year;
    }
}

}  // namespace
}  // namespace corvinata
