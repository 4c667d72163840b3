// Exchanging a list view's column widths and selected rows with their
// stored form (ListViewState).
#pragma once

#include <windows.h>

#include "app/list_view_state.h"

namespace corvinata {

// Reads the parts the state asks for from the list view.
void CaptureListViewState(HWND list, ListViewState& state);
// Sets the widths in order, stopping at the first column that refuses;
// with `strict` also false when the list has more columns than were saved.
bool ApplyColumnWidths(HWND list, const ListViewState& state, bool strict);
// Selects the saved rows in order, stopping at the first that refuses, and
// gives the first the focus; true when every row was selected.
bool ApplySelectedRows(HWND list, const ListViewState& state);

}  // namespace corvinata
