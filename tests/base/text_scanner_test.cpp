#include "base/text_scanner.h"
#include "support/test_text.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

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

// Which letters fold is FoldUpper's rule, tested with it.
TEST(TextScanner, FoldingIsChosenPerScanner) {
    EXPECT_TRUE(TextScanner(TXT("open"), false).Matches(TXT("OPEN")));
    EXPECT_FALSE(TextScanner(TXT("open")).Matches(TXT("OPEN")));
    EXPECT_FALSE(TextScanner(TXT("a"), false).AtChar('A'));  // AtChar is exact even when folding
}

TEST(TextScanner, AtTheEndOfTheTextOnlyTheEmptyLiteralMatches) {
    TextScanner scanner(TXT("1."));
    Char c = 0;
    scanner.ReadChar(&c).ReadChar();
    EXPECT_EQ(c, Char('1'));
    EXPECT_TRUE(scanner.Matches(TXT("")));
    EXPECT_FALSE(scanner.Matches(TXT("a")) || scanner.AtChar('a') || scanner.AtBlank());
    scanner.ReadChar();
    ExpectState(scanner, false, 2, 2);
}

// ------------------------------------------------------------------ integers

// An accepted integer moves the position past its last digit; a refused one
// leaves the value and the position alone.
void ExpectIntegers(std::initializer_list<std::pair<const Char*, int>> accepted,
                    std::initializer_list<const Char*> refused) {
    for (const auto& [text, expected] : accepted) {
        TextScanner scanner(text);
        int value = 12345;
        scanner.ReadInteger(value);
        EXPECT_EQ(value, expected) << Utf8(text);
        const auto end = Utf8(text).find_last_of("0123456789") + 1;
        ExpectState(scanner, true, static_cast<int>(end), 1);
    }
    for (const Char* text : refused) {
        int value = 12345;
        ExpectState(TextScanner(text).ReadInteger(value), false, 0, 0);
        EXPECT_EQ(value, 12345) << Utf8(text);
    }
}

// Regression: a 64-bit C library long let values beyond 32 bits through,
// truncated ("4294967338" read as 42).
TEST(ReadInteger, ReadsOrRefuses) {
    ExpectIntegers({{TXT("  -42abc"), -42}, {TXT("2147483646"), 2147483646},
                    {TXT("+17:"), 17}, {TXT("\t007"), 7}, {TXT("-2147483647"), -2147483647}},
                   {TXT("abc"), TXT("2147483647"), TXT("-"), TXT(""), TXT("- 5"),
                    TXT("-2147483648"), TXT("4294967338"), TXT("-2147483649"),
                    TXT("-9223372036854775809"), TXT("18446744073709551657")});
}

TEST(ScanDecimalInteger, ReportsSignMagnitudeAndOverflow) {
    DecimalInteger read = ScanDecimalInteger(TXT(" -4294967295x"));
    EXPECT_EQ(read.used, 12);
    EXPECT_TRUE(read.negative && !read.overflow);
    EXPECT_EQ(read.magnitude, 4294967295u);
    read = ScanDecimalInteger(TXT("4294967296"));
    EXPECT_TRUE(read.used == 10 && read.overflow);
    read = ScanDecimalInteger(TXT("-x"));
    EXPECT_TRUE(read.used == 0 && !read.negative);
}

TEST(ReadNumber, ReadsADoubleAndCounts) {
    TextScanner scanner(TXT(" 12.5 km"));
    double value = 0.0;
    ReadNumber(scanner, value).Accept(TXT(" km"));
    ExpectState(scanner, true, 8, 2);
    EXPECT_EQ(value, 12.5);

    TextScanner bad(TXT("km"));
    ReadNumber(bad, value);
    ExpectState(bad, false, 0, 0);
    EXPECT_EQ(value, 12.5);
}

// --------------------------------------------------------------------- words

TEST(ReadWord, StopsAtTheStopOrMaxLengthAndReportsTheEnd) {
    TextScanner scanner(TXT("key:value"));
    Char key[3], value[1001];
    int length = -1;
    bool atEnd = true;
    ReadWord(scanner, key, 2, 1, &length, WordStop::AtChar(':'), &atEnd);
    EXPECT_TRUE(Utf8(key) == "ke" && length == 2 && !atEnd);
    ReadWord(scanner, nullptr, 0, 0, &length, WordStop::AtChar(':'), &atEnd);  // skips, counts
    ReadWord(scanner.ReadChar(), value, 1000, 1, nullptr, WordStop::AtChar(':'), &atEnd);
    ExpectState(scanner, true, 9, 4);
    EXPECT_TRUE(Utf8(value) == "value" && length == 1 && atEnd);

    TextScanner digits(TXT("12ab"));
    const auto isNotDigit = [](const TextScanner& s, Char) { return !IsDigitChar(s.Current()); };
    ReadWord(digits, value, 7, 1, nullptr, WordStop{isNotDigit, 0}, nullptr);
    EXPECT_EQ(Utf8(value), "12");
}

TEST(ReadWord, EmptyTextFailsAMinimumLength) {
    TextScanner scanner(TXT(""));
    int length = -1;
    bool atEnd = false;
    ReadWord(scanner, nullptr, 10, 1, &length, WordStop::AtBlank(), &atEnd);
    ExpectState(scanner, false, 0, 0);
    EXPECT_TRUE(atEnd && length == 0);
}

TEST(ReadWord, DoesNothingAfterAFailure) {
    TextScanner scanner(TXT("abc"));
    scanner.ok = false;
    int length = 7;
    bool atEnd = true;
    Char buffer[4] = {'z', 0, 0, 0};
    ReadWord(scanner, buffer, 3, 0, &length, WordStop::AtBlank(), &atEnd);
    EXPECT_TRUE(length == 0 && !atEnd && buffer[0] == Char('z') && scanner.position == 0);
}

// ------------------------------------------------------------------ searches

TEST(ScanFindChar, StopsOnTheCharacterOrAtTheEnd) {
    TextScanner found(TXT("a/b"));
    EXPECT_TRUE(ScanFindChar(found, '/') && ScanFindChar(found, '/'));  // the current one counts
    EXPECT_EQ(found.position, 1);
    TextScanner missing(TXT("ab"));
    EXPECT_FALSE(ScanFindChar(missing, '/'));
    EXPECT_EQ(missing.position, 2);
    TextScanner folded(TXT("xyZ"), false);
    EXPECT_TRUE(ScanFindChar(folded, 'z'));
    EXPECT_EQ(folded.position, 2);
}

TEST(ScanSkipPast, FindsTheLiteralAfterFalseStarts) {
    const struct { const Char* text; bool found; int position; } cases[] = {
        {TXT("aaab x"), true, 4}, {TXT("aaa"), false, 3}, {TXT("xa"), false, 2}};
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
