#include "controls/list_view_columns.h"

#include <commctrl.h>

#include <gtest/gtest.h>

namespace corvinata {
namespace {

class ListViewColumnsTest : public ::testing::Test {
protected:
    ListViewColumnsTest() {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&controls);
        list = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_POPUP | LVS_REPORT, 0, 0, 400, 200, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
        const int widths[] = {50, 50, 50};
        for (int i = 0; i < 3; ++i) {
            LVCOLUMNW column{};
            column.mask = LVCF_WIDTH | LVCF_TEXT;
            column.cx = widths[i];
            column.pszText = const_cast<wchar_t*>(L"C");
            ListView_InsertColumn(list, i, &column);
        }
        for (int row = 0; row < 6; ++row) {
            LVITEMW item{};
            item.mask = LVIF_TEXT;
            item.iItem = row;
            item.pszText = const_cast<wchar_t*>(L"row");
            ListView_InsertItem(list, &item);
        }
    }
    ~ListViewColumnsTest() override { DestroyWindow(list); }

    HWND list;
};

TEST_F(ListViewColumnsTest, WidthsAndSelectionGoOutAndComeBack) {
    ListViewState saved;
    saved.columnWidths = {80, 120, 60};
    saved.selectedRows = {1, 4};
    EXPECT_TRUE(ApplyColumnWidths(list, saved, true));
    EXPECT_TRUE(ApplySelectedRows(list, saved));
    EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_FOCUSED), 1);
    ListViewState captured;
    CaptureListViewState(list, captured);
    EXPECT_EQ(captured.columnWidths, saved.columnWidths);
    EXPECT_EQ(captured.selectedRows, saved.selectedRows);
}

TEST_F(ListViewColumnsTest, SavedStateThatDoesNotMatchTheListIsReported) {
    ListViewState fewer;
    fewer.columnWidths = {80, 120};
    EXPECT_FALSE(ApplyColumnWidths(list, fewer, true));
    EXPECT_TRUE(ApplyColumnWidths(list, fewer, false));
    ListViewState more;
    more.columnWidths = {1, 2, 3, 4};
    EXPECT_FALSE(ApplyColumnWidths(list, more, false));
    ListViewState beyond;
    beyond.selectedRows = {2, 9};
    EXPECT_FALSE(ApplySelectedRows(list, beyond));
    EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_SELECTED), 2);
}

// A table of columns gives each its caption, width and alignment, in
// order, appended after those the list has.
TEST_F(ListViewColumnsTest, ColumnsOfATableComeInOrderWithTheirAlignment) {
    static constexpr ListColumn kColumns[] = {{L"Name", 100}, {L"X", 45, LVCFMT_RIGHT}};
    InsertListColumns(list, kColumns);
    const struct {
        int index;
        const wchar_t* title;
        int width;
        int format;
    } expected[] = {{3, L"Name", 100, LVCFMT_LEFT}, {4, L"X", 45, LVCFMT_RIGHT}};
    for (const auto& e : expected) {
        wchar_t text[32] = {};
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        column.pszText = text;
        column.cchTextMax = 32;
        ASSERT_TRUE(ListView_GetColumn(list, e.index, &column)) << e.index;
        EXPECT_STREQ(text, e.title);
        EXPECT_EQ(column.cx, e.width) << e.index;
        EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, e.format) << e.index;
    }
    LVCOLUMNW beyond{};
    beyond.mask = LVCF_WIDTH;
    EXPECT_FALSE(ListView_GetColumn(list, 5, &beyond));
}

}  // namespace
}  // namespace corvinata
