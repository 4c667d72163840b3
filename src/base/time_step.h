// Time units and time steps.
//
// Animation, graphs, the event search and reports advance time by a TimeStep:
// a count of one of six calendar units. The unit numbers are stored in the
// settings ("Type") and in saved graphs, so their order is fixed.
#pragma once

#include <cstdint>

#include "base/text_char.h"

namespace corvinata {

class String;

enum TimeUnitId : std::int32_t {
    kSecondsUnit = 0,
    kMinutesUnit = 1,
    kHoursUnit = 2,
    kDaysUnit = 3,
    kMonthsUnit = 4,
    kYearsUnit = 5,
};

// Number of time units; ParseTimeUnit answers it for a text it does not know.
constexpr std::int32_t kTimeUnitCount = 6;

struct TimeStep {
    std::int32_t unit = kSecondsUnit;   // 0..5, see TimeUnitId
    std::int32_t count = 0;             // may be negative
};

// Name of unit 0..5, "Seconds" .. "Years" (the TimeUnitNames table); the
// empty text for any other value, which matches no list entry.
const Char* GetTimeUnitName(std::int32_t unit) noexcept;

// Index of the unit name equal to the text with ASCII letters compared
// without regard to case ("days" and "DAYS" give 3); kTimeUnitCount when no
// name matches. Singular forms are not names: "Day" gives kTimeUnitCount.
std::int32_t ParseTimeUnit(const Char* text) noexcept;

void TimeStepSet(TimeStep& step, std::int32_t unit, std::int32_t count) noexcept;
TimeStep& TimeStepAssign(TimeStep& dest, const TimeStep& src) noexcept;
// Same unit and same count: one day and 24 hours are different steps.
bool TimeStepEqual(const TimeStep& a, const TimeStep& b) noexcept;

// Replaces `out` by the step in words: the count in decimal, a blank and the
// unit in lower case, singular for a count of 1 or -1 ("1 minute",
// "-1 day", "5 hours", "0 seconds"). A step whose unit is not 0..5 is written
// as its count alone, since there is no name to give it.
void FormatTimeStepText(const TimeStep& step, String& out);

// Removes every lower-case "s" at the end of the text ("glass" -> "gla").
void StripTrailingS(String& text);

}  // namespace corvinata
