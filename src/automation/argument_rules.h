// The rules by which the automation members read their arguments, kept apart
// from COM so that they are checked natively: what counts as true, which
// ranges hold (NaN never does), the client's date and time turned into the
// application's local civil time, and the numbers the windows and the
// client count differently.
#pragma once

#include <cstddef>
#include <cstdint>

#include "base/date_time.h"
#include "base/wide_string.h"

namespace corvinata::automation {

// Only the automation true (-1) is true: late binding turns a client's 1
// into it, a C++ client's 1 stays false.
constexpr std::int16_t kAutomationTrue = -1;
constexpr std::int16_t kAutomationFalse = 0;
constexpr bool IsAutomationTrue(std::int16_t value) noexcept { return value == kAutomationTrue; }
constexpr std::int16_t AutomationBool(bool value) noexcept { return value ? kAutomationTrue : kAutomationFalse; }

// lo <= x <= hi; NaN lies in no range.
constexpr bool InClosedRange(double x, double lo, double hi) noexcept { return lo <= x && x <= hi; }
constexpr bool InClosedRange(int x, int lo, int hi) noexcept { return lo <= x && x <= hi; }

// A client's text of `length` characters (a BSTR carries its length), read
// whole into `out`; a null text is COM's empty text. False, and `out`
// unchanged, for a text holding a NUL: a reader of the zero-terminated copy
// would take it for the end and read a value the client did not send.
bool ClientText(const Char* text, std::size_t length, String& out);

// The client's date and time (`hour` + `minute` / 60 within 0..24, 24:00
// being 0:00 of the next day) as the application's local civil time: a
// universal time is moved by the zone and one more hour under daylight
// saving. False for a date outside 1583..3000 or the month, a time outside
// the day, or a moment that leaves the valid years.
bool ClientDateTimeToLocalCivil(int year, int month, int day, int hour, int minute, bool localTime,
                                double zoneHours, bool daylightSaving, DateTime& result) noexcept;

// The star magnitude limit a client asks for, brought into 0..20; false for
// NaN.
bool ClampMagnitudeLimit(double requested, double& limit) noexcept;

// Moons counted from 0 in catalogue order; `count` is the catalogue's size.
constexpr bool ValidMoonNumber(int number, int count) noexcept { return number >= 0 && number < count; }
constexpr int kJupiterMoons = 4;
constexpr int kSaturnMoons = 8;

// The eclipse map's zoom as a percentage of its levels and back.
int ZoomPercentOfLevel(int lowest, int highest, int level) noexcept;
int ZoomLevelOfPercent(int lowest, int highest, int percent) noexcept;

// Steps of the graph's axes and time range: a count of 1..99 of minutes to
// years (units 1..5).
constexpr bool ValidAxisStep(int steps, int unit) noexcept {
    return steps >= 1 && steps <= 99 && unit >= 1 && unit <= 5;
}

}  // namespace corvinata::automation
