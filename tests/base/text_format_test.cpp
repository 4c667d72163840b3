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

TEST(StringFromInteger, WritesDigitsAndPads) {
    const struct {
        int value, minWidth;
        bool padLeft;
        char fill;
        const char* expected;
    } cases[] = {{7, 2, true, '0', "07"},       {7, 3, false, ' ', "7  "},
                 {-5, 3, true, '0', "0-5"},     {1234, 2, true, '0', "1234"},
                 {0, 0, true, ' ', "0"},        {2147483647, 0, true, ' ', "2147483647"},
                 {-2147483647 - 1, 0, true, ' ', "-2147483648"},
                 {-2147483647 - 1, 12, true, '*', "*-2147483648"}};
    for (const auto& c : cases) {
        String out(TXT("previous text"));
        StringFromInteger(c.value, c.minWidth, out, c.padLeft, static_cast<Char>(c.fill));
        EXPECT_EQ(Utf8(out), c.expected);
    }
}

TEST(AppendHexByte, WritesTwoUpperCaseDigitsWithoutTerminator) {
    Char buffer[8] = {'x', 'x', 'x', 'x', 'x', 'x', 'x', 0};
    int position = 1;
    for (int byte : {0xA5, 0x0F, 0x00}) AppendHexByte(byte, buffer, position);
    EXPECT_EQ(position, 7);
    EXPECT_EQ(Utf8(buffer), "xA50F00");
}

// ----------------------------------------------------------------- doubles

TEST(FormatDouble, WritesFixedPointText) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double value;
        int precision;  // negative: at most that many decimals, trailing zeros dropped
        bool showPlus;
        const char* expected;
    } cases[] = {
        {2.5, -3, false, "2.5"}, {3.0, -3, false, "3"}, {10.0, -2, false, "10"},
        {2.5, 3, false, "2.500"}, {1.26, 1, true, "+1.3"}, {0.0001, -3, true, "+0"},
        {-0.0001, -3, false, "-0"}, {0.0, 2, true, "0.00"}, {1.05, 0, false, "1"},
        {-1.5, 2, true, "-1.50"}, {0.0, -4, false, "0"},
        {123456789012.0, 1, false, "123456789012.0"},
        // Ties are judged on the exact binary value: only values a double holds
        // exactly are ties, and they round to even; others round by their true value.
        {0.125, 2, false, "0.12"}, {0.375, 2, false, "0.38"}, {2.5, 0, false, "2"},
        {3.5, 0, false, "4"}, {-2.5, 0, false, "-2"}, {0.5, 0, false, "0"},
        {1.005, 2, false, "1.00"}, {2.675, 2, false, "2.67"}, {1.45, 1, false, "1.4"},
        {9.995, 2, false, "9.99"}, {9.9951, 2, false, "10.00"},
        // Digits far beyond the usual 17: exact expansions of the binary values.
        {0.1, 20, false, "0.10000000000000000555"}, {1e23, 0, false, "99999999999999991611392"},
        {1.0 / 3.0, -30, false, "0.333333333333333314829616256247"},
        {nan, 2, true, "nan"}, {inf, 2, true, "+inf"}, {-inf, 2, false, "-inf"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Formatted(c.value, c.precision, c.showPlus), c.expected)
            << c.value << " precision " << c.precision;
    }
}

