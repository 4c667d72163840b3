#include "base/text_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "base/number_text.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Utf8;

std::string Formatted(double value, int precision, bool showPlus = false) {
    String out;
    return Utf8(FormatDouble(value, precision, out, showPlus));
}

// ---------------------------------------------------------------- integers

struct IntegerCase {
    int value;
    int minWidth;
    bool padLeft;
    char fill;
    const char* expected;
};

class StringFromIntegerTest : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(StringFromIntegerTest, WritesDigitsAndPads) {
    const IntegerCase& c = GetParam();
    String out(TXT("previous text"));
    StringFromInteger(c.value, c.minWidth, out, c.padLeft, static_cast<Char>(c.fill));
    EXPECT_EQ(Utf8(out), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, StringFromIntegerTest,
    ::testing::Values(IntegerCase{7, 2, true, '0', "07"}, IntegerCase{7, 3, false, ' ', "7  "},
                      IntegerCase{-5, 3, true, '0', "0-5"}, IntegerCase{1234, 0, true, '0', "1234"},
                      IntegerCase{1234, 2, true, '0', "1234"}, IntegerCase{0, 0, true, ' ', "0"},
                      IntegerCase{2147483647, 0, true, ' ', "2147483647"},
                      IntegerCase{-2147483647 - 1, 0, true, ' ', "-2147483648"},
                      IntegerCase{-2147483647 - 1, 12, true, '*', "*-2147483648"}));

TEST(NumberTextFromInt, HoldsItsOwnDigits) {
    const FormatArgument argument = NumberTextFromInt(-308);
    EXPECT_EQ(Utf8(argument.Text()), "-308");
}

TEST(AppendHexByte, WritesTwoUpperCaseDigitsWithoutTerminator) {
    Char buffer[8] = {'x', 'x', 'x', 'x', 'x', 'x', 'x', 0};
    int position = 1;
    AppendHexByte(0xA5, buffer, position);
    AppendHexByte(0x0F, buffer, position);
    AppendHexByte(0x00, buffer, position);
    EXPECT_EQ(position, 7);
    EXPECT_EQ(Utf8(buffer), "xA50F00");
}

// ----------------------------------------------------------------- doubles

struct DoubleCase {
    double value;
    int precision;
    bool showPlus;
    const char* expected;
};

void PrintTo(const DoubleCase& c, std::ostream* os) {
    *os << c.value << " precision " << c.precision << (c.showPlus ? " +" : "");
}

class FormatDoubleTest : public ::testing::TestWithParam<DoubleCase> {};

TEST_P(FormatDoubleTest, WritesFixedPointText) {
    const DoubleCase& c = GetParam();
    EXPECT_EQ(Formatted(c.value, c.precision, c.showPlus), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FormatDoubleTest,
    ::testing::Values(DoubleCase{2.5, -3, false, "2.5"}, DoubleCase{3.0, -3, false, "3"},
                      DoubleCase{10.0, -2, false, "10"}, DoubleCase{2.5, 3, false, "2.500"},
                      DoubleCase{2.0, 0, false, "2"}, DoubleCase{1.26, 1, true, "+1.3"},
                      DoubleCase{0.0001, -3, true, "+0"}, DoubleCase{-0.0001, -3, false, "-0"},
                      DoubleCase{0.0, 2, true, "0.00"}, DoubleCase{-2.0, -2, false, "-2"},
                      DoubleCase{1.05, 0, false, "1"}, DoubleCase{3.0, -6, false, "3"},
                      DoubleCase{0.5, -6, false, "0.5"}, DoubleCase{-1.5, 2, true, "-1.50"},
                      DoubleCase{100.0, -1, false, "100"}, DoubleCase{0.0, -4, false, "0"},
                      DoubleCase{123456789012.0, 1, false, "123456789012.0"}));

// Ties are judged on the exact binary value: only values a double holds
// exactly are ties, and they round to even; others round by their true value.
INSTANTIATE_TEST_SUITE_P(
    Ties, FormatDoubleTest,
    ::testing::Values(DoubleCase{0.125, 2, false, "0.12"}, DoubleCase{0.375, 2, false, "0.38"},
                      DoubleCase{2.5, 0, false, "2"}, DoubleCase{3.5, 0, false, "4"},
                      DoubleCase{-2.5, 0, false, "-2"}, DoubleCase{0.5, 0, false, "0"},
                      DoubleCase{1.5, 0, false, "2"}, DoubleCase{1.005, 2, false, "1.00"},
                      DoubleCase{2.675, 2, false, "2.67"}, DoubleCase{1.45, 1, false, "1.4"},
                      DoubleCase{0.15, 1, false, "0.1"}, DoubleCase{0.25, 1, false, "0.2"},
                      DoubleCase{9.995, 2, false, "9.99"}, DoubleCase{9.9951, 2, false, "10.00"}));

// Digits far beyond the usual 17, compared with exact expansions of the
// binary values.
INSTANTIATE_TEST_SUITE_P(
    ExactExpansions, FormatDoubleTest,
    ::testing::Values(DoubleCase{0.1, 20, false, "0.10000000000000000555"},
                      DoubleCase{1e23, 0, false, "99999999999999991611392"},
                      DoubleCase{1.0 / 3.0, -30, false, "0.333333333333333314829616256247"}));

TEST(FormatDouble, SmallestSubnormalKeepsTheTextWithinTheLimit) {
    const std::string text = Formatted(5e-324, 330);
    ASSERT_EQ(text.size(), static_cast<std::size_t>(kFormatDoubleMaxLength));
    EXPECT_EQ(text, "0." + std::string(kFormatDoubleMaxLength - 2, '0'));
}

TEST(FormatDouble, TooManyDecimalsAreCutToTheLimit) {
    const std::string text = Formatted(-1.0 / 3.0, 400, true);
    ASSERT_EQ(text.size(), static_cast<std::size_t>(kFormatDoubleMaxLength));
    EXPECT_EQ(text.substr(0, 20), "-0.33333333333333331");
    const std::string plus = Formatted(1.0 / 3.0, 400, true);
    EXPECT_EQ(plus.size(), static_cast<std::size_t>(kFormatDoubleMaxLength));
    EXPECT_EQ(plus.substr(0, 3), "+0.");
}

TEST(FormatDouble, HugeValuesKeepEveryIntegerDigit) {
    const std::string text = Formatted(std::numeric_limits<double>::max(), 5);
    ASSERT_EQ(text.size(), 309u);
    EXPECT_EQ(text.substr(0, 17), "17976931348623157");
    EXPECT_EQ(text.find('.'), std::string::npos);
    const std::string fits = Formatted(1e290, 20);
    EXPECT_LE(fits.size(), static_cast<std::size_t>(kFormatDoubleMaxLength));
    EXPECT_EQ(fits.substr(0, 10), "1000000000");
}

TEST(FormatDouble, NonFiniteValuesHaveFixedTexts) {
    EXPECT_EQ(Formatted(std::numeric_limits<double>::quiet_NaN(), 2, true), "nan");
    EXPECT_EQ(Formatted(std::numeric_limits<double>::infinity(), 2, true), "+inf");
    EXPECT_EQ(Formatted(-std::numeric_limits<double>::infinity(), 2), "-inf");
}

TEST(FormatDouble, ReusesACapacityLargeEnough) {
    String out(TXT("0123456789"));
    const Char* before = out.Text();
    FormatDouble(2.25, 2, out, false);
    EXPECT_EQ(out.Text(), before);
    EXPECT_EQ(out.Capacity(), 10);
    EXPECT_EQ(Utf8(out), "2.25");
}

// A double written with 17 significant digits reads back as the same
// double; this ties the writer and the reader to each other on random input
// spread over most of the exponent range.
TEST(FormatDouble, SeventeenSignificantDigitsReadBackExactly) {
    std::mt19937_64 random(20240611);
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t bits = random();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value) || value == 0.0) continue;
        const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
        if (magnitude < -280 || magnitude > 280) continue;
        const int decimals = magnitude >= 16 ? 0 : 16 - magnitude;
        String text;
        FormatDouble(value, decimals, text, false);
        double back = 0.0;
        int used = 0;
        ASSERT_TRUE(ParseDouble(text.Text(), back, &used)) << Utf8(text);
        EXPECT_EQ(used, text.Length());
        EXPECT_EQ(back, value) << Utf8(text);
    }
}

