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
    const struct {
        std::string text;
        bool ok;
        double value;
        int consumed;
    } cases[] = {
        {"12.5abc", true, 12.5, 4}, {"abc", false, 0, 0}, {"", false, 0, 0}, {"- 8", false, 0, 0},
        {"  -3", true, -3.0, 4}, {"+.5", true, 0.5, 3}, {"5.", true, 5.0, 2}, {".", false, 0, 0},
        {"-.e5", false, 0, 0}, {"1E+2x", true, 100.0, 4}, {"2.5e-3", true, 0.0025, 6},
        {"7e", true, 7.0, 1}, {"7e+", true, 7.0, 1}, {"7 e5", true, 7.0, 1}, {"1,5", true, 1.0, 1},
        {"1.2.3", true, 1.2, 3}, {"-0", true, -0.0, 2}, {"0e999999999999", true, 0.0, 14},
        {"\t\n 8", true, 8.0, 4},
        // Only decimal text is a number: the C library's extras are not.
        {"0x10", true, 0.0, 1}, {"inf", false, 0, 0}, {"-infinity", false, 0, 0},
        {"nan", false, 0, 0}, {"NAN(1)", false, 0, 0},
        // Limits of the double range.
        {"1e309", false, 0, 0}, {"-1e400", false, 0, 0}, {std::string(400, '9'), false, 0, 0},
        {"1e-400", true, 0.0, 6}, {"-1e-400", true, -0.0, 7}, {"0.1", true, 0.1, 3},
        {"1.7976931348623157e308", true, DBL_MAX, 22}, {"1.797693134862315808e308", false, 0, 0},
        {"2.2250738585072014e-308", true, DBL_MIN, 23}, {"1e23", true, 1e23, 4},
        {"4.9406564584124654e-324", true, 4.9406564584124654e-324, 23},
        {"2.4703282292062327e-324", true, 0.0, 23},
        {"9007199254740993", true, 9007199254740992.0, 16},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 40));
        const auto text = Wide(c.text);
        double value = -777.0;
        int consumed = -1;
        EXPECT_EQ(ParseDouble(text.c_str(), value, &consumed), c.ok);
        EXPECT_EQ(consumed, c.consumed);
        EXPECT_TRUE(SameBits(value, c.ok ? c.value : -777.0)) << value;
    }
    double value = 0.0;
    EXPECT_TRUE(ParseDouble(TXT("4.25"), value));  // the consumed count is optional
    EXPECT_EQ(value, 4.25);
}

// The exact decimal value of odd * 2^exponent2 as 0.digits * 10^power: the
// midpoint between two neighbouring doubles is such a number.
struct ExactDecimal {
    std::string digits;
    int power;

    ExactDecimal(std::uint64_t odd, int exponent2) {
        std::vector<std::int64_t> value;  // decimal digits, least significant first
        for (; odd != 0; odd /= 10) value.push_back(static_cast<std::int64_t>(odd % 10));
        // 2^-n = 5^n * 10^-n; multiply by 5^13 or 2^30 at a time.
        const bool negative = exponent2 < 0;
        for (int remaining = std::abs(exponent2); remaining > 0;) {
            const int step = std::min(remaining, negative ? 13 : 30);
            std::int64_t factor = 1, carry = 0;
            for (int i = 0; i < step; ++i) factor *= negative ? 5 : 2;
            for (std::int64_t& d : value) {
                const std::int64_t product = d * factor + carry;
                d = product % 10;
                carry = product / 10;
            }
            for (; carry != 0; carry /= 10) value.push_back(carry % 10);
            remaining -= step;
        }
        for (auto it = value.rbegin(); it != value.rend(); ++it) digits += char('0' + *it);
        power = static_cast<int>(digits.size()) + (negative ? exponent2 : 0);
    }

