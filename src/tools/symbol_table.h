// The Table of Symbols: the symbols of the Sun, the Moon and the planets and
// the Greek alphabet as the program's symbol font draws them. This part holds
// the window's stored state and the page layouts' glyph tables.
#pragma once

#include <cstdint>

#include "base/settings_tree.h"
#include "base/text_char.h"

namespace corvinata {

constexpr int kSymbolTableBodiesTab = 0;
constexpr int kSymbolTableGreekTab = 1;
constexpr int kSymbolTableTabCount = 2;
constexpr int kSymbolTableBodyCount = 11;

struct SymbolTableState {
    std::int32_t x = 200;
    std::int32_t y = 100;
    // Kept as stored: a tab outside the table shows no page.
    std::int32_t selectedTab = kSymbolTableBodiesTab;
    bool visible = false;
};

// One body of the bodies page: its name, the static control showing its
// glyph and the glyph's symbol-font character.
struct SymbolTableBody {
    const Char* name;
    int control;
    Char glyph;
};

// Sun, Moon, Mercury .. Pluto (the symbol font's first eleven entries).
const SymbolTableBody& GetSymbolTableBody(int index) noexcept;

// The Greek page's row i (0 alpha .. 23 omega): its three static controls
// (name, capital glyph, small glyph).
constexpr int kSymbolTableGreekFirstControl = 20881;
constexpr int SymbolTableGreekNameControl(int row) noexcept { return kSymbolTableGreekFirstControl + 3 * row; }
constexpr int SymbolTableGreekCapitalControl(int row) noexcept { return SymbolTableGreekNameControl(row) + 1; }
constexpr int SymbolTableGreekSmallControl(int row) noexcept { return SymbolTableGreekNameControl(row) + 2; }

// Reads "\Symbol table" below the tree's root; what is missing keeps its
// default.
SymbolTableState LoadSymbolTableState(SettingsTree& tree);
// Writes "Visible", "X", "Y" and, with `tabSelected`, "Selected tab".
bool SaveSymbolTableState(SettingsTreeWriter& writer, const SymbolTableState& state, bool tabSelected);

}  // namespace corvinata
