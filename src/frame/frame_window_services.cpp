#include "frame/frame_window_services.h"

#include "app/application.h"
#include "app/eclipse_document.h"
#include "app/picture_packs.h"
#include "frame/frame_related_tasks.h"
#include "frame/frame_window.h"
#include "resources/resource_ids.h"
#include "tools/event_finder_window_win.h"
#include "tools/object_info_window_win.h"
#include "views/eclipse_window_win.h"
#include "views/explorer_window_win.h"
#include "views/graph_window_win.h"
#include "views/picture_window_win.h"
#include "views/report_window_win.h"
#include "views/sky_panel_win.h"
#include "views/sky_window_win.h"
#include "views/solar_system_panel_win.h"
#include "views/solar_system_window_win.h"

namespace corvinata {

namespace {

template <class Kind>
Kind* KindOf(FrameWindow& frame, int kind) {
    return dynamic_cast<Kind*>(frame.Children().KindOf(kind));
}

}  // namespace

const DateTimeLocation& FrameWindowServices::CurrentTimeAndLocation() const {
    now_ = app_.Current().GetTimeAndLocation();
    return now_;
}

bool FrameWindowServices::BodyHasPicture(const BodyIdentifier& body) const {
    if (body.object == nullptr) return false;
    PictureRef ref;
    return FindPictureOfBody(app_.PicturePacks(), body.object->GetTypeId(), body.object->Number(), ref);
}

bool FrameWindowServices::OffersWindowKind(int windowKind) const { return frame_.Children().HasKind(windowKind); }

bool FrameWindowServices::OffersObjectInfo() const { return frame_.Tools().Find(CMD_OBJECT_INFO) != nullptr; }

void FrameWindowServices::OpenNewWindow(int windowKind) { frame_.Children().NewWindow(windowKind); }

void FrameWindowServices::NewReportWindow(int reportType, int planetNumber, const DateTimeLocation& record) {
    if (auto* reports = KindOf<ReportWindowKind>(frame_, kReportWindow)) {
        reports->NewReportWindow(reportType, planetNumber, record);
    }
}

// Every show below ends with the pane built once more: a window made for
// the purpose takes its setting directly, after its activation built the
// pane, and with no step that the pane would follow.

// A body no installed pack has a picture of gets the window's
// missing-picture text rather than nothing at all.
bool FrameWindowServices::ShowBodyInPictureWindow(const BodyIdentifier& body) {
    auto* pictures = KindOf<PictureWindowKind>(frame_, kPictureWindow);
    if (!pictures) return false;
    if (!pictures->ShowPictureWindowOfBody(body)) pictures->ShowMissingPicture();
    RefreshRelatedTasks();
    return true;
}

bool FrameWindowServices::ShowBodyInJupiterWindow(const BodyIdentifier&, const DateTime* moment) {
    if (!ShowBodyInExplorerWindow(frame_.Children(), JupiterExplorerTraits(), moment)) return false;
    RefreshRelatedTasks();
    return true;
}

bool FrameWindowServices::ShowBodyInSaturnWindow(const BodyIdentifier&, const DateTime* moment) {
    if (!ShowBodyInExplorerWindow(frame_.Children(), SaturnExplorerTraits(), moment)) return false;
    RefreshRelatedTasks();
    return true;
}

bool FrameWindowServices::ShowBodyInSkyWindow(const BodyIdentifier& body) {
    if (!corvinata::ShowBodyInSkyWindow(frame_.Children(), app_.GetSkyActions(), body, nullptr)) return false;
    RefreshRelatedTasks();
    return true;
}

bool FrameWindowServices::ShowBodyInSkyWindowAt(const BodyIdentifier& body, const DateTime& date) {
    if (!corvinata::ShowBodyInSkyWindow(frame_.Children(), app_.GetSkyActions(), body, &date)) return false;
    RefreshRelatedTasks();
    return true;
}

bool FrameWindowServices::ShowBodyInSolarSystemWindow(const BodyIdentifier& body) {
    if (!corvinata::ShowBodyInSolarSystemWindow(frame_.Children(), app_.GetSolarSystemActions(), body)) return false;
    RefreshRelatedTasks();
    return true;
}

bool FrameWindowServices::ShowBodyInSolarSystemWindowAt(const BodyIdentifier& body, const DateTime& date) {
    if (!corvinata::ShowBodyInSolarSystemWindow(frame_.Children(), app_.GetSolarSystemActions(), body, date)) {
        return false;
    }
    RefreshRelatedTasks();
    return true;
}

bool FrameWindowServices::ShowInSolarEclipseWindow(const DateTimeRange& range) {
    DateTime date = range.begin;
    FindEclipseOfRange(range, date);
    if (!ShowEclipseInWindow(frame_.Children(), app_.GetSolarEclipseActions(), date)) return false;
    RefreshRelatedTasks();
    return true;
}

void FrameWindowServices::NewGraphWindow() { RunFrameCommand(CMD_NEW_GRAPH); }

void FrameWindowServices::OpenGraphDialog() { RunFrameCommand(CMD_OPEN_GRAPH); }

void FrameWindowServices::OpenGraphFile(const String& path) {
    if (auto* graphs = KindOf<GraphWindowKind>(frame_, kGraphWindow)) graphs->OpenGraph(path);
}

void FrameWindowServices::OpenGraph(const NewGraphRequest& request) {
    if (auto* graphs = KindOf<GraphWindowKind>(frame_, kGraphWindow)) graphs->OpenNewGraph(request);
}

void FrameWindowServices::ShowGraphLinesEditor(RelatedTaskWindow& graphWindow) {
    if (auto* graph = dynamic_cast<GraphWindow*>(&graphWindow)) graph->EditLines();
}

void FrameWindowServices::ShowGraphOptions(RelatedTaskWindow& graphWindow) {
    if (auto* graph = dynamic_cast<GraphWindow*>(&graphWindow)) graph->ChangeGraphOptions(-1);
}

void FrameWindowServices::ShowObjectInfo(const BodyIdentifier& body, const DateTime* moment) {
    auto* info = dynamic_cast<ObjectInfoWindow*>(frame_.Tools().Find(CMD_OBJECT_INFO));
    if (info == nullptr || body.object == nullptr) return;
    if (moment != nullptr) info->NotifySelectionChanged(*moment);
    info->SelectObjectForInfo(body);
    if (!frame_.Tools().IsShown(CMD_OBJECT_INFO)) RunFrameCommand(CMD_OBJECT_INFO);
}

void FrameWindowServices::StartEventSearch(int eventTypeId, const DateTime& begin, const DateTime& end,
                                           const TimeStep& step) {
    StartEventFinderSearch(events::SearchSetupFor(begin, end, step, false), events::PredefinedEventCondition(eventTypeId),
                           CurrentTimeAndLocation().location);
}

void FrameWindowServices::StartEventFinderSearch(const events::SearchSetup& setup,
                                                 const events::EventCondition& condition, const Location& place) {
    auto* finder = dynamic_cast<EventFinderWindow*>(frame_.Tools().Find(CMD_EVENT_FINDER));
    if (finder == nullptr) return;
    // Shown where it stands, or at its stored place when it was hidden.
    if (!frame_.Tools().IsShown(CMD_EVENT_FINDER)) RunFrameCommand(CMD_EVENT_FINDER);
    finder->Control().StartRequested(setup, condition, place);
}

void FrameWindowServices::FocusSkyPanelHighlight() {
    if (auto* panel = dynamic_cast<SkyControlPanel*>(frame_.Children().PanelOf(kSkyWindow))) panel->FocusHighlight();
}

void FrameWindowServices::FocusSolarSystemPanelHighlight() {
    if (auto* panel = dynamic_cast<SolarControlPanel*>(frame_.Children().PanelOf(kSolarSystemWindow))) {
        panel->EnableHighlightControls(true);
    }
}

void FrameWindowServices::RefreshRelatedTasks() { frame_.RefreshRelatedTasks(); }

void FrameWindowServices::ClearRelatedTasks() {
    if (FrameRelatedTasks* tasks = frame_.RelatedTasks()) tasks->Pane().ShowNoTasks();
}

void FrameWindowServices::ShowEventTasks(const RelatedEvent& event, const DateTime& date) {
    if (FrameRelatedTasks* tasks = frame_.RelatedTasks()) tasks->Pane().ShowEventTasks(event, date);
}

void FrameWindowServices::ShowEventFinderTasks(const EventFinderSelection& selection) {
    if (FrameRelatedTasks* tasks = frame_.RelatedTasks()) tasks->Pane().ShowEventFinderTasks(selection);
}

void FrameWindowServices::ShowObjectInfoTasks(const BodyIdentifier& body, const DateTime& date) {
    if (FrameRelatedTasks* tasks = frame_.RelatedTasks()) tasks->ShowObjectInfoTasks(body, date);
}

void FrameWindowServices::RunFrameCommand(int command) {
    SendMessageW(frame_.Window(), WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

}  // namespace corvinata
