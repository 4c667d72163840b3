#include "astro/easter.h"

#include <gtest/gtest.h>

namespace corvinata {
namespace {

// 1818 is the earliest possible date (22 March), 1943 the latest (25 April).
TEST(EasterSunday, GivesPublishedDates) {
    const int cases[][3] = {{2000, 4, 23}, {2008, 3, 23}, {2011, 4, 24}, {2019, 4, 21}, {1818, 3, 22},
                            {1943, 4, 25}, {1583, 4, 10}, {2285, 3, 22}, {3000, 4, 13}};
    for (const auto& c : cases) {
        const EasterDate date = EasterSunday(c[0]);
        EXPECT_EQ(date.month, c[1]) << c[0];
        EXPECT_EQ(date.day, c[2]) << c[0];
    }
}

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

TEST(EasterSunday, AgreesWithKnuthsEpactRuleOverTheProgramsYears) {
    for (int year = 1583; year <= 4099; ++year) {
        const EasterDate date = EasterSunday(year);
        const int fromFirstMarch = date.month == 3 ? date.day : date.day + 31;
        ASSERT_EQ(fromFirstMarch, KnuthEasterDayFromFirstMarch(year)) << year;
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
