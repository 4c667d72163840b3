// The Related Tasks pane: a modeless dialog whose list view shows the tasks
// of the ten groups as one-click links, one group header above each.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <utility>
#include <vector>

#include "app/notification.h"
#include "app/related_task_groups.h"
#include "base/scoped_win.h"

namespace corvinata {

// What the pane needs of the application.
class RelatedTasksPaneHost {
public:
    virtual ~RelatedTasksPaneHost() = default;
    // The active child window as a source of tasks; false when none is active.
    virtual bool ActiveWindowTaskSource(RelatedTaskSource& source) = 0;
    // The View menu's hiding of the pane.
    virtual void HideRelatedTasksPane() = 0;
    // A click into the pane must not rebuild the panes when it activates
    // the frame.
    virtual void SkipNextActivationRebuild() = 0;
    virtual bool IsNightVisionActive() const = 0;
};

constexpr int kRelatedTasksListId = 20741;

class RelatedTasksPane final : public NotificationObserver {
public:
    RelatedTasksPane(RelatedTasksPaneHost& host, WindowServices& services)
        : host_(host), services_(services) {}
    ~RelatedTasksPane() override;
    RelatedTasksPane(const RelatedTasksPane&) = delete;
    RelatedTasksPane& operator=(const RelatedTasksPane&) = delete;

    // The dialog "DLG_PANE_RELATED_TASKS" of the program's resources.
    bool Create(HWND parent, HINSTANCE instance);
    HWND Window() const noexcept { return window_; }

    // A document's notification rebuilds the pane for the active window.
    void Update(void*) override { UpdateForActiveWindow(); }
    void UpdateForActiveWindow();
    // Clear, build for the source, show.
    void ShowTasksFor(const RelatedTaskSource& source);
    void ShowOpenWindowTasks();
    void ShowNoTasks();
    // The Event Forecast's selected result, and the Event Finder's.
    void ShowEventTasks(const RelatedEvent& event, const DateTime& date);
    void ShowEventFinderTasks(const EventFinderSelection& selection);
    void Clear() { groups_.Clear(); }
    // Fills the list view from the groups.
    void Show();
    // Background and text colours for the night-vision state.
    void ApplyColours();

    const RelatedTaskGroups& Groups() const noexcept { return groups_; }
    // How many captions the pane has measured for their wrapped height.
    int MeasuredCaptions() const noexcept { return measuredCaptions_; }
    RelatedTaskBuilder Builder() { return RelatedTaskBuilder(groups_, services_); }

    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void OnInitDialog(HWND window);
    INT_PTR OnNotify(const NMHDR& header);
    void FitList();
    // Rows as tall as the longest caption wrapped in the column needs.
    void FitRows();
    // The height of each caption wrapped at `width` that is not known yet.
    void MeasureCaptions(int width);
    LRESULT DrawItem(NMLVCUSTOMDRAW& draw);
    void RunItem(int item);
    const RelatedTask* TaskOfItem(int item) const;

    RelatedTasksPaneHost& host_;
    WindowServices& services_;
    RelatedTaskGroups groups_;
    // What the list shows: each item's group and text, in order.
    std::vector<std::pair<int, String>> shown_;
    HWND window_ = nullptr;
    HWND list_ = nullptr;
    // Lines of the rows: more than one when a caption wraps, and then the
    // pane draws the rows itself, each caption whole, in the list's font
    // underlined as a link; the small image list only sets the rows' height.
    // The list keeps the font of the pane's dialog template for its life
    // (nothing sets it another), so the link font is made once.
    int rowLines_ = 1;
    // The height in pixels of each shown caption wrapped at captionWidth_,
    // and of a line of the link font: a caption is measured once for its
    // text and the column's width, not at each fit or paint.
    static constexpr int kUnmeasured = -1;
    std::vector<int> captionHeights_;
    int captionWidth_ = 0;
    int lineHeight_ = 1;
    int measuredCaptions_ = 0;
    ScopedFont linkFont_;
    ScopedImageList rowHeight_;
    bool closingBySystemCommand_ = false;
};

}  // namespace corvinata
