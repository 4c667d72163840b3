#include "app/current_time.h"

#include <gtest/gtest.h>

#include "base/storage_test_support.h"
#include "base/time_systems.h"
#include "support/date_records.h"
#include "support/settings_round_trip.h"

namespace corvinata {
namespace {

using test::MakeDateTime;

class OneTown final : public LocationDirectory {
public:
    bool HasTown(const String& country, const String&) const override { return country == String(TXT("Austria")); }
    bool FirstTown(String&, String&) const override { return false; }
    const Location* FindUserLocation(const String&, const String&) const override { return nullptr; }
};

struct Hubs final : NotificationRegistryInterface {
    NotificationHub& GetNotificationHub() override { return hub; }
    NotificationHub hub;
};

// Remembers each event with the moment the current value held when it came.
class Witness final : public NotificationObserver {
public:
    explicit Witness(const CurrentTimeAndLocationInterface& current) : current_(current) {}
    void OnNotify(std::int32_t event, std::uint32_t, void*) override {
        events.push_back(event);
        hours.push_back(current_.GetTimeAndLocation().dateTime.hours);
    }
    void Update(void*) override {}
    std::vector<std::int32_t> events;
    std::vector<double> hours;

private:
    const CurrentTimeAndLocationInterface& current_;
};

struct FakeClock final : SystemClock {
    bool Now(DateTime& localTime, bool& daylightSaving) override {
        localTime = now;
        daylightSaving = true;
        return true;
    }
    DateTime now = MakeDateTime(2026, 3, 29, 12.0, kLocalCivilTime);
};

struct CountingTimer final : ClockTimer {
    bool StartClockTimer() override { return ++starts, frameExists; }
    void StopClockTimer() override { ++stops; }
    bool frameExists = true;
    int starts = 0, stops = 0;
};

Location PlaceAt(double westLongitude, double zoneHours) {
    Location place;
    place.coordinates.longitude = LongitudeValue(westLongitude, kWestPositive);
    place.coordinates.timeZone.hours = zoneHours;
    return place;
}

class CurrentTimeTest : public ::testing::Test {
protected:
    CurrentTimeTest() { hubs.hub.Insert(&witness); }

