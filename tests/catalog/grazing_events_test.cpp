// Rising, setting and twilight on days when the body only grazes the event
// altitude: every event reported is a crossing of the program's own altitude,
// and the first crossing of each direction in the day is reported.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "astro/planet_records.h"
#include "catalog/body_properties.h"
#include "catalog/event_kinds.h"
#include "catalog/rise_set.h"
#include "support/catalogues.h"
#include "support/moments.h"

namespace corvinata {
namespace {

using test::MomentAt;

constexpr double kAltitudeTolerance = 0.01;  // degrees

struct Place {
    const char* name;
    double eastLongitude;
    double latitude;
};

struct Kind {
    const char* name;
    int type, number;
    std::uint32_t rise, set;
    double altitude;
};

const Kind kSunRise{"Sun", kBodySun, 0, kFunctionRise, kFunctionSet, -0.8333333333333334};
const Kind kKinds[] = {
    kSunRise,
    {"astronomical twilight", kBodySun, 0, kFunctionMorningTwilightAstronomical,
     kFunctionEveningTwilightAstronomical, -18.0},
    {"nautical twilight", kBodySun, 0, kFunctionMorningTwilightNautical,
     kFunctionEveningTwilightNautical, -12.0},
    {"civil twilight", kBodySun, 0, kFunctionMorningTwilightCivil,
     kFunctionEveningTwilightCivil, -6.0},
    {"Moon", kBodyMoon, 0, kFunctionRise, kFunctionSet, 0.125},
    {"Venus", kBodyPlanet, 1, kFunctionRise, kFunctionSet, -0.5666666666666667},
};

class GrazingEvents : public ::testing::Test {
protected:
    static const CelestialObject& Body(const Kind& kind) {
        return *GetCatalogueObject(kind.type, kind.number);
    }

    // The body's altitude (no refraction) at `hours` UT of the date.
    static double Altitude(const Kind& kind, const Place& place, int month, int day,
                           double hours) {
        PropertyMap out;
        ComputeBodyProperties(Body(kind), kFunctionLatitude,
                              MomentAt(2024, month, day, hours, place.eastLongitude, place.latitude),
                              out, {kHorizontalSystem, kUniversalTime, kAstronomicalUnits});
        return out.Value(kFunctionLatitude);
    }

    // Rise and set hours (UT; kNoTimeHours when absent) and the pair's state.
    static RiseSetPair Events(const Kind& kind, const Place& place, int month, int day) {
        PropertyMap out;
        const TimeAndPlace moment =
            MomentAt(2024, month, day, 12.0, place.eastLongitude, place.latitude);
        ComputeBodyProperties(Body(kind), kind.rise | kind.set, moment, out,
                              {kEquatorialSystem, kUniversalTime, kAstronomicalUnits});
        RiseSetPair pair;
        EventRecord rise, set;
        rise.dateTime.hours = out.Value(kind.rise);
        rise.flag = out.Find(kind.rise)->flag;
        set.dateTime.hours = out.Value(kind.set);
        set.flag = out.Find(kind.set)->flag;
        pair.SetRise(rise);
        pair.SetSet(set);
        return pair;
    }

