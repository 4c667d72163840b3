#include "base/number_text.h"

#include <cfloat>
#include <cmath>
#include <cstdint>

#include "base/big_unsigned.h"
#include "base/services.h"
#include "base/text_format.h"

namespace corvinata {

namespace {

// The significant digits of a decimal text: value = digits * 10^exponent.
// Halfway points between doubles have at most 767 significant digits, so
// keeping 800 and standing in for any further non-zero digits with one
// trailing 1 rounds exactly as the full text would.
constexpr int kKeptDigits = 800;
// Beyond this an exponent only confirms overflow or underflow.
constexpr int kExponentLimit = 100000;

struct DecimalText {
    char digits[kKeptDigits + 1];
    int count = 0;     // significant digits kept, no leading zeros
    int exponent = 0;  // power of ten of the last kept digit
    bool negative = false;
    int used = 0;      // characters read; 0 when the text holds no number
};

DecimalText ReadDecimalText(const Char* text) noexcept {
    DecimalText d;
    int i = 0;
    while (IsSpaceChar(text[i])) ++i;
    if (text[i] == '+' || text[i] == '-') {
        d.negative = text[i] == '-';
        ++i;
    }
    bool anyDigit = false;
    bool dropped = false;  // a non-zero digit beyond the kept ones
    bool fraction = false;
    for (;; ++i) {
        const Char c = text[i];
        if (c == '.' && !fraction) {
            fraction = true;
            continue;
        }
        if (!IsDigitChar(c)) break;
        anyDigit = true;
        if (d.count == 0 && c == '0') {
            if (fraction) --d.exponent;
        } else if (d.count < kKeptDigits) {
            d.digits[d.count++] = static_cast<char>(c);
            if (fraction) --d.exponent;
        } else {
            if (!fraction) ++d.exponent;
            if (c != '0') dropped = true;
        }
    }
    if (!anyDigit) return DecimalText{};
    if (dropped) {
        d.digits[d.count++] = '1';
        --d.exponent;
    }
    d.used = i;

    if (text[i] == 'e' || text[i] == 'E') {
        int j = i + 1;
        bool negativeExponent = false;
        if (text[j] == '+' || text[j] == '-') {
            negativeExponent = text[j] == '-';
            ++j;
        }
        if (IsDigitChar(text[j])) {
            int exponent = 0;
            for (; IsDigitChar(text[j]); ++j) {
                if (exponent < kExponentLimit) exponent = exponent * 10 + (text[j] - '0');
            }
            d.exponent += negativeExponent ? -exponent : exponent;
            d.used = j;
        }
    }
    // Trailing zeros only make the integers longer.
    while (d.count > 0 && d.digits[d.count - 1] == '0') {
        --d.count;
        ++d.exponent;
    }
    return d;
}

BigUnsigned DigitsValue(const DecimalText& d) noexcept {
    BigUnsigned value;
    int i = 0;
    for (; i + 9 <= d.count; i += 9) {
        std::uint32_t chunk = 0;
        for (int j = 0; j < 9; ++j) chunk = chunk * 10 + static_cast<std::uint32_t>(d.digits[i + j] - '0');
        value.MultiplyAdd(1000000000u, chunk);
    }
    std::uint32_t factor = 1;
    std::uint32_t chunk = 0;
    for (; i < d.count; ++i) {
        chunk = chunk * 10 + static_cast<std::uint32_t>(d.digits[i] - '0');
        factor *= 10;
    }
    if (factor != 1) value.MultiplyAdd(factor, chunk);
    return value;
}

// The magnitude of a decimal text as the nearest double, or false when it
// is too large for one. Clinger's method: a short text whose digits and
// power of ten are both exact doubles takes one correctly rounded
// multiplication or division; any other is divided out exactly in big
// integers and rounded by its remainder.
bool NearestDouble(const DecimalText& d, double& magnitude) noexcept {
    if (d.count == 0) {
        magnitude = 0.0;
        return true;
    }
    // The value lies in [10^(count+exponent-1), 10^(count+exponent)).
    const int order = d.count + d.exponent;
    if (order > 310) return false;
    if (order < -324) {
        magnitude = 0.0;
        return true;
    }
#if defined(FLT_EVAL_METHOD) && FLT_EVAL_METHOD == 0
    // Powers of ten that a double holds exactly.
    static constexpr double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                              1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (d.count <= 15 && d.exponent >= -22 && d.exponent <= 22) {
        const double digits = static_cast<double>(DigitsValue(d).Low64());
        magnitude = d.exponent >= 0 ? digits * kExactPowers[d.exponent]
                                    : digits / kExactPowers[-d.exponent];
        return true;
    }
#endif
    // value = numerator / denominator = q * 2^k + remainder, q of 53 bits.
    BigUnsigned numerator = DigitsValue(d);
    BigUnsigned denominator(1);
    if (d.exponent >= 0) numerator.MultiplyPow10(d.exponent);
    else denominator.MultiplyPow10(-d.exponent);

    constexpr int kSignificandBits = 53;
    constexpr int kSmallestExponent = -1074;  // of the least subnormal
    int k = numerator.BitLength() - denominator.BitLength() - kSignificandBits;
    if (k < kSmallestExponent) k = kSmallestExponent;
    if (k >= 0) denominator.ShiftLeft(k);
    else numerator.ShiftLeft(-k);
    BigUnsigned top = denominator;
    top.ShiftLeft(kSignificandBits);
    if (BigUnsigned::Compare(numerator, top) >= 0) {
        // The estimate was one bit short: halve the quotient. A numerator
        // that was shifted left has a zero low bit, so halving it is exact.
        if (k >= 0) denominator.ShiftLeft(1);
        else numerator.ShiftRight(1);
        ++k;
    }
    std::uint64_t q = 0;
    for (int bit = kSignificandBits; bit >= 0; --bit) {
        BigUnsigned shifted = denominator;
        shifted.ShiftLeft(bit);
        if (BigUnsigned::Compare(numerator, shifted) >= 0) {
            numerator.Subtract(shifted);
            q |= std::uint64_t{1} << bit;
        }
    }
    // Round by the remainder: above half up, exactly half to even.
    numerator.ShiftLeft(1);
    const int half = BigUnsigned::Compare(numerator, denominator);
    if (half > 0 || (half == 0 && (q & 1) != 0)) ++q;
    if (q == std::uint64_t{1} << kSignificandBits) {
        q >>= 1;
        ++k;
    }
    if (k > DBL_MAX_EXP - kSignificandBits) return false;
    magnitude = std::ldexp(static_cast<double>(q), k);
    return true;
}

}  // namespace

bool ParseDouble(const Char* text, double& receiver, int* consumed) noexcept {
    if (consumed) *consumed = 0;
    const DecimalText d = ReadDecimalText(text);
    double magnitude = 0.0;
    if (d.used == 0 || !NearestDouble(d, magnitude)) return false;
    receiver = d.negative ? -magnitude : magnitude;
    if (consumed) *consumed = d.used;
    return true;
}

bool ParseNumberAlone(const Char* text, double& receiver) noexcept {
    double value = 0.0;
    int consumed = 0;
    if (!text || !ParseDouble(text, value, &consumed) || !std::isfinite(value)) return false;
    if (text[consumed] != 0) return false;
    receiver = value;
    return true;
}

int CompareWideText(const Char* a, const Char* b) noexcept {
    for (;; ++a, ++b) {
        const auto x = static_cast<std::uint16_t>(*a);
        const auto y = static_cast<std::uint16_t>(*b);
        if (x != y) return x < y ? -1 : 1;
        if (x == 0) return 0;
    }
}

String& BuildProductTitle(const ProductInfoInterface& info, String& receiver) {
    StringAssign(receiver, info.GetProductName());
    StringAppend(receiver, TXT(" "));
    StringAppend(receiver, info.GetVersion());
    const Char* edition = info.GetEditionName();
    if (edition && *edition) {
        StringAppend(receiver, TXT(" "));
        StringAppend(receiver, edition);
    }
    return receiver;
}

int TimeZoneQuarterIndex(double fraction) noexcept {
    if (fraction == 0.25) return 1;
    if (fraction == 0.5) return 2;
    if (fraction == 0.75) return 3;
    return 0;
}

std::unique_ptr<TimeZoneFractionField> TimeZoneFractionField::Clone() const {
    return std::make_unique<TimeZoneFractionField>(mode_);
}

const Char* TimeZoneFractionField::Format(int index, int width) {
    constexpr double kQuarterFractions[] = {0.0, 0.25, 0.5, 0.75};
    if (index < 0 || index > 3) index = 0;
    const int number = mode_ == TimeZoneFractionMode::Minutes
                           ? index * 15
                           : static_cast<int>(std::lround(kQuarterFractions[index] * 100.0));
    return StringFromInteger(number, width, text_, true, '0').Text();
}

}  // namespace corvinata