    Hubs hubs;
    LocationOptions locationOptions;
    OneTown towns;
    CurrentTimeAndLocation current{hubs, locationOptions, towns};
    Witness witness{current};
    DateTimeOptions options;
    FakeClock clock;
    CountingTimer timer;
    ApplicationClock appClock{current, options, clock, timer};
};

TEST_F(CurrentTimeTest, SettersBroadcastTheirEventsAfterChangingTheValue) {
    DateTimeLocation value;
    value.dateTime = MakeDateTime(2030, 5, 1, 7.0, kLocalCivilTime);
    value.location = test::SampleLocation();
    current.SetDateTime(MakeDateTime(2030, 5, 1, 3.0, kLocalCivilTime), false);
    current.SetLocation(PlaceAt(10.0, 1.0));
    EXPECT_TRUE(locationOptions.userDefined);
    current.SetTimeAndLocation(value);
    EXPECT_FALSE(locationOptions.userDefined);  // Vienna is a town of the table
    value.dateTime.hours = 9.0;
    current.SetTimeAndLocationWithZone(value, true);
    EXPECT_EQ(witness.events, (std::vector<std::int32_t>{10, 9, 11, 11}));
    EXPECT_EQ(witness.hours, (std::vector<double>{3.0, 3.0, 7.0, 9.0}));
    EXPECT_TRUE(current.GetStarsFixed());
    // The place and its names; the options keep their own mode words.
    EXPECT_TRUE(LocationEqual(locationOptions.location, value.location));
}

struct ConversionCase {
    const char* name;
    DateTime user;
    double westLongitude;
    double zone;
    bool dst;
    DateTime expected;  // local civil time
};

TEST_F(CurrentTimeTest, UserTimesBecomeLocalCivilTime) {
    // Greenwich sidereal 0.5 h of 1 March 2024, as Universal time.
    DateTime gst = MakeDateTime(2024, 3, 1, 0.5, kGreenwichSiderealTime);
    ConvertFromSiderealTime(gst);
    const ConversionCase cases[] = {
        {"UT 23:30 in zone +2 is 01:30 the next day", MakeDateTime(2024, 12, 31, 23.5, kUniversalTime),
         -30.0, 2.0, false, MakeDateTime(2025, 1, 1, 1.5, kLocalCivilTime)},
        {"daylight saving adds its hour across midnight", MakeDateTime(2026, 3, 29, 22.25, kUniversalTime),
         -15.0, 1.0, true, MakeDateTime(2026, 3, 30, 0.25, kLocalCivilTime)},
        {"sidereal 23.5 h one hour west wraps to 0.5 h", MakeDateTime(2024, 3, 1, 23.5, kLocalSiderealTime),
         15.0, 0.0, false, MakeDateTime(2024, 3, 1, gst.hours, kLocalCivilTime)},
        {"no time only takes the system", MakeDateTime(2024, 3, 1, kNoTimeHours, kUniversalTime), 0.0,
         5.0, false, MakeDateTime(2024, 3, 1, kNoTimeHours, kLocalCivilTime)},
        {"invalid system stays", MakeDateTime(2024, 3, 1, 4.0, kInvalidTimeSystem), 0.0, 5.0, false,
         MakeDateTime(2024, 3, 1, 4.0, kInvalidTimeSystem)},
    };
    for (const ConversionCase& c : cases) {
        const DateTime got = LocalCivilTimeAt(c.user, PlaceAt(c.westLongitude, c.zone), c.dst);
        EXPECT_EQ(got.year * 10000 + got.month * 100 + got.day,
                  c.expected.year * 10000 + c.expected.month * 100 + c.expected.day)
            << c.name;
        EXPECT_NEAR(got.hours, c.expected.hours, 1e-9) << c.name;
        EXPECT_EQ(got.timeSystem, c.expected.timeSystem) << c.name;
    }
}

TEST_F(CurrentTimeTest, TimerStartsOnceStopsOnlyWhenRunningAndWaitsForTheFrame) {
    options.clockActive = true;
    timer.frameExists = false;
    appClock.StartClockTimer();
    EXPECT_FALSE(appClock.IsTimerRunning());
    timer.frameExists = true;
    appClock.OnFrameWindowCreated();
    appClock.StartClockTimer();
    EXPECT_TRUE(appClock.IsTimerRunning());
    EXPECT_EQ(timer.starts, 2);
    options.clockActive = false;
    appClock.StartClockTimer();
    appClock.StartClockTimer();
    EXPECT_EQ(timer.stops, 1);
}

TEST_F(CurrentTimeTest, ClockFollowsTheSystemClockInsteadOfCountingTicks) {
    options.clockActive = true;
    appClock.StartClockTimer();
    EXPECT_TRUE(current.GetTimeAndLocation().daylightSaving);
    clock.now.hours = 12.5;  // the computer slept half an hour
    appClock.ClockTick(1);
    EXPECT_DOUBLE_EQ(current.GetTimeAndLocation().dateTime.hours, 12.5);
}

// The current place and the saved options each keep their orientation and
// side style whichever way a new place reaches them; only the place and its
// names change.
TEST_F(CurrentTimeTest, NewPlaceKeepsTheModesOfTheCurrentValueAndTheOptions) {
    locationOptions.location.coordinates.longitude.SetOrientation(kEastPositive);
    Location east = PlaceAt(-151.2, 10.0);
    east.coordinates.longitude.SetOrientation(kEastPositive);
    east.coordinates.latitude.mode = kLatitudeMinusSign;
    Location west = PlaceAt(40.0, -5.0);
    for (int way = 0; way < 3; ++way) {
        if (way == 0) current.SetLocation(east);
        else ChangeCurrentLocation(current, east, way == 1);
        const Location& now = current.GetTimeAndLocation().location;
        EXPECT_TRUE(LocationEqual(now, east) && LocationEqual(locationOptions.location, east)) << way;
        EXPECT_EQ(now.coordinates.longitude.GetOrientation(), kWestPositive) << way;
        EXPECT_EQ(now.coordinates.latitude.mode, kLatitudeHemisphereLetter) << way;
        EXPECT_EQ(locationOptions.location.coordinates.longitude.GetOrientation(), kEastPositive) << way;
        EXPECT_EQ(locationOptions.location.coordinates.latitude.mode, kLatitudeHemisphereLetter) << way;
        current.SetLocation(west);
    }
}

TEST_F(CurrentTimeTest, TenTicksAdvanceAUserTimeByTenMinutes) {
    options.userDefined = true;
    options.userTime = MakeDateTime(2030, 12, 31, 23.9, kLocalCivilTime);
    appClock.StartClockTimer();
    for (int i = 0; i < 10; ++i) appClock.ClockTick(1);
    const DateTime now = current.GetTimeAndLocation().dateTime;
    EXPECT_EQ(now.year, 2031);
    EXPECT_NEAR(now.hours, 23.9 + 10.0 / 60.0 - 24.0, 1e-9);
    EXPECT_EQ(witness.events.size(), 11u);
}

TEST_F(CurrentTimeTest, NewPlaceKeepsEitherTheClockTimeOrTheMoment) {
    current.SetTimeAndLocation({MakeDateTime(2030, 6, 1, 12.0, kLocalCivilTime), PlaceAt(0.0, 1.0), false});
    witness.events.clear();
    ChangeCurrentLocation(current, PlaceAt(-120.0, 8.0), true);
    EXPECT_DOUBLE_EQ(current.GetTimeAndLocation().dateTime.hours, 12.0);
    ChangeCurrentLocation(current, PlaceAt(75.0, -5.0), false);
    EXPECT_NEAR(current.GetTimeAndLocation().dateTime.hours, 12.0 - 13.0 + 24.0, 1e-9);
    EXPECT_EQ(current.GetTimeAndLocation().dateTime.day, 31);
    EXPECT_EQ(witness.events, (std::vector<std::int32_t>{9, 11}));
}

// The computer's clock: the storage service's local time and its answer
// whether daylight saving time is in effect.
class StorageClockTest : public storage_test::MemoryServicesTest {};

TEST_F(StorageClockTest, ReadsTheLocalTimeAndTheDaylightSavingAnswer) {
    Storage().SetClock(2026, 7, 14, 9, 30, 0);
    StorageSystemClock clock;
    for (const bool active : {true, false}) {
        Storage().SetDaylightSavingTime(active);
        DateTime now;
        bool daylightSaving = !active;
        ASSERT_TRUE(clock.Now(now, daylightSaving));
        EXPECT_EQ(daylightSaving, active);
        EXPECT_TRUE(now.year == 2026 && now.month == 7 && now.day == 14 && now.timeSystem == kLocalCivilTime);
        EXPECT_DOUBLE_EQ(now.hours, 9.5);
    }
}

}  // namespace
}  // namespace corvinata
