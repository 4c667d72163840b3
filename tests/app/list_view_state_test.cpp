#include "app/list_view_state.h"

#include <gtest/gtest.h>

#include "app/settings_values.h"
#include "support/fake_product.h"

namespace corvinata {
namespace {

class ListViewStateTest : public ::testing::Test, protected test::MemorySettings {
protected:
    ListViewStateTest() { StringAppend(root, TXT("\\Event Finder\\Results")); }
    void Save(const ListViewState& state) {
        SettingsTreeWriter writer(storage, root);
        ASSERT_TRUE(SaveListViewState(writer, state));
    }
    ListViewState Load(int parts = kListColumnWidths | kListSelectedRows) {
        ListViewState state;
        state.parts = parts;
        SettingsTree tree(storage, root);
        LoadListViewState(tree, state);
        return state;
    }
};

TEST_F(ListViewStateTest, WidthsAndRowsComeBackInOrder) {
    ListViewState state;
    state.columnWidths = {80, 120, 60};
    state.selectedRows = {2, 5};
    Save(state);
    const ListViewState loaded = Load();
    EXPECT_EQ(loaded.columnWidths, state.columnWidths);
    EXPECT_EQ(loaded.selectedRows, state.selectedRows);
    std::int32_t second = 0;
    SettingsTree tree(storage, root);
    ReadGroup widths(tree, TXT("Column Widths"));
    ASSERT_TRUE(ReadIntValue(tree, TXT("1"), second));
    EXPECT_EQ(second, 120);
}

TEST_F(ListViewStateTest, ShorterListLeavesNothingOfTheLongerBehind) {
    ListViewState state;
    state.columnWidths = {80, 120, 60};
    state.selectedRows = {1, 2, 3};
    Save(state);
    state.selectedRows = {};
    state.columnWidths = {90};
    Save(state);
    const ListViewState loaded = Load();
    EXPECT_EQ(loaded.columnWidths, std::vector<std::int32_t>{90});
    EXPECT_TRUE(loaded.selectedRows.empty());
}

}  // namespace
}  // namespace corvinata
