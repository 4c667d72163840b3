#include "base/date_time_text.h"

#include <cmath>
#include <cstdint>
#include <memory>

#include "base/number_text.h"
#include "base/services.h"
#include "base/storage.h"
#include "base/text_format.h"
#include "base/text_scanner.h"
#include "base/time_systems.h"
#include "base/wide_string.h"

namespace corvinata {
namespace {

constexpr Char kZeroFill = '0';

// Hours beyond this (about 114 years) no record holds, not even one left
// un-normalised; clamping to it keeps every count and its carries far inside
// the integer range.
constexpr double kLargestShownHours = 1.0e6;

// The grain the seconds of a split are snapped to: ten nanoseconds.
constexpr double kGrainsPerSecond = 1.0e8;

// Truncation toward zero that stays defined for any double: not-a-number
// counts as 0 and values beyond the integer range are clamped.
int TruncToInt(double value) noexcept {
    if (!(value == value)) return 0;
    if (value >= 2147483647.0) return INT32_MAX;
    if (value <= -2147483648.0) return INT32_MIN;
    return static_cast<int>(value);
}

// Round half away from zero.
int RoundToWhole(double value) noexcept {
    return TruncToInt(value >= 0.0 ? value + 0.5 : value - 0.5);
}

int ClampTimePrecision(int precision) noexcept {
    if (precision < kTimeToSecond) return kTimeToSecond;
    if (precision > kTimeToHour) return kTimeToHour;
    return precision;
}

// Collects the pieces of one short text and hands it to the String in one
// assignment, so that a date or a time costs one allocation at most. The
// longest text (three numbers of eleven characters, two colons, a blank and
// a time-system code) fits with room to spare.
class TextPieces {
public:
    TextPieces& Add(const Char* text) noexcept {
        while (*text && length_ < kCapacity) buffer_[length_++] = *text++;
        buffer_[length_] = 0;
        return *this;
    }
    // Two-digit fields are padded on the left with "0"; the year takes width 0.
    TextPieces& AddNumber(int value, int width) {
        StringFromInteger(value, width, scratch_, true, kZeroFill);
        return Add(scratch_.Text());
    }
    void AssignTo(String& out) const { StringAssign(out, buffer_); }

private:
    static constexpr int kCapacity = 63;
    Char buffer_[kCapacity + 1] = {};
    int length_ = 0;
    String scratch_;
};

// The magnitude only: the program's years are all positive.
int YearMagnitude(int year) noexcept {
    return year >= 0 ? year : (year == INT32_MIN ? INT32_MAX : -year);
}

const Char* NoTimeText(int precision) noexcept {
    switch (precision) {
        case kTimeToSecond: return TXT("--:--:--");
        case kTimeToMinute: return TXT("--:--");
        default: return TXT("--");
    }
}

constexpr const Char* kNoDateText = TXT("--.--.--");

// One character of any kind as a counting step; fails at the end of the text.
Char TakeChar(TextScanner& scanner) noexcept {
    Char c = 0;
    scanner.ReadChar(&c);
    return c;
}

}  // namespace

void HoursToHms(double hours, int& h, int& m, double& s) noexcept {
    if (hours > kLargestShownHours) hours = kLargestShownHours;
    if (hours < -kLargestShownHours) hours = -kLargestShownHours;
    double seconds = hours * 3600.0;
    // Whole and half seconds come back from decimal hours a little off: a
    // time typed as 9:14:30 as 29.999999999999996 s, and a moment reached by
    // adding steps to a date or by going through a time zone a few
    // nanoseconds short (each addition rounds the hours once more). Either
    // would round or truncate to the second before. Snapped to a grain of
    // ten nanoseconds, far coarser than what arithmetic loses and far finer
    // than any time typed or shown, they come back exactly, and a time
    // further off stays as it is: 59.4999998 s is short of the half second.
    // A fixed grain, unlike one scaled to the value's own size, also holds
    // for hours a hair above 0, which split into no seconds at all.
    if (std::isfinite(seconds)) seconds = std::round(seconds * kGrainsPerSecond) / kGrainsPerSecond;
    h = TruncToInt(seconds / 3600.0);
    m = TruncToInt((seconds - 3600.0 * h) / 60.0);
    s = seconds - 3600.0 * h - 60.0 * m;
}

void DateTimeToHms(const DateTime& record, int& h, int& m, double& s) noexcept {
    HoursToHms(record.hours, h, m, s);
    if (s > 59.999) {
        // A hair below the next minute: a millisecond later shows it whole.
        int laterH = 0;
        int laterM = 0;
        double laterS = 0.0;
        HoursToHms(record.hours + 1.0 / 3600000.0, laterH, laterM, laterS);
        if (laterH != h || laterM != m) {
            h = laterH;
            m = laterM;
            s = 0.0;
        }
    }
}

void DateTimeRoundedHms(const DateTime& record, int& h, int& m, int& s, int roundingMode,
                        int precision, bool* nextDay) noexcept {
    precision = ClampTimePrecision(precision);
    double seconds = 0.0;
    DateTimeToHms(record, h, m, seconds);
    bool wrapped = false;
    if (roundingMode == kTruncateTime) {
        seconds = std::trunc(seconds);
    } else {
        if (precision == kTimeToSecond && seconds >= 59.5) {
            seconds = 0.0;
            ++m;
        } else if (precision == kTimeToMinute && seconds >= 30.0) {
            ++m;
        } else if (precision == kTimeToHour && m >= 30) {
            ++h;
        }
        if (m == 60) {
            m = 0;
            ++h;
        }
        if (h == 24 && roundingMode == kRoundToNextDay) {
            h = 0;
            wrapped = true;
        } else if (h == 24 && roundingMode == kRoundHoldDayEnd) {
            h = 23;
            m = 59;
            seconds = 59.0;
        }
    }
    if (precision != kTimeToSecond) seconds = 0.0;
    if (precision == kTimeToHour) m = 0;
    s = RoundToWhole(seconds);
    if (nextDay) *nextDay = wrapped;
}

String& FormatTime(int precision, const DateTime& record, bool appendSystemCode,
                   int roundingMode, bool* nextDay, String& out) {
    precision = ClampTimePrecision(precision);
    if (record.hours == kNoTimeHours) {
        StringAssign(out, NoTimeText(precision));
        return out;
    }
    int h = 0;
    int m = 0;
    int s = 0;
    DateTimeRoundedHms(record, h, m, s, roundingMode, precision, nextDay);
    TextPieces text;
    text.AddNumber(h, 2);
    if (precision <= kTimeToMinute) text.Add(TXT(":")).AddNumber(m, 2);
    if (precision == kTimeToSecond) text.Add(TXT(":")).AddNumber(s, 2);
    if (appendSystemCode) text.Add(TXT(" ")).Add(GetTimeSystemCode(record.timeSystem));
    text.AssignTo(out);
    return out;
}

String& FormatDate(const DateTime& record, int precision, String& out) {
    if (record.hours == kNoTimeHours) {
        StringAssign(out, kNoDateText);
        return out;
    }
    TextPieces text;
    switch (precision) {
        case kDateToDay:
            text.AddNumber(record.day, 2).Add(TXT(".")).AddNumber(record.month, 2).Add(TXT("."));
            break;
        case kDateToMonth:
            text.AddNumber(record.month, 2).Add(TXT("."));
            break;
        case kDateToYear:
            break;
        default:
            return out;
    }
    text.AddNumber(YearMagnitude(record.year), 0).AssignTo(out);
    return out;
}

void FormatDateAndTime(const DateTime& record, String& date, String& time,
                       bool appendSystemCode, int precision) {
    DateTime shown = record;
    bool nextDay = false;
    FormatTime(precision, shown, appendSystemCode, kRoundToNextDay, &nextDay, time);
    if (nextDay && !DateTimeAddDays(shown, 1)) {
        // The last valid day has no next day to show "00:00" on.
        FormatTime(precision, shown, appendSystemCode, kRoundHoldDayEnd, nullptr, time);
    }
    FormatDate(shown, kDateToDay, date);
}

String FormatDateTimeJoined(const DateTime& record, int precision, bool appendSystemCode,
                            const Char* separator) {
    String date;
    String time;
    FormatDateAndTime(record, date, time, appendSystemCode, precision);
    StringReserve(date, date.Length() + TextLength(separator) + time.Length(),
                  ReserveMode::GrowKeep);
    StringAppend(date, separator);
    StringAppend(date, time.Text());
    return date;
}

bool FormatDateLocaleShort(const DateTime& record, String& out) {
    std::unique_ptr<LocaleFormatter> formatter =
        GetProductInfo().GetStorage().CreateLocaleFormatter();
    if (!formatter) {
        StringAssign(out, TXT(""));
        return false;
    }
    formatter->year = record.year;
    formatter->month = record.month;
    formatter->day = record.day;
    return formatter->ShortDate(out, 0);
}

namespace {

// Day, point, month, point, year, each number as the scanner's integer step
// reads it (white space and a sign before its digits allowed). Answers the
// position after the year, or -1 when the text does not begin so or the
// date is not valid; `record` gets the date only then.
int ReadDayMonthYear(DateTime& record, const Char* text) {
    TextScanner scanner(text, true);
    int day = 0;
    int month = 0;
    int year = 0;
    scanner.ReadInteger(day);
    const Char first = TakeChar(scanner);
    scanner.ReadInteger(month);
    const Char second = TakeChar(scanner);
    scanner.ReadInteger(year);
    if (!scanner.ok || first != '.' || second != first) return -1;
    DateTime parsed = record;
    parsed.year = year;
    parsed.month = month;
    parsed.day = day;
    if (!IsValidDate(parsed)) return -1;
    record = parsed;
    return scanner.position;
}

}  // namespace

bool DateTimeParseDate(DateTime& record, const Char* text) {
    return ReadDayMonthYear(record, text) >= 0;
}

bool DateTimeParseTime(DateTime& record, const Char* text) {
    TextScanner scanner(text, true);
    int h = 0;
    int m = 0;
    int s = 0;
    ReadUnsigned(scanner, h);
    const Char first = TakeChar(scanner);
    ReadUnsigned(scanner, m);
    const Char second = TakeChar(scanner);
    ReadUnsigned(scanner, s);
    const int matched = scanner.matchCount;
    if (matched != 5 && matched != 3) return false;
    if (first != ':' || (matched == 5 && second != first)) return false;
    const bool endOfDay = h == 24 && m == 0 && s == 0;
    if (!endOfDay && (h < 0 || h > 23 || m < 0 || m > 59 || s < 0 || s > 59)) return false;
    DateTime parsed = record;
    parsed.hours = h + m / 60.0 + s / 3600.0;
    if (endOfDay && !NormaliseDateTime(parsed)) return false;
    record = parsed;
    return true;
}

namespace {

// The digits at `p`, moved past: false when there is none. A value beyond
// every field's range is held at kBeyondAnyField rather than overflowing.
constexpr int kBeyondAnyField = 1000000;
bool TakeDigits(const Char*& p, int& value) noexcept {
    if (!IsDigitChar(*p)) return false;
    value = 0;
    for (; IsDigitChar(*p); ++p) {
        if (value < kBeyondAnyField) value = value * 10 + (*p - '0');
    }
    if (value > kBeyondAnyField) value = kBeyondAnyField;
    return true;
}

const Char* SkipSpace(const Char* p) noexcept {
    while (IsSpaceChar(*p)) ++p;
    return p;
}

}  // namespace

bool ParseTimeOfDay(const Char* text, double& hours) {
    const Char* p = SkipSpace(text);
    int h = 0;
    int m = 0;
    if (!TakeDigits(p, h) || *p != ':') return false;
    ++p;
    if (!TakeDigits(p, m)) return false;
    int s = 0;
    const Char* secondsText = nullptr;
    if (*p == ':') {
        secondsText = ++p;
        if (!TakeDigits(p, s)) return false;
        if (*p == '.') {
            ++p;
            int fraction = 0;
            if (!TakeDigits(p, fraction)) return false;
        }
    }
    if (*SkipSpace(p) != 0) return false;
    // The seconds with their fraction, to the nearest double: the digits
    // were checked above, so the number reader finds no more than them.
    double seconds = 0.0;
    if (secondsText && !ParseDouble(secondsText, seconds)) return false;
    const bool endOfDay = h == 24 && m == 0 && seconds == 0.0;
    if (!endOfDay && (h > 23 || m > 59 || s > 59)) return false;
    hours = h + m / 60.0 + seconds / 3600.0;
    return true;
}

bool DateTimeParseTimeAlone(DateTime& record, const Char* text) {
    double hours = 0.0;
    if (!ParseTimeOfDay(text, hours)) return false;
    DateTime parsed = record;
    parsed.hours = hours;
    if (hours >= 24.0 && !NormaliseDateTime(parsed)) return false;
    record = parsed;
    return true;
}

bool DateTimeParseDateAlone(DateTime& record, const Char* text) {
    DateTime parsed = record;
    const int end = ReadDayMonthYear(parsed, text);
    if (end < 0 || *SkipSpace(text + end) != 0) return false;
    record = parsed;
    return true;
}

TextScanner& ReadUnsigned(TextScanner& scanner, int& receiver) noexcept {
    if (!scanner.ok) return scanner;
    const DecimalInteger number = ScanDecimalInteger(scanner.text + scanner.position);
    if (number.used == 0 || number.negative || number.overflow ||
        number.magnitude >= 2147483647u) {
        scanner.ok = false;
        return scanner;
    }
    receiver = static_cast<int>(number.magnitude);
    scanner.position += number.used;
    ++scanner.matchCount;
    return scanner;
}

}  // namespace corvinata
