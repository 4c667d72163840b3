#include "controls/pane_anchors.h"

namespace corvinata {

namespace {

RECT ControlRect(HWND dialog, HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

}  // namespace

void PaneAnchors::Record(HWND dialog, std::initializer_list<PaneAnchorItem> items) {
    dialog_ = dialog;
    entries_.clear();
    RECT client{};
    GetClientRect(dialog, &client);
    for (const PaneAnchorItem& item : items) {
        HWND control = GetDlgItem(dialog, item.id);
        if (!control) continue;
        const RECT r = ControlRect(dialog, control);
        entries_.push_back({item.id, item.anchor, r.top, client.bottom - r.bottom});
    }
}

void PaneAnchors::Apply() const {
    if (!dialog_) return;
    RECT client{};
    GetClientRect(dialog_, &client);
    for (const Entry& entry : entries_) {
        HWND control = GetDlgItem(dialog_, entry.id);
        if (!control || entry.anchor == PaneAnchor::Fixed) continue;
        const RECT r = ControlRect(dialog_, control);
        const int height = r.bottom - r.top;
        if (entry.anchor == PaneAnchor::Bottom) {
            SetWindowPos(control, nullptr, r.left, client.bottom - entry.bottom - height, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        } else {
            // Never turned inside out by a pane shorter than the margins.
            const int stretched = client.bottom - entry.bottom - entry.top;
            SetWindowPos(control, nullptr, r.left, entry.top, r.right - r.left, stretched > 0 ? stretched : 0,
                         SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    InvalidateRect(dialog_, nullptr, TRUE);
}

}  // namespace corvinata
