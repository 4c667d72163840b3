#include "tools/calculator.h"

#include <gtest/gtest.h>

#include <cmath>

#include "app/settings_values.h"
#include "base/date_time_text.h"
#include "support/fake_product.h"
#include "support/moments.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::MomentAt;
using test::Utf8;

CalculatorState CalendarAt(int year, int month, int day, double hours) {
    CalculatorState state;
    state.calendarDate = {year, month, day, hours, kUniversalTime};
    ComputeCalendar({true, false, false}, state);
    return state;
}

CalendarEntry EntryOf(const CalculatorState& state) {
    const DateTime& d = state.calendarDate;
    return {d.year, d.month, d.day, d.hours, state.julianDate, static_cast<double>(state.dayNumber)};
}

TEST(CalculatorCalendar, NewYear2000) {
    CalculatorState state;
    state.calendarDate = {2000, 1, 1, 0.0, kUniversalTime};
    const CalendarResults results = ComputeCalendar({true, false, false}, state);
    EXPECT_EQ(state.julianDate, 2451544.5);
    EXPECT_EQ(state.dayNumber, 1);
    EXPECT_EQ(Utf8(WeekdayName(results.weekday)), "Saturday");
    EXPECT_TRUE(results.leapYear);
    EXPECT_EQ(results.easterMonth, 4);
    EXPECT_EQ(results.easterDay, 23);
}

TEST(CalculatorCalendar, TheFirstChangedInputDecides) {
    struct Case {
        const char* what;
        void (*edit)(CalendarEntry&);
        int year, month, day;
        double julianDate;
        int dayNumber;
    };
    const Case cases[] = {
        // Under half a second is the rounding of the shown time: the typed Julian Date wins.
        {"time by 0.4 s and JD", [](CalendarEntry& e) { e.hours += 0.4 / 3600; e.julianDate = 2460000.5; },
         2023, 2, 25, 2460000.5, 56},
        {"date and JD", [](CalendarEntry& e) { e.day = 2; e.julianDate = 2460000.5; }, 2023, 6, 2, 2460097.5, 153},
        {"JD within 5e-7 and day number", [](CalendarEntry& e) { e.julianDate += 4e-7; e.dayNumber = 32; },
         2023, 2, 1, 2459976.5, 32},
        {"day 366 of a common year", [](CalendarEntry& e) { e.dayNumber = 366; }, 2023, 6, 1, 2460096.5, 366},
        {"nothing", [](CalendarEntry&) {}, 2023, 6, 1, 2460096.5, 152},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CalculatorState state = CalendarAt(2023, 6, 1, 0.0);
        CalendarEntry entry = EntryOf(state);
        c.edit(entry);
        ComputeCalendar(ReadCalendarEntry(entry, state), state);
        EXPECT_EQ(state.calendarDate.year, c.year);
        EXPECT_EQ(state.calendarDate.month, c.month);
        EXPECT_EQ(state.calendarDate.day, c.day);
        EXPECT_NEAR(state.julianDate, c.julianDate, 1e-6);
        EXPECT_EQ(state.dayNumber, c.dayNumber);
    }
}

TEST(CalculatorTime, ConvertsBetweenTheTimeSystems) {
    struct Case {
        TimeAndPlace source;
        bool daylightSaving;
        std::int32_t target;
        const char* expected;
    };
    const Case cases[] = {
        // Meeus, example 12.a: sidereal time at Greenwich at 0 h UT.
        {MomentAt(1987, 4, 10, 0.0, 0.0, 51.5), false, kGreenwichSiderealTime, "13:10:46"},
        // London in summer time.
        {MomentAt(2024, 7, 1, 12.0, -0.1275, 51.507), true, kLocalCivilTime, "13:00:00"},
    };
    for (const Case& c : cases) {
        CalculatorState state;
        state.timeSource = c.source;
        state.timeSource.daylightSaving = c.daylightSaving;
        state.destinationTimeSystem = c.target;
        String text;
        EXPECT_EQ(Utf8(FormatTime(0, ComputeTime(state), false, 0, nullptr, text)), c.expected);
    }
}

