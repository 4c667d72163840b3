// The Astronomical Calculator's state and conversions: the Calendar page
// (Julian Date, day number, weekday, leap year, Easter), the Time page
// (between time systems), the Coordinates page (between coordinate systems
// at a time and place) and the Distance page (between length units). The
// window that shows them is calculator_window_win.
#pragma once

#include <cstdint>

#include "astro/coordinates.h"
#include "base/date_time.h"
#include "base/date_time_location.h"
#include "base/distance_value.h"
#include "base/geo_place.h"
#include "base/settings_tree.h"
#include "base/wide_string.h"

namespace corvinata {

enum CalculatorTab : std::int32_t {
    kCalendarTab = 0,
    kTimeTab = 1,
    kCoordinatesTab = 2,
    kDistanceTab = 3,
};
constexpr int kCalculatorTabCount = 4;

// What the calculator keeps from one run to the next. The values here are
// never shown: Load replaces each before the window exists.
struct CalculatorState {
    bool visible = false;
    std::int32_t top = 0;
    std::int32_t left = 0;
    std::int32_t currentTab = kCalendarTab;
    DateTime calendarDate;  // always in Universal time once read from the page
    double julianDate = 0.0;
    std::int32_t dayNumber = -1;
    TimeAndPlace timeSource;
    std::int32_t destinationTimeSystem = 4;
    TimeAndPlace coordinateTime;
    double sourceLongitude = -1000.0;  // degrees
    double sourceLatitude = -1000.0;
    std::int32_t sourceCoordinateSystem = 4;
    std::int32_t destinationCoordinateSystem = 4;
    double sourceDistance = -1.0;
    std::int32_t sourceDistanceUnit = kInvalidDistanceUnit;
    std::int32_t destinationDistanceUnit = kInvalidDistanceUnit;
};

// What a first start shows: the calendar at `current` in Universal time,
// each page's time and place at `current` as it stands, LCT, Equatorial to
// Equatorial and 1 astronomical unit to astronomical units.
CalculatorState DefaultCalculatorState(const DateTimeLocation& current);
// Reads the state from the key "Calculator" below the tree's current key.
// A value that is missing keeps its default, and so does a tab or day
// number outside its range; a time system, coordinate system or distance
// unit outside its table is read as the table's invalid code.
void LoadCalculatorState(SettingsTree& tree, const DateTimeLocation& current, CalculatorState& state);
// Writes the same values in the same order below "Calculator"; false when a
// write failed.
bool SaveCalculatorState(SettingsTreeWriter& writer, const CalculatorState& state);

// --- Calendar page ----------------------------------------------------------

// The page's controls as read, before they are taken into the state.
struct CalendarEntry {
    std::int32_t year = 2000;
    std::int32_t month = 1;
    std::int32_t day = 1;
    double hours = 0.0;
    double julianDate = 0.0;
    double dayNumber = 1.0;  // the picker's value; rounded half away from zero
};

// Which of the page's three inputs the user changed since the last reading.
struct CalendarChanges {
    bool date = false;
    bool julianDate = false;
    bool dayNumber = false;
};

// Takes the entry into the state and tells what changed: the date when it
// moved by a second or more (half a second or more, unless the old time was
// within the last 2.6 s of its day), the Julian Date when it moved by
// 5e-7 days or more, the day number when it is another whole number.
CalendarChanges ReadCalendarEntry(const CalendarEntry& entry, CalculatorState& state);

struct CalendarResults {
    bool leapYear = false;
    std::int32_t easterMonth = 0;
    std::int32_t easterDay = 0;
    std::int32_t weekday = 0;  // 0 Sunday .. 6 Saturday
};

// Brings the other two inputs in line with the first one that changed (date,
// then Julian Date, then day number), then computes the results from the
// date. A day number the year does not have leaves the date.
CalendarResults ComputeCalendar(const CalendarChanges& changes, CalculatorState& state);

const Char* WeekdayName(std::int32_t weekday) noexcept;

// --- Time, Coordinates and Distance pages -----------------------------------

// Whether the Time page's two time systems, and the Coordinates page's two
// coordinate systems and the time system of its moment, are entries of
// their tables: a page with an invalid one shows an empty result.
bool TimeResultKnown(const CalculatorState& state) noexcept;
bool CoordinateResultKnown(const CalculatorState& state) noexcept;
// The Time page's source moment converted to its destination system (the
// record stays valid: see ConvertTimeSystem).
DateTime ComputeTime(const CalculatorState& state);
// The source coordinates converted for the Coordinates page's moment and place.
SkyCoordinates ComputeCoordinates(const CalculatorState& state);
// The source distance in the destination unit; in the invalid unit when
// either unit is not one of the three.
DistanceValue ComputeDistance(const CalculatorState& state);

// "---" for a distance that is not known, the number with 3 decimals for the
// three units, empty for any other unit.
String DistanceResultText(const DistanceValue& distance);

// The pickers show a longitude east positive, as the place dialogs do; the
// program keeps it west positive.
constexpr double PickerLongitude(double westDegrees) noexcept { return -westDegrees; }
constexpr double StoredLongitude(double pickerDegrees) noexcept { return -pickerDegrees; }

}  // namespace corvinata
