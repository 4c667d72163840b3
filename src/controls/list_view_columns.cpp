#include "controls/list_view_columns.h"

#include <commctrl.h>

namespace corvinata {

namespace {

bool HasColumn(HWND list, int index) {
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    return ListView_GetColumn(list, index, &column) != FALSE;
}

}  // namespace

void InsertListColumns(HWND list, const ListColumn* columns, std::size_t count) {
    // After the columns the list has (an index is the column it goes before).
    const int first = Header_GetItemCount(ListView_GetHeader(list));
    for (std::size_t i = 0; i < count; ++i) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
        column.pszText = const_cast<wchar_t*>(columns[i].title);
        column.cx = columns[i].width;
        column.fmt = columns[i].format;
        const int index = first + static_cast<int>(i);
        column.iSubItem = index;
        SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
    }
}

void FitLastColumn(HWND list) {
    constexpr int kMinimum = 40;
    const int columns = Header_GetItemCount(ListView_GetHeader(list));
    if (columns <= 0) return;
    RECT client{};
    GetClientRect(list, &client);
    // The width without a vertical scroll bar, whether one is shown now or not.
    int room = client.right;
    if (GetWindowLongPtrW(list, GWL_STYLE) & WS_VSCROLL) room += GetSystemMetrics(SM_CXVSCROLL);
    room -= GetSystemMetrics(SM_CXVSCROLL);
    for (int i = 0; i + 1 < columns; ++i) room -= ListView_GetColumnWidth(list, i);
    ListView_SetColumnWidth(list, columns - 1, room > kMinimum ? room : kMinimum);
}

void CaptureListViewState(HWND list, ListViewState& state) {
    if (state.parts & kListColumnWidths) {
        state.columnWidths.clear();
        for (int i = 0; HasColumn(list, i); ++i) state.columnWidths.push_back(ListView_GetColumnWidth(list, i));
    }
    if (state.parts & kListSelectedRows) {
        state.selectedRows.clear();
        for (int row = ListView_GetNextItem(list, -1, LVNI_SELECTED); row >= 0;
             row = ListView_GetNextItem(list, row, LVNI_SELECTED)) {
            state.selectedRows.push_back(row);
        }
    }
}

bool ApplyColumnWidths(HWND list, const ListViewState& state, bool strict) {
    int index = 0;
    for (std::int32_t width : state.columnWidths) {
        if (!HasColumn(list, index) || !ListView_SetColumnWidth(list, index, width)) return false;
        ++index;
    }
    return !strict || !HasColumn(list, index);
}

bool ApplySelectedRows(HWND list, const ListViewState& state) {
    const int count = ListView_GetItemCount(list);
    bool all = true;
    for (std::int32_t row : state.selectedRows) {
        if (row < 0 || row >= count) {
            all = false;
            break;
        }
        ListView_SetItemState(list, row, LVIS_SELECTED, LVIS_SELECTED);
    }
    if (!state.selectedRows.empty() && state.selectedRows.front() >= 0 && state.selectedRows.front() < count) {
        ListView_SetItemState(list, state.selectedRows.front(), LVIS_FOCUSED, LVIS_FOCUSED);
    }
    return all;
}

}  // namespace corvinata
