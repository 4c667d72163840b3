// Small helpers shared across the program: reading a double from text,
// ordering texts, the product title, and the quarter-hour part of a time-zone
// offset with its two text forms.
#pragma once

#include <memory>

#include "base/text_char.h"
#include "base/wide_string.h"

namespace corvinata {

class ProductInfoInterface;

// Reads a decimal number at the start of `text`: optional white space
// (IsSpaceChar), an optional sign, digits with an optional "." and fraction
// (at least one digit in all), and an optional exponent ("e" or "E", an
// optional sign and digits; an "e" without digits is not taken). No
// hexadecimal, no "inf" or "nan", no locale. The result is the double
// nearest to the decimal value (ties to even), the same on every build.
// Succeeds unless nothing was read or the value is too large for a double;
// a value too small for a double becomes zero (of its sign). On success
// `receiver` gets the value and `consumed` (when given) the number of
// characters read; on failure `receiver` is untouched and `consumed` is 0.
// Text after the number is allowed: compare `consumed` with the length when
// the whole text must be a number.
bool ParseDouble(const Char* text, double& receiver, int* consumed = nullptr) noexcept;
// Exactly one number: ParseDouble's number (white space before it allowed)
// with nothing at all after it, not even a blank, and finite; on failure
// `receiver` is untouched. A number followed by a unit or a letter is
// refused, so that no unit is silently dropped.
bool ParseNumberAlone(const Char* text, double& receiver) noexcept;

// Orders two texts by their 16-bit code units as unsigned numbers: -1 when
// `a` sorts first, 1 when `b` does, 0 when equal. A prefix sorts first.
int CompareWideText(const Char* a, const Char* b) noexcept;

// The product name, a blank and the version; then a blank and the edition
// when the edition is not empty. Answers `receiver`.
String& BuildProductTitle(const ProductInfoInterface& info, String& receiver);

// The quarter of an hour that the fractional part of a time-zone offset
// stands for: 0 -> 0, 0.25 -> 1, 0.5 -> 2, 0.75 -> 3 (exact comparisons);
// any other value -> 0.
int TimeZoneQuarterIndex(double fraction) noexcept;

// How the part of a time-zone offset after the whole hours is shown.
enum class TimeZoneFractionMode : int {
    Hundredths = 0,  // hundredths of an hour: 0, 25, 50, 75
    Minutes = 1,     // minutes: 0, 15, 30, 45
};

// The field of the time-zone picker that shows the part of the offset after
// the whole hours.
class TimeZoneFractionField {
public:
    explicit TimeZoneFractionField(TimeZoneFractionMode mode) noexcept : mode_(mode) {}
    virtual ~TimeZoneFractionField() = default;

    // A new field with the same mode and an empty text.
    virtual std::unique_ptr<TimeZoneFractionField> Clone() const;

    // The text of quarter `index` (0-3; any other index counts as 0), at
    // least `width` characters, padded on the left with "0". The characters
    // stay valid until the next call.
    virtual const Char* Format(int index, int width);

    TimeZoneFractionMode Mode() const noexcept { return mode_; }
    const String& Text() const noexcept { return text_; }

private:
    String text_;
    TimeZoneFractionMode mode_;
};

}  // namespace corvinata
