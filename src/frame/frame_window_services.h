// The window services as the program has them: every window kind and tool
// reaches the others and the frame through this one object, which finds the
// windows in the frame's kinds and tools and keeps the rules of showing
// (activate or create, a setting as an undoable step) in one place.
#pragma once

#include <windows.h>

#include "app/window_services.h"
#include "tools/event_finder.h"

namespace corvinata {

class Application;
class FrameWindow;

class FrameWindowServices final : public WindowServices {
public:
    FrameWindowServices(FrameWindow& frame, Application& app) : frame_(frame), app_(app) {}
    FrameWindowServices(const FrameWindowServices&) = delete;
    FrameWindowServices& operator=(const FrameWindowServices&) = delete;

    const DateTimeLocation& CurrentTimeAndLocation() const override;
    bool BodyHasPicture(const BodyIdentifier& body) const override;
    bool OffersWindowKind(int windowKind) const override;
    bool OffersObjectInfo() const override;

    void OpenNewWindow(int windowKind) override;
    void NewReportWindow(int reportType, int planetNumber, const DateTimeLocation& record) override;
    bool ShowBodyInPictureWindow(const BodyIdentifier& body) override;
    bool ShowBodyInJupiterWindow(const BodyIdentifier& body, const DateTime* moment) override;
    bool ShowBodyInSaturnWindow(const BodyIdentifier& body, const DateTime* moment) override;
    bool ShowBodyInSkyWindow(const BodyIdentifier& body) override;
    bool ShowBodyInSkyWindowAt(const BodyIdentifier& body, const DateTime& date) override;
    bool ShowBodyInSolarSystemWindow(const BodyIdentifier& body) override;
    bool ShowBodyInSolarSystemWindowAt(const BodyIdentifier& body, const DateTime& date) override;
    bool ShowInSolarEclipseWindow(const DateTimeRange& range) override;

    void NewGraphWindow() override;
    void OpenGraphDialog() override;
    void OpenGraphFile(const String& path) override;
    void OpenGraph(const NewGraphRequest& request) override;
    void ShowGraphLinesEditor(RelatedTaskWindow& graphWindow) override;
    void ShowGraphOptions(RelatedTaskWindow& graphWindow) override;

    void ShowObjectInfo(const BodyIdentifier& body, const DateTime* moment) override;
    void StartEventSearch(int eventTypeId, const DateTime& begin, const DateTime& end,
                          const TimeStep& step) override;

    void FocusSkyPanelHighlight() override;
    void FocusSolarSystemPanelHighlight() override;

    void RefreshRelatedTasks() override;
    void ClearRelatedTasks() override;
    void ShowEventTasks(const RelatedEvent& event, const DateTime& date) override;
    void ShowEventFinderTasks(const EventFinderSelection& selection) override;
    void ShowObjectInfoTasks(const BodyIdentifier& body, const DateTime& date) override;

    // Shows the Event Finder (at its stored placement when it was hidden)
    // and starts the search there, as the user's Start would: a script's
    // search and a related task's search alike.
    void StartEventFinderSearch(const events::SearchSetup& setup, const events::EventCondition& condition,
                                const Location& place);

private:
    // The frame's command, as its menu sends it.
    void RunFrameCommand(int command);

    FrameWindow& frame_;
    Application& app_;
    mutable DateTimeLocation now_;
};

}  // namespace corvinata