#if defined(__GLIBC__)
// glibc's printf rounds correctly from the exact binary value; the program's
// own writer must give the same text (it gives it on every build).
TEST(FormatDouble, AgreesWithACorrectlyRoundingPrintf) {
    std::mt19937_64 random(7);
    for (int i = 0; i < 20000; ++i) {
        double value = std::ldexp(static_cast<double>(random() >> 11),
                                  static_cast<int>(random() % 90) - 70);
        if (random() & 1) value = -value;
        const int decimals = static_cast<int>(random() % 25);
        char expected[512];
        std::snprintf(expected, sizeof expected, "%.*f", decimals, value);
        ASSERT_EQ(Formatted(value, decimals), expected) << value << " " << decimals;
    }
}
#endif

// ----------------------------------------------------- padding and trimming

TEST(PadString, AlignsRightAndLeft) {
    String s(TXT("abc"));
    EXPECT_EQ(Utf8(PadString(s, 2, '*')), "abc");
    String t(TXT("ab"));
    EXPECT_EQ(Utf8(PadString(t, 4, '*')), "**ab");
    EXPECT_EQ(t.Capacity(), 4);
    String u(TXT("ab"));
    EXPECT_EQ(Utf8(PadStringRight(u, 4, '*')), "ab**");
    EXPECT_EQ(u.Capacity(), 4);
    String empty;
    EXPECT_EQ(Utf8(PadString(empty, 3, '0')), "000");
    String none;
    PadStringRight(none, 0, '0');
    EXPECT_TRUE(none.IsShared());
}

