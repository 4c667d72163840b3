// The Event Finder's window: a modeless tool window of the frame that shows
// one run of the search control, starts, stops and continues it, and lists
// what it found. The search runs on a worker thread; its reports come back
// through a notification queue that wakes this window.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "app/notification.h"
#include "app/window_services.h"
#include "base/date_time_location.h"
#include "base/storage.h"
#include "controls/tool_windows.h"
#include "tools/event_finder.h"
#include "tools/event_finder_history_win.h"
#include "tools/event_finder_store.h"
#include "tools/search_threads_win.h"
#include "tools/select_event_dialog_win.h"

namespace corvinata {

struct EventFinderWindowParams : ToolWindowParams {
    // Where a result is shown and the Related Tasks pane is told about the
    // selected one; none: the results lead nowhere.
    WindowServices* windows = nullptr;
    // Where the Select Event dialog was last (the application's dialog positions).
    WindowGeometry* selectEventPlacement = nullptr;
};

class EventFinderWindow final : public DialogToolWindow, private events::EventFinderView {
public:
    explicit EventFinderWindow(EventFinderWindowParams params);
    ~EventFinderWindow() override;

    void Create(HWND frame) override;
    void SaveState(const ToolStateSaver& saver) override;
    void SaveAndDestroy(const ToolStateSaver& saver) override;

    events::EventFinderControl& Control() noexcept { return *control_; }
    EventFinderHistory& History() noexcept { return *history_; }
    SelectEventDialogState& SelectEventState() noexcept { return selectEvent_; }
    // The window services (the frame's, or a test's recorder).
    void SetWindowServices(WindowServices* windows) noexcept { params_.windows = windows; }

private:
    const ToolWindowParams& Params() const override { return params_; }
    INT_PTR HandleDialog(UINT message, WPARAM wParam, LPARAM lParam) override;
    HelpPage HelpTopic() const override { return HelpPage::EventFinder; }
    void OnInit();
    void OnCommand(int id);
    void OnNotifyList(const NMHDR& header);

    void ShowRun(const events::EventDefinition& run, int selectedResult) override;
    void ShowSearching(const events::EventDefinition& run) override;
    void ShowProgress(int percent, const DateTime& date) override;
    void ShowResult(const events::EventDefinition& run, bool isNew) override;
    void ShowEnded(const events::EventDefinition& run) override;
    void BatchBegins() override;
    void BatchEnds() override;

    void StartSearch();
    void ShowResultInWindow();
    // The selected result's tasks in the Related Tasks pane.
    void ShowSelectionTasks();
    void SetButtons(std::uint32_t state);
    void EnableSetup(bool enable);
    void SetLines(const std::vector<String>& lines, int selected);
    void SetOneLine(const Char* text);
    events::SearchSetup ReadSetup() const;

    EventFinderWindowParams params_;
    Win32SearchThreads threads_;
    // The worker's reports: posted to queue_ and drained into reports_,
    // which holds the control alone.
    NotificationQueue queue_;
    ObserverSet reports_;
    std::unique_ptr<events::EventFinderControl> control_;
    std::unique_ptr<EventFinderHistory> history_;
    SelectEventDialogState selectEvent_;
    // The run list as the settings hold it: an exit writes it only when
    // the runs changed.
    events::StoredRunList storedRuns_;
    int left_ = 317;
    int top_ = 82;
    bool visible_ = false;
};

}  // namespace corvinata
