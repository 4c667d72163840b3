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
    EXPECT_TRUE(a.IsShared());
    ExpectString(a, "", 0, b.Text());
    EXPECT_EQ(a.Length(), 0);

    StringAssign(a, TXT(""));
    StringAppend(a, TXT(""));
    StringReserve(a, 0, ReserveMode::GrowKeep);
    StringReserve(a, 0, ReserveMode::GrowDiscard);
    const String copy(a);
    const String fromEmpty(TXT(""));
    EXPECT_TRUE(a.IsShared());
    EXPECT_TRUE(copy.IsShared());
    EXPECT_TRUE(fromEmpty.IsShared());
    EXPECT_EQ(copy.Text(), b.Text());
    EXPECT_EQ(b.Text()[0], Char(0));
}

TEST(StringAssign, GrowsExactlyAndNeverShrinks) {
    String s(TXT("abc"));
    const Char* buffer = s.Text();
    ExpectString(s, "abc", 3, buffer);
    StringAssign(s, TXT("ab"));
    ExpectString(s, "ab", 3, buffer);
    StringAssign(s, TXT(""));
    ExpectString(s, "", 3, buffer);
    StringAssign(s, TXT("abcd"));
    EXPECT_EQ(Utf8(s), "abcd");
    EXPECT_EQ(s.Capacity(), 4);
}

TEST(StringAssign, TextFromItsOwnBuffer) {
    String s(TXT("Saturn"));
    StringAssignString(s, s);
    EXPECT_EQ(Utf8(s), "Saturn");
    String t(TXT("Jupiter"));
    StringAssign(t, t.Text() + 3);
    EXPECT_EQ(Utf8(t), "iter");
    EXPECT_EQ(t.Capacity(), 7);
}

TEST(StringCopyAndMove, CopyOwnsItsBufferAndMoveLeavesTheSourceShared) {
    const String original(TXT("Moon"));
    String copy(original);
    EXPECT_NE(copy.Text(), original.Text());
    EXPECT_EQ(copy.Capacity(), 4);
    StringAssign(copy, TXT("Mars"));
    EXPECT_EQ(Utf8(original), "Moon");

    String source(TXT("Venus"));
    const Char* buffer = source.Text();
    String moved(std::move(source));
    EXPECT_EQ(moved.Text(), buffer);
    EXPECT_TRUE(source.IsShared());  // NOLINT: checking the moved-from state
    String target(TXT("x"));
    target = std::move(moved);
    EXPECT_EQ(Utf8(target), "Venus");
    EXPECT_TRUE(moved.IsShared());  // NOLINT: checking the moved-from state
}

TEST(StringAppend, GrowsToTheExactLengthOrUsesReservedRoom) {
    String s(TXT("abc"));
    StringAppend(s, TXT("xy"));
    StringAppend(s, TXT(""));
    EXPECT_EQ(Utf8(s), "abcxy");
    EXPECT_EQ(s.Capacity(), 5);

    String r;
    StringReserve(r, 10, ReserveMode::GrowDiscard);
    r.Data()[0] = 0;
    const Char* buffer = r.Text();
    for (int i = 0; i < 5; ++i) StringAppend(r, TXT("ab"));
    ExpectString(r, "ababababab", 10, buffer);
}

// Appending a string to itself must copy the characters before the old
// buffer is released.
TEST(StringAppend, ItselfDoublesTheText) {
    String s(TXT("ab"));
    StringAppend(s, s.Text());
    EXPECT_EQ(Utf8(s), "abab");
    EXPECT_EQ(s.Capacity(), 4);
    StringAppend(s, s.Text() + 2);
    EXPECT_EQ(Utf8(s), "ababab");

    String roomy(TXT("abcdef"));
    StringAssign(roomy, TXT("ab"));
    StringAppend(roomy, roomy.Text());
    EXPECT_EQ(Utf8(roomy), "abab");
    EXPECT_EQ(roomy.Capacity(), 6);
}

TEST(StringReserve, FollowsTheMode) {
    const struct {
        const Char* text;
        int n;
        ReserveMode mode;
        int capacity;
        bool newBuffer;
        const char* keptText;  // null: contents undefined
    } cases[] = {{TXT("abcdef"), 2, ReserveMode::Discard, 2, true, nullptr},
                 {TXT("abc"), 3, ReserveMode::Discard, 3, true, nullptr},
                 {TXT("abc"), 2, ReserveMode::GrowDiscard, 3, false, "abc"},
                 {TXT("abc"), 8, ReserveMode::GrowDiscard, 8, true, nullptr},
                 {TXT("abc"), 3, ReserveMode::GrowKeep, 3, false, "abc"},
                 {TXT("abc"), 8, ReserveMode::GrowKeep, 8, true, "abc"},
                 {TXT(""), 4, ReserveMode::GrowKeep, 4, true, ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(Utf8(c.text) + " " + std::to_string(c.n));
        String s(c.text);
        const Char* before = s.Text();
        const StringBuffer result = StringReserve(s, c.n, c.mode);
        EXPECT_EQ(result.buffer, s.Text());
        EXPECT_EQ(result.capacity, c.capacity);
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
    EXPECT_TRUE(StringEquals(s, TXT("Abc")));
    for (const Char* other : {TXT("abc"), TXT("Ab"), TXT("Abcd")})
        EXPECT_FALSE(StringEquals(s, other)) << Utf8(other);
    EXPECT_TRUE(StringEquals(String(), TXT("")));
    EXPECT_TRUE(String(TXT("x")) == String(TXT("x")));
    EXPECT_TRUE(String(TXT("x")) != String(TXT("X")));

    EXPECT_FALSE(WideStringsDiffer(TXT("Sun"), TXT("Sun")));
    EXPECT_TRUE(WideStringsDiffer(TXT("Sun"), TXT("Sunday")));
    EXPECT_TRUE(WideStringsDiffer(TXT("Sunday"), TXT("Sun")));
    EXPECT_TRUE(WideStringsDiffer(TXT("Sun"), TXT("sun")));
}

}  // namespace
}  // namespace corvinata
