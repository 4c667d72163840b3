#include "automation/argument_rules.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "base/rounding.h"

namespace corvinata::automation {

bool ClientDateTimeToLocalCivil(int year, int month, int day, int hour, int minute, bool localTime,
                                double zoneHours, bool daylightSaving, DateTime& result) noexcept {
    DateTime moment;
    moment.year = year;
    moment.month = month;
    moment.day = day;
    moment.hours = hour + minute / 60.0;
    moment.timeSystem = kLocalCivilTime;
    if (!IsValidDate(moment) || !InClosedRange(moment.hours, 0.0, 24.0)) return false;
    // The time of day is added to the date rather than converted through
    // sidereal time, which names two moments for about four minutes a day.
    if (!localTime) moment.hours += zoneHours + (daylightSaving ? 1.0 : 0.0);
    if (!std::isfinite(moment.hours) || !NormaliseDateTime(moment)) return false;
    result = moment;
    return true;
}

bool ClientText(const Char* text, std::size_t length, String& out) {
    if (!text || length == 0) {
        out = String();
        return true;
    }
    // A text no String can hold is no value either.
    if (length >= static_cast<std::size_t>(std::numeric_limits<int>::max())) return false;
    for (std::size_t i = 0; i < length; ++i) {
        if (text[i] == 0) return false;
    }
    // Copied by its length: the client's text need not end with a NUL.
    const int count = static_cast<int>(length);
    String whole;
    Char* buffer = StringReserve(whole, count, ReserveMode::Discard).buffer;
    std::copy(text, text + length, buffer);
    buffer[count] = 0;
    out = std::move(whole);
    return true;
}

bool ClampMagnitudeLimit(double requested, double& limit) noexcept {
    if (std::isnan(requested)) return false;
    limit = requested < 0.0 ? 0.0 : requested > 20.0 ? 20.0 : requested;
    return true;
}

int ZoomPercentOfLevel(int lowest, int highest, int level) noexcept {
    if (highest <= lowest) return 0;
    return RoundToInt(100.0 * (level - lowest) / (highest - lowest));
}

int ZoomLevelOfPercent(int lowest, int highest, int percent) noexcept {
    return RoundToInt(lowest + (highest - lowest) / 100.0 * percent);
}

}  // namespace corvinata::automation
