// The column widths and selected rows of a report list view, kept from one
// run to the next: below the list's key, "Column Widths" holds one DWORD per
// column and "Selected rows" one per selected row, each named by its
// position ("0", "1", ...).
#pragma once

#include <cstdint>
#include <vector>

#include "base/settings_tree.h"

namespace corvinata {

enum ListViewStateParts : int { kListColumnWidths = 1, kListSelectedRows = 2 };

struct ListViewState {
    int parts = kListColumnWidths | kListSelectedRows;
    std::vector<std::int32_t> columnWidths;
    std::vector<std::int32_t> selectedRows;  // ascending
};

// Below the tree's innermost key (the list's own); each list is rewritten
// whole, so a shorter list leaves nothing of the longer one behind.
bool SaveListViewState(SettingsTreeWriter& writer, const ListViewState& state);
// Reads "0", "1", ... of each part up to the first missing value.
void LoadListViewState(SettingsTree& tree, ListViewState& state);

}  // namespace corvinata
