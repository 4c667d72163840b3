#include "base/text_scanner.h"
#include "support/test_text.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace corvinata {
namespace {

using test::Utf8;

void ExpectState(const TextScanner& scanner, bool ok, int position, int matchCount) {
    EXPECT_EQ(scanner.ok, ok);
    EXPECT_EQ(scanner.position, position);
    EXPECT_EQ(scanner.matchCount, matchCount);
}

// ------------------------------------------------------------------ literals

TEST(TextScanner, AcceptChainsAndStopsAtTheFirstFailure) {
    TextScanner scanner(TXT("Open Graph"));
    scanner.Accept(TXT("Open")).Accept(TXT(" ")).Accept(TXT("Graph"));
    ExpectState(scanner, true, 10, 3);
    EXPECT_TRUE(scanner.AtEnd());

    int value = 99;
    scanner.Accept(TXT("x")).Accept(TXT("")).ReadInteger(value).ReadChar();
    ExpectState(scanner, false, 10, 3);
    EXPECT_EQ(value, 99);

    TextScanner partial(TXT("Sky window"));
    partial.Accept(TXT("Sky ")).Accept(TXT("windows"));
    ExpectState(partial, false, 4, 1);
}

TEST(TextScanner, CaseFoldingCoversAsciiLettersOnly) {
    TextScanner folded(TXT("open \u00E9"), false);
    EXPECT_TRUE(folded.Matches(TXT("OPEN")));
    folded.position = 5;
    EXPECT_FALSE(folded.Matches(TXT("\u00C9")));
    EXPECT_FALSE(TextScanner(TXT("open")).Matches(TXT("OPEN")));
    // AtChar is exact even when folding.
    EXPECT_TRUE(TextScanner(TXT("a"), false).AtChar('a'));
    EXPECT_FALSE(TextScanner(TXT("a"), false).AtChar('A'));
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

TEST(TextScanner, AtBlankUsesTheProgramsWhiteSpace) {
    for (const Char* text : {TXT(" "), TXT("\t"), TXT("\n"), TXT("\u00A0"), TXT("\u3000")})
        EXPECT_TRUE(TextScanner(text).AtBlank()) << static_cast<int>(text[0]);
    for (const Char* text : {TXT("x"), TXT("\u200B"), TXT("")})
        EXPECT_FALSE(TextScanner(text).AtBlank());
}

TEST(TextScanner, ReadCharTakesAnyCharacterButTheEnd) {
    TextScanner scanner(TXT("1."));
    Char c = 0;
    scanner.ReadChar(&c).ReadChar().ReadChar();
    EXPECT_EQ(c, Char('1'));
    ExpectState(scanner, false, 2, 2);
}

// ------------------------------------------------------------------ integers

struct IntegerCase {
    const Char* text;
    bool ok;
    int value;
    int advance;
};

// A refused integer leaves the value and the position alone.
void ExpectIntegers(std::initializer_list<IntegerCase> cases) {
    for (const IntegerCase& c : cases) {
        SCOPED_TRACE(Utf8(c.text));
        TextScanner scanner(c.text);
        int value = 12345;
        scanner.ReadInteger(value);
        ExpectState(scanner, c.ok, c.ok ? c.advance : 0, c.ok ? 1 : 0);
        EXPECT_EQ(value, c.ok ? c.value : 12345);
    }
}

TEST(ReadInteger, ReadsOrRefuses) {
    ExpectIntegers({{TXT("  -42abc"), true, -42, 5}, {TXT("abc"), false, 0, 0},
                    {TXT("2147483647"), false, 0, 0}, {TXT("2147483646"), true, 2147483646, 10},
                    {TXT("+17:30"), true, 17, 3},      {TXT("\t0"), true, 0, 2},
                    {TXT("007"), true, 7, 3},          {TXT("-"), false, 0, 0},
                    {TXT(" +"), false, 0, 0},          {TXT(""), false, 0, 0},
                    {TXT("- 5"), false, 0, 0},         {TXT("-2147483648"), false, 0, 0},
                    {TXT("-2147483647"), true, -2147483647, 11}});
}

// A 64-bit C library long used to let these through, truncated to 32 bits:
// "4294967338" read as 42.
TEST(ReadInteger, ValuesBeyond32BitsAreRefusedOnEveryBuild) {
    ExpectIntegers({{TXT("4294967338"), false, 0, 0}, {TXT("2147483648"), false, 0, 0},
                    {TXT("-2147483649"), false, 0, 0}, {TXT("4294967295"), false, 0, 0},
                    {TXT("4294967296"), false, 0, 0}, {TXT("-9223372036854775809"), false, 0, 0},
                    {TXT("18446744073709551657"), false, 0, 0}, {TXT("99999999999"), false, 0, 0}});
}

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

TEST(ReadNumber, ReadsADoubleAndCounts) {
    TextScanner scanner(TXT(" 12.5 km"));
    double value = 0.0;
    ReadNumber(scanner, value).Accept(TXT(" km"));
    ExpectState(scanner, true, 8, 2);
    EXPECT_EQ(value, 12.5);

    TextScanner bad(TXT("km"));
    value = 3.0;
    ReadNumber(bad, value);
    ExpectState(bad, false, 0, 0);
    EXPECT_EQ(value, 3.0);
}

// --------------------------------------------------------------------- words

TEST(ReadWord, StopsAtMaxLengthAndLeavesTheRest) {
    TextScanner scanner(TXT("abc"));
    Char buffer[3];
    int length = -1;
    bool atEnd = true;
    ReadWord(scanner, buffer, 2, 1, &length, WordStop::AtChar(':'), &atEnd);
    ExpectState(scanner, true, 2, 1);
    EXPECT_EQ(Utf8(buffer), "ab");
    EXPECT_EQ(length, 2);
    EXPECT_FALSE(atEnd);

    // Without a maximum length it only skips and counts.
    TextScanner skip(TXT("unit\u00A0rest"));
    atEnd = true;
    ReadWord(skip, nullptr, 0, 0, &length, WordStop::AtBlank(), &atEnd);
    ExpectState(skip, true, 4, 1);
    EXPECT_EQ(length, 4);
    EXPECT_FALSE(atEnd);
}

TEST(ReadWord, EmptyTextFailsAMinimumLength) {
    TextScanner scanner(TXT(""));
    int length = -1;
    bool atEnd = false;
    ReadWord(scanner, nullptr, 10, 1, &length, WordStop::AtBlank(), &atEnd);
    ExpectState(scanner, false, 0, 0);
    EXPECT_TRUE(atEnd);
    EXPECT_EQ(length, 0);
}

TEST(ReadWord, ReadsKeyAndValue) {
    TextScanner scanner(TXT("key:value"));
    Char key[1001], value[1001];
    bool atEnd = false;
    ReadWord(scanner, key, 1000, 1, nullptr, WordStop::AtChar(':'), &atEnd);
    ASSERT_FALSE(atEnd);
    ReadWord(scanner.ReadChar(), value, 1000, 1, nullptr, WordStop::AtChar(':'), &atEnd);
    ExpectState(scanner, true, 9, 3);
    EXPECT_TRUE(atEnd);
    EXPECT_EQ(Utf8(key), "key");
    EXPECT_EQ(Utf8(value), "value");
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
    const auto isNotDigit = [](const TextScanner& s, Char) { return !IsDigitChar(s.Current()); };
    const WordStop nonDigit{isNotDigit, 0};
    ReadWord(scanner, buffer, 7, 1, nullptr, nonDigit, nullptr);
    EXPECT_EQ(Utf8(buffer), "12");
}

// ------------------------------------------------------------------ searches

TEST(ScanFindChar, StopsOnTheCharacterOrAtTheEnd) {
    TextScanner found(TXT("a/b"));
    EXPECT_TRUE(ScanFindChar(found, '/'));
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
    const struct {
        const Char* text;
        bool found;
        int position;
    } cases[] = {{TXT("aaab x"), true, 4}, {TXT("aaa"), false, 3}, {TXT("xa"), false, 2}};
    for (const auto& c : cases) {
        TextScanner scanner(c.text);
        EXPECT_EQ(ScanSkipPast(scanner, TXT("ab")), c.found) << Utf8(c.text);
        EXPECT_EQ(scanner.position, c.position) << Utf8(c.text);
    }
    TextScanner tags(TXT("<b>bold</B> end"), false);
    EXPECT_TRUE(ScanSkipPast(tags, TXT("</b>")));
    EXPECT_EQ(Utf8(tags.text + tags.position), " end");
}

}  // namespace
}  // namespace corvinata
