#include "base/text_format.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>

#include "base/big_unsigned.h"

namespace corvinata {

namespace {

void CopyChars(Char* dest, const Char* src, int count) noexcept {
    std::memcpy(dest, src, static_cast<std::size_t>(count) * sizeof(Char));
}

// Replaces the text of `out` by `count` characters, reallocating only when
// the capacity is too small.
void WriteText(String& out, const Char* text, int count) {
    if (out.Capacity() < count) StringReserve(out, count, ReserveMode::Discard);
    if (count == 0) {
        StringAssign(out, TXT(""));
        return;
    }
    CopyChars(out.Data(), text, count);
    out.Data()[count] = 0;
}

// Decimal digits of an integer, most significant first; answers their
// number (at least one: zero gives "0").
constexpr int kMaxDigits = 700;  // |value| * 10^298 for the largest double: 607

int DecimalDigits(BigUnsigned value, char* digits) noexcept {
    constexpr std::uint32_t kBillion = 1000000000u;
    char reversed[kMaxDigits];
    int n = 0;
    do {
        std::uint32_t chunk = value.DivideSmall(kBillion);
        if (value.IsZero()) {
            do {
                reversed[n++] = static_cast<char>('0' + chunk % 10);
                chunk /= 10;
            } while (chunk != 0);
        } else {
            for (int i = 0; i < 9; ++i) {
                reversed[n++] = static_cast<char>('0' + chunk % 10);
                chunk /= 10;
            }
        }
    } while (!value.IsZero());
    for (int i = 0; i < n; ++i) digits[i] = reversed[n - 1 - i];
    return n;
}

// |value| * 10^decimals rounded to the nearest integer, ties to even, for a
// finite value; exact, from the double's binary significand and exponent.
BigUnsigned ScaledRounded(double value, int decimals) noexcept {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    const int exponentField = static_cast<int>((bits >> 52) & 0x7FF);
    std::uint64_t significand = bits & ((std::uint64_t{1} << 52) - 1);
    int exponent = -1074;
    if (exponentField != 0) {
        significand |= std::uint64_t{1} << 52;
        exponent = exponentField - 1075;
    }
    BigUnsigned n(significand);
    n.MultiplyPow10(decimals);
    if (exponent >= 0) {
        n.ShiftLeft(exponent);
        return n;
    }
    const int shift = -exponent;
    const bool half = n.TestBit(shift - 1);
    const bool aboveHalf = half && n.AnyBitBelow(shift - 1);
    n.ShiftRight(shift);
    if (aboveHalf || (half && n.TestBit(0))) n.MultiplyAdd(1, 1);
    return n;
}

// The fixed-point text of a finite value with `decimals` decimals (sign and
// "+" included) into `text` (room for kMaxDigits + 3); answers its length.
int FixedText(double value, int decimals, bool plus, Char* text) noexcept {
    int length = 0;
    if (std::signbit(value)) text[length++] = '-';
    else if (plus) text[length++] = '+';

    char digits[kMaxDigits];
    const int count = DecimalDigits(ScaledRounded(value, decimals), digits);
    // Zeros in front so that at least one digit stands before the point.
    const int padding = count <= decimals ? decimals + 1 - count : 0;
    const int integerDigits = count + padding - decimals;
    for (int i = 0; i < count + padding; ++i) {
        if (i == integerDigits) text[length++] = '.';
        text[length++] = static_cast<Char>(i < padding ? '0' : digits[i - padding]);
    }
    return length;
}

int SpecialText(double value, bool plus, Char* text) noexcept {
    int length = 0;
    if (std::isnan(value)) {
        for (const char* p = "nan"; *p; ++p) text[length++] = static_cast<Char>(*p);
        return length;
    }
    if (value < 0) text[length++] = '-';
    else if (plus) text[length++] = '+';
    for (const char* p = "inf"; *p; ++p) text[length++] = static_cast<Char>(*p);
    return length;
}

// The position of the first "%" of `text` at or after `from`, or -1.
int FindPercent(const Char* text, int from) noexcept {
    for (int i = from; text[i]; ++i)
        if (text[i] == '%') return i;
    return -1;
}

String FormatPercent(const Char* pattern, const FormatArgument* const* args, int count) {
    if (!pattern) pattern = TXT("");
    // Measure first so that the message is built in one allocation.
    const int patternLength = TextLength(pattern);
    int total = patternLength;
    int markers = 0;
    for (int p = FindPercent(pattern, 0); p >= 0 && markers < count;
         p = FindPercent(pattern, p + 1)) {
        total += TextLength(args[markers++]->Text()) - 1;
    }
    String result;
    if (total == 0) return result;
    Char* out = StringReserve(result, total, ReserveMode::Discard).buffer;
    int read = 0;
    int written = 0;
    for (int i = 0; i < markers; ++i) {
        const int marker = FindPercent(pattern, read);
        CopyChars(out + written, pattern + read, marker - read);
        written += marker - read;
        const Char* text = args[i]->Text();
        const int length = TextLength(text);
        CopyChars(out + written, text, length);
        written += length;
        read = marker + 1;
    }
    CopyChars(out + written, pattern + read, patternLength - read);
    out[total] = 0;
    return result;
}

// Calls visit(position) for the occurrences of `pattern` (`length`
// characters, not empty) in `text` numbered `first` to `last` (all from
// `first` on when `last` is negative), counted left to right without overlap.
template <class Visit>
void ForEachChosenOccurrence(const Char* text, int textLength, const Char* pattern, int length,
                             int first, int last, Visit visit) {
    int k = 0;
    for (int i = 0; i + length <= textLength && (last < 0 || k <= last);) {
        if (text[i] == pattern[0] &&
            std::memcmp(text + i, pattern, static_cast<std::size_t>(length) * sizeof(Char)) == 0) {
            if (k >= first) visit(i);
            ++k;
            i += length;
        } else {
            ++i;
        }
    }
}

}  // namespace

String& StringFromInteger(int value, int minWidth, String& out, bool padLeft, Char fill) {
    Char digits[25];
    int length = 0;
    // Work on the magnitude as unsigned so that the smallest int converts too.
    std::uint32_t magnitude = value < 0 ? 0u - static_cast<std::uint32_t>(value)
                                        : static_cast<std::uint32_t>(value);
    do {
        digits[length++] = static_cast<Char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0) digits[length++] = '-';
    const int n = minWidth > length ? minWidth : length;
    Char* buffer = StringReserve(out, n, ReserveMode::GrowDiscard).buffer;
    for (int i = 0; i < length; ++i) buffer[i] = digits[length - 1 - i];
    buffer[length] = 0;
    return padLeft ? PadString(out, minWidth, fill) : PadStringRight(out, minWidth, fill);
}

String& FormatDouble(double value, int precision, String& out, bool showPlus) {
    Char text[kMaxDigits + 3];
    const bool plus = showPlus && value > 0;
    if (!std::isfinite(value)) {
        WriteText(out, text, SpecialText(value, plus, text));
        return out;
    }
    int decimals = precision < 0 ? (precision < -kFormatDoubleMaxLength ? kFormatDoubleMaxLength
                                                                         : -precision)
                                 : (precision > kFormatDoubleMaxLength ? kFormatDoubleMaxLength
                                                                       : precision);
    int length = FixedText(value, decimals, plus, text);
    // Too long: give up the decimals that do not fit, and once more should
    // the rounding carry into a new integer digit.
    while (length > kFormatDoubleMaxLength && decimals > 0) {
        const int excess = length - kFormatDoubleMaxLength;
        decimals = excess >= decimals ? 0 : decimals - excess;
        length = FixedText(value, decimals, plus, text);
    }
    if (precision < 0 && decimals > 0) {
        while (text[length - 1] == '0') --length;
        if (text[length - 1] == '.') --length;
    }
    WriteText(out, text, length);
    return out;
}

FormatArgument NumberTextFromInt(int value) {
    String digits;
    StringFromInteger(value, 0, digits, true, ' ');
    return FormatArgument(std::move(digits));
}

void AppendHexByte(std::uint8_t byte, Char* buffer, int& position) noexcept {
    constexpr char kHex[] = "0123456789ABCDEF";
    buffer[position++] = static_cast<Char>(kHex[byte >> 4]);
    buffer[position++] = static_cast<Char>(kHex[byte & 0x0F]);
}

String& PadString(String& s, int width, Char fill) {
    const int length = s.Length();
    if (length >= width) return s;
    Char* buffer = StringReserve(s, width, ReserveMode::GrowKeep).buffer;
    const int shift = width - length;
    std::memmove(buffer + shift, buffer, static_cast<std::size_t>(length + 1) * sizeof(Char));
    for (int i = 0; i < shift; ++i) buffer[i] = fill;
    return s;
}

String& PadStringRight(String& s, int width, Char fill) {
    const int length = s.Length();
    if (length >= width) return s;
    Char* buffer = StringReserve(s, width, ReserveMode::GrowKeep).buffer;
    for (int i = length; i < width; ++i) buffer[i] = fill;
    buffer[width] = 0;
    return s;
}

String& TrimRight(String& s) noexcept {
    int length = s.Length();
    if (length == 0) return s;
    while (length > 0 && IsSpaceChar(s.Text()[length - 1])) --length;
    s.Data()[length] = 0;
    return s;
}

String& StringWithoutLastChar(String& s) noexcept {
    // The shared empty buffer must never be written, so an empty text is
    // left as it is.
    const int length = s.Length();
    if (length > 0) s.Data()[length - 1] = 0;
    return s;
}

String& ReplaceSubstring(String& s, const Char* pattern, const Char* replacement,
                         int first, int last) {
    if (!pattern || !*pattern) return s;
    if (!replacement) replacement = TXT("");
    const Char* source = s.Text();
    const int sourceLength = s.Length();
    const int patternLength = TextLength(pattern);
    const int replacementLength = TextLength(replacement);

    // Count the occurrences to replace, so that the result is allocated once.
    int replaced = 0;
    ForEachChosenOccurrence(source, sourceLength, pattern, patternLength, first, last,
                            [&replaced](int) { ++replaced; });
    if (replaced == 0) return s;

    String result;
    const int total = sourceLength + replaced * (replacementLength - patternLength);
    Char* out = StringReserve(result, total, ReserveMode::Discard).buffer;
    int read = 0;
    int written = 0;
    ForEachChosenOccurrence(source, sourceLength, pattern, patternLength, first, last,
                            [&](int at) {
                                CopyChars(out + written, source + read, at - read);
                                written += at - read;
                                CopyChars(out + written, replacement, replacementLength);
                                written += replacementLength;
                                read = at + patternLength;
                            });
    CopyChars(out + written, source + read, sourceLength - read);
    out[total] = 0;
    return StringAssign(s, result.Text());
}

String FormatPercent1(const Char* pattern, const FormatArgument& a1) {
    const FormatArgument* args[] = {&a1};
    return FormatPercent(pattern, args, 1);
}

String FormatPercent2(const Char* pattern, const FormatArgument& a1, const FormatArgument& a2) {
    const FormatArgument* args[] = {&a1, &a2};
    return FormatPercent(pattern, args, 2);
}

String FormatPercent3(const Char* pattern, const FormatArgument& a1, const FormatArgument& a2,
                      const FormatArgument& a3) {
    const FormatArgument* args[] = {&a1, &a2, &a3};
    return FormatPercent(pattern, args, 3);
}

String FormatPercent5(const Char* pattern, const FormatArgument& a1, const FormatArgument& a2,
                      const FormatArgument& a3, const FormatArgument& a4,
                      const FormatArgument& a5) {
    const FormatArgument* args[] = {&a1, &a2, &a3, &a4, &a5};
    return FormatPercent(pattern, args, 5);
}

String FormatPercent12(const Char* pattern, const FormatArgument& a1, const FormatArgument& a2,
                       const FormatArgument& a3, const FormatArgument& a4,
                       const FormatArgument& a5, const FormatArgument& a6,
                       const FormatArgument& a7, const FormatArgument& a8,
                       const FormatArgument& a9, const FormatArgument& a10,
                       const FormatArgument& a11, const FormatArgument& a12) {
    const FormatArgument* args[] = {&a1, &a2, &a3, &a4, &a5, &a6,
                                    &a7, &a8, &a9, &a10, &a11, &a12};
    return FormatPercent(pattern, args, 12);
}

}  // namespace corvinata
