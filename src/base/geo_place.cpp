#include "base/geo_place.h"

#include <cmath>

#include "base/number_text.h"
#include "base/text_format.h"
#include "base/text_scanner.h"
#include "base/time_systems.h"
#include "base/wide_string.h"

namespace corvinata {

namespace {

bool IsZoneInRange(double hours) noexcept {
    return hours >= kMinTimeZoneHours && hours <= kMaxTimeZoneHours;
}

// Converts a copy of `moment` to Universal time at the place of `reference`.
DateTime InUniversalTime(const DateTime& moment, const TimeAndPlace& reference) noexcept {
    DateTime copy = moment;
    ConvertTimeSystemAt(copy, kUniversalTime, reference.place.longitude.GetValue(),
                        reference.place.timeZone.hours, reference.daylightSaving);
    return copy;
}

}  // namespace

void TypedValueAssign(TimeZoneValue& dest, const TimeZoneValue& src) noexcept {
    dest.hours = src.hours;
}

void GeoCoordinatesInit(GeoCoordinates& place) noexcept { place = GeoCoordinates{}; }

bool GeoCoordinatesEqual(const GeoCoordinates& a, const GeoCoordinates& b) noexcept {
    return a.longitude.GetValue() == b.longitude.GetValue() &&
           a.latitude.GetValue() == b.latitude.GetValue() &&
           a.timeZone.hours == b.timeZone.hours && a.elevation == b.elevation;
}

std::int32_t GetElevation(const GeoCoordinates& place) noexcept { return place.elevation; }

void SetElevation(GeoCoordinates& place, std::int32_t metres) noexcept {
    place.elevation = metres;
}

void TimeAndPlaceInit(TimeAndPlace& out, const DateTime& dateTime, const GeoCoordinates& place,
                      bool daylightSaving) noexcept {
    out.dateTime = dateTime;
    out.place = place;
    out.daylightSaving = daylightSaving;
}

TimeAndPlace& TimeAndPlaceAssign(TimeAndPlace& dest, const TimeAndPlace& src) noexcept {
    if (&dest == &src) return dest;
    DateTimeAssign(dest.dateTime, src.dateTime);
    TypedValueAssign(dest.place.longitude, src.place.longitude);
    TypedValueAssign(dest.place.latitude, src.place.latitude);
    TypedValueAssign(dest.place.timeZone, src.place.timeZone);
    dest.place.elevation = src.place.elevation;
    dest.daylightSaving = src.daylightSaving;
    return dest;
}

bool TimeAndPlaceEqual(const TimeAndPlace& a, const TimeAndPlace& b) noexcept {
    return DateTimeEqual(a.dateTime, b.dateTime) && GeoCoordinatesEqual(a.place, b.place) &&
           a.daylightSaving == b.daylightSaving;
}

bool DateTimeSameMoment(const TimeAndPlace& a, const TimeAndPlace& b) {
    if (a.dateTime.timeSystem == b.dateTime.timeSystem) {
        return DateTimeEqual(a.dateTime, b.dateTime);
    }
    if (b.dateTime.timeSystem == kUniversalTime) {
        return DateTimeEqual(InUniversalTime(a.dateTime, b), b.dateTime);
    }
    return DateTimeEqual(a.dateTime, InUniversalTime(b.dateTime, b));
}

void FormatTimeZoneOffset(const TimeZoneValue& zone, String& out) {
    // A value that is no plausible number of hours (a damaged setting) is
    // written as no offset rather than converted into an arbitrary integer.
    const bool plausible = std::isfinite(zone.hours) && std::fabs(zone.hours) < 1.0e6;
    const double hours = plausible ? zone.hours : 0.0;
    const double magnitude = std::fabs(hours);
    double whole = std::trunc(magnitude);
    double minutes = std::round((magnitude - whole) * 60.0);
    const bool showMinutes = minutes != 0.0;
    // 5.999 hours is 6 hours to the minute, not 5 hours and 60 minutes.
    if (minutes >= 60.0) {
        whole += 1.0;
        minutes -= 60.0;
    }
    // The sign belongs to the whole offset: -0.5 hours is "UT-0:30".
    const bool negative = hours < 0.0 && (whole != 0.0 || minutes != 0.0);

    StringAssign(out, GetTimeSystemCode(kUniversalTime));
    StringAppend(out, negative ? TXT("-") : TXT("+"));
    String number;
    StringFromInteger(static_cast<int>(whole), 0, number, true, '0');
    StringAppend(out, number.Text());
    if (showMinutes) {
        StringAppend(out, TXT(":"));
        StringFromInteger(static_cast<int>(minutes), 2, number, true, '0');
        StringAppend(out, number.Text());
    }
}

bool ParseTimeZoneHours(const Char* text, TimeZoneValue& target) {
    double hours = 0.0;
    int consumed = 0;
    if (!ParseDouble(text, hours, &consumed) || consumed != TextLength(text)) return false;
    if (!IsZoneInRange(hours)) return false;
    target.hours = hours;
    return true;
}

bool ParseTimeZoneHoursMinutes(const Char* text, TimeZoneValue& target) {
    TextScanner scanner(text, true);
    scanner.SkipBlanks();
    const bool minusBeforeHours = scanner.AtChar('-');
    int hours = 0;
    int minutes = 0;
    scanner.ReadInteger(hours).Accept(TXT(":")).ReadInteger(minutes);
    if (!scanner.ok || !scanner.AtEnd()) return false;
    // West of Greenwich the minutes count away from zero like the hours, so
    // "-3:30" is three and a half hours behind; older texts wrote the minus
    // on both parts ("-3:-30") and mean the same.
    const double offset = minusBeforeHours ? hours - std::fabs(minutes / 60.0)
                                           : hours + minutes / 60.0;
    if (!IsZoneInRange(offset)) return false;
    target.hours = offset;
    return true;
}

}  // namespace corvinata
