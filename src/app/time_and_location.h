// TimeAndLocation: a place and a time range with the axis settings of a
// graph. Graph documents, related tasks and the script's graph commands hold
// one; single fields are addressed by id so that one setter can change one of
// them.
//
// The range is 365 steps of the time step, whose count is a real number as
// the user or the file gave it (a fixed end stores its length in days / 365);
// the end lies the count x 365 units cut to a whole number after the begin.
// A begin after a fixed end, or an end that would leave the valid years, is
// refused and the record stays as it was.
#pragma once

#include <cstdint>

#include "base/date_time.h"
#include "base/location.h"
#include "base/time_step.h"

namespace corvinata {

// Field ids of TimeAndLocationCopyField; kTimeAndLocationWhole stands for
// the whole record.
enum TimeAndLocationField : std::int32_t {
    kXAxisGridActiveField = 0,
    kYAxisGridActiveField = 1,
    kXAxisGridStepField = 2,
    kYAxisGridStepField = 3,
    kLocationField = 4,
    kEndFixedField = 5,
    kBeginDateField = 6,
    kEndDateField = 7,
    kDaylightSavingField = 8,
    kRangeField = 9,
    kXAxisLabelStepField = 10,
    kXAxisMarkStepField = 11,
    kXAxisHorizontalField = 12,
    kXAxisReversedField = 13,
    kXAxisTimeSystemField = 14,
    kYAxisReversedField = 15,
    kYAxisMinField = 16,
    kYAxisMaxField = 17,
    kTimeAndLocationWhole = 18,
};

// Steps from the first instant of a range to the last.
constexpr double kStepsPerRange = 365.0;

struct TimeAndLocation {
    Location location;
    DateTime beginDate;
    DateTime endDate;
    bool daylightSaving = false;
    bool endFixed = false;
    // The step between instants: stepCount units of stepUnit; the range
    // is 365 steps.
    std::int32_t stepUnit = kDaysUnit;
    double stepCount = 0.0;
    bool xAxisHorizontal = true;
    bool xAxisReversed = false;
    TimeStep xAxisMarkStep{kDaysUnit, 1};
    TimeStep xAxisLabelStep{kDaysUnit, 1};
    std::int32_t xAxisTimeSystem = kLocalCivilTime;
    bool yAxisReversed = false;
    double yAxisMin = 0.0;
    double yAxisMax = 0.0;
    bool xAxisGridActive = false;
    TimeStep xAxisGridStep{kDaysUnit, 1};
    bool yAxisGridActive = false;
    std::int32_t yAxisGridStep = 0;
};

// Whether a record can take the step: a unit 0..5 and a count that is a
// number, not negative, whose range of whole units fits an i32.
bool TimeAndLocationStepFits(std::int32_t unit, double count) noexcept;
// The whole units of stepUnit from the begin to the end: count x 365 cut to
// a whole number (a count of days / 365 gives the days back exactly).
std::int32_t TimeAndLocationRangeUnits(const TimeAndLocation& record) noexcept;
// Stores the step as given, the end where it is (a file holds both);
// false, and the record unchanged, for a step that does not fit.
bool TimeAndLocationStoreStep(TimeAndLocation& record, std::int32_t unit, double count);

bool TimeAndLocationEquals(const TimeAndLocation& a, const TimeAndLocation& b) noexcept;
// Answers TimeAndLocationEquals. `timeDiffers`: the computed values depend on
// a changed part (place, begin, daylight saving, the end or the range);
// `anyDiffers`: that, or any axis setting shown differs (grid steps only count
// while their grid is shown).
bool TimeAndLocationCompare(const TimeAndLocation& a, const TimeAndLocation& b,
                            bool& timeDiffers, bool& anyDiffers) noexcept;

// Copies field `id` (0..17) from `from` into `to`. A date or range that the
// target cannot take is refused as a whole (false, `to` unchanged); ids
// outside 0..17 copy nothing and answer false.
bool TimeAndLocationCopyField(std::int32_t id, const TimeAndLocation& from, TimeAndLocation& to);

// With keepRange and a fixed end the range is recounted from the two dates
// (refused when the begin lies after the end); with keepRange and a moving
// end the end moves by the range (refused when it would leave the valid
// years). Without keepRange only the begin is stored.
bool TimeAndLocationSetBeginDate(TimeAndLocation& record, const DateTime& date, bool keepRange);
// Stores the end and the step of its whole days / 365; refused when the end
// lies before the begin.
bool TimeAndLocationSetEndDate(TimeAndLocation& record, const DateTime& date);
// Stores the step and moves the end; refused (record unchanged) for a step
// that does not fit or an end outside the valid years.
bool TimeAndLocationSetStep(TimeAndLocation& record, std::int32_t unit, double count);
// A range of `units` whole units: the step units / 365.
bool TimeAndLocationSetRange(TimeAndLocation& record, std::int32_t unit, std::int32_t units);
// end := begin + the range; false, and the end unchanged, when that leaves the
// valid years.
bool TimeAndLocationUpdateEndDate(TimeAndLocation& record);
void TimeAndLocationSetTimeStep(TimeAndLocation& record, const TimeStep& step) noexcept;

}  // namespace corvinata

namespace corvinata {

class SettingsTree;
class SettingsTreeWriter;

// The record's place and moment in the group "Time and location" of the
// reader's or writer's current key: the begin date as "Date and Time", the
// coordinates as "Geographical location" and the daylight-saving group. A
// read takes them only whole (false, the record unchanged, otherwise).
bool WriteTimeAndLocationSettings(const TimeAndLocation& record, SettingsTreeWriter& writer);
bool ReadTimeAndLocationSettings(TimeAndLocation& record, SettingsTree& tree);

}  // namespace corvinata
