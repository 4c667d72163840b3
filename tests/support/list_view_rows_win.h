// What a list view shows, row by row, as text: for tests that read a list
// (the Related Tasks pane, a tool's results) as the user reads it.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "support/test_text.h"

namespace corvinata::test {

inline std::wstring ListItemWideText(HWND list, int row, int column = 0) {
    wchar_t text[300] = {};
    LVITEMW entry{};
    entry.iSubItem = column;
    entry.pszText = text;
    entry.cchTextMax = 300;
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&entry));
    return text;
}

inline std::string ListItemText(HWND list, int row, int column = 0) {
    return Utf8(ListItemWideText(list, row, column).c_str());
}

// Every row's first column.
inline std::vector<std::string> ListRows(HWND list) {
    std::vector<std::string> rows;
    const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) rows.push_back(ListItemText(list, row));
    return rows;
}

}  // namespace corvinata::test
