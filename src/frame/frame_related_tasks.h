// The frame's Related Tasks pane with what it runs: the tasks reach the
// program's windows and tools through this one object, and the pane is
// rebuilt from the active child window whenever that or its selection
// changes.
#pragma once

#include <windows.h>

#include "frame/related_tasks_pane.h"

namespace corvinata {

class Application;
class FrameWindow;
class MdiChildWindow;
struct TimeAndPlace;

class FrameRelatedTasks final : public RelatedTasksPaneHost, public RelatedTaskServices {
public:
    FrameRelatedTasks(FrameWindow& frame, Application& app) : frame_(frame), app_(app) {}
    FrameRelatedTasks(const FrameRelatedTasks&) = delete;
    FrameRelatedTasks& operator=(const FrameRelatedTasks&) = delete;

    bool Create(HWND frame, HINSTANCE instance) { return pane_.Create(frame, instance); }
    HWND Window() const noexcept { return pane_.Window(); }
    const RelatedTasksPane& Pane() const noexcept { return pane_; }

    // The active child window's tasks, or "Getting started" while no child
    // window is open.
    void Refresh();
    // A child window became active: the refresh, unless a click into the
    // pane itself brought the activation.
    void WindowActivated();
    // Object Info's body at its moment.
    void ShowObjectInfoTasks(const BodyIdentifier& body, const DateTime& date);

    // RelatedTasksPaneHost
    bool ActiveWindowTaskSource(RelatedTaskSource& source) override;
    void HideRelatedTasksPane() override;
    void SkipNextActivationRebuild() override { skipActivation_ = true; }
    bool IsNightVisionActive() const override;

    // RelatedTaskServices
    const DateTimeLocation& CurrentTimeAndLocation() const override;
    bool BodyHasPicture(const BodyIdentifier& body) const override;
    void OpenNewWindow(int windowKind) override;
    void NewReportWindow(int reportType, int planetNumber, const DateTimeLocation& record) override;
    void ShowBodyInPictureWindow(const BodyIdentifier& body) override;
    void ShowBodyInJupiterWindow(const BodyIdentifier& body) override;
    void ShowBodyInSaturnWindow(const BodyIdentifier& body) override;
    void ShowBodyInSkyWindowAt(const BodyIdentifier& body, const DateTime& date) override;
    void ShowBodyInSolarSystemWindowAt(const BodyIdentifier& body, const DateTime& date) override;
    void ShowInSolarEclipseWindow(const RelatedEvent& event) override;
    void NewGraphWindow() override;
    void OpenGraphDialog() override;
    void ShowGraphLinesEditor(RelatedTaskWindow& graphWindow) override;
    void ShowGraphOptions(RelatedTaskWindow& graphWindow) override;
    void OpenGraphFile(const String& path) override;
    void OpenGraph(const NewGraphRequest& request) override;
    void ShowObjectInfo(const BodyIdentifier& body) override;
    void StartEventSearch(int eventTypeId, const DateTime& begin, const DateTime& end,
                          const TimeStep& step) override;

private:
    MdiChildWindow* ActiveChild() const;
    void ShowTool(int command);
    void RunFrameCommand(int command);

    FrameWindow& frame_;
    Application& app_;
    mutable DateTimeLocation now_;
    RelatedTasksPane pane_{*this, *this};
    bool skipActivation_ = false;
};

}  // namespace corvinata
