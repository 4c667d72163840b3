// What the control-panel tests share: a panel dialog made from items in
// memory, and reading its items.
#pragma once

#include <commctrl.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "controls/control_dialog.h"
#include "controls/control_panel.h"
#include "support/test_text.h"

namespace corvinata::test {

inline bool CreatePanelDialog(ControlPanel& panel, std::initializer_list<DialogItem> items,
                              ModelessDialogs* dialogs = nullptr) {
    INITCOMMONCONTROLSEX controls{
        sizeof controls, ICC_LISTVIEW_CLASSES | ICC_UPDOWN_CLASS | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    const std::vector<WORD> dialogTemplate = ControlDialog::Template(items);
    return panel.CreatePanelDialogIndirect(GetModuleHandleW(nullptr),
                                           reinterpret_cast<const DLGTEMPLATE*>(dialogTemplate.data()),
                                           nullptr, dialogs);
}

inline std::string DialogItemText(HWND dialog, int id) {
    wchar_t text[200] = {};
    GetDlgItemTextW(dialog, id, text, 200);
    return Utf8(text);
}

inline std::string ListCell(HWND list, int row, int column) {
    wchar_t text[200] = {};
    ListView_GetItemText(list, row, column, text, 200);
    return Utf8(text);
}

// Selects the row as a click would; the list tells its parent.
inline void SelectListRow(HWND list, int row) {
    ListView_SetItemState(list, row, LVIS_SELECTED, LVIS_SELECTED);
}

}  // namespace corvinata::test
