// Ctrl+Tab and Ctrl+Shift+Tab turn the pages of a dialog whose pages hang
// on a tab control, as they do in the system's property sheets. The dialog
// manager would take the keys for Tab and Shift+Tab and only move the focus.
#pragma once

#include <windows.h>

namespace corvinata {

// Watches the keys of the dialog's message loop while it lives (one per
// dialog, made when the dialog is initialised). A turn tells the dialog as
// a click on a tab does: TCN_SELCHANGING, which may refuse, then
// TCN_SELCHANGE.
class TabPageKeys {
public:
    TabPageKeys(HWND dialog, int tabControlId);
    ~TabPageKeys();
    TabPageKeys(const TabPageKeys&) = delete;
    TabPageKeys& operator=(const TabPageKeys&) = delete;

    // One page forward (or back), from the last to the first and back.
    void Turn(bool forward) const;

private:
    static LRESULT CALLBACK Filter(int code, WPARAM wParam, LPARAM lParam);
    bool Takes(const MSG& message) const;

    HWND dialog_;
    int tabId_;
    HHOOK hook_;
    const TabPageKeys* outer_;  // a tabbed dialog opened from this one
};

}  // namespace corvinata
