#include "frame/frame_related_tasks.h"

#include "app/application.h"
#include "app/picture_document.h"
#include "app/sky_commands.h"
#include "app/solar_system_commands.h"
#include "frame/frame_window.h"
#include "views/picture_window_win.h"
#include "views/report_window_win.h"
#include "resources/resource_ids.h"
#include "tools/object_info_window_win.h"
#include "views/graph_window_win.h"
#include "views/sky_window_win.h"
#include "views/solar_system_window_win.h"

namespace corvinata {

void FrameRelatedTasks::Refresh() {
    if (ActiveChild() != nullptr) {
        pane_.UpdateForActiveWindow();
    } else {
        pane_.ShowOpenWindowTasks();
    }
}

void FrameRelatedTasks::WindowActivated() {
    if (skipActivation_) {
        skipActivation_ = false;
        return;
    }
    Refresh();
}

void FrameRelatedTasks::ShowObjectInfoTasks(const BodyIdentifier& body, const DateTime& date) {
    RelatedTaskSource source;
    source.kind = kObjectInfoTaskSource;
    source.date = date;
    source.body = body;
    pane_.ShowTasksFor(source);
}

MdiChildWindow* FrameRelatedTasks::ActiveChild() const {
    HWND client = frame_.MdiClient();
    if (client == nullptr) return nullptr;
    HWND active = reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0, 0));
    if (active == nullptr) return nullptr;
    return dynamic_cast<MdiChildWindow*>(frame_.Registry().FindByHandle(active).window);
}

bool FrameRelatedTasks::ActiveWindowTaskSource(RelatedTaskSource& source) {
    MdiChildWindow* window = ActiveChild();
    if (window == nullptr) return false;
    source.kind = window->Document().GetKind();
    // The shared documents follow the program's moment.
    source.date = CurrentTimeAndLocation().dateTime;
    if (auto* sky = dynamic_cast<SkyWindowCommands*>(window)) {
        source.body = sky->GetSelectedBody();
    } else if (auto* solar = dynamic_cast<SolarSystemWindowCommands*>(window)) {
        source.body = solar->GetSelectedBody();
    } else if (auto* picture = dynamic_cast<PictureDocument*>(&window->Document())) {
        source.body = picture->GetBody();
    } else if (auto* graph = dynamic_cast<GraphWindow*>(window)) {
        source.graphWindow = graph;
        String folder(app_.Product().GetProgramDirectory().GetPathDirectoryWithSeparator());
        StringAppend(folder, TXT("GRAPHS"));
        source.graphsDirectory = folder;
    }
    return true;
}

void FrameRelatedTasks::HideRelatedTasksPane() {
    if (frame_.IsPaneShown(CMD_VIEW_RELATED_TASKS)) RunFrameCommand(CMD_VIEW_RELATED_TASKS);
}

bool FrameRelatedTasks::IsNightVisionActive() const { return frame_.NightVisionActive(); }

const DateTimeLocation& FrameRelatedTasks::CurrentTimeAndLocation() const {
    now_ = app_.Current().GetTimeAndLocation();
    return now_;
}

bool FrameRelatedTasks::BodyHasPicture(const BodyIdentifier& body) const {
    if (body.object == nullptr) return false;
    PictureRef ref;
    return FindPictureOfBody(app_.PicturePacks(), body.object->GetTypeId(), body.object->Number(), ref);
}

void FrameRelatedTasks::OpenNewWindow(int windowKind) { frame_.Children().NewWindow(windowKind); }

void FrameRelatedTasks::NewReportWindow(int reportType, int planetNumber, const DateTimeLocation& record) {
    if (auto* reports = dynamic_cast<ReportWindowKind*>(frame_.Children().KindOf(kReportWindow))) {
        reports->NewReportWindow(reportType, planetNumber, record);
    }
}

void FrameRelatedTasks::ShowBodyInPictureWindow(const BodyIdentifier& body) {
    if (auto* pictures = dynamic_cast<PictureWindowKind*>(frame_.Children().KindOf(kPictureWindow))) {
        pictures->ShowPictureWindowOfBody(body);
    }
}

// The explorers show their planet's system; the moon itself is picked there.
void FrameRelatedTasks::ShowBodyInJupiterWindow(const BodyIdentifier&) {
    frame_.Children().ShowWindow(kJupiterExplorerWindow);
}

void FrameRelatedTasks::ShowBodyInSaturnWindow(const BodyIdentifier&) {
    frame_.Children().ShowWindow(kSaturnExplorerWindow);
}

void FrameRelatedTasks::ShowBodyInSkyWindowAt(const BodyIdentifier& body, const DateTime& date) {
    ShowBodyInSkyWindow(frame_.Children(), app_.GetSkyActions(), body, &date);
}

void FrameRelatedTasks::ShowBodyInSolarSystemWindowAt(const BodyIdentifier& body, const DateTime& date) {
    ShowBodyInSolarSystemWindow(frame_.Children(), app_.GetSolarSystemActions(), body, date);
}

void FrameRelatedTasks::ShowInSolarEclipseWindow(const RelatedEvent&) {
    frame_.Children().ShowWindow(kSolarEclipseWindow);
}

void FrameRelatedTasks::NewGraphWindow() { RunFrameCommand(CMD_NEW_GRAPH); }

void FrameRelatedTasks::OpenGraphDialog() { RunFrameCommand(CMD_OPEN_GRAPH); }

void FrameRelatedTasks::ShowGraphLinesEditor(RelatedTaskWindow& graphWindow) {
    if (auto* graph = dynamic_cast<GraphWindow*>(&graphWindow)) graph->EditLines();
}

void FrameRelatedTasks::ShowGraphOptions(RelatedTaskWindow& graphWindow) {
    if (auto* graph = dynamic_cast<GraphWindow*>(&graphWindow)) graph->ChangeGraphOptions(-1);
}

void FrameRelatedTasks::OpenGraphFile(const String& path) {
    if (auto* graphs = dynamic_cast<GraphWindowKind*>(frame_.Children().KindOf(kGraphWindow))) {
        graphs->OpenGraph(path);
    }
}

// A graph made from the task's lines is not built here yet: the task opens
// a new graph for the user to add them.
void FrameRelatedTasks::OpenGraph(const NewGraphRequest&) { NewGraphWindow(); }

void FrameRelatedTasks::ShowObjectInfo(const BodyIdentifier& body) {
    SelectObjectForInfo(body);
    ShowTool(CMD_OBJECT_INFO);
}

void FrameRelatedTasks::StartEventSearch(int, const DateTime&, const DateTime&, const TimeStep&) {
    ShowTool(CMD_EVENT_FINDER);
}

void FrameRelatedTasks::ShowTool(int command) {
    if (frame_.Tools().Find(command) != nullptr && !frame_.Tools().IsShown(command)) RunFrameCommand(command);
}

void FrameRelatedTasks::RunFrameCommand(int command) {
    SendMessageW(frame_.Window(), WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

}  // namespace corvinata
