#include "automation/argument_rules.h"

#include <cmath>

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
