// Small shared arithmetic and records: three-point interpolation, rounding,
// date ranges, the daylight-saving option, pairs of event times, and the
// text of a number as a typed quantity.
#pragma once

#include <cstdint>

#include "base/date_time.h"
#include "base/event_time.h"

namespace corvinata {

class String;

// The period argument of InterpolateThreeValues for a quantity that does not
// wrap round.
constexpr std::int32_t kNoPeriod = -1;

// Value at the interpolating factor n (n = 0 at y2, -1 at y1, +1 at y3) of
// three values tabulated at equal steps, by the three-point formula of Meeus,
// Astronomical Algorithms, ch. 3. For a quantity that wraps round with a
// positive `period` (360 for degrees, 24 for hours) values below a tenth of
// the period are taken one period higher when others lie above nine tenths
// of it (359 and 1 become 359 and 361), and a result of a period or more is
// reduced by one period. Pass kNoPeriod for a quantity that does not wrap.
double InterpolateThreeValues(std::int32_t period, double y1, double y2, double y3,
                              double n) noexcept;

// Rounds half away from zero (2.5 -> 3, -2.5 -> -3). Values beyond the 32-bit
// range give its nearest end; not-a-number gives 0.
std::int32_t RoundToInt(double x) noexcept;

// Replaces `value` by the multiple of `step` nearest to it; a value exactly
// halfway goes up (12.5 with step 5 -> 15, -12.5 -> -10). A step that is not
// a positive finite number leaves `value` as it is.
void RoundToNearestStep(double& value, double step) noexcept;

// count x 10^exponent rounded half away from zero (25 and -1 give 3), in
// exact whole-number arithmetic; a result beyond the 32-bit range gives its
// nearest end. The axis-step objects of graphs scale their step count by it.
std::int32_t ScaleStepByPowerOfTen(std::int32_t count, std::int32_t exponent) noexcept;

struct DateTimeRange {
    DateTime begin;
    DateTime end;
};

// Both ends become 1583-01-01, 0 h, in `timeSystem`.
void DateTimeRangeInit(DateTimeRange& range, std::int32_t timeSystem) noexcept;
void DateTimeRangeSet(DateTimeRange& range, const DateTime& begin, const DateTime& end) noexcept;
// Takes the begin of `other` and the given end (either may be `range`'s own)
// and answers the new end.
const DateTime& DateTimeRangeSetBeginFromRange(DateTimeRange& range, const DateTimeRange& other,
                                               const DateTime& end) noexcept;

// The daylight-saving part of the time options (key "Daylight Saving Time",
// value "Active"): whether local civil time is taken one hour ahead.
class DaylightSavingOption {
public:
    virtual ~DaylightSavingOption() = default;

    bool active = false;
};

bool IsDaylightSavingActive(const DaylightSavingOption& option) noexcept;
bool SetDaylightSavingActive(DaylightSavingOption& option, bool flag) noexcept;

// Asks the platform (the storage service's system information) whether
// daylight saving time is in effect now, stores the answer in the option and
// answers it. When the platform cannot tell, the answer is false. Needs the
// application's services; user-interface thread only.
bool QueryDaylightSavingActive(DaylightSavingOption& option);

// The integer that the setting "Time System" binds: the record's time system.
std::int32_t GetIntField(const DateTime& record) noexcept;

// Two moments of one event (rising and setting) and a code.
struct EventTimePair {
    EventTime first;
    EventTime second;
    std::int32_t code = 0;
};

void EventTimePairAssign(EventTimePair& target, const EventTimePair& source) noexcept;

// Replaces `out` by `value` written as a quantity of kind `kind` (0..12,
// made with the integers `extra` and 2), in the form the graph options pages
// show, with the application's display options for angles and right
// ascensions. Answers false, with `out` unchanged, for a kind the object
// model does not make. User-interface thread only.
bool FormatQuantity(std::int32_t kind, std::int32_t extra, String& out, double value);

}  // namespace corvinata
