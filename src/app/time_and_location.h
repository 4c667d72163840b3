// TimeAndLocation: a place and a time range with the axis settings of a
// graph. Graph documents, related tasks and the script's graph commands hold
// one; single fields are addressed by id so that one setter can change one of
// them.
//
// The range is kept as a whole number of its unit (days whenever it comes
// from two dates), never as a fraction of a year, so that begin, end and
// length always agree: a begin after a fixed end, or an end that would leave
// the valid years, is refused and the record stays as it was.
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

// Days in the year by which stored range lengths are counted.
constexpr double kRangeDaysPerYear = 365.0;

struct TimeAndLocation {
    Location location;
    DateTime beginDate;
    DateTime endDate;
    bool daylightSaving = false;
    bool endFixed = false;
    // The range: rangeCount units of rangeUnit from the begin to the end.
    std::int32_t rangeUnit = kDaysUnit;
    std::int32_t rangeCount = 0;
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

// The range length in years as files and settings store it (days / 365).
double TimeAndLocationStoredRangeLength(const TimeAndLocation& record) noexcept;
// Takes a stored range length in years. Lengths written as days / 365 come
// back as the exact day count (rounded, not truncated: 3 / 365 x 365 is a hair
// below 3). Answers false and changes nothing for a negative or absurd length.
bool TimeAndLocationSetStoredRange(TimeAndLocation& record, std::int32_t unit, double years);

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
// Stores the end and counts the range in whole days; refused when the end lies
// before the begin.
bool TimeAndLocationSetEndDate(TimeAndLocation& record, const DateTime& date);
// Stores the range and moves the end; refused (record unchanged) for a unit
// outside 0..5, a negative count or an end outside the valid years.
bool TimeAndLocationSetRange(TimeAndLocation& record, std::int32_t unit, std::int32_t count);
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