TEST(TrimRight, RemovesTrailingWhiteSpaceOnly) {
    String s(TXT("12 E \t\r\n"));
    const int capacity = s.Capacity();
    EXPECT_EQ(Utf8(TrimRight(s)), "12 E");
    EXPECT_EQ(s.Capacity(), capacity);
    String blanks(TXT("   "));
    EXPECT_EQ(Utf8(TrimRight(blanks)), "");
    String empty;
    EXPECT_EQ(Utf8(TrimRight(empty)), "");
    EXPECT_TRUE(empty.IsShared());
    String wide(TXT("x\u00A0\u3000"));
    EXPECT_EQ(Utf8(TrimRight(wide)), "x");
    String zeroWidth(TXT("x\u200B"));
    EXPECT_EQ(TrimRight(zeroWidth).Length(), 2);
}

// ------------------------------------------------------------- replacement

struct ReplaceCase {
    const Char* text;
    const Char* pattern;
    const Char* replacement;
    int first;
    int last;
    const char* expected;
};

class ReplaceSubstringTest : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceSubstringTest, ReplacesTheChosenOccurrences) {
    const ReplaceCase& c = GetParam();
    String s(c.text);
    EXPECT_EQ(Utf8(ReplaceSubstring(s, c.pattern, c.replacement, c.first, c.last)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReplaceSubstringTest,
    ::testing::Values(ReplaceCase{TXT("a&b&c"), TXT("&"), TXT(""), 0, -1, "abc"},
                      ReplaceCase{TXT("x%1y%1"), TXT("%1"), TXT("Q"), 1, -1, "x%1yQ"},
                      ReplaceCase{TXT("aaa"), TXT("aa"), TXT("b"), 0, -1, "ba"},
                      ReplaceCase{TXT("abc"), TXT("z"), TXT("y"), 0, -1, "abc"},
                      ReplaceCase{TXT("a.b.c.d"), TXT("."), TXT("::"), 1, 2, "a.b::c::d"},
                      ReplaceCase{TXT("a.b.c"), TXT("."), TXT("-"), 0, 0, "a-b.c"},
                      ReplaceCase{TXT("a.b.c"), TXT("."), TXT("-"), 5, -1, "a.b.c"},
                      ReplaceCase{TXT("Abc abc"), TXT("abc"), TXT("x"), 0, -1, "Abc x"},
                      ReplaceCase{TXT("ab"), TXT("b"), TXT("bb"), 0, -1, "abb"},
                      ReplaceCase{TXT("ab"), TXT(""), TXT("z"), 0, -1, "ab"},
                      ReplaceCase{TXT(""), TXT("a"), TXT("z"), 0, -1, ""}));

TEST(ReplaceSubstring, AbsentPatternLeavesTheBufferAlone) {
    String s(TXT("unchanged"));
    const Char* before = s.Text();
    ReplaceSubstring(s, TXT("%"), TXT("x"), 0, -1);
    EXPECT_EQ(s.Text(), before);
}

TEST(ReplaceSubstring, ReplacementTakenFromTheStringItself) {
    String s(TXT("ab-cd"));
    ReplaceSubstring(s, TXT("-"), s.Text(), 0, -1);
    EXPECT_EQ(Utf8(s), "abab-cdcd");
}

// ------------------------------------------------------------------ messages

TEST(FormatPercent, ReplacesMarkersInOrder) {
    EXPECT_EQ(Utf8(FormatPercent2(TXT("% of %"), TXT("3"), TXT("5"))), "3 of 5");
    EXPECT_EQ(Utf8(FormatPercent1(TXT("no marker"), TXT("x"))), "no marker");
    EXPECT_EQ(Utf8(FormatPercent1(TXT("% and %"), TXT("x"))), "x and %");
    EXPECT_EQ(Utf8(FormatPercent3(TXT("%%%"), TXT("a"), TXT(""), TXT("c"))), "ac");
    EXPECT_EQ(Utf8(FormatPercent1(TXT(""), TXT("x"))), "");
    const String name(TXT("Sky"));
    EXPECT_EQ(Utf8(FormatPercent2(TXT("% was unable to open the file %"), name,
                                    NumberTextFromInt(42))),
              "Sky was unable to open the file 42");
}

TEST(FormatPercent, EveryArityUsesItsArguments) {
    EXPECT_EQ(Utf8(FormatPercent5(TXT("%-%-%-%-%"), TXT("1"), TXT("2"), TXT("3"), TXT("4"),
                                    TXT("5"))),
              "1-2-3-4-5");
    EXPECT_EQ(Utf8(FormatPercent12(TXT("%%%%%%%%%%%%."), TXT("a"), TXT("b"), TXT("c"),
                                     TXT("d"), TXT("e"), TXT("f"), TXT("g"), TXT("h"),
                                     TXT("i"), TXT("j"), TXT("k"), TXT("l"))),
              "abcdefghijkl.");
}

// A file name such as "50% scale.png" inside a message used to swallow the
// next argument and leave a stray "%" in the message.
TEST(FormatPercent, PercentInsideAnArgumentIsNotReplaced) {
    EXPECT_EQ(Utf8(FormatPercent2(TXT("% then %"), TXT("50%"), TXT("x"))), "50% then x");
    EXPECT_EQ(Utf8(FormatPercent3(TXT("Cannot open % (% of %)"), TXT("50% scale.png"),
                                    TXT("3"), TXT("7"))),
              "Cannot open 50% scale.png (3 of 7)");
    EXPECT_EQ(Utf8(FormatPercent1(TXT("%"), TXT("%"))), "%");
}

}  // namespace
}  // namespace corvinata
