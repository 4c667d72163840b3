#include "frame/frame_related_tasks.h"

#include "app/application.h"
#include "app/product_info.h"
#include "frame/frame_window.h"
#include "resources/resource_ids.h"

namespace corvinata {

void FrameRelatedTasks::Refresh() {
    if (ActiveChild() != nullptr) {
        pane_.UpdateForActiveWindow();
    } else {
        pane_.ShowOpenWindowTasks();
    }
}

void FrameRelatedTasks::ShowTasksOf(MdiChildWindow& window) {
    RelatedTaskSource source;
    DescribeWindow(window, source);
    pane_.ShowTasksFor(source);
}

void FrameRelatedTasks::SkipNextActivationRebuild() { frame_.SkipNextChildActivation(); }

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
    DescribeWindow(*window, source);
    return true;
}

void FrameRelatedTasks::DescribeWindow(MdiChildWindow& window, RelatedTaskSource& source) {
    source.kind = window.Document().GetKind();
    source.date = app_.Current().GetTimeAndLocation().dateTime;
    window.DescribeForRelatedTasks(source);
    if (source.graphWindow != nullptr) {
        String folder(app_.Product().GetProgramDirectory().GetPathDirectoryWithSeparator());
        StringAppend(folder, kGraphsFolder);
        source.graphsDirectory = folder;
    }
}

void FrameRelatedTasks::HideRelatedTasksPane() {
    if (frame_.IsPaneShown(CMD_VIEW_RELATED_TASKS)) {
        SendMessageW(frame_.Window(), WM_COMMAND, MAKEWPARAM(CMD_VIEW_RELATED_TASKS, 0), 0);
    }
}

bool FrameRelatedTasks::IsNightVisionActive() const { return frame_.NightVisionActive(); }

}  // namespace corvinata
