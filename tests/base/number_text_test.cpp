#include "base/number_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "base/services.h"
#include "base/memory_storage.h"
#include "support/fake_product.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Utf8;
using test::Wide;

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// ------------------------------------------------------------- ParseDouble

// A refused text leaves the value alone and consumes nothing.
TEST(ParseDouble, ReadsOrRefuses) {
    const struct { std::string text; bool ok; double value; int consumed; } cases[] = {
        {"12.5abc", true, 12.5, 4}, {"abc", false, 0, 0}, {"", false, 0, 0}, {"- 8", false, 0, 0},
        {"\t\n -3", true, -3.0, 5}, {"+.5", true, 0.5, 3}, {"5.", true, 5.0, 2}, {".", false, 0, 0},
        {"-.e5", false, 0, 0}, {"1E+2x", true, 100.0, 4}, {"7e+", true, 7.0, 1},
        {"1,5", true, 1.0, 1}, {"-0", true, -0.0, 2}, {"0e999999999999", true, 0.0, 14},
        // Only decimal text is a number: the C library's extras are not.
        {"0x10", true, 0.0, 1}, {"inf", false, 0, 0}, {"nan", false, 0, 0},
        // Limits of the double range; very long texts.
        {"1e309", false, 0, 0}, {std::string(400, '9'), false, 0, 0}, {"-1e-400", true, -0.0, 7},
        {"1.7976931348623157e308", true, DBL_MAX, 22}, {"1.797693134862315808e308", false, 0, 0},
        {"2.2250738585072014e-308", true, DBL_MIN, 23}, {"1e23", true, 1e23, 4},
        {"4.9406564584124654e-324", true, 4.9406564584124654e-324, 23},
        {"9007199254740993", true, 9007199254740992.0, 16},
        {"1" + std::string(300, '0') + "." + std::string(1000, '0'), true, 1e300, 1302},
        {"0." + std::string(1000, '0') + "1e1001", true, 1.0, 1008},
        {"3." + std::string(2000, '3'), true, 10.0 / 3.0, 2002},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 40));
        double value = -777.0;
        int consumed = -1;
        EXPECT_EQ(ParseDouble(Wide(c.text).c_str(), value, &consumed), c.ok);
        EXPECT_EQ(consumed, c.consumed);
        EXPECT_TRUE(SameBits(value, c.ok ? c.value : -777.0)) << value;
    }
    double value = 0.0;  // the consumed count is optional
    EXPECT_TRUE(ParseDouble(TXT("4.25"), value) && value == 4.25);
}

// odd * 2^exponent2 written exactly as "0.<digits><more>e<power>" (the midpoint
// between two neighbouring doubles is such a number); with `below`, less one
// unit of its last exact digit.
std::string ExactText(std::uint64_t odd, int exponent2, const std::string& more = "",
                      bool below = false) {
    std::vector<std::int64_t> value;  // decimal digits, least significant first
    for (; odd != 0; odd /= 10) value.push_back(static_cast<std::int64_t>(odd % 10));
    // 2^-n = 5^n * 10^-n; multiply by 5^13 or 2^30 at a time.
    const bool negative = exponent2 < 0;
    for (int remaining = std::abs(exponent2), step; remaining > 0; remaining -= step) {
        step = std::min(remaining, negative ? 13 : 30);
        std::int64_t factor = 1, carry = 0;
        for (int i = 0; i < step; ++i) factor *= negative ? 5 : 2;
        for (std::int64_t& d : value) {
            carry += d * factor;
            d = carry % 10;
            carry /= 10;
        }
        for (; carry != 0; carry /= 10) value.push_back(carry % 10);
    }
    std::string digits;  // most significant first
    for (auto it = value.rbegin(); it != value.rend(); ++it) digits += char('0' + *it);
    const int power = static_cast<int>(digits.size()) + (negative ? exponent2 : 0);
    if (below) {
        const std::size_t last = digits.find_last_not_of('0');
        --digits[last];
        std::fill(digits.begin() + static_cast<std::ptrdiff_t>(last) + 1, digits.end(), '9');
    }
    return "0." + digits + more + "e" + std::to_string(power);
}

double Parsed(const std::string& text) {
    double value = std::numeric_limits<double>::quiet_NaN();
    int consumed = 0;
    EXPECT_TRUE(ParseDouble(Wide(text).c_str(), value, &consumed)) << text;
    EXPECT_EQ(consumed, static_cast<int>(text.size())) << text;
    return value;
}

// Exact midpoints round to the even neighbour; the least digit beyond them,
// even hundreds of digits down, decides for the upper or the lower one.
TEST(ParseDouble, MidpointsBetweenDoublesRoundExactly) {
    std::mt19937_64 random(1961);
    for (int i = 0; i < 300; ++i) {
        const std::uint64_t significand = (random() >> 11) | (std::uint64_t{1} << 52);
        const int exponent = static_cast<int>(random() % 2000) - 1074;
        const double lower = std::ldexp(static_cast<double>(significand), exponent);
        const double upper = std::nextafter(lower, std::numeric_limits<double>::infinity());
        const auto midpoint = [&](const std::string& more, bool below = false) {
            return Parsed(ExactText(2 * significand + 1, exponent - 1, more, below));
        };
        EXPECT_TRUE(SameBits(midpoint(""), (significand & 1) ? upper : lower)) << lower;
        // Far enough down to lie beyond the digits the reader keeps exactly.
        EXPECT_TRUE(SameBits(midpoint(std::string(60, '0') + "1"), upper)) << lower;
        EXPECT_TRUE(SameBits(midpoint("99999999999", true), lower)) << lower;
    }
}

