// The few places where the application itself touches the frame window: the
// real-time clock's timer and the history drop-downs of the toolbar.
#pragma once

#include <windows.h>

#include <vector>

#include "app/current_time.h"
#include "app/recent_files.h"
#include "base/scoped_win.h"

namespace corvinata {

// Timer 1 of the frame window, every minute.
class FrameClockTimer final : public ClockTimer {
public:
    static constexpr UINT_PTR kTimerId = 1;
    explicit FrameClockTimer(HWND frame) : frame_(frame) {}
    bool StartClockTimer() override;
    void StopClockTimer() override;

private:
    HWND frame_;
};

struct MenuHandleTraits {
    using Handle = HMENU;
    static Handle Invalid() noexcept { return nullptr; }
    static bool Close(Handle handle) noexcept { return DestroyMenu(handle) != 0; }
};

using ScopedMenu = ScopedWinHandle<MenuHandleTraits>;

// A popup menu of the items, in order; the disabled ones grayed.
ScopedMenu BuildHistoryPopup(const std::vector<DropDownItem>& items);

// Keeps the drop-down shown last; a new one replaces it.
class HistoryPopupHolder {
public:
    // Shows `items` below the toolbar button `buttonCommand`, owned by
    // `owner`, which receives the chosen item's command.
    void Show(HWND toolbar, int buttonCommand, HWND owner, const std::vector<DropDownItem>& items);
    HMENU Menu() const noexcept { return popup_.Get(); }

private:
    ScopedMenu popup_;
};

}  // namespace corvinata
