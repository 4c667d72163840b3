#include "app/text_fitting.h"

#include <gtest/gtest.h>

#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Utf8;
using test::Wide;

// Every character is 5 pixels wide.
std::optional<int> FiveEach(const String& text) { return 5 * text.Length(); }

struct FitCase {
    const char* text;
    int width;
    const char* expected;
};

class ShortenTextTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(ShortenTextTest, KeepsBothEnds) {
    const auto shortened = ShortenTextToWidth(String(Wide(GetParam().text).c_str()), GetParam().width, FiveEach);
    ASSERT_TRUE(shortened);
    EXPECT_EQ(Utf8(*shortened), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ShortenTextTest,
    ::testing::Values(FitCase{"short", 25, "short"},
                      // Right half loses its first character, then the left
                      // half its last, in turn.
                      FitCase{"abcdefgh", 35, "ab...gh"}, FitCase{"abcdefgh", 30, "ab...h"},
                      FitCase{"C:\\Graphs\\Planets\\Mars.gph", 75, "C:\\Gra...rs.gph"},
                      FitCase{"abcdef", 15, ""}));

TEST(ShortenTextTest, TextThatCannotBeMeasuredIsNoResult) {
    const MeasureText failing = [](const String&) { return std::optional<int>(); };
    EXPECT_FALSE(ShortenTextToWidth(String(TXT("abc")), 10, failing));
}

}  // namespace
}  // namespace corvinata
