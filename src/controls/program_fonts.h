// The program's fonts for the run: its own symbol font (a font resource,
// added to the process from memory) and the dialog font the displays write
// names with, both 8 points on the screen.
#pragma once

#include <windows.h>

namespace corvinata {

// The font resource and the face it holds.
constexpr int kSymbolFontResource = 22020;
constexpr const wchar_t* kSymbolFontFace = L"Corvinata";

class ProgramFonts {
public:
    explicit ProgramFonts(HINSTANCE instance);
    ~ProgramFonts();
    ProgramFonts(const ProgramFonts&) = delete;
    ProgramFonts& operator=(const ProgramFonts&) = delete;

    // Whether the symbol font's resource was found and added.
    bool SymbolFontLoaded() const noexcept { return added_ != nullptr; }
    HFONT SymbolFont() const noexcept { return symbol_; }
    HFONT DialogFont() const noexcept { return dialog_; }
    // Height plus external leading of the screen's text.
    int LineHeight() const noexcept { return lineHeight_; }

private:
    HANDLE added_ = nullptr;
    HFONT symbol_ = nullptr;
    HFONT dialog_ = nullptr;
    int lineHeight_ = 0;
};

}  // namespace corvinata
