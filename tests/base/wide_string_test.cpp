#include "base/wide_string.h"
#include "support/test_text.h"

#include <gtest/gtest.h>

#include <memory>
#include <new>
#include <string>
#include <utility>

namespace corvinata {
namespace {

using test::Utf8;

// ------------------------------------------------------------ empty strings

TEST(StringEmpty, SharesOneStaticBufferAndNeverAllocates) {
    String a;
    String b;
    EXPECT_TRUE(a.IsShared());
    EXPECT_EQ(a.Text(), b.Text());
    EXPECT_EQ(a.Capacity(), 0);
    EXPECT_EQ(a.Length(), 0);

    StringAssign(a, TXT(""));
    StringAppend(a, TXT(""));
    const String copy(a);
    const String fromEmpty(TXT(""));
    EXPECT_TRUE(a.IsShared());
    EXPECT_TRUE(copy.IsShared());
    EXPECT_TRUE(fromEmpty.IsShared());
    EXPECT_EQ(copy.Text(), b.Text());
}

TEST(StringEmpty, SharedBufferStaysZeroAfterEveryEmptyOperation) {
    String a;
    StringReserve(a, 0, ReserveMode::GrowKeep);
    StringReserve(a, 0, ReserveMode::GrowDiscard);
    StringAppend(a, TXT(""));
    String b;
    EXPECT_EQ(b.Text()[0], Char(0));
    EXPECT_TRUE(a.IsShared());
}

// --------------------------------------------------------------- assignment

TEST(StringAssign, EmptyTextKeepsTheOwnedBuffer) {
    String s(TXT("abc"));
    const Char* buffer = s.Text();
    StringAssign(s, TXT(""));
    EXPECT_TRUE(s.IsEmpty());
    EXPECT_EQ(s.Capacity(), 3);
    EXPECT_EQ(s.Text(), buffer);
}

TEST(StringAssign, GrowsExactlyAndNeverShrinks) {
    String s(TXT("abc"));
    EXPECT_EQ(s.Capacity(), 3);
    const Char* buffer = s.Text();
    StringAssign(s, TXT("ab"));
    EXPECT_EQ(s.Text(), buffer);
    EXPECT_EQ(s.Capacity(), 3);
    EXPECT_EQ(Utf8(s), "ab");
    StringAssign(s, TXT("abcd"));
    EXPECT_EQ(s.Capacity(), 4);
    EXPECT_EQ(Utf8(s), "abcd");
}

TEST(StringAssign, SelfAssignmentKeepsTheText) {
    String s(TXT("Saturn"));
    StringAssignString(s, s);
    EXPECT_EQ(Utf8(s), "Saturn");
}

TEST(StringAssign, TextFromItsOwnBuffer) {
    String s(TXT("Jupiter"));
    StringAssign(s, s.Text() + 3);
    EXPECT_EQ(Utf8(s), "iter");
    EXPECT_EQ(s.Capacity(), 7);
}

TEST(StringCopy, CopiesIntoAnOwnBuffer) {
    const String original(TXT("Moon"));
    String copy(original);
    EXPECT_NE(copy.Text(), original.Text());
    EXPECT_EQ(copy.Capacity(), 4);
    StringAssign(copy, TXT("Mars"));
    EXPECT_EQ(Utf8(original), "Moon");
}

TEST(StringMove, LeavesTheSourceEmptyAndShared) {
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

// ---------------------------------------------------------------- appending

TEST(StringAppend, GrowsToTheExactLength) {
    String s(TXT("abc"));
    StringAppend(s, TXT("xy"));
    EXPECT_EQ(Utf8(s), "abcxy");
    EXPECT_EQ(s.Capacity(), 5);
    StringAppend(s, TXT(""));
    EXPECT_EQ(Utf8(s), "abcxy");
    EXPECT_EQ(s.Capacity(), 5);
}

TEST(StringAppend, IntoReservedRoomKeepsTheBuffer) {
    String s;
    StringReserve(s, 10, ReserveMode::GrowDiscard);
    s.Data()[0] = 0;
    const Char* buffer = s.Text();
    for (int i = 0; i < 5; ++i) StringAppend(s, TXT("ab"));
    EXPECT_EQ(s.Text(), buffer);
    EXPECT_EQ(Utf8(s), "ababababab");
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
}

TEST(StringAppend, ItselfWithinTheCapacity) {
    String s(TXT("abcdef"));
    StringAssign(s, TXT("ab"));
    StringAppend(s, s.Text());
    EXPECT_EQ(Utf8(s), "abab");
    EXPECT_EQ(s.Capacity(), 6);
}

// ---------------------------------------------------------------- reserving

struct ReserveCase {
    const Char* text;
    int n;
    ReserveMode mode;
    int capacity;
    bool newBuffer;
    const char* keptText;  // null: contents undefined
};

class StringReserveTest : public ::testing::TestWithParam<ReserveCase> {};

TEST_P(StringReserveTest, FollowsTheMode) {
    const ReserveCase& c = GetParam();
    String s(c.text);
    const Char* before = s.Text();
    const StringBuffer result = StringReserve(s, c.n, c.mode);
    EXPECT_EQ(result.buffer, s.Text());
    EXPECT_EQ(result.capacity, s.Capacity());
    EXPECT_EQ(s.Capacity(), c.capacity);
    EXPECT_EQ(s.Text() != before, c.newBuffer);
    if (c.keptText) {
        EXPECT_EQ(Utf8(s), c.keptText);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Modes, StringReserveTest,
    ::testing::Values(
        ReserveCase{TXT("abcdef"), 2, ReserveMode::Discard, 2, true, nullptr},
        ReserveCase{TXT("abc"), 3, ReserveMode::Discard, 3, true, nullptr},
        ReserveCase{TXT("abc"), 2, ReserveMode::GrowDiscard, 3, false, "abc"},
        ReserveCase{TXT("abc"), 8, ReserveMode::GrowDiscard, 8, true, nullptr},
        ReserveCase{TXT("abc"), 3, ReserveMode::GrowKeep, 3, false, "abc"},
        ReserveCase{TXT("abc"), 8, ReserveMode::GrowKeep, 8, true, "abc"},
        ReserveCase{TXT(""), 4, ReserveMode::GrowKeep, 4, true, ""}));

TEST(StringReserve, ImpossibleSizeFailsAndKeepsTheString) {
    String s(TXT("kept"));
    EXPECT_THROW(StringReserve(s, 0x7FFFFFFF, ReserveMode::GrowKeep), std::bad_alloc);
    EXPECT_EQ(Utf8(s), "kept");
    EXPECT_EQ(s.Capacity(), 4);
}

// --------------------------------------------------------------- comparison

TEST(StringEquals, ComparesExactly) {
    const String s(TXT("Abc"));
    EXPECT_FALSE(StringEquals(s, TXT("abc")));
    EXPECT_TRUE(StringEquals(s, TXT("Abc")));
    EXPECT_FALSE(StringEquals(s, TXT("Ab")));
    EXPECT_FALSE(StringEquals(s, TXT("Abcd")));
    EXPECT_TRUE(StringEquals(String(), TXT("")));
    EXPECT_TRUE(String(TXT("x")) == String(TXT("x")));
    EXPECT_TRUE(String(TXT("x")) != String(TXT("X")));
}

TEST(WideStringsDiffer, DiffersInCharacterOrLength) {
    const Char* a = TXT("Sun");
    const Char* b = TXT("Sun");
    const Char* c = TXT("Sunday");
    const Char* d = TXT("sun");
    EXPECT_FALSE(WideStringsDiffer(a, b));
    EXPECT_TRUE(WideStringsDiffer(a, c));
    EXPECT_TRUE(WideStringsDiffer(c, a));
    EXPECT_TRUE(WideStringsDiffer(a, d));
}

// -------------------------------------------------------------- destruction

TEST(StringDestroy, DeletingThroughTheBaseFreesTheBuffer) {
    // Run under AddressSanitizer, a leak or a double free here fails the test.
    auto owned = std::make_unique<String>(TXT("heap text"));
    StringAppend(*owned, TXT(" grown"));
    EXPECT_EQ(Utf8(*owned), "heap text grown");
    owned.reset();
    String never;
    (void)never;
}

}  // namespace
}  // namespace corvinata
