#include "controls/dialog_placement.h"

#include <commctrl.h>

#include "app/status_texts.h"
#include "base/wide_string.h"
#include "controls/window_centring.h"

namespace corvinata {

namespace {

bool Named(const Char* name, const Char* expected) { return StringEquals(String(name), expected); }

HWND MappedControl(HWND dialog, const DialogState& state, const Char* name) {
    const int id = state.ControlOf(name);
    return id ? GetDlgItem(dialog, id) : nullptr;
}

}  // namespace

void LoadDialogGeometry(HWND dialog, DialogState& state) {
    state.SetWindow(dialog);
    if (!(state.placement.fieldMask & kGeometryPosition)) return;
    RECT own{};
    GetWindowRect(dialog, &own);
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    const RECT wanted{state.placement.left, state.placement.top, state.placement.left + width,
                      state.placement.top + height};
    const RECT area = WorkAreaNear(wanted);
    const ScreenRect fitted = FitRectOnWorkArea({wanted.left, wanted.top, wanted.right, wanted.bottom},
                                                {area.left, area.top, area.right, area.bottom},
                                                {own.left, own.top, own.right, own.bottom});
    if (SetDialogPlacementValue(dialog, state, TXT("Left"), fitted.left)) {
        SetDialogPlacementValue(dialog, state, TXT("Top"), fitted.top);
    }
}

void SaveDialogGeometry(HWND dialog, DialogState& state) {
    if (!(state.placement.fieldMask & kGeometryPosition)) return;
    int left = state.placement.left;
    int top = state.placement.top;
    if (GetDialogPlacementValue(dialog, state, TXT("Left"), left)) {
        GetDialogPlacementValue(dialog, state, TXT("Top"), top);
    }
    state.placement.left = left;
    state.placement.top = top;
}

bool SetDialogPlacementValue(HWND dialog, const DialogState& state, const Char* name, int value) {
    RECT r{};
    if (Named(name, TXT("Left")) || Named(name, TXT("Top"))) {
        if (!GetWindowRect(dialog, &r)) return false;
        const bool left = Named(name, TXT("Left"));
        return SetWindowPos(dialog, nullptr, left ? value : r.left, left ? r.top : value, 0, 0,
                            SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE) != FALSE;
    }
    if (Named(name, TXT("Current tab"))) {
        HWND tabs = MappedControl(dialog, state, name);
        return tabs && TabCtrl_SetCurSel(tabs, value) != -1;
    }
    return false;
}

bool GetDialogPlacementValue(HWND dialog, const DialogState& state, const Char* name, int& value) {
    RECT r{};
    if (Named(name, TXT("Left")) || Named(name, TXT("Top"))) {
        if (!GetWindowRect(dialog, &r)) return false;
        value = Named(name, TXT("Left")) ? r.left : r.top;
        return true;
    }
    if (Named(name, TXT("Current tab"))) {
        HWND tabs = MappedControl(dialog, state, name);
        const int current = tabs ? TabCtrl_GetCurSel(tabs) : -1;
        if (current < 0) return false;
        value = current;
        return true;
    }
    return false;
}

int FindCheckedRadioButton(HWND dialog, int first, int last) {
    for (int id = first; id <= last; ++id) {
        if (IsDlgButtonChecked(dialog, id) == BST_CHECKED) return id;
    }
    return 0;
}

}  // namespace corvinata
