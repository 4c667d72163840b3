#include "tools/calculator.h"

#include <cmath>

#include "app/location_settings.h"
#include "app/settings_records.h"
#include "app/settings_values.h"
#include "astro/easter.h"
#include "base/time_systems.h"

namespace corvinata {
namespace {

constexpr const Char* kCalculatorKey = TXT("Calculator");
constexpr const Char* kCalendarKey = TXT("Calendar tab");
constexpr const Char* kTimeKey = TXT("Time tab");
constexpr const Char* kCoordinateKey = TXT("Coordinate tab");
constexpr const Char* kDistanceKey = TXT("Distance tab");
constexpr RecordKeyNames kTimeAndLocation{TXT("Time and location")};

constexpr std::int32_t kLastTimeSystem = 3;        // LST
constexpr std::int32_t kLastCoordinateSystem = 3;  // Galactic

constexpr bool IsTableTimeSystem(std::int32_t code) noexcept { return code >= 0 && code <= kLastTimeSystem; }
constexpr bool IsTableCoordinateSystem(std::int32_t code) noexcept {
    return code >= 0 && code <= kLastCoordinateSystem;
}
constexpr bool IsTableDistanceUnit(std::int32_t code) noexcept {
    return code >= kKilometres && code <= kAstronomicalUnits;
}

// Each reader keeps the field's default when the value is missing or out of
// its range.
void ReadCode(SettingsTree& tree, const Char* name, std::int32_t lo, std::int32_t hi, std::int32_t& field) {
    std::int32_t value = 0;
    if (ReadIntValueInRange(tree, name, lo, hi, value)) field = value;
}

// A system or unit read whole but outside its table is the table's invalid
// code: its page shows no result until the user picks one.
void ReadSystemCode(SettingsTree& tree, const Char* name, std::int32_t last, std::int32_t invalid,
                    std::int32_t& field) {
    std::int32_t value = 0;
    if (ReadIntValue(tree, name, value)) field = value >= 0 && value <= last ? value : invalid;
}

void ReadNumber(SettingsTree& tree, const Char* name, double lo, double& field) {
    double value = 0.0;
    if (ReadDoubleValue(tree, name, value) && std::isfinite(value) && value >= lo) field = value;
}

// A tab's moment and place are taken only whole.
void LoadTimeTab(SettingsTree& tree, TimeAndPlace& record) {
    TimeAndPlace read = record;
    if (LoadTimeAndPlace(kTimeAndLocation, tree, read)) record = read;
}

bool SaveTimeTab(SettingsTreeWriter& writer, const TimeAndPlace& record) {
    return SaveTimeAndPlace(kTimeAndLocation, record, writer);
}

}  // namespace

CalculatorState DefaultCalculatorState(const DateTimeLocation& current) {
    CalculatorState state;
    TimeAndPlace now;
    TimeAndPlaceFromDateTimeLocation(now, current);
    state.left = 200;
    state.top = 100;
    state.calendarDate = now.dateTime;
    ConvertTimeSystem(state.calendarDate, kUniversalTime, now.place.longitude, now.place.timeZone,
                      now.daylightSaving);
    state.julianDate = 2800000.0;
    state.dayNumber = 1;
    state.timeSource = now;
    state.destinationTimeSystem = kLocalCivilTime;
    state.coordinateTime = now;
    state.sourceLongitude = 0.0;
    state.sourceLatitude = 0.0;
    state.sourceCoordinateSystem = kEquatorialSystem;
    state.destinationCoordinateSystem = kEquatorialSystem;
    state.sourceDistance = 1.0;
    state.sourceDistanceUnit = kAstronomicalUnits;
    state.destinationDistanceUnit = kAstronomicalUnits;
    return state;
}

void LoadCalculatorState(SettingsTree& tree, const DateTimeLocation& current, CalculatorState& state) {
    state = DefaultCalculatorState(current);
    ReadGroup calculator(tree, kCalculatorKey);
    if (!calculator.IsOpen()) return;
    ReadBoolValue(tree, TXT("Visible"), state.visible);
    ReadIntValue(tree, TXT("Left"), state.left);
    ReadIntValue(tree, TXT("Top"), state.top);
    ReadCode(tree, TXT("Current tab"), kCalendarTab, kDistanceTab, state.currentTab);
    if (ReadGroup group(tree, kCalendarKey); group.IsOpen()) {
        DateTime date;
        if (ReadDateTimeValue(tree, {TXT("Date and Time")}, date) && date.timeSystem == kUniversalTime)
            state.calendarDate = date;
        ReadNumber(tree, TXT("Julian date"), 0.0, state.julianDate);
        ReadCode(tree, TXT("Day number"), 1, 366, state.dayNumber);
    }
    if (ReadGroup group(tree, kTimeKey); group.IsOpen()) {
        LoadTimeTab(tree, state.timeSource);
        ReadSystemCode(tree, TXT("Destination time system"), kLastTimeSystem, kInvalidTimeSystem,
                       state.destinationTimeSystem);
    }
    if (ReadGroup group(tree, kCoordinateKey); group.IsOpen()) {
        LoadTimeTab(tree, state.coordinateTime);
        ReadNumber(tree, TXT("Source longitude"), -1e9, state.sourceLongitude);
        ReadNumber(tree, TXT("Source latitude"), -1e9, state.sourceLatitude);
        ReadSystemCode(tree, TXT("Source coordinate system"), kLastCoordinateSystem, kInvalidCoordinateSystem,
                       state.sourceCoordinateSystem);
        ReadSystemCode(tree, TXT("Destination coordinate system"), kLastCoordinateSystem, kInvalidCoordinateSystem,
                       state.destinationCoordinateSystem);
    }
    if (ReadGroup group(tree, kDistanceKey); group.IsOpen()) {
        ReadNumber(tree, TXT("Source distance"), 0.0, state.sourceDistance);
        ReadSystemCode(tree, TXT("Source distance system"), kAstronomicalUnits, kInvalidDistanceUnit,
                       state.sourceDistanceUnit);
        ReadSystemCode(tree, TXT("Destination distance system"), kAstronomicalUnits, kInvalidDistanceUnit,
                       state.destinationDistanceUnit);
    }
}

bool SaveCalculatorState(SettingsTreeWriter& writer, const CalculatorState& state) {
    WriteGroup calculator(writer, kCalculatorKey);
    if (!calculator.IsOpen()) return false;
    bool ok = WriteBoolValue(writer, TXT("Visible"), state.visible);
    ok = WriteIntValue(writer, TXT("Left"), state.left) && ok;
    ok = WriteIntValue(writer, TXT("Top"), state.top) && ok;
    ok = WriteIntValue(writer, TXT("Current tab"), state.currentTab) && ok;
    {
        WriteGroup group(writer, kCalendarKey);
        ok = group.IsOpen() && WriteDateTimeValue(writer, {TXT("Date and Time")}, state.calendarDate) && ok;
        ok = WriteDoubleValue(writer, TXT("Julian date"), state.julianDate) && ok;
        ok = WriteIntValue(writer, TXT("Day number"), state.dayNumber) && ok;
    }
    {
        WriteGroup group(writer, kTimeKey);
        ok = group.IsOpen() && SaveTimeTab(writer, state.timeSource) && ok;
        ok = WriteIntValue(writer, TXT("Destination time system"), state.destinationTimeSystem) && ok;
    }
    {
        WriteGroup group(writer, kCoordinateKey);
        ok = group.IsOpen() && SaveTimeTab(writer, state.coordinateTime) && ok;
        ok = WriteDoubleValue(writer, TXT("Source longitude"), state.sourceLongitude) && ok;
        ok = WriteDoubleValue(writer, TXT("Source latitude"), state.sourceLatitude) && ok;
        ok = WriteIntValue(writer, TXT("Source coordinate system"), state.sourceCoordinateSystem) && ok;
        ok = WriteIntValue(writer, TXT("Destination coordinate system"), state.destinationCoordinateSystem) && ok;
    }
    {
        WriteGroup group(writer, kDistanceKey);
        ok = group.IsOpen() && WriteDoubleValue(writer, TXT("Source distance"), state.sourceDistance) && ok;
        ok = WriteIntValue(writer, TXT("Source distance system"), state.sourceDistanceUnit) && ok;
        ok = WriteIntValue(writer, TXT("Destination distance system"), state.destinationDistanceUnit) && ok;
    }
    return ok;
}

CalendarChanges ReadCalendarEntry(const CalendarEntry& entry, CalculatorState& state) {
    CalendarChanges changes;
    const DateTime old = state.calendarDate;
    DateTime read;
    read.year = entry.year;
    read.month = entry.month;
    read.day = entry.day;
    read.hours = entry.hours;
    read.timeSystem = kUniversalTime;
    const double seconds = std::fabs(DateTimeDifferenceDays(read, old)) * 86400.0;
    // A time shown rounded to the second may differ from the kept one by up
    // to half a second without the user having touched it; near midnight the
    // kept time may stand for the next day's 00:00:00.
    if (seconds >= 1.0)
        changes.date = true;
    else if (seconds >= 0.5)
        changes.date = !(old.hours > 23.99997);
    state.calendarDate = read;

    changes.julianDate = std::fabs(entry.julianDate - state.julianDate) >= 5e-7;
    state.julianDate = entry.julianDate;

    const auto dayNumber = static_cast<std::int32_t>(std::lround(entry.dayNumber));
    changes.dayNumber = dayNumber != state.dayNumber;
    state.dayNumber = dayNumber;
    return changes;
}

CalendarResults ComputeCalendar(const CalendarChanges& changes, CalculatorState& state) {
    DateTime& date = state.calendarDate;
    if (changes.date) {
        state.julianDate = DateTimeToJulianDay(date);
        state.dayNumber = DateTimeDayOfYear(date);
    } else if (changes.julianDate) {
        date = JulianDayToDateTime(state.julianDate);
        date.timeSystem = kUniversalTime;
        state.dayNumber = DateTimeDayOfYear(date);
    } else if (changes.dayNumber) {
        DateTimeSetDayOfYear(date, state.dayNumber);
        state.julianDate = DateTimeToJulianDay(date);
    }
    CalendarResults results;
    DateTime midnight = date;
    midnight.hours = 0.0;
    const double weekday = std::fmod(DateTimeToJulianDay(midnight) + 1.5, 7.0);
    results.weekday = static_cast<std::int32_t>(weekday);
    const EasterDate easter = EasterSunday(date.year);
    results.easterMonth = easter.month;
    results.easterDay = easter.day;
    results.leapYear = IsLeapYear(date.year);
    return results;
}

const Char* WeekdayName(std::int32_t weekday) noexcept {
    static constexpr const Char* kNames[] = {TXT("Sunday"),   TXT("Monday"), TXT("Tuesday"), TXT("Wednesday"),
                                             TXT("Thursday"), TXT("Friday"), TXT("Saturday")};
    return weekday >= 0 && weekday < 7 ? kNames[weekday] : TXT("");
}

bool TimeResultKnown(const CalculatorState& state) noexcept {
    return IsTableTimeSystem(state.timeSource.dateTime.timeSystem) && IsTableTimeSystem(state.destinationTimeSystem);
}

bool CoordinateResultKnown(const CalculatorState& state) noexcept {
    return IsTableCoordinateSystem(state.sourceCoordinateSystem) &&
           IsTableCoordinateSystem(state.destinationCoordinateSystem) &&
           IsTableTimeSystem(state.coordinateTime.dateTime.timeSystem);
}

DateTime ComputeTime(const CalculatorState& state) {
    DateTime result = state.timeSource.dateTime;
    const GeoCoordinates& place = state.timeSource.place;
    ConvertTimeSystem(result, state.destinationTimeSystem, place.longitude, place.timeZone,
                      state.timeSource.daylightSaving);
    return result;
}

SkyCoordinates ComputeCoordinates(const CalculatorState& state) {
    SkyCoordinates result{state.sourceLongitude, state.sourceLatitude, state.sourceCoordinateSystem};
    ConvertCoordinates(state.coordinateTime, result, state.destinationCoordinateSystem);
    return result;
}

DistanceValue ComputeDistance(const CalculatorState& state) {
    DistanceValue distance{state.sourceDistance, state.sourceDistanceUnit};
    if (!IsTableDistanceUnit(state.sourceDistanceUnit) || !IsTableDistanceUnit(state.destinationDistanceUnit)) {
        distance.unit = kInvalidDistanceUnit;
        return distance;
    }
    DistanceConvertUnit(distance, state.destinationDistanceUnit);
    return distance;
}

String DistanceResultText(const DistanceValue& distance) {
    String text;
    if (distance.value == kNoDistance) return String(TXT("---"));
    if (distance.unit < kKilometres || distance.unit > kAstronomicalUnits) return text;
    DistanceFormat(distance, 3, text);
    return text;
}

}  // namespace corvinata
