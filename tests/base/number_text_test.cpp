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

struct ParseCase {
    const char* text;
    bool ok;
    double value;
    int consumed;
};

void PrintTo(const ParseCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class ParseDoubleTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseDoubleTest, ReadsOrRefuses) {
    const ParseCase& c = GetParam();
    const auto text = Wide(c.text);
    double value = -777.0;
    int consumed = -1;
    EXPECT_EQ(ParseDouble(text.c_str(), value, &consumed), c.ok);
    EXPECT_EQ(consumed, c.consumed);
    if (c.ok) {
        EXPECT_TRUE(SameBits(value, c.value)) << value << " vs " << c.value;
    } else {
        EXPECT_EQ(value, -777.0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, ParseDoubleTest,
    ::testing::Values(ParseCase{"12.5abc", true, 12.5, 4}, ParseCase{"abc", false, 0, 0},
                      ParseCase{"", false, 0, 0}, ParseCase{"  -3", true, -3.0, 4},
                      ParseCase{"+.5", true, 0.5, 3}, ParseCase{"5.", true, 5.0, 2},
                      ParseCase{".", false, 0, 0}, ParseCase{"-.e5", false, 0, 0},
                      ParseCase{"1e5", true, 1e5, 3}, ParseCase{"1E+2x", true, 100.0, 4},
                      ParseCase{"2.5e-3", true, 0.0025, 6}, ParseCase{"7e", true, 7.0, 1},
                      ParseCase{"7e+", true, 7.0, 1}, ParseCase{"7 e5", true, 7.0, 1},
                      ParseCase{"1.2.3", true, 1.2, 3}, ParseCase{"1,5", true, 1.0, 1},
                      ParseCase{"-0", true, -0.0, 2}, ParseCase{"0e999999999999", true, 0.0, 14},
                      ParseCase{"\t\n 8", true, 8.0, 4}, ParseCase{"- 8", false, 0, 0}));

// Only decimal text is a number: the C library's extras are not.
INSTANTIATE_TEST_SUITE_P(
    NoHexadecimalInfinityOrNan, ParseDoubleTest,
    ::testing::Values(ParseCase{"0x10", true, 0.0, 1}, ParseCase{"inf", false, 0, 0},
                      ParseCase{"-infinity", false, 0, 0}, ParseCase{"nan", false, 0, 0},
                      ParseCase{"NAN(1)", false, 0, 0}));

INSTANTIATE_TEST_SUITE_P(
    Limits, ParseDoubleTest,
    ::testing::Values(ParseCase{"1e309", false, 0, 0}, ParseCase{"-1e400", false, 0, 0},
                      ParseCase{"1e-400", true, 0.0, 6}, ParseCase{"-1e-400", true, -0.0, 7},
                      ParseCase{"1.7976931348623157e308", true, DBL_MAX, 22},
                      ParseCase{"1.7976931348623158e308", true, DBL_MAX, 22},
                      ParseCase{"1.797693134862315808e308", false, 0, 0},
                      ParseCase{"2.2250738585072014e-308", true, DBL_MIN, 23},
                      ParseCase{"4.9406564584124654e-324", true, 4.9406564584124654e-324, 23},
                      ParseCase{"2.4703282292062328e-324", true, 4.9406564584124654e-324, 23},
                      ParseCase{"2.4703282292062327e-324", true, 0.0, 23},
                      ParseCase{"9007199254740993", true, 9007199254740992.0, 16},
                      ParseCase{"9007199254740995", true, 9007199254740996.0, 16},
                      ParseCase{"0.1", true, 0.1, 3}, ParseCase{"1e23", true, 1e23, 4}));

TEST(ParseDouble, FourHundredNinesOverflow) {
    const auto text = Wide(std::string(400, '9'));
    double value = 1.0;
    int consumed = 5;
    EXPECT_FALSE(ParseDouble(text.c_str(), value, &consumed));
    EXPECT_EQ(consumed, 0);
    EXPECT_EQ(value, 1.0);
}

TEST(ParseDouble, ConsumedIsOptional) {
    double value = 0.0;
    EXPECT_TRUE(ParseDouble(TXT("4.25"), value));
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
        int remaining = std::abs(exponent2);
        while (remaining > 0) {
            const int step = std::min(remaining, negative ? 13 : 30);
            std::int64_t factor = 1;
            for (int i = 0; i < step; ++i) factor *= negative ? 5 : 2;
            std::int64_t carry = 0;
            for (std::int64_t& d : value) {
                const std::int64_t product = d * factor + carry;
                d = product % 10;
                carry = product / 10;
            }
            for (; carry != 0; carry /= 10) value.push_back(carry % 10);
            remaining -= step;
        }
        for (auto it = value.rbegin(); it != value.rend(); ++it)
            digits += static_cast<char>('0' + *it);
        power = static_cast<int>(digits.size()) - (negative ? -exponent2 : 0);
    }

    // The text with `more` digits after the exact ones.
    std::string Text(const std::string& more = "") const {
        return "0." + digits + more + "e" + std::to_string(power);
    }

    // The text of the value less one unit of its last digit, followed by `more`.
    std::string TextBelow(const std::string& more) const {
        std::string lower = digits;
        for (auto it = lower.rbegin(); it != lower.rend(); ++it) {
            if (*it != '0') {
                --*it;
                break;
            }
            *it = '9';
        }
        return "0." + lower + more + "e" + std::to_string(power);
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
        const double even = (significand & 1) ? upper : lower;

        const ExactDecimal midpoint(2 * significand + 1, exponent - 1);
        EXPECT_TRUE(SameBits(Parsed(midpoint.Text()), even)) << midpoint.Text();
        // Far enough down to lie beyond the digits the reader keeps exactly.
        EXPECT_TRUE(SameBits(Parsed(midpoint.Text(std::string(60, '0') + "1")), upper))
            << midpoint.Text();
        EXPECT_TRUE(SameBits(Parsed(midpoint.TextBelow("99999999999")), lower)) << midpoint.Text();
    }
}

TEST(ParseDouble, SubnormalMidpointsRoundExactly) {
    // Halfway between 0 and the least subnormal, and between the first two.
    const double least = std::numeric_limits<double>::denorm_min();
    EXPECT_TRUE(SameBits(Parsed(ExactDecimal(1, -1075).Text()), 0.0));
    EXPECT_TRUE(SameBits(Parsed(ExactDecimal(1, -1075).Text(std::string(100, '0') + "1")), least));
    EXPECT_TRUE(SameBits(Parsed(ExactDecimal(3, -1075).Text()), 2 * least));
    EXPECT_TRUE(SameBits(Parsed(ExactDecimal(3, -1075).TextBelow("9")), least));
    const std::string justAbove = "0." + std::string(323, '0') + "2470328229206232720882844";
    EXPECT_TRUE(SameBits(Parsed(justAbove), least));
}

TEST(ParseDouble, LargestDoubleAndTheOverflowBoundary) {
    EXPECT_TRUE(SameBits(Parsed(ExactDecimal((std::uint64_t{1} << 53) - 1, 971).Text()), DBL_MAX));
    // DBL_MAX + half an ulp = (2^54 - 1) * 2^970 rounds to even: 2^1024, too large.
    const ExactDecimal boundary((std::uint64_t{1} << 54) - 1, 970);
    double value = 1.0;
    const auto wide = Wide(boundary.Text());
    EXPECT_FALSE(ParseDouble(wide.c_str(), value));
    EXPECT_EQ(value, 1.0);
    EXPECT_TRUE(SameBits(Parsed(boundary.TextBelow("9")), DBL_MAX));
}

TEST(ParseDouble, VeryLongTextsKeepTheirMeaning) {
    // A thousand digits before the point and a thousand zeros after it.
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
        const auto wide = Wide(text);
        if (std::isinf(expected)) {
            EXPECT_FALSE(ParseDouble(wide.c_str(), value)) << text;
        } else {
            ASSERT_TRUE(ParseDouble(wide.c_str(), value)) << text;
            ASSERT_TRUE(SameBits(value, expected)) << text;
        }
    }
}
#endif

