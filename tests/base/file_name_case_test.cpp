#include "base/file_name_case.h"

#include <gtest/gtest.h>

namespace corvinata {
namespace {

struct CaseMapping {
    Char c;
    Char upper;
    const char* what;
};

TEST(FileNameCaseTest, LettersMapToTheirSimpleUpperCase) {
    const CaseMapping cases[] = {
        {'a', 'A', "ASCII"},
        {'Z', 'Z', "a capital stays"},
        {'7', '7', "a digit"},
        {0x00E4, 0x00C4, "a umlaut"},
        {0x00DF, 0x00DF, "sharp s has no one-letter capital"},
        {0x00FF, 0x0178, "y diaeresis leaves Latin-1"},
        {0x0101, 0x0100, "Latin Extended-A, every second letter"},
        {0x0100, 0x0100, "its capital"},
        {0x017E, 0x017D, "z caron"},
        {0x0131, 0x0131, "dotless i does not become ASCII I"},
        {0x017F, 0x017F, "long s does not become ASCII S"},
        {0x01C5, 0x01C4, "a title-case digraph"},
        {0x03C2, 0x03A3, "final sigma"},
        {0x03C9, 0x03A9, "omega"},
        {0x0436, 0x0416, "Cyrillic zhe"},
        {0x0451, 0x0401, "Cyrillic io"},
        {0xFF41, 0xFF21, "full-width a"},
        {0xD83D, 0xD83D, "a surrogate unit"},
        {0x4E2D, 0x4E2D, "a letter without case"},
    };
    for (const CaseMapping& c : cases) {
        EXPECT_EQ(static_cast<int>(FileNameUpper(c.c)), static_cast<int>(c.upper)) << c.what;
    }
}

TEST(FileNameCaseTest, NamesAreEqualWhateverTheCaseOfTheirLetters) {
    const struct {
        const Char* a;
        const Char* b;
        bool equal;
    } cases[] = {
        {TXT("\u00C4RE\u00DF.jpg"), TXT("\u00E4re\u00DF.JPG"), true},
        {TXT("\u00C4RE\u00DF.jpg"), TXT("\u00E4ress.jpg"), false},
        {TXT("\u041C\u0430\u0440\u0441.bmp"), TXT("\u043C\u0410\u0420\u0421.BMP"), true},
        {TXT("file.jpg"), TXT("f\u0131le.jpg"), false},
        {TXT("m42.jpg"), TXT("m42.jpg2"), false},
        {TXT(""), TXT(""), true},
    };
    for (const auto& c : cases) EXPECT_EQ(FileNamesEqual(c.a, c.b), c.equal);
}

}  // namespace
}  // namespace corvinata