    // The text with `more` digits after the exact ones; with `below`, of the
    // value less one unit of its last digit.
    std::string Text(const std::string& more = "", bool below = false) const {
        std::string shown = digits;
        for (auto it = shown.rbegin(); below && it != shown.rend(); ++it) {
            if (*it != '0') {
                --*it;
                break;
            }
            *it = '9';
        }
        return "0." + shown + more + "e" + std::to_string(power);
    }
};

double Parsed(const std::string& text) {
    double value = std::numeric_limits<double>::quiet_NaN();
    const auto wide = Wide(text);
    int consumed = 0;
    EXPECT_TRUE(ParseDouble(wide.c_str(), value, &consumed)) << text;
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
        const ExactDecimal midpoint(2 * significand + 1, exponent - 1);
        SCOPED_TRACE(midpoint.Text());
        EXPECT_TRUE(SameBits(Parsed(midpoint.Text()), (significand & 1) ? upper : lower));
        // Far enough down to lie beyond the digits the reader keeps exactly.
        EXPECT_TRUE(SameBits(Parsed(midpoint.Text(std::string(60, '0') + "1")), upper));
        EXPECT_TRUE(SameBits(Parsed(midpoint.Text("99999999999", true)), lower));
    }
}

TEST(ParseDouble, MidpointsAtTheEndsOfTheRangeRoundExactly) {
    // Halfway between 0 and the least subnormal, and between the first two.
    const double least = std::numeric_limits<double>::denorm_min();
    EXPECT_TRUE(SameBits(Parsed(ExactDecimal(1, -1075).Text()), 0.0));
    EXPECT_TRUE(SameBits(Parsed(ExactDecimal(1, -1075).Text(std::string(100, '0') + "1")), least));
    EXPECT_TRUE(SameBits(Parsed(ExactDecimal(3, -1075).Text()), 2 * least));
    EXPECT_TRUE(SameBits(Parsed(ExactDecimal(3, -1075).Text("9", true)), least));

    EXPECT_TRUE(SameBits(Parsed(ExactDecimal((std::uint64_t{1} << 53) - 1, 971).Text()), DBL_MAX));
    // DBL_MAX + half an ulp = (2^54 - 1) * 2^970 rounds to even: 2^1024, too large.
    const ExactDecimal boundary((std::uint64_t{1} << 54) - 1, 970);
    double value = 1.0;
    EXPECT_FALSE(ParseDouble(Wide(boundary.Text()).c_str(), value));
    EXPECT_EQ(value, 1.0);
    EXPECT_TRUE(SameBits(Parsed(boundary.Text("9", true)), DBL_MAX));
}

TEST(ParseDouble, VeryLongTextsKeepTheirMeaning) {
    EXPECT_EQ(Parsed("1" + std::string(300, '0') + "." + std::string(1000, '0')), 1e300);
    EXPECT_EQ(Parsed("0." + std::string(1000, '0') + "1e1001"), 1.0);
    EXPECT_EQ(Parsed(std::string(1000, '0') + "12.5"), 12.5);
    EXPECT_EQ(Parsed("3." + std::string(2000, '3')), 10.0 / 3.0);
}

#if defined(__GLIBC__)
// glibc's strtod rounds correctly; the program's reader must agree with it.
TEST(ParseDouble, AgreesWithACorrectlyRoundingStrtod) {
    std::mt19937_64 random(99);
    for (int i = 0; i < 20000; ++i) {
        std::string text(1 + random() % 30, '0');
        for (char& c : text) c = static_cast<char>('0' + random() % 10);
        if (random() & 1) text.insert(random() % text.size(), ".");
        text += "e" + std::to_string(static_cast<int>(random() % 700) - 350);
        const double expected = std::strtod(text.c_str(), nullptr);
        double value = 0.0;
        const bool ok = ParseDouble(Wide(text).c_str(), value);
        ASSERT_EQ(ok, !std::isinf(expected)) << text;
        if (ok) {
            ASSERT_TRUE(SameBits(value, expected)) << text;
        }
    }
}
#endif

