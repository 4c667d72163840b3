#include "base/text_scanner.h"
#include "support/test_text.h"

#include <gtest/gtest.h>

#include <string>

namespace corvinata {
namespace {

using test::Utf8;

// ------------------------------------------------------------------ literals

TEST(TextScanner, AcceptChainsAndStopsAtTheFirstFailure) {
    TextScanner scanner(TXT("Open Graph"));
    scanner.Accept(TXT("Open")).Accept(TXT(" ")).Accept(TXT("Graph"));
    EXPECT_TRUE(scanner.ok);
    EXPECT_EQ(scanner.position, 10);
    EXPECT_EQ(scanner.matchCount, 3);
    EXPECT_TRUE(scanner.AtEnd());

    int value = 99;
    scanner.Accept(TXT("x")).Accept(TXT("")).ReadInteger(value).ReadChar();
    EXPECT_FALSE(scanner.ok);
    EXPECT_EQ(scanner.position, 10);
    EXPECT_EQ(scanner.matchCount, 3);
    EXPECT_EQ(value, 99);
}

TEST(TextScanner, FailedAcceptKeepsThePosition) {
    TextScanner scanner(TXT("Sky window"));
    scanner.Accept(TXT("Sky ")).Accept(TXT("windows"));
    EXPECT_FALSE(scanner.ok);
    EXPECT_EQ(scanner.position, 4);
    EXPECT_EQ(scanner.matchCount, 1);
}

TEST(TextScanner, CaseFoldingCoversAsciiLettersOnly) {
    TextScanner folded(TXT("open \u00E9"), false);
    EXPECT_TRUE(folded.Matches(TXT("OPEN")));
    folded.position = 5;
    EXPECT_FALSE(folded.Matches(TXT("\u00C9")));
    TextScanner exact(TXT("open"));
    EXPECT_FALSE(exact.Matches(TXT("OPEN")));
    EXPECT_TRUE(exact.Matches(TXT("open")));
}

TEST(TextScanner, MatchesAtTheEndOfTheText) {
    TextScanner scanner(TXT("ab"));
    EXPECT_TRUE(scanner.Matches(TXT("")));
    EXPECT_FALSE(scanner.Matches(TXT("abc")));
    scanner.position = 2;
    EXPECT_TRUE(scanner.Matches(TXT("")));
    EXPECT_FALSE(scanner.Matches(TXT("a")));
    EXPECT_FALSE(scanner.AtChar('a'));
    EXPECT_FALSE(scanner.AtBlank());
}

TEST(TextScanner, AtCharIsExactEvenWhenFolding) {
    TextScanner scanner(TXT("a"), false);
    EXPECT_TRUE(scanner.AtChar('a'));
    EXPECT_FALSE(scanner.AtChar('A'));
}

TEST(TextScanner, AtBlankUsesTheProgramsWhiteSpace) {
    for (const Char* text : {TXT(" "), TXT("\t"), TXT("\n"), TXT("\u00A0"), TXT("\u3000")})
        EXPECT_TRUE(TextScanner(text).AtBlank()) << static_cast<int>(text[0]);
    for (const Char* text : {TXT("x"), TXT("\u200B"), TXT("")})
        EXPECT_FALSE(TextScanner(text).AtBlank());
}

TEST(TextScanner, ReadCharTakesAnyCharacterButTheEnd) {
    TextScanner scanner(TXT("1."));
    Char c = 0;
    scanner.ReadChar(&c);
    EXPECT_EQ(c, Char('1'));
    scanner.ReadChar().ReadChar();
    EXPECT_FALSE(scanner.ok);
    EXPECT_EQ(scanner.position, 2);
    EXPECT_EQ(scanner.matchCount, 2);
}

// ------------------------------------------------------------------ integers

struct IntegerCase {
    const Char* text;
    bool ok;
    int value;
    int advance;
};

void PrintTo(const IntegerCase& c, std::ostream* os) { *os << '"' << Utf8(c.text) << '"'; }

class ReadIntegerTest : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(ReadIntegerTest, ReadsOrRefuses) {
    const IntegerCase& c = GetParam();
    TextScanner scanner(c.text);
    int value = 12345;
    scanner.ReadInteger(value);
    EXPECT_EQ(scanner.ok, c.ok);
    EXPECT_EQ(value, c.ok ? c.value : 12345);
    EXPECT_EQ(scanner.position, c.ok ? c.advance : 0);
    EXPECT_EQ(scanner.matchCount, c.ok ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ReadIntegerTest,
    ::testing::Values(IntegerCase{TXT("  -42abc"), true, -42, 5},
                      IntegerCase{TXT("abc"), false, 0, 0},
                      IntegerCase{TXT("2147483647"), false, 0, 0},
                      IntegerCase{TXT("99999999999"), false, 0, 0},
                      IntegerCase{TXT("2147483646"), true, 2147483646, 10},
                      IntegerCase{TXT("+17:30"), true, 17, 3},
                      IntegerCase{TXT("\t0"), true, 0, 2},
                      IntegerCase{TXT("007"), true, 7, 3},
                      IntegerCase{TXT("-"), false, 0, 0}, IntegerCase{TXT(" +"), false, 0, 0},
                      IntegerCase{TXT(""), false, 0, 0}, IntegerCase{TXT("- 5"), false, 0, 0},
                      IntegerCase{TXT("-2147483648"), false, 0, 0},
                      IntegerCase{TXT("-2147483647"), true, -2147483647, 11}));

// A 64-bit C library long used to let these through, truncated to 32 bits:
// "4294967338" read as 42.
INSTANTIATE_TEST_SUITE_P(
    ValuesBeyond32BitsAreRefusedOnEveryBuild, ReadIntegerTest,
    ::testing::Values(IntegerCase{TXT("4294967338"), false, 0, 0},
                      IntegerCase{TXT("2147483648"), false, 0, 0},
                      IntegerCase{TXT("-2147483649"), false, 0, 0},
                      IntegerCase{TXT("4294967295"), false, 0, 0},
                      IntegerCase{TXT("4294967296"), false, 0, 0},
                      IntegerCase{TXT("-9223372036854775809"), false, 0, 0},
                      IntegerCase{TXT("18446744073709551657"), false, 0, 0}));

TEST(ScanDecimalInteger, ReportsSignMagnitudeAndOverflow) {
    DecimalInteger read = ScanDecimalInteger(TXT(" -4294967295x"));
    EXPECT_EQ(read.used, 12);
    EXPECT_TRUE(read.negative);
    EXPECT_FALSE(read.overflow);
    EXPECT_EQ(read.magnitude, 4294967295u);
    read = ScanDecimalInteger(TXT("4294967296"));
    EXPECT_EQ(read.used, 10);
    EXPECT_TRUE(read.overflow);
    read = ScanDecimalInteger(TXT("-x"));
    EXPECT_EQ(read.used, 0);
    EXPECT_FALSE(read.negative);
}

// ------------------------------------------------------------------- numbers

TEST(ReadNumber, ReadsADoubleAndCounts) {
    TextScanner scanner(TXT(" 12.5 km"));
    double value = 0.0;
    ReadNumber(scanner, value).Accept(TXT(" km"));
    EXPECT_TRUE(scanner.ok);
    EXPECT_EQ(value, 12.5);
    EXPECT_EQ(scanner.matchCount, 2);
    EXPECT_TRUE(scanner.AtEnd());

    TextScanner bad(TXT("km"));
    value = 3.0;
    ReadNumber(bad, value);
    EXPECT_FALSE(bad.ok);
    EXPECT_EQ(value, 3.0);
    EXPECT_EQ(bad.position, 0);
}

// --------------------------------------------------------------------- words

TEST(ReadWord, StopsAtMaxLengthAndLeavesTheRest) {
    TextScanner scanner(TXT("abc"));
    Char buffer[3];
    int length = -1;
    bool atEnd = true;
    ReadWord(scanner, buffer, 2, 1, &length, WordStop::AtChar(':'), &atEnd);
    EXPECT_TRUE(scanner.ok);
    EXPECT_EQ(Utf8(buffer), "ab");
    EXPECT_EQ(length, 2);
    EXPECT_EQ(scanner.position, 2);
    EXPECT_FALSE(atEnd);
    EXPECT_EQ(scanner.matchCount, 1);
}

TEST(ReadWord, EmptyTextFailsAMinimumLength) {
    TextScanner scanner(TXT(""));
    int length = -1;
    bool atEnd = false;
    ReadWord(scanner, nullptr, 10, 1, &length, WordStop::AtBlank(), &atEnd);
    EXPECT_FALSE(scanner.ok);
    EXPECT_TRUE(atEnd);
    EXPECT_EQ(length, 0);
    EXPECT_EQ(scanner.matchCount, 0);
}

TEST(ReadWord, ReadsKeyAndValue) {
    TextScanner scanner(TXT("key:value"));
    Char key[1001];
    Char value[1001];
    bool atEnd = false;
    ReadWord(scanner, key, 1000, 1, nullptr, WordStop::AtChar(':'), &atEnd);
    ASSERT_FALSE(atEnd);
    scanner.ReadChar();
    ReadWord(scanner, value, 1000, 1, nullptr, WordStop::AtChar(':'), &atEnd);
    EXPECT_TRUE(scanner.ok);
    EXPECT_TRUE(atEnd);
    EXPECT_EQ(scanner.matchCount, 3);
    EXPECT_EQ(Utf8(key), "key");
    EXPECT_EQ(Utf8(value), "value");
}

TEST(ReadWord, WithoutMaxLengthOnlySkipsAndCounts) {
    TextScanner scanner(TXT("unit\u00A0rest"));
    int length = 0;
    bool atEnd = true;
    ReadWord(scanner, nullptr, 0, 0, &length, WordStop::AtBlank(), &atEnd);
    EXPECT_EQ(length, 4);
    EXPECT_FALSE(atEnd);
    EXPECT_EQ(scanner.position, 4);
    EXPECT_EQ(scanner.matchCount, 1);
}

TEST(ReadWord, DoesNothingAfterAFailure) {
    TextScanner scanner(TXT("abc"));
    scanner.ok = false;
    int length = 7;
    bool atEnd = true;
    Char buffer[4] = {'z', 0, 0, 0};
    ReadWord(scanner, buffer, 3, 0, &length, WordStop::AtBlank(), &atEnd);
    EXPECT_EQ(length, 0);
    EXPECT_FALSE(atEnd);
    EXPECT_EQ(buffer[0], Char('z'));
    EXPECT_EQ(scanner.position, 0);
}

TEST(ReadWord, AcceptsACustomStop) {
    TextScanner scanner(TXT("12ab"));
    Char buffer[8];
    const WordStop nonDigit{[](const TextScanner& s, Char) { return !IsDigitChar(s.Current()); }, 0};
    ReadWord(scanner, buffer, 7, 1, nullptr, nonDigit, nullptr);
    EXPECT_EQ(Utf8(buffer), "12");
}

// ------------------------------------------------------------------ searches

TEST(ScanFindChar, StopsOnTheCharacterOrAtTheEnd) {
    TextScanner found(TXT("a/b"));
    EXPECT_TRUE(ScanFindChar(found, '/'));
    EXPECT_EQ(found.position, 1);
    EXPECT_TRUE(ScanFindChar(found, '/'));  // the current character counts
    EXPECT_EQ(found.position, 1);

    TextScanner missing(TXT("ab"));
    EXPECT_FALSE(ScanFindChar(missing, '/'));
    EXPECT_EQ(missing.position, 2);

    TextScanner folded(TXT("xyZ"), false);
    EXPECT_TRUE(ScanFindChar(folded, 'z'));
    EXPECT_EQ(folded.position, 2);
}

TEST(ScanSkipPast, FindsTheLiteralAfterFalseStarts) {
    TextScanner scanner(TXT("aaab x"));
    EXPECT_TRUE(ScanSkipPast(scanner, TXT("ab")));
    EXPECT_EQ(scanner.position, 4);

    TextScanner missing(TXT("aaa"));
    EXPECT_FALSE(ScanSkipPast(missing, TXT("ab")));
    EXPECT_EQ(missing.position, 3);

    TextScanner tail(TXT("xa"));
    EXPECT_FALSE(ScanSkipPast(tail, TXT("ab")));
    EXPECT_EQ(tail.position, 2);

    TextScanner tags(TXT("<b>bold</B> end"), false);
    EXPECT_TRUE(ScanSkipPast(tags, TXT("</b>")));
    EXPECT_EQ(Utf8(tags.text + tags.position), " end");
}

}  // namespace
}  // namespace corvinata