TEST(CalculatorCoordinates, GalacticPoleAndARoundTripThroughTheHorizon) {
    CalculatorState state;
    // Coordinates are of the page's date: the galactic pole stands at 192.25°,
    // +27.4° for the equinox of 1950 only.
    state.coordinateTime = MomentAt(1950, 1, 1, 0.0, -0.1275, 51.507);
    state.sourceLongitude = 192.25;
    state.sourceLatitude = 27.4;
    state.sourceCoordinateSystem = kEquatorialSystem;
    state.destinationCoordinateSystem = kGalacticSystem;
    EXPECT_NEAR(ComputeCoordinates(state).latitude, 90.0, 0.01);

    state.coordinateTime = MomentAt(2024, 3, 1, 21.5, -0.1275, 51.507);
    state.sourceLongitude = 83.82;
    state.sourceLatitude = -5.39;
    state.destinationCoordinateSystem = kHorizontalSystem;
    const SkyCoordinates horizontal = ComputeCoordinates(state);
    state.sourceLongitude = horizontal.longitude;
    state.sourceLatitude = horizontal.latitude;
    state.sourceCoordinateSystem = kHorizontalSystem;
    state.destinationCoordinateSystem = kEquatorialSystem;
    const SkyCoordinates back = ComputeCoordinates(state);
    EXPECT_NEAR(back.longitude, 83.82, 1.0 / 3600);
    EXPECT_NEAR(back.latitude, -5.39, 1.0 / 3600);
}

TEST(CalculatorDistance, ConvertsAndWritesThreeDecimals) {
    struct Case {
        double value;
        std::int32_t from, to;
        const char* text;
    };
    const Case cases[] = {
        {1.0, kAstronomicalUnits, kKilometres, "149598500.000"},
        {1.0, kMiles, kKilometres, "1.609"},
        {kNoDistance, kKilometres, kMiles, "---"},
        {5.0, kKilometres, kInvalidDistanceUnit, ""},
        {5.0, kInvalidDistanceUnit, kMiles, ""},
    };
    for (const Case& c : cases) {
        CalculatorState state;
        state.sourceDistance = c.value;
        state.sourceDistanceUnit = c.from;
        state.destinationDistanceUnit = c.to;
        EXPECT_EQ(Utf8(DistanceResultText(ComputeDistance(state))), c.text);
    }
}

class CalculatorSettings : public ::testing::Test {
protected:
    CalculatorState Load() {
        SettingsTree tree(settings.storage, settings.root);
        CalculatorState state;
        LoadCalculatorState(tree, current, state);
        return state;
    }
    test::MemorySettings settings;
    DateTimeLocation current = [] {
        DateTimeLocation now;
        now.dateTime = {2024, 7, 1, 13.5, kLocalCivilTime};
        now.location.coordinates.timeZone.hours = 1.0;
        now.location.coordinates.longitude.degrees = -13.4;
        now.daylightSaving = true;
        return now;
    }();
};

