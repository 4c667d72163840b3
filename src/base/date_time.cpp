#include "base/date_time.h"

#include <cmath>
#include <cstdint>
#include <memory>

#include "base/services.h"
#include "base/storage.h"
#include "base/time_step.h"

namespace corvinata {
namespace {

constexpr int kMonthLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// A carry of more days than the valid calendar spans (about 518 000 days)
// fails anyway; refusing it early keeps huge or infinite hours from being
// turned into integers.
constexpr double kLargestDayCarry = 1.0e7;

int DaysInMonthOf(std::int64_t year, std::int64_t month) noexcept {
    if (month < 1 || month > 12) return 0;
    if (month == 2 && year >= INT32_MIN && year <= INT32_MAX &&
        IsLeapYear(static_cast<std::int32_t>(year))) {
        return 29;
    }
    return kMonthLengths[month - 1];
}

bool IsValidYearMonthDay(std::int64_t year, std::int64_t month, std::int64_t day) noexcept {
    return year >= kFirstValidYear && year <= kLastValidYear && month >= 1 &&
           month <= 12 && day >= 1 && day <= DaysInMonthOf(year, month);
}

// Adds hours to a copy of the record and keeps the copy only when its day
// carry succeeds.
bool AddHoursAndNormalise(DateTime& record, double hours) noexcept {
    DateTime copy = record;
    copy.hours += hours;
    if (!NormaliseDateTime(copy)) return false;
    record = copy;
    return true;
}

double OrderKey(const DateTime& record) noexcept {
    const double year = std::fabs(static_cast<double>(record.year));
    return ((year * 100.0 + record.month) * 100.0 + record.day) * 100.0 + record.hours;
}

}  // namespace

bool IsLeapYear(std::int32_t year) noexcept {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

bool IsValidDate(const DateTime& record) noexcept {
    return IsValidYearMonthDay(record.year, record.month, record.day);
}

int DateTimeDaysInMonth(const DateTime& record) noexcept {
    return DaysInMonthOf(record.year, record.month);
}

int DateTimeDayOfYear(const DateTime& record) noexcept {
    // The running day number in closed form; the mean month of 30.6 days is
    // kept as the exact fraction 306/10 so that its truncation is exact.
    const int shortening = 63 - (IsLeapYear(record.year) ? 1 : 0);
    if (record.month <= 2) return (record.month - 1) * shortening / 2 + record.day;
    return (record.month + 1) * 306 / 10 - shortening + record.day;
}

bool DateTimeSetDayOfYear(DateTime& record, int n) noexcept {
    const int daysInYear = IsLeapYear(record.year) ? 366 : 365;
    if (n < 1 || n > daysInYear) return false;
    int month = 1;
    while (n > DaysInMonthOf(record.year, month)) {
        n -= DaysInMonthOf(record.year, month);
        ++month;
    }
    record.month = month;
    record.day = n;
    return true;
}

bool DateTimeAddSeconds(DateTime& record, std::int32_t n) noexcept {
    return AddHoursAndNormalise(record, n / 3600.0);
}

bool DateTimeAddMinutes(DateTime& record, std::int32_t n) noexcept {
    return AddHoursAndNormalise(record, n / 60.0);
}

bool DateTimeAddHours(DateTime& record, std::int32_t n) noexcept {
    return AddHoursAndNormalise(record, static_cast<double>(n));
}

bool DateTimeAddFractionalHours(DateTime& record, double h) noexcept {
    return AddHoursAndNormalise(record, h);
}

bool DateTimeAddDays(DateTime& record, std::int32_t n) noexcept {
    DateTime copy = record;
    std::int64_t day = static_cast<std::int64_t>(record.day) + n;
    if (n > 0) {
        for (int length = DateTimeDaysInMonth(copy); day > length;
             length = DateTimeDaysInMonth(copy)) {
            if (!DateTimeAddMonths(copy, 1)) return false;
            day -= length;
        }
    } else {
        while (day < 1) {
            if (!DateTimeAddMonths(copy, -1)) return false;
            day += DateTimeDaysInMonth(copy);
        }
    }
    record.year = copy.year;
    record.month = copy.month;
    record.day = static_cast<std::int32_t>(day);
    return true;
}

bool DateTimeAddMonths(DateTime& record, std::int32_t n) noexcept {
    std::int64_t year = record.year;
    std::int64_t month = static_cast<std::int64_t>(record.month) + n;
    if (month > 12 || month < 1) {
        // Whole years to carry; for months below 1 one year more, so that
        // month 0 is December of the year before.
        const std::int64_t years = month > 12 ? (month - 1) / 12 : month / 12 - 1;
        year += years;
        month -= 12 * years;
    }
    // Clamped to the month reached alone: clamping to the record's own month
    // in the new year first would turn 29 February + 13 months into 28 March.
    const int length = DaysInMonthOf(year, month);
    const std::int32_t day = record.day > length ? length : record.day;
    if (year != record.year && !IsValidYearMonthDay(year, month, day)) return false;
    record.year = static_cast<std::int32_t>(year);
    record.month = static_cast<std::int32_t>(month);
    record.day = day;
    return true;
}

bool DateTimeAddYears(DateTime& record, std::int32_t n) noexcept {
    const std::int64_t year = static_cast<std::int64_t>(record.year) + n;
    std::int64_t day = record.day;
    const int length = DaysInMonthOf(year, record.month);
    if (day > length) day = length;
    if (!IsValidYearMonthDay(year, record.month, day)) return false;
    record.year = static_cast<std::int32_t>(year);
    record.day = static_cast<std::int32_t>(day);
    return true;
}

bool AddDateTimeInterval(DateTime& record, const TimeStep& step) noexcept {
    switch (step.unit) {
        case kSecondsUnit: return DateTimeAddSeconds(record, step.count);
        case kMinutesUnit: return DateTimeAddMinutes(record, step.count);
        case kHoursUnit: return DateTimeAddHours(record, step.count);
        case kDaysUnit: return DateTimeAddDays(record, step.count);
        case kMonthsUnit: return DateTimeAddMonths(record, step.count);
        case kYearsUnit: return DateTimeAddYears(record, step.count);
        default: return false;
    }
}

bool NormaliseDateTime(DateTime& record) noexcept {
    const double hours = record.hours;
    // Already in range, or not a number: nothing can be carried.
    if (!(hours < 0.0 || hours >= 24.0)) return true;
    double days = std::floor(hours / 24.0);
    if (!(std::fabs(days) <= kLargestDayCarry)) return false;
    double reduced = hours - 24.0 * days;
    // A tiny negative time can round up to exactly 24 h.
    if (reduced >= 24.0) {
        reduced -= 24.0;
        days += 1.0;
    }
    DateTime copy = record;
    copy.hours = reduced;
    if (!DateTimeAddDays(copy, static_cast<std::int32_t>(days))) return false;
    record = copy;
    return true;
}

void CarryDayEnd(DateTime& record) noexcept {
    if (!(record.hours >= 24.0)) return;
    DateTime next = record;
    next.hours = 0.0;
    if (DateTimeAddDays(next, 1)) {
        record = next;
    } else {
        record.hours = 24.0 - 1.0 / 3600.0;
    }
}

void DateTimeCopy(DateTime& target, const DateTime& source) noexcept {
    target.year = source.year;
    target.month = source.month;
    target.day = source.day;
    target.hours = source.hours;
    target.timeSystem = source.timeSystem;
}

DateTime& DateTimeAssign(DateTime& target, const DateTime& source) noexcept {
    if (&target != &source) DateTimeCopy(target, source);
    return target;
}

bool DateTimeEqual(const DateTime& a, const DateTime& b) noexcept {
    return a.year == b.year && a.month == b.month && a.day == b.day &&
           a.hours == b.hours && a.timeSystem == b.timeSystem;
}

bool DateTimeDiffers(const DateTime& a, const DateTime& b) noexcept {
    return !DateTimeEqual(a, b);
}

bool DateTimeIsEarlier(const DateTime& a, const DateTime& b) noexcept {
    return OrderKey(a) < OrderKey(b);
}

bool DateTimeIsLater(const DateTime& a, const DateTime& b) noexcept {
    return DateTimeDiffers(a, b) && !DateTimeIsEarlier(a, b);
}

void DateStepDay(DateTime& record, bool up) noexcept {
    const int last = DateTimeDaysInMonth(record);
    if (up) {
        record.day = record.day >= last ? 1 : record.day + 1;
    } else {
        record.day = record.day <= 1 ? last : record.day - 1;
    }
}

void DateStepMonth(DateTime& record, bool up) noexcept {
    if (up) {
        record.month = record.month >= 12 ? 1 : record.month + 1;
    } else {
        record.month = record.month <= 1 ? 12 : record.month - 1;
    }
    const int last = DateTimeDaysInMonth(record);
    if (record.day > last) record.day = last;
}

bool DateTimeSetToNow(DateTime& record) {
    std::unique_ptr<LocaleFormatter> clock = GetProductInfo().GetStorage().CreateLocaleFormatter();
    if (!clock || !clock->GetNow()) return false;
    DateTime now;
    now.year = clock->year;
    now.month = clock->month;
    now.day = clock->day;
    now.hours = clock->hour + clock->minute / 60.0 + clock->second / 3600.0;
    now.timeSystem = kLocalCivilTime;
    // An hour of 24, or a leap second, lands on the next day.
    NormaliseDateTime(now);
    record = now;
    return true;
}

}  // namespace corvinata
