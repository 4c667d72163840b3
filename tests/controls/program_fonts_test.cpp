// The program's symbol font comes from its resources with a glyph for every
// code of the symbol table.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>

#include "controls/program_fonts.h"
#include "symbol_font.h"

namespace corvinata {
namespace {

TEST(ProgramFontsTest, SymbolFontHasAGlyphForEveryCodeOfTheSymbolTable) {
    ProgramFonts fonts(GetModuleHandleW(nullptr));
    ASSERT_TRUE(fonts.SymbolFontLoaded());
    ASSERT_NE(fonts.SymbolFont(), nullptr);
    ASSERT_NE(fonts.DialogFont(), nullptr);
    EXPECT_GT(fonts.LineHeight(), 0);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, fonts.SymbolFont());
    wchar_t face[64] = {};
    GetTextFaceW(dc, 64, face);
    EXPECT_STREQ(face, kSymbolFontFace);
    std::set<WORD> distinct;
    for (unsigned char code : symbol_font::kSymbolFontCodes) {
        const wchar_t text[2] = {static_cast<wchar_t>(code), 0};
        WORD glyph = 0;
        ASSERT_EQ(GetGlyphIndicesW(dc, text, 1, &glyph, GGI_MARK_NONEXISTING_GLYPHS), 1u);
        EXPECT_NE(glyph, 0xFFFF) << std::hex << int(code);
        EXPECT_NE(glyph, 0) << std::hex << int(code);  // not the missing-glyph box
        distinct.insert(glyph);
        // Something is drawn: the glyph has ink.
        GLYPHMETRICS metrics{};
        const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
        EXPECT_NE(GetGlyphOutlineW(dc, code, GGO_METRICS, &metrics, 0, nullptr, &identity), GDI_ERROR);
        EXPECT_GT(metrics.gmBlackBoxX * metrics.gmBlackBoxY, 1u) << std::hex << int(code);
    }
    // One glyph per code.
    EXPECT_EQ(distinct.size(), std::size(symbol_font::kSymbolFontCodes));
    SelectObject(dc, old);
    DeleteDC(dc);
}

}  // namespace
}  // namespace corvinata