TEST(ParseDouble, MidpointsAtTheEndsOfTheRangeRoundExactly) {
    // Halfway between 0 and the least subnormal, and between the first two.
    const double least = std::numeric_limits<double>::denorm_min();
    EXPECT_TRUE(SameBits(Parsed(ExactText(1, -1075)), 0.0));
    EXPECT_TRUE(SameBits(Parsed(ExactText(1, -1075, std::string(100, '0') + "1")), least));
    EXPECT_TRUE(SameBits(Parsed(ExactText(3, -1075)), 2 * least));
    EXPECT_TRUE(SameBits(Parsed(ExactText(3, -1075, "9", true)), least));

    EXPECT_TRUE(SameBits(Parsed(ExactText((std::uint64_t{1} << 53) - 1, 971)), DBL_MAX));
    // DBL_MAX + half an ulp = (2^54 - 1) * 2^970 rounds to even: 2^1024, too large.
    const std::uint64_t boundary = (std::uint64_t{1} << 54) - 1;
    double value = 1.0;
    EXPECT_FALSE(ParseDouble(Wide(ExactText(boundary, 970)).c_str(), value));
    EXPECT_EQ(value, 1.0);
    EXPECT_TRUE(SameBits(Parsed(ExactText(boundary, 970, "9", true)), DBL_MAX));
}

// Exactly one number, as "%lf%c" reads one: white space before it, nothing
// at all after it.
TEST(ParseNumberAlone, ReadsExactlyOneNumber) {
    const struct { const char* text; bool ok; double value; } cases[] = {
        {"2.5", true, 2.5}, {" \t2.5", true, 2.5}, {"-2.5e1", true, -25.0}, {"2.5 ", false, 0},
        {" 2.5 ", false, 0}, {"2.5\n", false, 0}, {"2.5 km", false, 0}, {"2.5x", false, 0},
        {"", false, 0}, {"1e999", false, 0}, {"2 3", false, 0},
    };
    for (const auto& c : cases) {
        double value = 7.0;
        EXPECT_EQ(ParseNumberAlone(Wide(c.text).c_str(), value), c.ok) << c.text;
        EXPECT_EQ(value, c.ok ? c.value : 7.0) << c.text;
    }
}

// ------------------------------------------------------------ other texts

TEST(CompareWideText, OrdersByCodeUnits) {
    EXPECT_EQ(CompareWideText(TXT("abc"), TXT("abc")), 0);
    using Pair = std::pair<const Char*, const Char*>;
    for (const Pair& p : {Pair{TXT("B"), TXT("a")}, Pair{TXT("ab"), TXT("abc")},
                          Pair{TXT("\u0100"), TXT("\uFFFF")}}) {
        EXPECT_EQ(CompareWideText(p.first, p.second), -1) << Utf8(p.first);
        EXPECT_EQ(CompareWideText(p.second, p.first), 1) << Utf8(p.first);
    }
}

TEST(BuildProductTitle, JoinsNameVersionAndAnyEdition) {
    MemoryStorageService storage;
    String title(TXT("old title that is long"));
    test::ProductTexts texts{TXT("Corvinata"), TXT("1.0.3")};
    for (const auto& [edition, expected] : {std::pair{TXT(""), "Corvinata 1.0.3"},
                                            std::pair{TXT("Classroom"), "Corvinata 1.0.3 Classroom"}}) {
        texts.edition = edition;
        EXPECT_EQ(Utf8(BuildProductTitle(test::FakeProductInfo(storage, texts), title)), expected);
    }
}

TEST(ApplicationServices, RegistrationIsScopedAndRestored) {
    MemoryStorageService storage;
    test::FakeProductInfo outer(storage), inner(storage);
    ScopedApplicationServices registered(&outer, nullptr);
    EXPECT_TRUE(HasProductInfo() && !HasDisplayFormat());
    {
        ScopedApplicationServices nested(&inner, nullptr);
        EXPECT_EQ(&GetProductInfo(), &inner);
    }
    EXPECT_EQ(&GetProductInfo(), &outer);
}

// ------------------------------------------------------------ time zones

TEST(TimeZoneFraction, KnowsTheFourQuartersOnlyAndFormatsThem) {
    EXPECT_EQ(TimeZoneQuarterIndex(0.75), 3);
    for (double offset : {0.2500001, -0.5, std::numeric_limits<double>::quiet_NaN()})
        EXPECT_EQ(TimeZoneQuarterIndex(offset), 0) << offset;

    using Mode = TimeZoneFractionMode;
    const struct { Mode mode; int index, width; const char* expected; } cases[] = {
        {Mode::Minutes, 1, 2, "15"}, {Mode::Minutes, 3, 0, "45"}, {Mode::Hundredths, 3, 3, "075"},
        {Mode::Hundredths, 0, 1, "0"}, {Mode::Minutes, 4, 2, "00"}, {Mode::Minutes, -1, 2, "00"}};
    for (const auto& c : cases) {
        EXPECT_EQ(Utf8(TimeZoneFractionField(c.mode).Format(c.index, c.width)), c.expected)
            << c.index << " " << c.width;
    }
    // A clone keeps the mode but not the text.
    TimeZoneFractionField field(Mode::Minutes);
    field.Format(2, 2);
    const auto copy = field.Clone();
    EXPECT_TRUE(copy->Text().IsEmpty());
    EXPECT_EQ(Utf8(copy->Format(2, 2)), "30");
}

}  // namespace
}  // namespace corvinata