// ---------------------------------------------------------- CompareWideText

struct CompareCase {
    const Char* a;
    const Char* b;
    int expected;
};

class CompareWideTextTest : public ::testing::TestWithParam<CompareCase> {};

TEST_P(CompareWideTextTest, OrdersByCodeUnits) {
    const CompareCase& c = GetParam();
    EXPECT_EQ(CompareWideText(c.a, c.b), c.expected);
    EXPECT_EQ(CompareWideText(c.b, c.a), -c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CompareWideTextTest,
    ::testing::Values(CompareCase{TXT("a"), TXT("B"), 1}, CompareCase{TXT("abc"), TXT("abc"), 0},
                      CompareCase{TXT("ab"), TXT("abc"), -1}, CompareCase{TXT(""), TXT(""), 0},
                      CompareCase{TXT(""), TXT("a"), -1},
                      CompareCase{TXT("\u00E9"), TXT("z"), 1},
                      CompareCase{TXT("\uFFFF"), TXT("\u0100"), 1}));

// ---------------------------------------------------- product information

// The product texts with the given edition.
test::ProductTexts Edition(const Char* edition) {
    test::ProductTexts texts;
    texts.version = TXT("1.0.3");
    texts.edition = edition;
    return texts;
}

TEST(BuildProductTitle, JoinsNameVersionAndAnyEdition) {
    MemoryStorageService storage;
    String title(TXT("old title that is long"));
    test::FakeProductInfo plain(storage, Edition(TXT("")));
    EXPECT_EQ(Utf8(BuildProductTitle(plain, title).Text()), "Corvinata 1.0.3");
    test::FakeProductInfo edition(storage, Edition(TXT("Classroom")));
    EXPECT_EQ(Utf8(edition.GetProductTitle(title).Text()), "Corvinata 1.0.3 Classroom");
}

TEST(ApplicationServices, RegistrationIsScopedAndRestored) {
    MemoryStorageService storage;
    test::FakeProductInfo outer(storage);
    ScopedApplicationServices registered(&outer, nullptr);
    EXPECT_TRUE(HasProductInfo());
    EXPECT_FALSE(HasDisplayFormat());
    {
        test::FakeProductInfo inner(storage);
        ScopedApplicationServices nested(&inner, nullptr);
        EXPECT_EQ(&GetProductInfo(), &inner);
    }
    EXPECT_EQ(&GetProductInfo(), &outer);
}

// ------------------------------------------------------------ time zones

TEST(TimeZoneQuarterIndex, KnowsTheFourQuartersOnly) {
    EXPECT_EQ(TimeZoneQuarterIndex(0.0), 0);
    EXPECT_EQ(TimeZoneQuarterIndex(0.25), 1);
    EXPECT_EQ(TimeZoneQuarterIndex(0.5), 2);
    EXPECT_EQ(TimeZoneQuarterIndex(0.75), 3);
    EXPECT_EQ(TimeZoneQuarterIndex(0.2500001), 0);
    EXPECT_EQ(TimeZoneQuarterIndex(-0.5), 0);
    EXPECT_EQ(TimeZoneQuarterIndex(std::numeric_limits<double>::quiet_NaN()), 0);
}

struct FractionCase {
    TimeZoneFractionMode mode;
    int index;
    int width;
    const char* expected;
};

class TimeZoneFractionFieldTest : public ::testing::TestWithParam<FractionCase> {};

TEST_P(TimeZoneFractionFieldTest, FormatsTheQuarter) {
    const FractionCase& c = GetParam();
    TimeZoneFractionField field(c.mode);
    EXPECT_EQ(Utf8(field.Format(c.index, c.width)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TimeZoneFractionFieldTest,
    ::testing::Values(FractionCase{TimeZoneFractionMode::Minutes, 1, 2, "15"},
                      FractionCase{TimeZoneFractionMode::Minutes, 0, 2, "00"},
                      FractionCase{TimeZoneFractionMode::Minutes, 3, 0, "45"},
                      FractionCase{TimeZoneFractionMode::Hundredths, 1, 2, "25"},
                      FractionCase{TimeZoneFractionMode::Hundredths, 2, 2, "50"},
                      FractionCase{TimeZoneFractionMode::Hundredths, 3, 3, "075"},
                      FractionCase{TimeZoneFractionMode::Hundredths, 0, 1, "0"},
                      FractionCase{TimeZoneFractionMode::Minutes, 4, 2, "00"},
                      FractionCase{TimeZoneFractionMode::Minutes, -1, 2, "00"}));

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