TEST_F(CalculatorSettings, AnEmptyStoreGivesTheDefaultsAndASavedStateReadsBack) {
    CalculatorState state = Load();
    EXPECT_FALSE(state.visible);
    EXPECT_EQ(state.left, 200);
    EXPECT_EQ(state.top, 100);
    EXPECT_EQ(state.currentTab, kCalendarTab);
    EXPECT_EQ(state.calendarDate.timeSystem, kUniversalTime);
    EXPECT_DOUBLE_EQ(state.calendarDate.hours, 11.5);
    EXPECT_EQ(state.timeSource.dateTime.hours, 13.5);
    EXPECT_TRUE(state.coordinateTime.daylightSaving);
    EXPECT_EQ(state.destinationTimeSystem, kLocalCivilTime);
    EXPECT_EQ(state.sourceCoordinateSystem, kEquatorialSystem);
    EXPECT_EQ(state.destinationCoordinateSystem, kEquatorialSystem);
    EXPECT_EQ(state.sourceDistance, 1.0);
    EXPECT_EQ(state.sourceDistanceUnit, kAstronomicalUnits);
    EXPECT_EQ(state.destinationDistanceUnit, kAstronomicalUnits);

    state.visible = true;
    state.currentTab = kDistanceTab;
    state.calendarDate = {1999, 8, 11, 11.05, kUniversalTime};
    state.timeSource.dateTime = {2001, 2, 3, 4.5, kGreenwichSiderealTime};
    state.coordinateTime.place.latitude.degrees = -33.9;
    state.sourceLongitude = 12.25;
    state.destinationCoordinateSystem = kGalacticSystem;
    state.sourceDistance = 384400.0;
    state.destinationDistanceUnit = kMiles;
    {
        SettingsTreeWriter writer(settings.storage, settings.root);
        ASSERT_TRUE(SaveCalculatorState(writer, state));
    }
    const CalculatorState back = Load();
    EXPECT_TRUE(back.visible);
    EXPECT_EQ(back.currentTab, kDistanceTab);
    EXPECT_EQ(back.calendarDate.hours, 11.05);
    EXPECT_EQ(back.timeSource.dateTime.timeSystem, kGreenwichSiderealTime);
    EXPECT_EQ(back.coordinateTime.place.latitude.degrees, -33.9);
    EXPECT_EQ(back.sourceLongitude, 12.25);
    EXPECT_EQ(back.destinationCoordinateSystem, kGalacticSystem);
    EXPECT_EQ(back.sourceDistance, 384400.0);
    EXPECT_EQ(back.destinationDistanceUnit, kMiles);
}

// A tab or day number outside its range keeps its default; a system or
// unit outside its table is its table's invalid code, for which the page
// shows no result.
TEST_F(CalculatorSettings, CodesOutsideTheirTablesAreInvalidCodes) {
    {
        SettingsTreeWriter writer(settings.storage, settings.root);
        WriteGroup key(writer, TXT("Calculator"));
        WriteIntValue(writer, TXT("Current tab"), 7);
        {
            WriteGroup tab(writer, TXT("Time tab"));
            WriteIntValue(writer, TXT("Destination time system"), 4);
        }
        {
            WriteGroup tab(writer, TXT("Coordinate tab"));
            WriteIntValue(writer, TXT("Source coordinate system"), -1);
            WriteIntValue(writer, TXT("Destination coordinate system"), 9);
        }
        WriteGroup tab(writer, TXT("Distance tab"));
        WriteIntValue(writer, TXT("Source distance system"), 3);
        WriteIntValue(writer, TXT("Destination distance system"), 100000);
        WriteDoubleValue(writer, TXT("Source distance"), -5.0);
    }
    const CalculatorState state = Load();
    EXPECT_EQ(state.currentTab, kCalendarTab);
    EXPECT_EQ(state.destinationTimeSystem, kInvalidTimeSystem);
    EXPECT_EQ(state.sourceCoordinateSystem, kInvalidCoordinateSystem);
    EXPECT_EQ(state.destinationCoordinateSystem, kInvalidCoordinateSystem);
    EXPECT_EQ(state.sourceDistanceUnit, kInvalidDistanceUnit);
    EXPECT_EQ(state.destinationDistanceUnit, kInvalidDistanceUnit);
    EXPECT_EQ(state.sourceDistance, 1.0);
    EXPECT_FALSE(TimeResultKnown(state));
    EXPECT_FALSE(CoordinateResultKnown(state));
    EXPECT_EQ(Utf8(DistanceResultText(ComputeDistance(state))), "");
}

}  // namespace
}  // namespace corvinata
