#include "base/wide_string.h"
#include "support/test_text.h"

#include <gtest/gtest.h>

#include <new>
#include <string>
#include <utility>

namespace corvinata {
namespace {

using test::Utf8;

// Text, capacity and whether the buffer is still `buffer`.
void ExpectString(const String& s, const char* text, int capacity, const Char* buffer) {
    EXPECT_EQ(Utf8(s), text);
    EXPECT_EQ(s.Capacity(), capacity);
    EXPECT_EQ(s.Text(), buffer);
}

TEST(StringEmpty, SharesOneStaticBufferThroughEveryEmptyOperation) {
    String a, b;
    ExpectString(a, "", 0, b.Text());
    StringAssign(a, TXT(""));
    StringAppend(a, TXT(""));
    StringReserve(a, 0, ReserveMode::GrowKeep);
    StringReserve(a, 0, ReserveMode::GrowDiscard);
    const String copy(a), fromEmpty(TXT(""));
    EXPECT_TRUE(a.IsShared() && copy.IsShared() && fromEmpty.IsShared());
    EXPECT_EQ(copy.Text(), b.Text());
    EXPECT_EQ(a.Length(), 0);
}

TEST(StringAssign, GrowsExactlyNeverShrinksAndTakesTextFromItsOwnBuffer) {
    String s(TXT("abc"));
    const Char* buffer = s.Text();
    StringAssign(s, TXT(""));
    ExpectString(s, "", 3, buffer);
    StringAssign(s, TXT("abcd"));
    EXPECT_EQ(s.Capacity(), 4);
    StringAssignString(s, s);
    EXPECT_EQ(Utf8(s), "abcd");
    StringAssign(s, s.Text() + 1);
    EXPECT_EQ(Utf8(s), "bcd");
    EXPECT_EQ(s.Capacity(), 4);
}

TEST(StringCopyAndMove, CopyOwnsItsBufferAndMoveLeavesTheSourceShared) {
    const String original(TXT("Moon"));
    String copy(original);
    EXPECT_NE(copy.Text(), original.Text());
    StringAssign(copy, TXT("Mars"));
    EXPECT_EQ(Utf8(original), "Moon");

    const Char* buffer = copy.Text();
    String moved(std::move(copy));
    EXPECT_EQ(moved.Text(), buffer);
    EXPECT_TRUE(copy.IsShared());  // NOLINT: checking the moved-from state
    String target(TXT("x"));
    target = std::move(moved);
    EXPECT_EQ(Utf8(target), "Mars");
    EXPECT_TRUE(moved.IsShared());  // NOLINT: checking the moved-from state
}

// Appending a string to itself must copy the characters before the old
// buffer is released.
TEST(StringAppend, GrowsToTheExactLengthUsesReservedRoomAndTakesItself) {
    String s(TXT("ab"));
    StringAppend(s, s.Text());
    ExpectString(s, "abab", 4, s.Text());
    StringAppend(s, s.Text() + 2);
    EXPECT_EQ(Utf8(s), "ababab");
    EXPECT_EQ(s.Capacity(), 6);

    String r;
    StringReserve(r, 10, ReserveMode::GrowDiscard);
    r.Data()[0] = 0;
    const Char* buffer = r.Text();
    for (int i = 0; i < 4; ++i) StringAppend(r, TXT("ab"));
    StringAppend(r, r.Text() + 6);
    ExpectString(r, "ababababab", 10, buffer);
}

TEST(StringReserve, FollowsTheMode) {
    // keptText null: contents undefined.
    const struct { const Char* text; int n; ReserveMode mode; int capacity; bool newBuffer;
                   const char* keptText; } cases[] = {
        {TXT("abcdef"), 2, ReserveMode::Discard, 2, true, nullptr},
        {TXT("abc"), 3, ReserveMode::Discard, 3, true, nullptr},
        {TXT("abc"), 2, ReserveMode::GrowDiscard, 3, false, "abc"},
        {TXT("abc"), 8, ReserveMode::GrowKeep, 8, true, "abc"},
        {TXT(""), 4, ReserveMode::GrowKeep, 4, true, ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(Utf8(c.text) + " " + std::to_string(c.n));
        String s(c.text);
        const Char* before = s.Text();
        const StringBuffer result = StringReserve(s, c.n, c.mode);
        EXPECT_TRUE(result.buffer == s.Text() && result.capacity == c.capacity);
        EXPECT_EQ(s.Capacity(), c.capacity);
        EXPECT_EQ(s.Text() != before, c.newBuffer);
        if (c.keptText) {
            EXPECT_EQ(Utf8(s), c.keptText);
        }
    }
}

TEST(StringReserve, ImpossibleSizeFailsAndKeepsTheString) {
    String s(TXT("kept"));
    EXPECT_THROW(StringReserve(s, 0x7FFFFFFF, ReserveMode::GrowKeep), std::bad_alloc);
    EXPECT_EQ(Utf8(s), "kept");
    EXPECT_EQ(s.Capacity(), 4);
}

TEST(StringEquals, ComparesExactly) {
    const String s(TXT("Abc"));
    EXPECT_TRUE(StringEquals(s, TXT("Abc")) && StringEquals(String(), TXT("")));
    for (const Char* other : {TXT("abc"), TXT("Ab"), TXT("Abcd")}) {
        EXPECT_FALSE(StringEquals(s, other)) << Utf8(other);
        EXPECT_TRUE(WideStringsDiffer(s.Text(), other) && WideStringsDiffer(other, s.Text()));
    }
    EXPECT_FALSE(WideStringsDiffer(TXT("Sun"), TXT("Sun")));
    EXPECT_TRUE(String(TXT("x")) == String(TXT("x")) && String(TXT("x")) != String(TXT("X")));
}

}  // namespace
}  // namespace corvinata
