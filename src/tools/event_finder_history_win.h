// The Event Finder History: a modeless window listing the started runs,
// newest first, from which the user shows a run in the Event Finder or
// deletes runs. It owns no run: it reads the control's list and acts through
// the control and the notifications the control answers.
#pragma once

#include <windows.h>

#include "app/list_view_state.h"
#include "app/notification.h"
#include "controls/tool_windows.h"
#include "base/settings_tree.h"
#include "base/storage.h"
#include "tools/event_finder.h"

namespace corvinata {

// The Event Finder's parameters (the History has no frame command of its
// own and follows no clock), and the search control whose runs it lists.
struct EventFinderHistoryParams : ToolWindowParams {
    events::EventFinderControl* control = nullptr;
};

class EventFinderHistory final : private NotificationObserver {
public:
    explicit EventFinderHistory(EventFinderHistoryParams params);
    ~EventFinderHistory() override;
    EventFinderHistory(const EventFinderHistory&) = delete;
    EventFinderHistory& operator=(const EventFinderHistory&) = delete;

    HWND Window() const noexcept { return window_; }
    // Opens the window (or brings it to the top) and marks the row of the
    // control's current run.
    void Open(HWND parent);
    void Close();
    // At start-up: the placement, widths and selected row of the last exit.
    void Restore(HWND parent);
    // At shutdown (before Close): the same are written, as the window
    // stands; the window stays.
    void Save(SettingsTreeWriter& writer);

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void OnNotify(std::int32_t event, std::uint32_t flags, void* value) override;
    void Update(void*) override {}

    // Where the window stands and its columns' widths, into the state.
    void Capture();
    void Fill();
    void UpdateButtons();
    void Mark(int row);
    void SelectRun();
    void ConfirmDelete();
    HWND List() const { return GetDlgItem(window_, 20741); }

    EventFinderHistoryParams params_;
    ListViewState widths_;
    HWND window_ = nullptr;
    int left_ = 403;
    int top_ = 439;
};

}  // namespace corvinata
