#include "script/script_lexer.h"

#include <cmath>
#include <string>

#include "base/angle_value.h"
#include "base/date_time_text.h"
#include "base/number_text.h"
#include "base/text_format.h"

namespace corvinata {
namespace {

using CharString = std::basic_string<Char>;

constexpr const Char* kTokenTexts[kTokenCount] = {
    TXT(","), TXT("abbr"), TXT("full"), TXT("none"), TXT("ecl"),  // 0
    TXT("equ"), TXT("gal"), TXT("hor"), TXT("caldwell"), TXT("herschel400"),
    TXT("messier"), TXT("ngcic"), TXT("none"), TXT("caldwell"), TXT("herschel400"),  // 10
    TXT("messier"), TXT("ngcic"), TXT("none"), TXT("proper"), TXT("au"),
    TXT("km"), TXT("mi"), TXT(""), TXT("false"), TXT("anglediff"),  // 20
    TXT("anglediff360"), TXT("anglesum"), TXT("angledist"), TXT("max"), TXT("min"),
    TXT("IsValid"), TXT("abs"), TXT("crosses"), TXT("lines"), TXT("equ"),  // 30
    TXT("hor"), TXT("none"), TXT("classic"), TXT("none"), TXT("seasonal"),
    TXT("distance"), TXT("lat"), TXT("lon"), TXT("time"), TXT("equatorial"),  // 40
    TXT("horizontal"), TXT("realistic"), TXT("no"), TXT("off"), TXT("on"),
    TXT("and"), TXT("not"), TXT("or"), TXT(">>="), TXT("<<="),  // 50
    TXT(">"), TXT(">="), TXT("<"), TXT("<="), TXT("/"),
    TXT("-"), TXT("*"), TXT("+"), TXT("("), TXT(")"),  // 60
    TXT("."), TXT("all"), TXT("none"), TXT("realistic"), TXT("gmt"),
    TXT("ut"), TXT("gst"), TXT("lct"), TXT("lst"), TXT("true"),  // 70
    TXT("yes"), TXT("(inv)"),
};

bool IsLetter(Char c) noexcept { return FoldUpper(c) >= 'A' && FoldUpper(c) <= 'Z'; }

// Reads one word up to white space into `out`; false when nothing stands there.
bool ReadPlainWord(CompilerContext& context, String& out) {
    const int start = context.Position();
    int n = 0;
    while (context.text[start + n] != 0 && !IsSpaceChar(context.text[start + n]) &&
           n < kMaxScriptString) {
        ++n;
    }
    if (n == 0) return false;
    const CharString word(context.text + start, static_cast<std::size_t>(n));
    out = word.c_str();
    context.Position() = start + n;
    return true;
}

void SkipSpaceAt(CompilerContext& context) noexcept {
    while (IsSpaceChar(context.Current())) ++context.Position();
}

}  // namespace

const Char* TokenText(int token) noexcept {
    return token >= 0 && token < kTokenCount ? kTokenTexts[token] : TXT("");
}

bool IsWordChar(Char c) noexcept { return IsLetter(c) || IsDigitChar(c); }

int ExpectToken(CompilerContext& context, int token, bool optional, bool wholeWord) {
    SkipSpaceAt(context);
    const Char* tokenText = TokenText(token);
    if (token == kTokenEnd) {
        if (context.scanner.AtEnd()) return kParsed;
    } else if (context.scanner.Matches(tokenText)) {
        const int length = TextLength(tokenText);
        const bool isWord = IsWordChar(tokenText[length - 1]);
        if (!(wholeWord && isWord && IsWordChar(context.text[context.Position() + length]))) {
            context.Position() += length;
            return kParsed;
        }
    }
    if (optional) return kNotPresent;
    String message(TXT("Expected '"));
    StringAppend(message, tokenText);
    StringAppend(message, TXT("'"));
    return context.Fail(message.Text());
}

int ExpectWord(CompilerContext& context, const Char* word, bool optional) {
    if (!context.scanner.Matches(word)) {
        return optional ? kNotPresent : context.Fail(TXT("Expected text"), word);
    }
    context.Position() += TextLength(word);
    ++context.scanner.matchCount;
    if (!SkipBlanks(context)) return context.Fail(TXT("Expected space after word"), word);
    return kParsed;
}

bool LooksAt(const CompilerContext& context, const Char* word) noexcept {
    return context.scanner.Matches(word);
}

int ExpectLiteral(CompilerContext& context, const Char* literal, bool optional) {
    if (!context.scanner.Matches(literal)) {
        return optional ? kNotPresent : context.Fail(TXT("Expected text"), literal);
    }
    context.Position() += TextLength(literal);
    return kParsed;
}

bool SkipBlanks(CompilerContext& context) noexcept {
    const int start = context.Position();
    SkipSpaceAt(context);
    return context.Position() != start;
}

int ReadQuotedString(CompilerContext& context, String& out, bool optional) {
    if (!context.scanner.AtChar('"')) {
        return optional ? kNotPresent : context.Fail(TXT("Expected a quoted string"));
    }
    CharString result;
    context.quotedSegments.clear();
    for (;;) {
        ++context.Position();  // the opening quote
        context.quotedSegments.push_back({context.Position(), static_cast<int>(result.size())});
        const Char* segment = context.Here();
        int n = 0;
        while (segment[n] != 0 && segment[n] != '"') ++n;
        if (segment[n] == 0) {
            context.Position() += n;
            return context.Fail(TXT("Error reading quoted string"));
        }
        if (static_cast<int>(result.size()) + n > kMaxScriptString) {
            return context.Fail(TXT("Quoted string is too long"));
        }
        result.append(segment, static_cast<std::size_t>(n));
        context.Position() += n + 1;
        // A backslash after the closing quote continues the string.
        int look = context.Position();
        while (IsSpaceChar(context.text[look])) ++look;
        if (context.text[look] != '\\') break;
        ++look;
        while (IsSpaceChar(context.text[look])) ++look;
        context.Position() = look;
        if (context.text[look] != '"') return context.Fail(TXT("Error reading quoted string"));
    }
    if (result.empty()) return context.Fail(TXT("Quoted string must not be empty"));
    out = result.c_str();
    return kParsed;
}

bool ReadWord(CompilerContext& context, String& out) { return ReadPlainWord(context, out); }

int ReadUnquotedString(CompilerContext& context, String& out) {
    if (!ReadPlainWord(context, out)) return context.Fail(TXT("Expected an unquoted string"));
    return kParsed;
}

int ReadQuotedOrUnquotedString(CompilerContext& context, String& out) {
    if (context.scanner.AtChar('"')) return ReadQuotedString(context, out, false);
    if (!ReadPlainWord(context, out)) {
        return context.Fail(TXT("Expected a quoted or unquoted string"));
    }
    return kParsed;
}

int ReadOnOff(CompilerContext& context, bool& value) {
    const int start = context.Position();
    if (ExpectToken(context, kTokenOff, true) == kParsed) {
        value = false;
        return kParsed;
    }
    if (ExpectToken(context, kTokenOn, true) == kParsed) {
        value = true;
        return kParsed;
    }
    context.Position() = start;
    return kNotPresent;
}

void AppendBound(String& text, double value) {
    String number;
    if (std::fabs(value) < 1e9 && value == std::floor(value)) {
        StringFromInteger(static_cast<int>(value), 0, number, true, ' ');
    } else {
        FormatDouble(value, 3, number, false);
    }
    StringAppend(text, number.Text());
}

bool ReadIntegerWord(CompilerContext& context, int& value) noexcept {
    const DecimalInteger read = ScanDecimalInteger(context.Here());
    if (read.used == 0 || read.overflow || read.magnitude > 2147483647u) return false;
    value = read.negative ? -static_cast<int>(read.magnitude) : static_cast<int>(read.magnitude);
    context.Position() += read.used;
    return true;
}

int ReadIntegerValue(CompilerContext& context, int& value, int minimum, int maximum) {
    const int start = context.Position();
    int number = 0;
    if (!ReadIntegerWord(context, number)) return context.Fail(TXT("Expected an integer value"));
    if (minimum <= maximum && (number < minimum || number > maximum)) {
        context.Position() = start;
        String message(TXT("Expected an integer value from "));
        AppendBound(message, minimum);
        StringAppend(message, TXT(" to "));
        AppendBound(message, maximum);
        return context.Fail(message.Text());
    }
    value = number;
    return kParsed;
}

int ReadFloatValue(CompilerContext& context, double& value, double minimum, double maximum) {
    double number = 0.0;
    int used = 0;
    if (!ParseDouble(context.Here(), number, &used)) {
        return context.Fail(TXT("Expected a floating point value"));
    }
    if (minimum <= maximum && (number < minimum || number > maximum)) {
        String message(TXT("Expected a floating point value from "));
        AppendBound(message, minimum);
        StringAppend(message, TXT(" to "));
        AppendBound(message, maximum);
        return context.Fail(message.Text());
    }
    context.Position() += used;
    value = number;
    return kParsed;
}

namespace {

// Reads one word and hands it to `parse`; on failure the position goes
// back to the word, where the caller's message points.
template <typename Parse>
bool ReadWordValue(CompilerContext& context, Parse parse) {
    const int start = context.Position();
    String word;
    if (ReadPlainWord(context, word) && parse(word.Text())) return true;
    context.Position() = start;
    return false;
}

}  // namespace

bool ReadDateValue(CompilerContext& context, DateTime& date) {
    return ReadWordValue(context, [&](const Char* word) { return DateTimeParseDateAlone(date, word); });
}

// A fraction of a second and 24:00 are read as they are; the code word
// rounds them. A time system's name glued to the time is refused, not
// dropped.
bool ReadTimeValue(CompilerContext& context, double& hours) {
    return ReadWordValue(context, [&](const Char* word) { return ParseTimeOfDay(word, hours); });
}

bool ReadLatitudeValue(CompilerContext& context, double& northDegrees) {
    return ReadWordValue(context, [&](const Char* word) {
        LatitudeValue latitude;
        if (!LatitudeParse(latitude, word)) return false;
        northDegrees = latitude.degrees;
        return true;
    });
}

bool ReadLongitudeValue(CompilerContext& context, double& westDegrees) {
    return ReadWordValue(context, [&](const Char* word) {
        LongitudeValue longitude(0.0, kEastPositive);
        if (!LongitudeParse(longitude, word)) return false;
        westDegrees = longitude.degrees;
        return true;
    });
}

bool ReadTimeZoneValue(CompilerContext& context, double& hours) {
    return ReadWordValue(context, [&](const Char* word) {
        TimeZoneValue zone;
        if (!ParseTimeZoneHours(word, zone) && !ParseTimeZoneHoursMinutes(word, zone)) {
            return false;
        }
        if (zone.hours < kMinTimeZoneHours || zone.hours > kMaxTimeZoneHours) return false;
        hours = zone.hours;
        return true;
    });
}

bool ReadTimeStepValue(CompilerContext& context, TimeStep& step) {
    const int start = context.Position();
    const DecimalInteger count = ScanDecimalInteger(context.Here());
    // A step must move forward: a count below 1 never advances a search.
    bool ok = count.used > 0 && !count.negative && !count.overflow && count.magnitude >= 1 &&
              count.magnitude <= 2147483647u;
    if (ok) {
        context.Position() += count.used;
        ok = SkipBlanks(context);
    }
    String unit;
    if (ok) ok = ReadPlainWord(context, unit);
    if (ok) {
        const int length = unit.Length();
        if (FoldUpper(unit.Text()[length - 1]) != 'S') StringAppend(unit, TXT("s"));
        const std::int32_t id = ParseTimeUnit(unit.Text());
        ok = id < kTimeUnitCount;
        if (ok) TimeStepSet(step, id, static_cast<std::int32_t>(count.magnitude));
    }
    if (!ok) context.Position() = start;
    return ok;
}

}  // namespace corvinata