    test::ScopedCatalogues catalogues_;
};

// The cases the probe found: a midnight-sun day given a rise and a set, a
// twilight ending in the afternoon, a twilight end lost, and a Moon that
// stays up all day given a rise and a set.
TEST_F(GrazingEvents, ProbedDays) {
    const Place tromso{"Tromso", 18.96, 69.65};
    const RiseSetPair midnightSun = Events(kSunRise, tromso, 5, 17);
    EXPECT_EQ(midnightSun.State(), kAlwaysAbove);

    const Place stockholm{"Stockholm", 18.07, 59.33};
    const Kind& astronomical = kKinds[1];
    const RiseSetPair april = Events(astronomical, stockholm, 4, 23);
    for (const EventRecord* event : {&april.Rise(), &april.Set()}) {
        if (event->dateTime.hours == kNoTimeHours) continue;
        EXPECT_NEAR(Altitude(astronomical, stockholm, 4, 23, event->dateTime.hours), -18.0,
                    kAltitudeTolerance);
    }

    const Place london{"London", -0.13, 51.5};
    const RiseSetPair july = Events(astronomical, london, 7, 20);
    EXPECT_NEAR(july.Set().dateTime.hours, 23.0 + 50.2 / 60.0, 1.5 / 60.0);

    const Place south{"70 S", 0.0, -70.0};
    EXPECT_EQ(Events(kKinds[4], south, 1, 7).State(), kAlwaysAbove);
}

// A local date gets the crossings of its own 24 hours: in a zone ten hours
// east, every Moon rise and set of January falls on its date, on the event
// altitude, and only the day the Moon skips lacks one.
TEST_F(GrazingEvents, LocalDatesGetTheirOwnCrossings) {
    const Kind& moon = kKinds[4];
    int rises = 0, sets = 0;
    for (int day = 1; day <= 31; ++day) {
        const TimeAndPlace moment =
            MomentAt(2024, 1, day, 12.0, 151.2, -33.87, 10.0, kLocalCivilTime);
        PropertyMap out;
        ComputeBodyProperties(Body(moon), moon.rise | moon.set, moment, out,
                              {kHorizontalSystem, kLocalCivilTime, kAstronomicalUnits});
        for (std::uint32_t id : {moon.rise, moon.set}) {
            const double hours = out.Value(id);
            if (hours == kNoTimeHours) continue;
            ++(id == moon.rise ? rises : sets);
            ASSERT_TRUE(hours >= 0.0 && hours < 24.0) << day;
            TimeAndPlace at = moment;
            at.dateTime.hours = hours;
            PropertyMap altitude;
            ComputeBodyProperties(Body(moon), kFunctionLatitude, at, altitude,
                                  {kHorizontalSystem, kLocalCivilTime, kAstronomicalUnits});
            EXPECT_NEAR(altitude.Value(kFunctionLatitude), moon.altitude, kAltitudeTolerance)
                << day << " " << id;
        }
    }
    EXPECT_GE(rises, 29);
    EXPECT_GE(sets, 29);
}

int DaysInMonth(int month) {
    static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return kDays[month - 1];
}

// Every day of 2024 at high latitudes: the altitude sampled every 20 minutes
// brackets the crossings; the first of each direction must be the one
// reported, and every event reported must lie on the event altitude.
TEST_F(GrazingEvents, SweepOfAYearAtHighLatitudes) {
    constexpr int kSamples = 72;
    const Place places[] = {{"London", -0.13, 51.5},
                            {"Stockholm", 18.07, 59.33},
                            {"Tromso", 18.96, 69.65},
                            {"Longyearbyen", 15.65, 78.22},
                            {"70 S", 0.0, -70.0}};
    int reported = 0, notCrossings = 0, farFromAny = 0, missed = 0;
    for (const Place& place : places) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= DaysInMonth(month); ++day) {
                double sun[kSamples + 1], other[2][kSamples + 1];
                for (int i = 0; i <= kSamples; ++i) {
                    const double hours = 24.0 * i / kSamples;
                    sun[i] = Altitude(kSunRise, place, month, day, hours);
                    other[0][i] = Altitude(kKinds[4], place, month, day, hours);
                    other[1][i] = Altitude(kKinds[5], place, month, day, hours);
                }
                for (int k = 0; k < 6; ++k) {
                    const Kind& kind = kKinds[k];
                    const double* altitude = k < 4 ? sun : other[k - 4];
                    const RiseSetPair pair = Events(kind, place, month, day);
                    const EventRecord* events[2] = {&pair.Rise(), &pair.Set()};
                    for (int direction = 0; direction < 2; ++direction) {
                        const double hours = events[direction]->dateTime.hours;
                        if (hours != kNoTimeHours) {
                            ++reported;
                            const double at = Altitude(kind, place, month, day, hours);
                            if (std::fabs(at - kind.altitude) > kAltitudeTolerance) {
                                ++notCrossings;
                                if (std::fabs(at - kind.altitude) > 1.0) ++farFromAny;
                                ADD_FAILURE() << place.name << " 2024-" << month << "-" << day
                                              << " " << kind.name << " " << direction << " at "
                                              << hours << " h, altitude " << at;
                            }
                        }
                        for (int i = 0; i < kSamples; ++i) {
                            const double a = altitude[i] - kind.altitude;
                            const double b = altitude[i + 1] - kind.altitude;
                            const bool crosses = direction == 0 ? (a < 0.0 && b >= 0.0)
                                                                : (a >= 0.0 && b < 0.0);
                            if (!crosses) continue;
                            const double end = 24.0 * (i + 1) / kSamples + 1.0 / 60.0;
                            if (hours == kNoTimeHours || hours > end) {
                                ++missed;
                                ADD_FAILURE() << place.name << " 2024-" << month << "-" << day
                                              << " " << kind.name << " " << direction
                                              << " missed near " << 24.0 * i / kSamples << " h";
                            }
                            break;
                        }
                    }
                }
            }
        }
    }
    std::printf("events reported %d, not crossings %d (over 1 degree off %d), crossings missed %d\n",
                reported, notCrossings, farFromAny, missed);
}

}  // namespace
}  // namespace corvinata
