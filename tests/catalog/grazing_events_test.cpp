// Rising, setting and twilight on days when the body only grazes the event
// altitude: every event reported is a crossing of the program's own altitude,
// and the first crossing of each direction in the day is reported.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "catalog/body_properties.h"
#include "catalog/catalogue_registry.h"
#include "catalog/event_kinds.h"
#include "catalog/rise_set.h"
#include "support/catalogues.h"
#include "support/moments.h"

namespace corvinata {
namespace {

constexpr double kAltitudeTolerance = 0.01;  // degrees

struct Place {
    double eastLongitude, latitude, zone;
};

struct Kind {
    int type, number;
    std::uint32_t ids[2];  // rise, set
    double altitude;
};

const Kind kKinds[] = {
    {kBodySun, 0, {kFunctionRise, kFunctionSet}, -0.8333333333333334},
    {kBodySun, 0, {kFunctionMorningTwilightAstronomical, kFunctionEveningTwilightAstronomical}, -18},
    {kBodySun, 0, {kFunctionMorningTwilightNautical, kFunctionEveningTwilightNautical}, -12},
    {kBodySun, 0, {kFunctionMorningTwilightCivil, kFunctionEveningTwilightCivil}, -6},
    {kBodyMoon, 0, {kFunctionRise, kFunctionSet}, 0.125},
    {kBodyPlanet, 1, {kFunctionRise, kFunctionSet}, -0.5666666666666667},
};
const Kind& kSun = kKinds[0];
const Kind& kAstronomical = kKinds[1];
const Kind& kMoon = kKinds[4];

class GrazingEvents : public ::testing::Test {
protected:
    static TimeAndPlace At(const Place& place, int month, int day, double hours) {
        return test::MomentAt(2024, month, day, hours, place.eastLongitude, place.latitude,
                              place.zone, place.zone == 0.0 ? kUniversalTime : kLocalCivilTime);
    }
    static PropertyMap Compute(const Kind& kind, std::uint32_t mask, const TimeAndPlace& moment) {
        PropertyMap out;
        ComputeBodyProperties(*GetCatalogueObject(kind.type, kind.number), mask, moment, out,
                              {kHorizontalSystem, moment.dateTime.timeSystem, kAstronomicalUnits});
        return out;
    }
    // The body's altitude (no refraction) at `hours` of the date.
    static double Altitude(const Kind& kind, const Place& place, int month, int day, double hours) {
        return Compute(kind, kFunctionLatitude, At(place, month, day, hours)).Value(kFunctionLatitude);
    }
    // Rise and set of the date (kNoTimeHours when absent) with their pair.
    static EventTimePair Events(const Kind& kind, const Place& place, int month, int day,
                              double hours[2]) {
        const PropertyMap out = Compute(kind, kind.ids[0] | kind.ids[1], At(place, month, day, 12));
        EventTime records[2];
        for (int i = 0; i < 2; ++i) {
            records[i].dateTime.hours = hours[i] = out.Value(kind.ids[i]);
            records[i].state = out.Find(kind.ids[i])->flag;
        }
        return RiseSetEvents(records[0], records[1]);
    }

    test::ScopedCatalogues catalogues_;
};

// The probe's cases: a midnight-sun day given a rise and a set, a twilight
// ending in the afternoon, a twilight end lost, and a Moon that stays up all
// day given a rise and a set.
TEST_F(GrazingEvents, ProbedDays) {
    double hours[2];
    EXPECT_EQ(Events(kSun, {18.96, 69.65, 0}, 5, 17, hours).code, kAlwaysAbove);  // Tromso
    const Place stockholm{18.07, 59.33, 0};
    Events(kAstronomical, stockholm, 4, 23, hours);
    for (double h : hours) {
        if (h != kNoTimeHours) {
            EXPECT_NEAR(Altitude(kAstronomical, stockholm, 4, 23, h), -18.0, kAltitudeTolerance);
        }
    }
    Events(kAstronomical, {-0.13, 51.5, 0}, 7, 20, hours);  // London
    EXPECT_NEAR(hours[1], 23.0 + 50.2 / 60.0, 1.5 / 60.0);
    EXPECT_EQ(Events(kMoon, {0.0, -70.0, 0}, 1, 7, hours).code, kAlwaysAbove);
}

// Every day of 2024 from 51.5 degrees to 78 degrees north and at 70 south
// in Universal time, and a month in a zone ten hours east (Sydney, local
// dates): the altitude sampled every 20 minutes brackets the crossings; the
// first of each direction must be the one reported, and every event
// reported must lie on the event altitude.
TEST_F(GrazingEvents, SweepOfAYearAtHighLatitudes) {
    constexpr int kSamples = 72;
    static constexpr int kMonthDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    struct Sweep { Place place; int months; };
    const Sweep sweeps[] = {{{-0.13, 51.5, 0}, 12},  {{18.07, 59.33, 0}, 12},
                            {{18.96, 69.65, 0}, 12}, {{15.65, 78.22, 0}, 12},
                            {{0.0, -70.0, 0}, 12},   {{151.2, -33.87, 10}, 1}};
    int reported = 0, notCrossings = 0, missed = 0;
    for (const Sweep& sweep : sweeps) {
        const Place& place = sweep.place;
        for (int month = 1; month <= sweep.months; ++month) {
            for (int day = 1; day <= kMonthDays[month - 1]; ++day) {
                double altitudes[3][kSamples + 1];
                for (int i = 0; i <= kSamples; ++i) {
                    for (int body = 0; body < 3; ++body) {
                        altitudes[body][i] = Altitude(kKinds[body == 0 ? 0 : body + 3], place,
                                                      month, day, 24.0 * i / kSamples);
                    }
                }
                for (int k = 0; k < 6; ++k) {
                    const Kind& kind = kKinds[k];
                    const double* altitude = altitudes[k < 4 ? 0 : k - 3];
                    double hours[2];
                    Events(kind, place, month, day, hours);
                    for (int direction = 0; direction < 2; ++direction) {
                        const std::string what = std::to_string(place.latitude) + " 2024-" +
                                                 std::to_string(month) + "-" + std::to_string(day) +
                                                 " kind " + std::to_string(k) + "/" +
                                                 std::to_string(direction);
                        const double h = hours[direction];
                        if (h != kNoTimeHours) {
                            ++reported;
                            const double at = Altitude(kind, place, month, day, h);
                            if (std::fabs(at - kind.altitude) > kAltitudeTolerance) {
                                ++notCrossings;
                                ADD_FAILURE() << what << " at " << h << " h, altitude " << at;
                            }
                        }
                        for (int i = 0; i < kSamples; ++i) {
                            const bool below[2] = {altitude[i] < kind.altitude,
                                                   altitude[i + 1] < kind.altitude};
                            if (below[0] == below[1] || !below[direction]) continue;
                            if (h == kNoTimeHours || h > 24.0 * (i + 1) / kSamples + 1.0 / 60.0) {
                                ++missed;
                                ADD_FAILURE() << what << " missed near " << 24.0 * i / kSamples;
                            }
                            break;
                        }
                    }
                }
            }
        }
    }
    std::printf("events reported %d, not crossings %d, crossings missed %d\n", reported,
                notCrossings, missed);
}

}  // namespace
}  // namespace corvinata
