#include "astro/delta_t.h"

#include <gtest/gtest.h>

#include <cmath>

#include "base/date_time.h"
#include "support/date_records.h"

namespace corvinata {
namespace {

using test::MakeDateTime;

TEST(EquinoxEpochs, KnownCodesAndOthers) {
    EXPECT_EQ(EquinoxEpochJulianDay(kEpochBoundaries1875), 2405890.0);
    EXPECT_EQ(EquinoxEpochJulianDay(kEpochB1950), 2433282.4235);
    EXPECT_EQ(EquinoxEpochJulianDay(kEpochJ2000), 2451545.0);
    EXPECT_EQ(EquinoxEpochJulianDay(3), -1.0);
    EXPECT_EQ(EquinoxEpochJulianDay(-1), -1.0);
}

// The daily rate is given to 16 digits but is 2.4e-8 degree short of
// 360 / 365.242191, hence the looser tolerance a year away.
TEST(SunMeanAnomaly1980, AtEpochAndAfterOneTropicalYear) {
    EXPECT_NEAR(SunMeanAnomaly1980(0.0), 356.237137, 1e-9);
    EXPECT_NEAR(SunMeanAnomaly1980(365.242191), 356.237137, 1e-4);
    EXPECT_NEAR(SunMeanAnomaly1980(-365.242191 / 2.0), 176.237137, 1e-4);
}

TEST(CenturiesSince1900, CountsFromNewYear1900AndIgnoresTimeSystem) {
    EXPECT_DOUBLE_EQ(CenturiesSince1900(MakeDateTime(1900, 1, 1)), 0.0);
    const double j2000 = (2451545.0 - 2415020.5) / 36525.0;
    EXPECT_DOUBLE_EQ(CenturiesSince1900(MakeDateTime(2000, 1, 1, 12.0, kLocalSiderealTime)), j2000);
}

// The parabolas of the earliest years take the integer year only; the fits
// of 1800-1997 follow the date within the year.
TEST(DeltaT, EarlyParabolasTakeTheYearAndLaterFitsTheDate) {
    EXPECT_NEAR(DeltaTSeconds(1600, 0.0), 98.8, 1e-9);
    EXPECT_EQ(DeltaT(MakeDateTime(1590, 1, 1)), DeltaT(MakeDateTime(1590, 12, 31, 23.5)));
    // 1900 January 1 is T = 0 of the 1900-1997 fit.
    EXPECT_NEAR(DeltaT(MakeDateTime(1900, 1, 1)), -2.44, 1e-12);
    EXPECT_NE(DeltaT(MakeDateTime(1850, 1, 1)), DeltaT(MakeDateTime(1850, 12, 1)));
}

// Within a second of the observed values over 1800-1997; years no published
// formula of the program covers take the observed values of Meeus' table
// 10.A; after the table ends, the 2006 extrapolation of Espenak and Meeus
// (which runs about 2 s above the 69.4 s observed in 2020).
TEST(DeltaT, AgreesWithObservationAtNewYear) {
    const struct {
        int year;
        double seconds, tolerance;
    } cases[] = {{1620, 121.0, 0.05}, {1700, 7.0, 1e-9},  {1760, 14.0, 0.05},
                 {1850, 7.1, 1.0},    {1950, 29.1, 1.0},  {1999, 64.0, 0.5},
                 {2000, 63.8, 0.05},  {2006, 64.8, 0.05}, {2010, 66.1, 0.05},
                 {2020, 69.4, 2.5},   {2100, 202.7, 0.1}};
    for (const auto& c : cases)
        EXPECT_NEAR(DeltaT(MakeDateTime(c.year, 1, 1)), c.seconds, c.tolerance) << c.year;
}

// 0.37 (Y - 2010) added to the medieval parabola gave 99.7 s for 2001 and the
// parabola alone 123 s for 2020; the observed values are 64 s and 69 s.
TEST(DeltaT, ModernYearsDoNotUseTheMedievalParabola) {
    EXPECT_LT(std::fabs(DeltaT(MakeDateTime(2001, 1, 1)) - 64.1), 0.5);
    EXPECT_LT(DeltaT(MakeDateTime(2020, 1, 1)), 75.0);
    EXPECT_LT(DeltaT(MakeDateTime(2050, 1, 1)), 100.0);
}

TEST(DeltaT, FilledYearsBetweenParabolaAndTableRiseSteadily) {
    double previous = DeltaT(MakeDateTime(1601, 1, 1));
    for (int year = 1602; year <= 1620; ++year) {
        const double now = DeltaT(MakeDateTime(year, 1, 1));
        EXPECT_TRUE(now > previous && now - previous < 1.5) << year;
        previous = now;
    }
}

// Where two methods meet, Delta T must not jump: hour by hour over the days
// around the new year of the join it changes by no more than its slope gives.
TEST(DeltaT, HasNoJumpWhereMethodsMeet) {
    for (int year : {1601, 1620, 1800, 1998, 2010, 2050, 2150}) {
        DateTime moment = MakeDateTime(year - 1, 12, 20);
        double previous = DeltaT(moment);
        for (int hour = 0; hour < 24 * 30; ++hour) {
            ASSERT_TRUE(DateTimeAddHours(moment, 1));
            const double now = DeltaT(moment);
            ASSERT_LT(std::fabs(now - previous), 0.002)
                << moment.year << "-" << moment.month << "-" << moment.day << " " << moment.hours;
            previous = now;
        }
    }
}

}  // namespace
}  // namespace corvinata
