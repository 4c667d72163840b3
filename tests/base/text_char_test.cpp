#include "base/text_char.h"

#include <gtest/gtest.h>

namespace corvinata {
namespace {

TEST(TextChar, SpaceSetIsTheSameOnEveryBuild) {
    for (Char c : {Char(' '), Char('\t'), Char('\n'), Char('\v'), Char('\f'), Char('\r'),
                   Char(0xA0), Char(0x2003), Char(0x3000)})
        EXPECT_TRUE(IsSpaceChar(c)) << int(c);
    for (Char c : {Char('a'), Char(0), Char(0x08), Char(0x200B), Char(0xFEFF)})
        EXPECT_FALSE(IsSpaceChar(c)) << int(c);
}

TEST(TextChar, FoldingTouchesAsciiLettersOnly) {
    EXPECT_EQ(FoldUpper('q'), Char('Q'));
    EXPECT_EQ(FoldUpper(Char(0xE9)), Char(0xE9));  // é stays é
    EXPECT_TRUE(TextEqualsNoCase(TXT("Dark Red"), TXT("dark RED")));
    EXPECT_FALSE(TextEqualsNoCase(TXT("Dark"), TXT("Darker")));
    EXPECT_FALSE(TextEquals(TXT("Abc"), TXT("abc")));
}

}  // namespace
}  // namespace corvinata
