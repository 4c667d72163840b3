#include "tools/symbol_table.h"

#include "app/settings_values.h"

namespace corvinata {
namespace {

constexpr const Char* kSymbolTableKey = TXT("Symbol table");

// The glyph controls are fixed by the page template; the characters are the
// symbol font's codes of the bodies.
constexpr SymbolTableBody kBodies[kSymbolTableBodyCount] = {
    {TXT("Sun"), 20818, 0xE5},     {TXT("Moon"), 20812, 0xE6},    {TXT("Mercury"), 20753, 0xE7},
    {TXT("Venus"), 21030, 0xE8},   {TXT("Earth"), 20810, 0xE9},   {TXT("Mars"), 20752, 0xEA},
    {TXT("Jupiter"), 20721, 0xEB}, {TXT("Saturn"), 20859, 0xEC},  {TXT("Uranus"), 21021, 0xED},
    {TXT("Neptune"), 20805, 0xEE}, {TXT("Pluto"), 20837, 0xEF},
};

}  // namespace

const SymbolTableBody& GetSymbolTableBody(int index) noexcept {
    return kBodies[index >= 0 && index < kSymbolTableBodyCount ? index : 0];
}

SymbolTableState LoadSymbolTableState(SettingsTree& tree) {
    SymbolTableState state;
    ReadGroup group(tree, kSymbolTableKey);
    if (!group.IsOpen()) return state;
    ReadIntValue(tree, TXT("X"), state.x);
    ReadIntValue(tree, TXT("Y"), state.y);
    ReadIntValue(tree, TXT("Selected tab"), state.selectedTab);
    ReadBoolValue(tree, TXT("Visible"), state.visible);
    return state;
}

bool SaveSymbolTableState(SettingsTreeWriter& writer, const SymbolTableState& state, bool tabSelected) {
    WriteGroup group(writer, kSymbolTableKey);
    if (!group.IsOpen()) return false;
    bool ok = WriteBoolValue(writer, TXT("Visible"), state.visible);
    ok = WriteIntValue(writer, TXT("X"), state.x) && ok;
    ok = WriteIntValue(writer, TXT("Y"), state.y) && ok;
    if (tabSelected) ok = WriteIntValue(writer, TXT("Selected tab"), state.selectedTab) && ok;
    return ok;
}

}  // namespace corvinata
