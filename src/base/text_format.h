// Text formatting on String: numbers to text, padding, trimming, replacement
// of a pattern, and the "%" message formatter with which every user message
// is composed ("% was unable to open the file %").
//
// The "%" formatter has no format specifiers: each "%" is replaced by the
// text of the next argument. Numbers are turned into text beforehand with
// StringFromInteger, FormatDouble or NumberTextFromInt. Every operation here
// gives the same text on every build: none of them goes through the C
// library's printf family or its locale.
#pragma once

#include <cstdint>
#include <utility>

#include "base/text_char.h"
#include "base/wide_string.h"

namespace corvinata {

// Longest text FormatDouble writes with decimals, sign and "+" included.
// Decimals that would carry the text past it are dropped (see FormatDouble).
constexpr int kFormatDoubleMaxLength = 299;

// Writes the decimal text of `value` ("-" before negative numbers, no
// grouping) into `out`, then pads the whole text, sign included, to
// `minWidth` characters with `fill`: on the left when `padLeft` is true, on
// the right otherwise. A `minWidth` not above the text's length adds nothing.
String& StringFromInteger(int value, int minWidth, String& out, bool padLeft, Char fill);

// Writes `value` with |precision| decimals into `out`, rounded to the nearest
// (ties to even, judged on the exact binary value of the double, so 0.125
// with 2 decimals gives "0.12" and 2.5 with none gives "2"). A negative value
// gets "-", also when it rounds to zero ("-0"). With `showPlus`, a value
// greater than zero gets "+". With a negative `precision`, trailing zero
// decimals are removed, and the decimal point with them when none remain.
// Not-a-number is written "nan" and infinities "inf" (with their sign).
// The text is kept within kFormatDoubleMaxLength characters by writing fewer
// decimals; digits before the decimal point are never dropped, so a value of
// more than 298 integer digits is written in full without decimals.
String& FormatDouble(double value, int precision, String& out, bool showPlus);

// One argument of the "%" formatter: a borrowed text, or a text it owns (the
// digits of a number). Made implicitly from a literal or a String, whose
// characters must outlive the argument (a temporary lasts to the end of the
// full expression, which is enough for a FormatPercent call).
class FormatArgument {
public:
    FormatArgument(const Char* text) noexcept : text_(text) {}  // NOLINT: implicit by design
    FormatArgument(const String& s) noexcept : text_(s.Text()) {}  // NOLINT: implicit by design
    explicit FormatArgument(String&& owned) noexcept : text_(nullptr), owned_(std::move(owned)) {}

    // The argument's text: the borrowed one when set, otherwise the owned one.
    const Char* Text() const noexcept { return text_ ? text_ : owned_.Text(); }

private:
    const Char* text_;
    String owned_;
};

// An argument holding the decimal text of `value`.
FormatArgument NumberTextFromInt(int value);

// Writes the two upper-case hexadecimal digits of `byte`, high nibble first,
// at buffer[position] and advances `position` by 2. No terminator is written.
void AppendHexByte(std::uint8_t byte, Char* buffer, int& position) noexcept;

// Right-aligns the text of `s` in `width` characters, filling the start with
// `fill`. Nothing when the text is already `width` characters or longer.
String& PadString(String& s, int width, Char fill);

// Left-aligns the text of `s` in `width` characters, filling the end with
// `fill`. Nothing when the text is already `width` characters or longer.
String& PadStringRight(String& s, int width, Char fill);

// Removes white space (IsSpaceChar) from the end of the text. The capacity
// is unchanged.
String& TrimRight(String& s) noexcept;

// Drops the last character of the text (nothing for the empty text). The
// capacity is unchanged.
String& StringWithoutLastChar(String& s) noexcept;

// Replaces the occurrences number `first` to `last` (counted from 0, left to
// right, without overlap, in the text as it was before the call) of the
// non-empty `pattern` by `replacement`; all occurrences from `first` on when
// `last` is negative. Inserted text is never searched again. Comparison is
// exact. An empty or null pattern changes nothing; a null replacement counts
// as empty. The pattern and the replacement may point into `s` itself.
String& ReplaceSubstring(String& s, const Char* pattern, const Char* replacement,
                         int first, int last);

// Messages: a copy of `pattern` in which each argument in turn replaces the
// next "%" of the pattern. Arguments beyond the pattern's "%" signs are
// ignored; "%" signs beyond the arguments stay as they are. A "%" inside an
// argument is plain text: FormatPercent2("% then %", "50%", "x") gives
// "50% then x".
String FormatPercent1(const Char* pattern, const FormatArgument& a1);
String FormatPercent2(const Char* pattern, const FormatArgument& a1, const FormatArgument& a2);
String FormatPercent3(const Char* pattern, const FormatArgument& a1, const FormatArgument& a2,
                      const FormatArgument& a3);
String FormatPercent5(const Char* pattern, const FormatArgument& a1, const FormatArgument& a2,
                      const FormatArgument& a3, const FormatArgument& a4,
                      const FormatArgument& a5);
String FormatPercent12(const Char* pattern, const FormatArgument& a1, const FormatArgument& a2,
                       const FormatArgument& a3, const FormatArgument& a4,
                       const FormatArgument& a5, const FormatArgument& a6,
                       const FormatArgument& a7, const FormatArgument& a8,
                       const FormatArgument& a9, const FormatArgument& a10,
                       const FormatArgument& a11, const FormatArgument& a12);

}  // namespace corvinata
