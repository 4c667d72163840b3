#include "base/text_format.h"

#include <gtest/gtest.h>

#include <algorithm>
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
    const struct { int value, minWidth; bool padLeft; char fill; const char* expected; } cases[] = {
        {7, 2, true, '0', "07"}, {7, 3, false, ' ', "7  "}, {-5, 3, true, '0', "0-5"},
        {1234, 2, true, '0', "1234"}, {-2147483647 - 1, 12, true, '*', "*-2147483648"}};
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
    // Negative precision: at most that many decimals, trailing zeros dropped.
    const struct { double value; int precision; bool showPlus; const char* expected; } cases[] = {
        {2.5, -3, false, "2.5"}, {10.0, -2, false, "10"}, {2.5, 3, false, "2.500"},
        {1.26, 1, true, "+1.3"}, {0.0001, -3, true, "+0"}, {-0.0001, -3, false, "-0"},
        {0.0, 2, true, "0.00"}, {123456789012.0, 1, false, "123456789012.0"},
        // Ties are judged on the exact binary value: only values a double holds
        // exactly are ties, and they round to even; others round by their true value.
        {0.125, 2, false, "0.12"}, {0.375, 2, false, "0.38"}, {2.5, 0, false, "2"},
        {-2.5, 0, false, "-2"}, {1.005, 2, false, "1.00"}, {9.9951, 2, false, "10.00"},
        // Digits far beyond the usual 17: exact expansions of the binary values.
        {0.1, 20, false, "0.10000000000000000555"}, {1e23, 0, false, "99999999999999991611392"},
        {1.0 / 3.0, -30, false, "0.333333333333333314829616256247"},
        {NAN, 2, true, "nan"}, {HUGE_VAL, 2, true, "+inf"}, {-HUGE_VAL, 2, false, "-inf"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Formatted(c.value, c.precision, c.showPlus), c.expected)
            << c.value << " precision " << c.precision;
    }
}

TEST(FormatDouble, TextStaysWithinTheLimit) {
    const std::size_t limit = kFormatDoubleMaxLength;
    EXPECT_EQ(Formatted(5e-324, 330), "0." + std::string(limit - 2, '0'));
    EXPECT_EQ(Formatted(-1.0 / 3.0, 400, true).substr(0, 20), "-0.33333333333333331");
    EXPECT_EQ(Formatted(-1.0 / 3.0, 400, true).size(), limit);
    EXPECT_EQ(Formatted(1e290, 20).substr(0, 10), "1000000000");
    EXPECT_LE(Formatted(1e290, 20).size(), limit);
    // Huge values keep every integer digit, even beyond the limit.
    const std::string huge = Formatted(std::numeric_limits<double>::max(), 5);
    EXPECT_EQ(huge.size(), 309u);
    EXPECT_EQ(huge.substr(0, 17), "17976931348623157");
    EXPECT_EQ(huge.find('.'), std::string::npos);
}

// Random doubles over most of the exponent range, written with 13 to 21
// significant digits: with 17 or more the text reads back as the same double,
// and glibc's printf, which rounds correctly from the exact binary value, gives
// the same text (the program's writer gives it on every build).
TEST(FormatDouble, ReadsBackExactlyAndAgreesWithACorrectlyRoundingPrintf) {
    std::mt19937_64 random(20240611);
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t bits = random();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value) || value == 0.0) continue;
        const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
        if (magnitude < -270 || magnitude > 280) continue;
        const int digits = 13 + static_cast<int>(random() % 9);
        const int decimals = std::max(0, digits - 1 - magnitude);
        const std::string text = Formatted(value, decimals);
        if (digits >= 17) {
            double back = 0.0;
            int used = 0;
            ASSERT_TRUE(ParseDouble(test::Wide(text).c_str(), back, &used)) << text;
            EXPECT_EQ(used, static_cast<int>(text.size()));
            EXPECT_EQ(back, value) << text;
        }
#if defined(__GLIBC__)
        char expected[512];
        std::snprintf(expected, sizeof expected, "%.*f", decimals, value);
        ASSERT_EQ(text, expected) << value << " " << digits;
#endif
    }
}

// ----------------------------------------------------- padding and trimming

TEST(PadString, AlignsRightAndLeftGrowingToTheWidth) {
    String s(TXT("abc")), t(TXT("ab")), u(TXT("ab")), none;
    EXPECT_EQ(Utf8(PadString(s, 2, '*')), "abc");
    EXPECT_EQ(Utf8(PadString(t, 4, '*')), "**ab");
    EXPECT_EQ(Utf8(PadStringRight(u, 4, '*')), "ab**");
    EXPECT_EQ(u.Capacity(), 4);
    PadStringRight(none, 0, '0');
    EXPECT_TRUE(none.IsShared());
}

TEST(TrimRight, RemovesTrailingWhiteSpaceOnly) {
    String s(TXT("12 E \t\r\n")), blanks(TXT("   ")), empty, zeroWidth(TXT("x\u200B"));
    const int capacity = s.Capacity();
    EXPECT_EQ(Utf8(TrimRight(s)), "12 E");
    EXPECT_EQ(s.Capacity(), capacity);
    EXPECT_EQ(Utf8(TrimRight(blanks)), "");
    EXPECT_TRUE(TrimRight(empty).IsShared());
    EXPECT_EQ(TrimRight(zeroWidth).Length(), 2);
    String wide(TXT("x\u00A0\u3000"));
    EXPECT_EQ(Utf8(TrimRight(wide)), "x");
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
                 {TXT("Abc abc"), TXT("abc"), TXT("x"), 0, -1, "Abc x"},
                 {TXT("ab"), TXT("b"), TXT("bb"), 0, -1, "abb"},
                 {TXT("ab"), TXT(""), TXT("z"), 0, -1, "ab"}};
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
    // A replacement taken from the string itself.
    String t(TXT("ab-cd"));
    EXPECT_EQ(Utf8(ReplaceSubstring(t, TXT("-"), t.Text(), 0, -1)), "abab-cdcd");
}

// ------------------------------------------------------------------ messages

TEST(FormatPercent, ReplacesMarkersInOrderForEveryArity) {
    EXPECT_EQ(Utf8(FormatPercent1(TXT("no marker"), TXT("x"))), "no marker");
    EXPECT_EQ(Utf8(FormatPercent1(TXT("% and %"), TXT("x"))), "x and %");
    EXPECT_EQ(Utf8(FormatPercent3(TXT("%%%"), TXT("a"), TXT(""), TXT("c"))), "ac");
    EXPECT_EQ(Utf8(FormatPercent5(TXT("%-%-%-%-%"), String(TXT("1")), TXT("2"), TXT("3"),
                                    NumberTextFromInt(-4), TXT("5"))),
              "1-2-3--4-5");
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
