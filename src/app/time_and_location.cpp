#include "app/time_and_location.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "app/location_settings.h"
#include "base/time_systems.h"

namespace corvinata {

namespace {

// A count a hair below a whole number of units (days / 365 x 365) still
// counts that number.
constexpr double kWholeUnitTolerance = 1e-6;

// Whole days from the begin to the end; a tolerance absorbs the rounding of
// Julian days so that midnight to midnight counts exactly.
bool WholeDaysBetween(const DateTime& begin, const DateTime& end, std::int32_t& days) {
    const double difference = DateTimeDifferenceDays(end, begin);
    if (difference < -1e-6) return false;
    days = static_cast<std::int32_t>(std::floor(difference + 1e-6));
    return true;
}

bool AxisFieldsEqual(const TimeAndLocation& a, const TimeAndLocation& b, bool gridStepsAlways) {
    return a.xAxisHorizontal == b.xAxisHorizontal && a.xAxisReversed == b.xAxisReversed &&
           TimeStepEqual(a.xAxisMarkStep, b.xAxisMarkStep) &&
           TimeStepEqual(a.xAxisLabelStep, b.xAxisLabelStep) &&
           a.xAxisTimeSystem == b.xAxisTimeSystem && a.yAxisReversed == b.yAxisReversed &&
           a.yAxisMin == b.yAxisMin && a.yAxisMax == b.yAxisMax &&
           a.xAxisGridActive == b.xAxisGridActive && a.yAxisGridActive == b.yAxisGridActive &&
           ((!gridStepsAlways && !a.xAxisGridActive) ||
            TimeStepEqual(a.xAxisGridStep, b.xAxisGridStep)) &&
           ((!gridStepsAlways && !a.yAxisGridActive) || a.yAxisGridStep == b.yAxisGridStep);
}

}  // namespace

bool TimeAndLocationStepFits(std::int32_t unit, double count) noexcept {
    return unit >= 0 && unit < kTimeUnitCount && count >= 0.0 &&
           count * kStepsPerRange <= static_cast<double>(INT32_MAX);
}

std::int32_t TimeAndLocationRangeUnits(const TimeAndLocation& record) noexcept {
    if (!TimeAndLocationStepFits(record.stepUnit, record.stepCount)) return 0;
    const double units = std::floor(record.stepCount * kStepsPerRange + kWholeUnitTolerance);
    return static_cast<std::int32_t>(std::min(units, static_cast<double>(INT32_MAX)));
}

bool TimeAndLocationStoreStep(TimeAndLocation& record, std::int32_t unit, double count) {
    if (!TimeAndLocationStepFits(unit, count)) return false;
    record.stepUnit = unit;
    record.stepCount = count;
    return true;
}

bool TimeAndLocationEquals(const TimeAndLocation& a, const TimeAndLocation& b) noexcept {
    return LocationEqual(a.location, b.location) && DateTimeEqual(a.beginDate, b.beginDate) &&
           DateTimeEqual(a.endDate, b.endDate) && a.daylightSaving == b.daylightSaving &&
           a.endFixed == b.endFixed && a.stepUnit == b.stepUnit &&
           a.stepCount == b.stepCount && AxisFieldsEqual(a, b, true);
}

bool TimeAndLocationCompare(const TimeAndLocation& a, const TimeAndLocation& b,
                            bool& timeDiffers, bool& anyDiffers) noexcept {
    timeDiffers = !LocationEqual(a.location, b.location) ||
                  !DateTimeEqual(a.beginDate, b.beginDate) ||
                  a.daylightSaving != b.daylightSaving || a.endFixed != b.endFixed ||
                  (a.endFixed ? !DateTimeEqual(a.endDate, b.endDate)
                              : (a.stepUnit != b.stepUnit || a.stepCount != b.stepCount));
    anyDiffers = timeDiffers || !AxisFieldsEqual(a, b, false);
    return TimeAndLocationEquals(a, b);
}

bool TimeAndLocationUpdateEndDate(TimeAndLocation& record) {
    DateTime end = record.beginDate;
    if (!AddDateTimeInterval(end, TimeStep{record.stepUnit, TimeAndLocationRangeUnits(record)})) return false;
    record.endDate = end;
    return true;
}

bool TimeAndLocationSetBeginDate(TimeAndLocation& record, const DateTime& date, bool keepRange) {
    TimeAndLocation next = record;
    next.beginDate = date;
    if (keepRange) {
        if (next.endFixed) {
            std::int32_t days = 0;
            if (!WholeDaysBetween(next.beginDate, next.endDate, days)) return false;
            next.stepUnit = kDaysUnit;
            next.stepCount = days / kStepsPerRange;
        } else if (!TimeAndLocationUpdateEndDate(next)) {
            return false;
        }
    }
    record = next;
    return true;
}

bool TimeAndLocationSetEndDate(TimeAndLocation& record, const DateTime& date) {
    std::int32_t days = 0;
    if (!WholeDaysBetween(record.beginDate, date, days)) return false;
    record.endDate = date;
    record.stepUnit = kDaysUnit;
    record.stepCount = days / kStepsPerRange;
    return true;
}

bool TimeAndLocationSetStep(TimeAndLocation& record, std::int32_t unit, double count) {
    TimeAndLocation next = record;
    if (!TimeAndLocationStoreStep(next, unit, count) || !TimeAndLocationUpdateEndDate(next)) return false;
    record = next;
    return true;
}

bool TimeAndLocationSetRange(TimeAndLocation& record, std::int32_t unit, std::int32_t units) {
    return units >= 0 && TimeAndLocationSetStep(record, unit, units / kStepsPerRange);
}

void TimeAndLocationSetTimeStep(TimeAndLocation& record, const TimeStep& step) noexcept {
    record.xAxisGridStep = step;
}

bool TimeAndLocationCopyField(std::int32_t id, const TimeAndLocation& from, TimeAndLocation& to) {
    switch (id) {
        case kXAxisGridActiveField: to.xAxisGridActive = from.xAxisGridActive; return true;
        case kYAxisGridActiveField: to.yAxisGridActive = from.yAxisGridActive; return true;
        case kXAxisGridStepField: TimeAndLocationSetTimeStep(to, from.xAxisGridStep); return true;
        case kYAxisGridStepField: to.yAxisGridStep = from.yAxisGridStep; return true;
        case kLocationField: to.location = from.location; return true;
        case kEndFixedField: to.endFixed = from.endFixed; return true;
        case kBeginDateField: return TimeAndLocationSetBeginDate(to, from.beginDate, true);
        case kEndDateField: return TimeAndLocationSetEndDate(to, from.endDate);
        case kDaylightSavingField: to.daylightSaving = from.daylightSaving; return true;
        case kRangeField: return TimeAndLocationSetStep(to, from.stepUnit, from.stepCount);
        case kXAxisLabelStepField: to.xAxisLabelStep = from.xAxisLabelStep; return true;
        case kXAxisMarkStepField: to.xAxisMarkStep = from.xAxisMarkStep; return true;
        case kXAxisHorizontalField: to.xAxisHorizontal = from.xAxisHorizontal; return true;
        case kXAxisReversedField: to.xAxisReversed = from.xAxisReversed; return true;
        case kXAxisTimeSystemField: to.xAxisTimeSystem = from.xAxisTimeSystem; return true;
        case kYAxisReversedField: to.yAxisReversed = from.yAxisReversed; return true;
        case kYAxisMinField: to.yAxisMin = from.yAxisMin; return true;
        case kYAxisMaxField: to.yAxisMax = from.yAxisMax; return true;
        default: return false;
    }
}

}  // namespace corvinata

namespace corvinata {

namespace {
constexpr RecordKeyNames kTimeAndLocationNames{TXT("Time and location")};
}  // namespace

bool WriteTimeAndLocationSettings(const TimeAndLocation& record, SettingsTreeWriter& writer) {
    TimeAndPlace moment;
    TimeAndPlaceInit(moment, record.beginDate, record.location.coordinates, record.daylightSaving);
    return SaveTimeAndPlace(kTimeAndLocationNames, moment, writer);
}

bool ReadTimeAndLocationSettings(TimeAndLocation& record, SettingsTree& tree) {
    TimeAndPlace moment;
    TimeAndPlaceInit(moment, record.beginDate, record.location.coordinates, record.daylightSaving);
    if (!LoadTimeAndPlace(kTimeAndLocationNames, tree, moment)) return false;
    // The end follows the begin as it always does, so begin, end and range agree.
    TimeAndLocation next = record;
    next.location.coordinates = moment.place;
    next.daylightSaving = moment.daylightSaving;
    if (!TimeAndLocationSetBeginDate(next, moment.dateTime, true)) return false;
    record = next;
    return true;
}

}  // namespace corvinata
