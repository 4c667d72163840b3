// The frame's Related Tasks pane: its tasks run through the program's window
// services, and it is rebuilt from the active child window whenever that or
// its selection changes.
#pragma once

#include <windows.h>

#include "frame/related_tasks_pane.h"

namespace corvinata {

class Application;
class FrameWindow;
class MdiChildWindow;

class FrameRelatedTasks final : public RelatedTasksPaneHost {
public:
    FrameRelatedTasks(FrameWindow& frame, Application& app, WindowServices& services)
        : frame_(frame), app_(app), pane_(*this, services) {}
    FrameRelatedTasks(const FrameRelatedTasks&) = delete;
    FrameRelatedTasks& operator=(const FrameRelatedTasks&) = delete;

    bool Create(HWND frame, HINSTANCE instance) { return pane_.Create(frame, instance); }
    HWND Window() const noexcept { return pane_.Window(); }
    const RelatedTasksPane& Pane() const noexcept { return pane_; }
    RelatedTasksPane& Pane() noexcept { return pane_; }

    // The active child window's tasks, or "Getting started" while no child
    // window is open.
    void Refresh();
    // The window's tasks (it is becoming the active one).
    void ShowTasksOf(MdiChildWindow& window);
    // Object Info's body at its moment.
    void ShowObjectInfoTasks(const BodyIdentifier& body, const DateTime& date);

    // RelatedTasksPaneHost
    bool ActiveWindowTaskSource(RelatedTaskSource& source) override;
    void HideRelatedTasksPane() override;
    void SkipNextActivationRebuild() override;
    bool IsNightVisionActive() const override;

private:
    MdiChildWindow* ActiveChild() const;
    void DescribeWindow(MdiChildWindow& window, RelatedTaskSource& source);

    FrameWindow& frame_;
    Application& app_;
    RelatedTasksPane pane_;
};

}  // namespace corvinata
