// A list view's columns: made from a table, and their widths and the
// selected rows exchanged with their stored form (ListViewState).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstddef>

#include "app/list_view_state.h"

namespace corvinata {

// A column of a list view: its caption, width in pixels and alignment.
struct ListColumn {
    const wchar_t* title;
    int width;
    int format = LVCFMT_LEFT;
};

// Appends the columns in order.
void InsertListColumns(HWND list, const ListColumn* columns, std::size_t count);
template <std::size_t N>
void InsertListColumns(HWND list, const ListColumn (&columns)[N]) {
    InsertListColumns(list, columns, N);
}
// A list whose rows are selected whole, with the columns in order.
template <std::size_t N>
void SetUpRowList(HWND list, const ListColumn (&columns)[N]) {
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    InsertListColumns(list, columns, N);
}

// Gives the last column what the others leave of the list's width, with
// room kept for a vertical scroll bar, so that the rows never need a
// horizontal one; the last column keeps at least 40 pixels.
void FitLastColumn(HWND list);

// Reads the parts the state asks for from the list view.
void CaptureListViewState(HWND list, ListViewState& state);
// Sets the widths in order, stopping at the first column that refuses;
// with `strict` also false when the list has more columns than were saved.
bool ApplyColumnWidths(HWND list, const ListViewState& state, bool strict);
// Selects the saved rows in order, stopping at the first that refuses, and
// gives the first the focus; true when every row was selected.
bool ApplySelectedRows(HWND list, const ListViewState& state);

}  // namespace corvinata
