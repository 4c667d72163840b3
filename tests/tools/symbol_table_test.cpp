#include "tools/symbol_table.h"

#include <gtest/gtest.h>

#include <set>

#include "app/settings_values.h"
#include "base/greek_letters.h"
#include "support/fake_product.h"

namespace corvinata {
namespace {

class SymbolTableSettings : public ::testing::Test {
protected:
    SymbolTableState Load() {
        SettingsTree tree(settings.storage, settings.root);
        return LoadSymbolTableState(tree);
    }
    void Save(const SymbolTableState& state, bool tabSelected) {
        SettingsTreeWriter writer(settings.storage, settings.root);
        ASSERT_TRUE(SaveSymbolTableState(writer, state, tabSelected));
    }
    test::MemorySettings settings;
};

TEST_F(SymbolTableSettings, AnEmptyStoreGivesTheDefaultsAndASavedStateReadsBack) {
    SymbolTableState state = Load();
    EXPECT_EQ(state.x, 200);
    EXPECT_EQ(state.y, 100);
    EXPECT_EQ(state.selectedTab, kSymbolTableBodiesTab);
    EXPECT_FALSE(state.visible);
    state = {-40, 730, kSymbolTableGreekTab, true};
    Save(state, true);
    const SymbolTableState back = Load();
    EXPECT_EQ(back.x, -40);
    EXPECT_EQ(back.y, 730);
    EXPECT_EQ(back.selectedTab, kSymbolTableGreekTab);
    EXPECT_TRUE(back.visible);
}

TEST_F(SymbolTableSettings, WithNoTabSelectedTheStoredTabStays) {
    Save({10, 20, kSymbolTableGreekTab, false}, true);
    Save({30, 40, kSymbolTableBodiesTab, false}, false);
    const SymbolTableState back = Load();
    EXPECT_EQ(back.x, 30);
    EXPECT_EQ(back.selectedTab, kSymbolTableGreekTab);
}

TEST(SymbolTableGlyphs, EveryBodyHasItsOwnCodeAndControlAndTheGreekRowsFollowTheFont) {
    std::set<int> controls, glyphs;
    for (int i = 0; i < kSymbolTableBodyCount; ++i) {
        const SymbolTableBody& body = GetSymbolTableBody(i);
        EXPECT_EQ(body.glyph, 0xE5 + i) << i;
        controls.insert(body.control);
        glyphs.insert(body.glyph);
    }
    EXPECT_EQ(controls.size(), 11u);
    EXPECT_EQ(glyphs.size(), 11u);
    // Capitals 0xB4.. in order, the small letters 0xCC.. without 0xDD.
    EXPECT_EQ(GetGreekLetterGlyph(kGreekLetterCount + 7), 0xBB);   // Theta
    EXPECT_EQ(GetGreekLetterGlyph(kGreekLetterCount + 23), 0xCB);  // Omega
    EXPECT_EQ(GetGreekLetterGlyph(16), 0xDC);                      // rho
    EXPECT_EQ(GetGreekLetterGlyph(17), 0xDE);                      // sigma
    EXPECT_EQ(SymbolTableGreekSmallControl(23), 20883 + 69);
}

}  // namespace
}  // namespace corvinata
