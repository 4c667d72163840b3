#include "app/frame_hooks_win.h"

#include <commctrl.h>

namespace corvinata {

bool FrameClockTimer::StartClockTimer() {
    return frame_ && SetTimer(frame_, kTimerId, kClockTimerPeriod, nullptr) != 0;
}

void FrameClockTimer::StopClockTimer() {
    if (frame_) KillTimer(frame_, kTimerId);
}

ScopedMenu BuildHistoryPopup(const std::vector<DropDownItem>& items) {
    ScopedMenu popup(CreatePopupMenu());
    if (!popup.IsValid()) return popup;
    for (const DropDownItem& item : items) {
        const UINT flags = MF_STRING | (item.enabled ? MF_ENABLED : MF_GRAYED | MF_DISABLED);
        AppendMenuW(popup.Get(), flags, static_cast<UINT_PTR>(item.command), item.text.Text());
    }
    return popup;
}

void HistoryPopupHolder::Show(HWND toolbar, int buttonCommand, HWND owner,
                              const std::vector<DropDownItem>& items) {
    popup_ = BuildHistoryPopup(items);
    if (!popup_.IsValid()) return;
    RECT button = {};
    SendMessageW(toolbar, TB_GETRECT, static_cast<WPARAM>(buttonCommand), reinterpret_cast<LPARAM>(&button));
    POINT corner = {button.left, button.bottom};
    ClientToScreen(toolbar, &corner);
    TrackPopupMenu(popup_.Get(), TPM_LEFTALIGN | TPM_TOPALIGN, corner.x, corner.y, 0, owner, nullptr);
}

}  // namespace corvinata
