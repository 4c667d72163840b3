// What the control-panel tests share: the application's services as the
// panels use them, and a panel dialog made from items in memory.
#pragma once

#include <commctrl.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "control_dialog.h"
#include "frame/control_panel.h"
#include "frame/panel_services.h"
#include "support/date_records.h"
#include "support/test_text.h"

namespace corvinata::test {

class FakePanelServices final : public PanelServices {
public:
    DateTimeLocation CurrentTimeAndLocation() const override {
        DateTimeLocation now;
        now.dateTime = MakeDateTime(2014, 7, 1, 0.0, kLocalCivilTime);
        return now;
    }
    bool IsNightVisionActive() const override { return false; }
    void ShowControlPanel(bool show) override { panelShown = show; }
    void RefreshRelatedTasks(PanelWindow&) override { ++taskRefreshes; }
    void ShowPicturePacksDialog(HWND) override { ++packDialogs; }
    bool panelShown = true;
    int taskRefreshes = 0;
    int packDialogs = 0;
};

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
