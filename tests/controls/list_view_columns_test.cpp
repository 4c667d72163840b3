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

}  // namespace
}  // namespace corvinata
