#include "base/angle_value.h"

#include <cmath>
#include <utility>

#include "base/number_text.h"
#include "base/text_format.h"
#include "base/text_scanner.h"
#include "base/wide_string.h"

namespace corvinata {

namespace {

// Split values beyond this cannot be written as 32-bit whole degrees; like a
// value that is not a number they are shown as dashes.
constexpr double kLargestWritableAngle = 1.0e9;

bool IsWritable(double degrees) noexcept {
    return degrees != kNotComputedAngle && std::isfinite(degrees) &&
           std::fabs(degrees) < kLargestWritableAngle;
}

void AppendChar(String& s, Char c) {
    const Char text[2] = {c, 0};
    StringAppend(s, text);
}

void AppendInteger(String& s, int value, int width) {
    String digits;
    StringFromInteger(value, width, digits, true, '0');
    StringAppend(s, digits.Text());
}

// The carry of a rounding into the whole unit: away from zero, so that
// negative values round the same way as their magnitudes.
std::int32_t CarryIntoHigherUnit(std::int32_t whole, double value) noexcept {
    return value > 0.0 ? whole + 1 : whole - 1;
}

AngleParts SplitSexagesimal(double value, int precision) noexcept {
    if (!std::isfinite(value) || std::fabs(value) >= kLargestWritableAngle) {
        return {0, 0, 0};
    }
    const double whole = std::trunc(value);
    const double fraction = std::fabs(value - whole);
    AngleParts parts{static_cast<std::int32_t>(whole), 0, 0};
    const double minutes = 60.0 * fraction;
    parts.minutes = static_cast<std::int32_t>(minutes);
    const double seconds = 60.0 * (minutes - parts.minutes);
    parts.seconds = static_cast<std::int32_t>(seconds);
    const double rest = seconds - parts.seconds;

    if (precision >= kToDegree) {
        if (parts.minutes >= 30) parts.whole = CarryIntoHigherUnit(parts.whole, value);
        return parts;
    }
    if (precision == kToMinute) {
        if (parts.seconds >= 30) ++parts.minutes;
    } else {
        if (rest >= 0.5) ++parts.seconds;
        if (parts.seconds == 60) {
            parts.seconds = 0;
            ++parts.minutes;
        }
    }
    if (parts.minutes == 60) {
        parts.minutes = 0;
        parts.whole = CarryIntoHigherUnit(parts.whole, value);
    }
    return parts;
}

// Writes |whole| and the marks of a split value: "5°03'07\"" or "12h30m07s".
void WriteSexagesimal(const AngleParts& parts, int precision, const Char marks[3],
                      String& out) {
    StringAssign(out, TXT(""));
    AppendInteger(out, parts.whole < 0 ? -parts.whole : parts.whole, 0);
    AppendChar(out, marks[0]);
    if (precision >= kToDegree) return;
    AppendInteger(out, parts.minutes, 2);
    AppendChar(out, marks[1]);
    if (precision == kToMinute) return;
    AppendInteger(out, parts.seconds, 2);
    AppendChar(out, marks[2]);
}

void WriteDashes(int precision, const Char marks[3], String& out) {
    StringAssign(out, TXT("--"));
    AppendChar(out, marks[0]);
    if (precision >= kToDegree) return;
    StringAppend(out, TXT("--"));
    AppendChar(out, marks[1]);
    if (precision == kToMinute) return;
    StringAppend(out, TXT("--"));
    AppendChar(out, marks[2]);
}

constexpr Char kDegreeMarks[3] = {kDegreeSign, kMinutesMark, kSecondsMark};
constexpr Char kHourMarks[3] = {'h', 'm', 's'};

// Writes the magnitude of an angle in the sexagesimal or the decimal style.
void FormatMagnitude(const AngleValue& value, int style, int precision, int decimals,
                     String& out) {
    if (style == kAngleDecimal) {
        FormatAngleDecimal(value, precision, decimals, out);
    } else {
        FormatAngle(value, precision, out);
    }
}

// Whether only blanks remain from the scanner's position to the end.
bool OnlyBlanksRemain(const TextScanner& scanner) noexcept {
    for (int i = scanner.position; scanner.text[i] != 0; ++i) {
        if (!IsSpaceChar(scanner.text[i])) return false;
    }
    return true;
}

// Up to three integers, each followed by one separator character, as the
// sexagesimal and the hours forms write them. `count` counts the integers
// and separators read (0 to 6). Blanks at the end of the text are never
// taken as a separator, so "12°30 " reads like "12°30".
struct SexagesimalText {
    std::int32_t numbers[3] = {0, 0, 0};
    Char separators[3] = {0, 0, 0};
    int count = 0;
    bool leadingMinus = false;
    bool complete = false;  // only blanks followed what was read
};

SexagesimalText ReadSexagesimalText(const Char* text) {
    SexagesimalText result;
    TextScanner scanner(text);
    scanner.SkipBlanks();
    result.leadingMinus = scanner.AtChar('-');
    for (int i = 0; i < 3; ++i) {
        scanner.ReadInteger(result.numbers[i]);
        if (!scanner.ok) break;
        ++result.count;
        if (OnlyBlanksRemain(scanner)) break;
        result.separators[i] = scanner.Current();
        ++scanner.position;
        ++result.count;
    }
    result.complete = OnlyBlanksRemain(scanner);
    return result;
}

// Whether the separators read fit the form: all three marks for six items,
// the first two for four or five, the first one for two or three, none for a
// bare number. `fold` compares the separators in lower case.
bool SeparatorsFit(const SexagesimalText& read, const Char marks[3], bool fold) {
    auto is = [&](int i) {
        const Char c = fold ? FoldLower(read.separators[i]) : read.separators[i];
        return c == marks[i];
    };
    switch (read.count) {
        case 6: return is(0) && is(1) && is(2);
        case 4:
        case 5: return is(0) && is(1);
        case 2:
        case 3: return is(0);
        case 1: return true;
        default: return false;
    }
}

bool IsSixtieth(std::int32_t n) noexcept { return n >= 0 && n <= 59; }

std::int32_t MinutesOf(const SexagesimalText& read) noexcept {
    return read.count >= 3 ? read.numbers[1] : 0;
}
std::int32_t SecondsOf(const SexagesimalText& read) noexcept {
    return read.count >= 5 ? read.numbers[2] : 0;
}

bool TextHoldsExponent(const Char* text) noexcept {
    for (; *text; ++text) {
        if (*text == 'e' || *text == 'E') return true;
    }
    return false;
}

// Reads degrees in the sexagesimal or the decimal form within min..max.
bool ReadAngleInRange(const Char* text, double minimum, double maximum, double& degrees) {
    double value = 0.0;
    if (!ParseAngleDms(text, value) && !ParseAngleDecimal(text, value)) return false;
    if (!(minimum <= value && value <= maximum)) return false;
    degrees = value;
    return true;
}

// The side letter at the end of a text that was trimmed on the right.
enum class SideLetter { kNone, kFirst, kSecond };

// Trims `copy` on the right and removes a final side letter: `first` or
// `second` in either case. Blanks before the letter stay (the readers accept
// them as trailing blanks).
SideLetter TakeSideLetter(String& copy, Char first, Char second) {
    TrimRight(copy);
    const int length = copy.Length();
    if (length == 0) return SideLetter::kNone;
    const Char last = FoldUpper(copy.Text()[length - 1]);
    SideLetter side = SideLetter::kNone;
    if (last == first) side = SideLetter::kFirst;
    if (last == second) side = SideLetter::kSecond;
    if (side != SideLetter::kNone) StringWithoutLastChar(copy);
    return side;
}

}  // namespace

// ---------------------------------------------------------------------------
// The classes

void AngleValue::FormatParts(String& deg, String& min, String& sec, int precision) const {
    AngleFormatParts(*this, deg, min, sec, precision);
}

Char AngleValue::GetUnitSymbol() const noexcept { return kDegreeSign; }

double AngleValue::GetDisplayValue() const noexcept { return degrees; }

void AngleValue::SetTypedDegrees(double typed) noexcept { degrees = typed; }

void LongitudeValue::Format(String& out, int style, int precision, int decimals) const {
    LongitudeFormat(*this, out, style, precision, decimals);
}

double LongitudeValue::GetDisplayValue() const noexcept {
    return IsEastPositive() && degrees != 0.0 ? -degrees : degrees;
}

void LongitudeValue::SetTypedDegrees(double typed) noexcept {
    degrees = IsEastPositive() && typed != 0.0 ? -typed : typed;
}

void LatitudeValue::Format(String& out, int style, int precision, int decimals) const {
    LatitudeFormat(*this, out, style, precision, decimals);
}

void FullCircleAngleValue::Format(String& out, int style, int precision, int decimals) const {
    FullCircleAngleFormat(*this, out, style, precision, decimals);
}

Char FullCircleAngleValue::GetUnitSymbol() const noexcept {
    return mode == kShowHours ? Char('h') : kDegreeSign;
}

double FullCircleAngleValue::GetDisplayValue() const noexcept {
    return mode == kShowHours ? degrees / 15.0 : degrees;
}

// ---------------------------------------------------------------------------
// Values and ranges

bool IsLongitudeValid(double degrees) noexcept { return degrees >= -180.0 && degrees <= 180.0; }
bool IsLatitudeValid(double degrees) noexcept { return degrees >= -90.0 && degrees <= 90.0; }
bool IsFullCircleAngleValid(double degrees) noexcept { return degrees >= 0.0 && degrees <= 360.0; }

void TypedValueAssign(AngleValue& dest, const AngleValue& src) noexcept {
    dest.degrees = src.degrees;
}

double NormaliseAngle180(double degrees) noexcept {
    double turns = std::trunc(degrees / 360.0);
    if (degrees < 0.0) turns -= 1.0;
    const double reduced = degrees - 360.0 * turns;
    return reduced > 180.0 ? reduced - 360.0 : reduced;
}

double NormaliseLatitude(double degrees) noexcept {
    const double shifted = degrees + 90.0;
    double periods = std::trunc(shifted / 180.0);
    if (shifted < 0.0) periods -= 1.0;
    const double reduced = shifted - 180.0 * periods - 90.0;
    return reduced == -90.0 ? 90.0 : reduced;
}

// ---------------------------------------------------------------------------
// Text output

AngleParts SplitAngle(const AngleValue& value, int precision) noexcept {
    return SplitSexagesimal(value.GetDisplayValue(), precision);
}

void FormatAngle(const AngleValue& value, int precision, String& out) {
    if (!IsWritable(value.degrees)) {
        WriteDashes(precision, kDegreeMarks, out);
        return;
    }
    WriteSexagesimal(SplitAngle(value, precision), precision, kDegreeMarks, out);
}

void FormatDuration(const AngleValue& value, int precision, String& out) {
    if (!IsWritable(value.degrees)) {
        WriteDashes(precision, kHourMarks, out);
        return;
    }
    WriteSexagesimal(SplitSexagesimal(value.degrees / 15.0, precision), precision, kHourMarks,
                     out);
}

void FormatAngleDecimal(const AngleValue& value, int precision, int decimals, String& out) {
    if (decimals == kAutomaticDecimals) decimals = precision == kToDegree ? 0 : 5;
    if (IsWritable(value.degrees)) {
        FormatDouble(std::fabs(value.GetDisplayValue()), decimals, out, false);
    } else {
        StringAssign(out, TXT("--"));
        if (decimals > 0) {
            StringAppend(out, TXT("."));
            PadStringRight(out, decimals + 3, '-');
        }
    }
    AppendChar(out, value.GetUnitSymbol());
}

void AngleFormatParts(const AngleValue& value, String& deg, String& min, String& sec,
                      int precision) {
    const AngleParts parts = SplitAngle(value, precision);
    // Between -1 and 0 the whole part is 0 and would lose the sign.
    if (parts.whole == 0 && value.GetDisplayValue() < 0.0) {
        StringAssign(deg, TXT("-0"));
    } else {
        StringFromInteger(parts.whole, 0, deg, true, '0');
    }
    StringFromInteger(parts.minutes, 2, min, true, '0');
    StringFromInteger(parts.seconds, 2, sec, true, '0');
}

void LongitudeFormat(const LongitudeValue& value, String& out, int style, int precision,
                     int decimals) {
    FormatMagnitude(value, style, precision, decimals, out);
    if (!IsWritable(value.degrees)) return;
    StringAppend(out, value.degrees < 0.0 ? TXT(" E") : TXT(" W"));
}

void LatitudeFormat(const LatitudeValue& value, String& out, int style, int precision,
                    int decimals) {
    if (value.mode != kLatitudeMinusSign && value.mode != kLatitudeHemisphereLetter) {
        StringAssign(out, TXT(""));
        return;
    }
    FormatMagnitude(value, style, precision, decimals, out);
    if (!IsWritable(value.degrees)) return;
    const bool south = value.degrees < 0.0;
    if (value.mode == kLatitudeHemisphereLetter) {
        StringAppend(out, south ? TXT(" S") : TXT(" N"));
    } else if (south) {
        String signedText(TXT("-"));
        StringAppend(signedText, out.Text());
        out = std::move(signedText);
    }
}

void FullCircleAngleFormat(const FullCircleAngleValue& value, String& out, int style,
                           int precision, int decimals) {
    if (style == kAngleDecimal) {
        FormatAngleDecimal(value, precision, decimals, out);
    } else if (value.mode == kShowHours) {
        FormatDuration(value, precision, out);
    } else {
        FormatAngle(value, precision, out);
    }
}

// ---------------------------------------------------------------------------
// Text input

bool ParseAngleDms(const Char* text, double& degrees) {
    // "12 " is a bare integer: trailing blanks are never read as a separator.
    const SexagesimalText read = ReadSexagesimalText(text);
    if (!read.complete || !SeparatorsFit(read, kDegreeMarks, false)) return false;
    std::int32_t minutes = MinutesOf(read);
    std::int32_t seconds = SecondsOf(read);
    if (!IsSixtieth(minutes) || !IsSixtieth(seconds)) return false;
    const std::int32_t whole = read.numbers[0];
    if (whole < 0 || (whole == 0 && read.leadingMinus)) {
        minutes = -minutes;
        seconds = -seconds;
    }
    degrees = whole + minutes / 60.0 + seconds / 3600.0;
    return true;
}

bool ParseAngleDecimal(const Char* text, double& degrees) {
    if (TextHoldsExponent(text)) return false;
    TextScanner scanner(text);
    double value = 0.0;
    scanner.SkipBlanks();
    ReadNumber(scanner, value);
    if (!scanner.ok) return false;
    scanner.SkipBlanks();
    scanner.SkipDegreeSign();
    scanner.SkipBlanks();
    if (!scanner.AtEnd()) return false;
    degrees = value;
    return true;
}

bool ParseAngleText(const Char* text, AngleValue& target) {
    double value = 0.0;
    if (!ReadAngleInRange(text, target.GetMinimum(), target.GetMaximum(), value)) return false;
    target.SetTypedDegrees(value);
    return true;
}

bool LongitudeParse(LongitudeValue& target, const Char* text) {
    String copy(text);
    const SideLetter side = TakeSideLetter(copy, 'E', 'W');
    double value = 0.0;
    if (!ReadAngleInRange(copy.Text(), target.GetMinimum(), target.GetMaximum(), value)) {
        return false;
    }
    if (side == SideLetter::kNone) {
        target.SetTypedDegrees(value);
    } else {
        // The letter wins over a typed sign; degrees count positive west.
        const double magnitude = std::fabs(value);
        target.degrees = side == SideLetter::kFirst && magnitude != 0.0 ? -magnitude : magnitude;
    }
    return true;
}

bool LatitudeParse(LatitudeValue& target, const Char* text) {
    String copy(text);
    const SideLetter side = TakeSideLetter(copy, 'N', 'S');
    double value = 0.0;
    if (!ReadAngleInRange(copy.Text(), target.GetMinimum(), target.GetMaximum(), value)) {
        return false;
    }
    if (side == SideLetter::kNone) {
        target.degrees = value;
    } else {
        const double magnitude = std::fabs(value);
        target.degrees = side == SideLetter::kSecond && magnitude != 0.0 ? -magnitude : magnitude;
    }
    return true;
}

bool FullCircleAngleParseHms(FullCircleAngleValue& target, const Char* text) {
    const SexagesimalText read = ReadSexagesimalText(text);
    if (!read.complete || !SeparatorsFit(read, kHourMarks, true)) return false;
    // "-0h30m" has a negative hour count too, though it reads as 0.
    const std::int32_t hours = read.numbers[0];
    if (hours < 0 || read.leadingMinus) return false;
    const std::int32_t minutes = MinutesOf(read);
    const std::int32_t seconds = SecondsOf(read);
    if (!IsSixtieth(minutes) || !IsSixtieth(seconds)) return false;
    const double degrees = (hours + minutes / 60.0 + seconds / 3600.0) * 15.0;
    if (!IsFullCircleAngleValid(degrees)) return false;
    target.degrees = degrees;
    return true;
}

bool FullCircleAngleParseDecimal(FullCircleAngleValue& target, const Char* text) {
    TextScanner scanner(text);
    double hours = 0.0;
    scanner.SkipBlanks();
    ReadNumber(scanner, hours);
    // The unit letter: one character, and not a blank ("12.5 " names no unit).
    if (!scanner.ok || scanner.AtEnd() || scanner.AtBlank()) return false;
    ++scanner.position;
    scanner.SkipBlanks();
    if (!scanner.AtEnd()) return false;
    const double degrees = hours * 15.0;
    if (!IsFullCircleAngleValid(degrees)) return false;
    target.degrees = degrees;
    return true;
}

bool FullCircleAngleParse(FullCircleAngleValue& target, const Char* text) {
    return ParseAngleText(text, target) || FullCircleAngleParseHms(target, text) ||
           FullCircleAngleParseDecimal(target, text);
}

}  // namespace corvinata