TEST(FormatDouble, TextStaysWithinTheLimit) {
    const std::size_t limit = kFormatDoubleMaxLength;
    EXPECT_EQ(Formatted(5e-324, 330), "0." + std::string(limit - 2, '0'));
    const std::string third = Formatted(-1.0 / 3.0, 400, true);
    EXPECT_EQ(third.size(), limit);
    EXPECT_EQ(third.substr(0, 20), "-0.33333333333333331");
    const std::string plus = Formatted(1.0 / 3.0, 400, true);
    EXPECT_EQ(plus.size(), limit);
    EXPECT_EQ(plus.substr(0, 3), "+0.");
    const std::string fits = Formatted(1e290, 20);
    EXPECT_LE(fits.size(), limit);
    EXPECT_EQ(fits.substr(0, 10), "1000000000");
    // Huge values keep every integer digit, even beyond the limit.
    const std::string huge = Formatted(std::numeric_limits<double>::max(), 5);
    EXPECT_EQ(huge.size(), 309u);
    EXPECT_EQ(huge.substr(0, 17), "17976931348623157");
    EXPECT_EQ(huge.find('.'), std::string::npos);
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
        String text;
        FormatDouble(value, magnitude >= 16 ? 0 : 16 - magnitude, text, false);
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

TEST(PadString, AlignsRightAndLeftGrowingToTheWidth) {
    String s(TXT("abc")), t(TXT("ab")), u(TXT("ab")), empty, none;
    EXPECT_EQ(Utf8(PadString(s, 2, '*')), "abc");
    EXPECT_EQ(Utf8(PadString(t, 4, '*')), "**ab");
    EXPECT_EQ(Utf8(PadStringRight(u, 4, '*')), "ab**");
    EXPECT_EQ(t.Capacity(), 4);
    EXPECT_EQ(u.Capacity(), 4);
    EXPECT_EQ(Utf8(PadString(empty, 3, '0')), "000");
    PadStringRight(none, 0, '0');
    EXPECT_TRUE(none.IsShared());
}

TEST(TrimRight, RemovesTrailingWhiteSpaceOnly) {
    String s(TXT("12 E \t\r\n")), blanks(TXT("   ")), empty, wide(TXT("x\u00A0\u3000"));
    const int capacity = s.Capacity();
    EXPECT_EQ(Utf8(TrimRight(s)), "12 E");
    EXPECT_EQ(s.Capacity(), capacity);
    EXPECT_EQ(Utf8(TrimRight(blanks)), "");
    EXPECT_EQ(Utf8(TrimRight(empty)), "");
    EXPECT_TRUE(empty.IsShared());
    EXPECT_EQ(Utf8(TrimRight(wide)), "x");
    String zeroWidth(TXT("x\u200B"));
    EXPECT_EQ(TrimRight(zeroWidth).Length(), 2);
}

// ------------------------------------------------------------- replacement

TEST(ReplaceSubstring, ReplacesTheChosenOccurrences) {
    const struct {
        const Char *text, *pattern, *replacement;
        int first, last;
        const char* expected;
    } cases[] = {{TXT("a&b&c"), TXT("&"), TXT(""), 0, -1, "abc"},
                 {TXT("x%1y%1"), TXT("%1"), TXT("Q"), 1, -1, "x%1yQ"},
                 {TXT("aaa"), TXT("aa"), TXT("b"), 0, -1, "ba"},
                 {TXT("a.b.c.d"), TXT("."), TXT("::"), 1, 2, "a.b::c::d"},
                 {TXT("a.b.c"), TXT("."), TXT("-"), 0, 0, "a-b.c"},
                 {TXT("a.b.c"), TXT("."), TXT("-"), 5, -1, "a.b.c"},
                 {TXT("Abc abc"), TXT("abc"), TXT("x"), 0, -1, "Abc x"},
                 {TXT("ab"), TXT("b"), TXT("bb"), 0, -1, "abb"},
                 {TXT("ab"), TXT(""), TXT("z"), 0, -1, "ab"},
                 {TXT(""), TXT("a"), TXT("z"), 0, -1, ""}};
    for (const auto& c : cases) {
        String s(c.text);
        EXPECT_EQ(Utf8(ReplaceSubstring(s, c.pattern, c.replacement, c.first, c.last)),
                  c.expected);
    }
    // An absent pattern leaves the buffer alone.
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

TEST(FormatPercent, ReplacesMarkersInOrderForEveryArity) {
    EXPECT_EQ(Utf8(FormatPercent1(TXT("no marker"), TXT("x"))), "no marker");
    EXPECT_EQ(Utf8(FormatPercent1(TXT("% and %"), TXT("x"))), "x and %");
    EXPECT_EQ(Utf8(FormatPercent1(TXT(""), TXT("x"))), "");
    EXPECT_EQ(Utf8(FormatPercent3(TXT("%%%"), TXT("a"), TXT(""), TXT("c"))), "ac");
    EXPECT_EQ(Utf8(FormatPercent2(TXT("% was unable to open the file %"), String(TXT("Sky")),
                                    NumberTextFromInt(-42))),
              "Sky was unable to open the file -42");
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
