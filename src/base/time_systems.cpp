#include "base/time_systems.h"

#include <cmath>

#include "base/angle_value.h"
#include "base/geo_place.h"
#include "base/text_format.h"

namespace corvinata {
namespace {

constexpr TimeSystemTable kTimeSystems = {
    kInvalidTimeSystem,
    {TXT("Universal time"), TXT("Greenwich sidereal time"), TXT("Local civil time"),
     TXT("Local sidereal time"), TXT("Invalid")},
    {TXT("UT"), TXT("GST"), TXT("LCT"), TXT("LST"), TXT("Invalid")},
};

// Duffett-Smith's rates: sidereal hours gained per day, and the ratio of
// sidereal to solar time (with its rounded inverse for the way back).
constexpr double kSiderealGainPerDay = 0.0657098;
constexpr double kSiderealPerSolar = 1.002738;
constexpr double kSolarPerSidereal = 0.99727;

// The Julian days this code turns back into calendar dates stay far inside
// this bound; beyond it the integer fields could not hold the result.
constexpr double kLargestJulianDay = 1.0e9;

int RowOf(int index) noexcept {
    return (index >= 0 && index <= kTimeSystems.count) ? index : kInvalidTimeSystem;
}

// Place of a time system on the chain LCT -> UT -> GST -> LST; the invalid
// system stands below local civil time.
int ChainRank(std::int32_t system) noexcept {
    switch (system) {
        case kLocalCivilTime: return 1;
        case kUniversalTime: return 2;
        case kGreenwichSiderealTime: return 3;
        case kLocalSiderealTime: return 4;
        default: return 0;
    }
}

// One turn of the clock at most: the sidereal steps start from hours in 0..24.
double WrapHoursOnce(double hours) noexcept {
    if (hours < 0.0) hours += 24.0;
    if (hours >= 24.0) hours -= 24.0;
    return hours;
}

// The last whole second of the valid years: a time any nearer to midnight
// would be shown as 24:00 or 00:00 of a day the calendar does not have.
constexpr double kLastValidHours = 23.0 + 59.0 / 60.0 + 59.0 / 3600.0;

// The first or the last valid instant, whichever end of the valid years the
// record has run over.
void ClampToValidYears(DateTime& record) noexcept {
    const bool late = record.year > kLastValidYear ||
                      (record.year >= kFirstValidYear && record.hours >= 24.0);
    record.year = late ? kLastValidYear : kFirstValidYear;
    record.month = late ? 12 : 1;
    record.day = late ? 31 : 1;
    record.hours = late ? kLastValidHours : 0.0;
}

// The civil steps may move the date. One that would leave the valid years
// stops at their end (false): hours outside one day would show as a negative
// time or as a time past the end of the day.
bool ShiftCivilHours(DateTime& record, double hours) noexcept {
    record.hours += hours;
    if (NormaliseDateTime(record)) return true;
    ClampToValidYears(record);
    return false;
}

double DaylightHours(bool daylightSaving) noexcept { return daylightSaving ? 1.0 : 0.0; }

// Greenwich sidereal time at 0 h UT of the record's date, less whole days.
double SiderealOffsetOfDay(const DateTime& record) noexcept {
    return DateTimeDayOfYear(record) * kSiderealGainPerDay - SiderealTimeYearConstant(record);
}

// One step along the chain; false when a civil step stopped at the end of
// the valid years.
bool StepUpFrom(int rank, DateTime& record, double westLongitude, double zone, bool dst) noexcept {
    switch (rank) {
        case 1:
            record.timeSystem = kUniversalTime;
            return ShiftCivilHours(record, -(zone + DaylightHours(dst)));
        case 2:
            ConvertToSiderealTime(record);
            break;
        case 3:
            record.timeSystem = kLocalSiderealTime;
            record.hours = WrapHoursOnce(record.hours - westLongitude / 15.0);
            break;
        default:
            break;
    }
    return true;
}

bool StepDownFrom(int rank, DateTime& record, double westLongitude, double zone, bool dst) noexcept {
    switch (rank) {
        case 4:
            record.timeSystem = kGreenwichSiderealTime;
            record.hours = WrapHoursOnce(record.hours + westLongitude / 15.0);
            break;
        case 3:
            ConvertFromSiderealTime(record);
            break;
        case 2:
            record.timeSystem = kLocalCivilTime;
            return ShiftCivilHours(record, zone + DaylightHours(dst));
        default:
            break;
    }
    return true;
}

}  // namespace

const TimeSystemTable& TimeScaleNames() noexcept { return kTimeSystems; }

const Char* GetTimeSystemName(int index) noexcept { return kTimeSystems.names[RowOf(index)]; }

const Char* GetTimeSystemCode(int index) noexcept { return kTimeSystems.codes[RowOf(index)]; }

int FindTimeSystemByCode(const Char* text) noexcept {
    for (int i = 0; i <= kTimeSystems.count; ++i) {
        if (TextEquals(kTimeSystems.codes[i], text)) return i;
    }
    return kTimeSystems.count + 1;
}

bool ConvertTimeSystem(DateTime& record, std::int32_t target, const LongitudeValue& longitude,
                       const TimeZoneValue& zone, bool daylightSaving) {
    return ConvertTimeSystemAt(record, target, longitude.GetValue(), zone.hours,
                               daylightSaving);
}

bool ConvertTimeSystemAt(DateTime& record, std::int32_t target, double westLongitudeDegrees,
                         double zoneHours, bool daylightSaving) noexcept {
    if (record.hours == kNoTimeHours) {
        record.timeSystem = target;
        return true;
    }
    const int targetRank = ChainRank(target);
    int rank = ChainRank(record.timeSystem);
    bool kept = true;
    for (; rank < targetRank; ++rank) {
        kept &= StepUpFrom(rank, record, westLongitudeDegrees, zoneHours, daylightSaving);
    }
    for (; rank > targetRank; --rank) {
        kept &= StepDownFrom(rank, record, westLongitudeDegrees, zoneHours, daylightSaving);
    }
    return kept;
}

void ConvertToSiderealTime(DateTime& record) noexcept {
    record.timeSystem = kGreenwichSiderealTime;
    record.hours = WrapHoursOnce(record.hours * kSiderealPerSolar + SiderealOffsetOfDay(record));
}

void ConvertFromSiderealTime(DateTime& record) noexcept {
    record.timeSystem = kUniversalTime;
    double offset = SiderealOffsetOfDay(record);
    if (offset < 0.0) offset += 24.0;
    double hours = record.hours - offset;
    if (hours < 0.0) hours += 24.0;
    record.hours = hours * kSolarPerSidereal;
}

double SiderealTimeYearConstant(const DateTime& record) noexcept {
    DateTime lastDayBefore;
    lastDayBefore.year = record.year - 1;
    lastDayBefore.month = 12;
    lastDayBefore.day = 31;
    lastDayBefore.hours = 0.0;
    // Julian centuries from 1900 January 0.5 (JD 2415020.0).
    const double t = (DateTimeToJulianDay(lastDayBefore) - 2415020.0) / 36525.0;
    const double r = 6.6460656 + 2400.051262 * t + 0.00002581 * t * t;
    return 24.0 - (r - 24.0 * (record.year - 1900));
}

double DateTimeToJulianDay(const DateTime& record) noexcept {
    double y = record.year;
    double m = record.month;
    if (record.month <= 2) {
        y -= 1.0;
        m += 12.0;
    }
    const double day = record.day + record.hours / 24.0;
    // Floors rather than truncations keep the formula right for years before
    // 0 as well; for the program's years both are the same.
    const double a = std::floor(y / 100.0);
    const double gregorian = 2.0 - a + std::floor(a / 4.0);
    return std::floor(365.25 * y) + std::floor(30.6001 * (m + 1.0)) + day + gregorian +
           1720994.5;
}

DateTime JulianDayToDateTime(double julianDay) noexcept {
    DateTime result;
    result.timeSystem = kUniversalTime;
    if (!(std::fabs(julianDay) <= kLargestJulianDay)) {
        result.hours = kNoTimeHours;
        return result;
    }
    const double j = julianDay + 0.5;
    double z = std::floor(j);
    const double fraction = j - z;
    if (z > 2299160.0) {
        const double alpha = std::floor((z - 1867216.25) / 36524.25);
        z += 1.0 + alpha - std::trunc(alpha / 4.0);
    }
    const double b = z + 1524.0;
    const double c = std::floor((b - 122.1) / 365.25);
    const double d = std::floor(365.25 * c);
    const double e = std::floor((b - d) / 30.6001);
    result.day = static_cast<std::int32_t>(b - d - std::floor(30.6001 * e));
    result.hours = fraction * 24.0;
    result.month = static_cast<std::int32_t>(e <= 13.0 ? e - 1.0 : e - 13.0);
    result.year = static_cast<std::int32_t>(result.month >= 3 ? c - 4716.0 : c - 4715.0);
    return result;
}

double DateTimeDifferenceDays(const DateTime& a, const DateTime& b) noexcept {
    return DateTimeToJulianDay(a) - DateTimeToJulianDay(b);
}

void FormatNumber(double value, String& out) { FormatDouble(value, 3, out, false); }

}  // namespace corvinata