// ------------------------------------------------------------ other texts

TEST(CompareWideText, OrdersByCodeUnits) {
    const struct {
        const Char* a;
        const Char* b;
        int expected;
    } cases[] = {{TXT("a"), TXT("B"), 1},   {TXT("abc"), TXT("abc"), 0},
                 {TXT("ab"), TXT("abc"), -1}, {TXT(""), TXT(""), 0},
                 {TXT(""), TXT("a"), -1},     {TXT("\u00E9"), TXT("z"), 1},
                 {TXT("\uFFFF"), TXT("\u0100"), 1}};
    for (const auto& c : cases) {
        EXPECT_EQ(CompareWideText(c.a, c.b), c.expected) << Utf8(c.a) << " " << Utf8(c.b);
        EXPECT_EQ(CompareWideText(c.b, c.a), -c.expected) << Utf8(c.a) << " " << Utf8(c.b);
    }
}

TEST(BuildProductTitle, JoinsNameVersionAndAnyEdition) {
    MemoryStorageService storage;
    String title(TXT("old title that is long"));
    test::ProductTexts texts;
    texts.version = TXT("1.0.3");
    texts.edition = TXT("");
    test::FakeProductInfo plain(storage, texts);
    EXPECT_EQ(Utf8(BuildProductTitle(plain, title).Text()), "Corvinata 1.0.3");
    texts.edition = TXT("Classroom");
    test::FakeProductInfo edition(storage, texts);
    EXPECT_EQ(Utf8(edition.GetProductTitle(title).Text()), "Corvinata 1.0.3 Classroom");
}

TEST(ApplicationServices, RegistrationIsScopedAndRestored) {
    MemoryStorageService storage;
    test::FakeProductInfo outer(storage), inner(storage);
    ScopedApplicationServices registered(&outer, nullptr);
    EXPECT_TRUE(HasProductInfo());
    EXPECT_FALSE(HasDisplayFormat());
    {
        ScopedApplicationServices nested(&inner, nullptr);
        EXPECT_EQ(&GetProductInfo(), &inner);
    }
    EXPECT_EQ(&GetProductInfo(), &outer);
}

// ------------------------------------------------------------ time zones

TEST(TimeZoneQuarterIndex, KnowsTheFourQuartersOnly) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double offsets[] = {0.0, 0.25, 0.5, 0.75, 0.2500001, -0.5, nan};
    const int expected[] = {0, 1, 2, 3, 0, 0, 0};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(TimeZoneQuarterIndex(offsets[i]), expected[i]) << i;
}

TEST(TimeZoneFractionField, FormatsTheQuarter) {
    using Mode = TimeZoneFractionMode;
    const struct {
        Mode mode;
        int index, width;
        const char* expected;
    } cases[] = {{Mode::Minutes, 1, 2, "15"},     {Mode::Minutes, 0, 2, "00"},
                 {Mode::Minutes, 3, 0, "45"},     {Mode::Hundredths, 1, 2, "25"},
                 {Mode::Hundredths, 3, 3, "075"}, {Mode::Hundredths, 0, 1, "0"},
                 {Mode::Minutes, 4, 2, "00"},     {Mode::Minutes, -1, 2, "00"}};
    for (const auto& c : cases) {
        TimeZoneFractionField field(c.mode);
        EXPECT_EQ(Utf8(field.Format(c.index, c.width)), c.expected) << c.index << " " << c.width;
    }
}

TEST(TimeZoneFractionField, CloneKeepsTheModeButNotTheText) {
    TimeZoneFractionField field(TimeZoneFractionMode::Minutes);
    field.Format(2, 2);
    const auto copy = field.Clone();
    EXPECT_EQ(copy->Mode(), TimeZoneFractionMode::Minutes);
    EXPECT_TRUE(copy->Text().IsEmpty());
    EXPECT_EQ(Utf8(copy->Format(2, 2)), "30");
}

}  // namespace
}  // namespace corvinata
