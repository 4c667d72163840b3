// The readers of values typed into dialogs or sent by automation clients:
// the client's text by its length, one number, a time of day (and the
// script's word for it), a date, a latitude, a longitude and the value of
// every quantity kind. The input is UTF-8 (a byte that starts no sequence
// stands for itself). The promise: a text is either refused or read as
// exactly what it says. Numbers, times and dates are checked against
// their grammar spelled out here and against the C library's reading of
// the digits; the other readers' values read back from their own text.
#include <cmath>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "automation/argument_rules.h"
#include "base/angle_value.h"
#include "base/date_time_text.h"
#include "base/number_text.h"
#include "catalog/quantity_kinds.h"
#include "catalog/quantity_values.h"
#include "fuzz/fuzz_targets.h"
#include "script/script_code.h"

namespace corvinata::fuzz {
namespace {

std::basic_string<Char> Decode(const std::uint8_t* data, std::size_t size) {
    std::basic_string<Char> text;
    for (std::size_t i = 0; i < size;) {
        const unsigned lead = data[i];
        if (lead >= 0xC2 && lead < 0xE0 && i + 1 < size && (data[i + 1] & 0xC0) == 0x80) {
            text.push_back(static_cast<Char>((lead & 0x1F) << 6 | (data[i + 1] & 0x3F)));
            i += 2;
        } else if (lead >= 0xE0 && lead < 0xF0 && i + 2 < size && (data[i + 1] & 0xC0) == 0x80 &&
                   (data[i + 2] & 0xC0) == 0x80) {
            text.push_back(static_cast<Char>((lead & 0x0F) << 12 | (data[i + 1] & 0x3F) << 6 | (data[i + 2] & 0x3F)));
            i += 3;
        } else {
            text.push_back(static_cast<Char>(lead));
            ++i;
        }
    }
    return text;
}

// The text between the white space at its ends, when it is all ASCII.
std::optional<std::string> AsciiCore(const Char* text) {
    const Char* begin = text;
    while (IsSpaceChar(*begin)) ++begin;
    const Char* end = begin + TextLength(begin);
    while (end > begin && IsSpaceChar(end[-1])) --end;
    std::string core;
    for (const Char* p = begin; p < end; ++p) {
        if (*p == 0 || *p > 0x7F) return std::nullopt;
        core.push_back(static_cast<char>(*p));
    }
    return core;
}

// The grammar's pieces: the digits at `at` (moved past them), how many.
std::size_t TakeDigits(const std::string& text, std::size_t& at) {
    const std::size_t start = at;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') ++at;
    return at - start;
}
bool Take(const std::string& text, std::size_t& at, char c) {
    if (at >= text.size() || text[at] != c) return false;
    ++at;
    return true;
}

// [+-] (digits [. digits] | . digits) [(e|E) [+-] digits]
bool IsNumberText(const std::string& text) {
    std::size_t at = 0;
    if (!Take(text, at, '+')) Take(text, at, '-');
    std::size_t digits = TakeDigits(text, at);
    if (Take(text, at, '.')) digits += TakeDigits(text, at);
    if (digits == 0) return false;
    if (Take(text, at, 'e') || Take(text, at, 'E')) {
        if (!Take(text, at, '+')) Take(text, at, '-');
        if (TakeDigits(text, at) == 0) return false;
    }
    return at == text.size();
}

// `least` to `most` groups of digits separated by `separator`: each
// group's text, or none when the text is not that.
std::optional<std::vector<std::string>> Groups(const std::string& text, char separator, std::size_t least,
                                               std::size_t most) {
    std::vector<std::string> groups;
    std::size_t at = 0;
    do {
        const std::size_t start = at;
        if (TakeDigits(text, at) == 0) return std::nullopt;
        groups.push_back(text.substr(start, at - start));
    } while (groups.size() < most && Take(text, at, separator));
    if (at != text.size() || groups.size() < least) return std::nullopt;
    return groups;
}

double Number(const std::string& digits) { return std::strtod(digits.c_str(), nullptr); }

bool Close(double a, double b) { return std::fabs(a - b) <= 1e-9 * (1.0 + std::fabs(b)); }

void CheckNumber(const Char* text) {
    double value = 0.0;
    const bool read = ParseNumberAlone(text, value);
    // White space before the number, nothing after it.
    const Char* start = text;
    while (IsSpaceChar(*start)) ++start;
    const std::optional<std::string> core = AsciiCore(start);
    const bool said = core && TextLength(start) == static_cast<int>(core->size()) && IsNumberText(*core) &&
                      std::isfinite(Number(*core));
    Expect(read == said, "one number and nothing else is read, anything else refused");
    if (read) Expect(value == Number(*core), "the number read is the nearest double");
}

void CheckTime(const Char* text) {
    double hours = -1.0;
    const bool read = ParseTimeOfDay(text, hours);
    // H:M or H:M:S, the seconds with a fraction or not.
    const std::optional<std::string> core = AsciiCore(text);
    std::optional<std::vector<std::string>> parts;
    std::string fraction;
    if (core) {
        const std::size_t point = core->find('.');
        parts = Groups(core->substr(0, point), ':', 2, 3);
        if (point != std::string::npos) {
            fraction = core->substr(point);
            std::size_t at = 1;
            if (!parts || parts->size() != 3 || TakeDigits(fraction, at) == 0 || at != fraction.size()) {
                parts.reset();
            }
        }
    }
    bool said = parts.has_value();
    double expected = 0.0;
    if (said) {
        const double h = Number((*parts)[0]);
        const double m = Number((*parts)[1]);
        const double wholeSeconds = parts->size() == 3 ? Number((*parts)[2]) : 0.0;
        const double seconds = parts->size() == 3 ? Number((*parts)[2] + fraction) : 0.0;
        said = (h <= 23 && m <= 59 && wholeSeconds <= 59) || (h == 24 && m == 0 && seconds == 0.0);
        expected = h + m / 60.0 + seconds / 3600.0;
    }
    Expect(read == said, "a time of day is read whole, anything after it refused");
    if (!read) return;
    Expect(Close(hours, expected) && hours >= 0.0 && hours <= 24.0, "the time read is the time written");

    DateTime record{2024, 6, 15, 7.0, kUniversalTime};
    Expect(DateTimeParseTimeAlone(record, text), "a time read alone sets a moment");
    Expect(hours < 24.0 ? record.day == 15 && record.hours == hours : record.day == 16 && record.hours == 0.0,
           "24:00 is the next day's midnight");

    // The script's word: the nearest whole second; a time that reaches
    // 24 h the midnight that ends the day, never that of its start.
    const CodeWord word = TimeOfDayWord(hours);
    const double total = hours * 3600.0;
    if (total >= 86399.5) {
        Expect(word == kDayEndWord, "a time that reaches 24 h is the day's end");
        return;
    }
    const int wh = static_cast<int>(word / 10000);
    const int wm = static_cast<int>(word / 100 % 100);
    const int ws = static_cast<int>(word % 100);
    Expect(wh < 24 && wm < 60 && ws < 60, "the time's word is a time of day");
    const double written = wh * 3600.0 + wm * 60.0 + ws;
    Expect(std::fabs(written - total) <= 0.5 + 1e-6, "the time's word is the time to the nearest second");
}

// One number of a date: white space, an optional sign, digits. Its value
// as a double, so that no run of digits overflows.
bool TakeDateNumber(const Char*& p, double& value) {
    while (IsSpaceChar(*p)) ++p;
    const bool negative = *p == '-';
    if (*p == '+' || *p == '-') ++p;
    std::string digits;
    for (; *p >= '0' && *p <= '9'; ++p) digits.push_back(static_cast<char>(*p));
    if (digits.empty()) return false;
    value = negative ? -Number(digits) : Number(digits);
    return true;
}

void CheckDate(const Char* text) {
    DateTime record{1999, 9, 9, 7.25, kLocalCivilTime};
    const bool read = DateTimeParseDateAlone(record, text);
    // Day, point, month, point, year, then white space only.
    const Char* p = text;
    double day = 0.0;
    double month = 0.0;
    double year = 0.0;
    bool said = TakeDateNumber(p, day) && *p++ == '.' && TakeDateNumber(p, month) && *p++ == '.' &&
                TakeDateNumber(p, year);
    if (said) {
        while (IsSpaceChar(*p)) ++p;
        said = *p == 0;
    }
    DateTime expected{1999, 9, 9, 7.25, kLocalCivilTime};
    if (said) {
        said = day >= 1 && day <= 31 && month >= 1 && month <= 12 && year >= 1583 && year <= 3000;
        if (said) {
            expected.day = static_cast<int>(day);
            expected.month = static_cast<int>(month);
            expected.year = static_cast<int>(year);
            said = IsValidDate(expected);
        }
    }
    Expect(read == said, "a date is read as its three numbers say, anything after the year refused");
    if (read) Expect(DateTimeEqual(record, expected), "the date read is the date written");
}

// A value another reader accepted reads back from the text its writer
// makes of it, as the same value (to the text's precision).
void CheckAngles(const Char* text) {
    LatitudeValue latitude(0.0, kLatitudeHemisphereLetter);
    if (LatitudeParse(latitude, text)) {
        Expect(latitude.degrees >= -90.0 && latitude.degrees <= 90.0, "a latitude lies within its range");
        String shown;
        LatitudeFormat(latitude, shown, 0, kToSecond, kAutomaticDecimals);
        LatitudeValue again(0.0, kLatitudeHemisphereLetter);
        Expect(LatitudeParse(again, shown.Text()) && std::fabs(again.degrees - latitude.degrees) <= 0.5 / 3600 + 1e-9,
               "a latitude read reads back from its text");
    }
    LongitudeValue longitude(0.0, kEastPositive);
    if (LongitudeParse(longitude, text)) {
        Expect(longitude.degrees >= -180.0 && longitude.degrees <= 180.0, "a longitude lies within its range");
        String shown;
        LongitudeFormat(longitude, shown, 0, kToSecond, kAutomaticDecimals);
        LongitudeValue again(0.0, kEastPositive);
        Expect(LongitudeParse(again, shown.Text()) &&
                   std::fabs(again.degrees - longitude.degrees) <= 0.5 / 3600 + 1e-9,
               "a longitude read reads back from its text");
    }
}

void CheckQuantities(const Char* text) {
    for (int kind = 0; kind < kQuantityKindCount; ++kind) {
        const std::unique_ptr<QuantityValue> value = CreateQuantityValue(kind, 0.0);
        // A value typed as the kind's mark of none reads as none.
        if (!value || !value->Parse(text) || value->IsMissing()) continue;
        String shown;
        value->Format(shown, QuantityFormatRequest{});
        const std::unique_ptr<QuantityValue> again = CreateQuantityValue(kind, 0.0);
        Expect(again->Parse(shown.Text()) && again->System() == value->System(),
               "a quantity read reads back from its text");
    }
}

}  // namespace

int FuzzTextReaders(const std::uint8_t* data, std::size_t size) {
    const std::basic_string<Char> sent = Decode(data, size);
    String text(TXT("unchanged"));
    const bool whole = automation::ClientText(sent.c_str(), sent.size(), text);
    Expect(whole == (sent.find(Char{0}) == std::basic_string<Char>::npos),
           "a client's text is refused exactly when it holds a NUL");
    if (!whole) {
        Expect(TextEquals(text.Text(), TXT("unchanged")), "a refused text leaves the value as it was");
        return 0;
    }
    Expect(static_cast<std::size_t>(text.Length()) == sent.size(), "a client's text is read whole");
    CheckNumber(text.Text());
    CheckTime(text.Text());
    CheckDate(text.Text());
    CheckAngles(text.Text());
    CheckQuantities(text.Text());
    return 0;
}

}  // namespace corvinata::fuzz

CN_FUZZ_ENTRY(FuzzTextReaders)
