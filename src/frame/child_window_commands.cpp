#include "frame/child_window_commands.h"

#include <windows.h>

#include "app/frame_commands.h"
#include "controls/child_windows.h"
#include "resources/resource_ids.h"

namespace corvinata {

void RunChildWindowCommand(ChildWindows& children, int id) {
    const int kind = WindowKindOfCommand(id);
    if (kind >= 0) {
        if (IsNewWindowCommand(id)) {
            children.NewWindow(kind);
        } else {
            children.ShowWindow(kind);
        }
        return;
    }
    MdiChildWindow* active = children.ActiveWindow();
    switch (id) {
    case CMD_OPEN_GRAPH:
        if (ChildWindowKind* graphs = children.KindOf(kGraphWindow)) graphs->RunCommand(id);
        break;
    case CMD_SAVE_GRAPH:
    case CMD_SAVE_GRAPH_AS:
    case CMD_EDIT_GRAPH_LINES:
    case CMD_GRAPH_OPTIONS:
        // The active Graph window saves itself and edits its lines.
        if (MdiChildWindow* graph = children.ActiveWindowOf(kGraphWindow)) {
            SendMessageW(graph->Handle(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
        }
        break;
    case CMD_UNDO:
    case CMD_REDO:
        if (CommandHistory* history = active ? active->History() : nullptr) {
            if (id == CMD_UNDO) {
                history->UndoCommands(1);
            } else {
                history->RedoCommands(1);
            }
        }
        break;
    case CMD_ZOOM_IN:
    case CMD_ZOOM_OUT:
        children.ZoomActiveChild(id == CMD_ZOOM_IN ? 0 : 1);
        break;
    case CMD_STEP_FORWARD:
    case CMD_STEP_BACKWARD:
        children.StepActiveTime(id == CMD_STEP_BACKWARD);
        break;
    case CMD_RESET_TIME:
        children.ResetActiveTime();
        break;
    default:
        if (id >= CMD_RECENT_FILE_FIRST && id <= CMD_RECENT_FILE_LAST) {
            if (ChildWindowKind* graphs = children.KindOf(kGraphWindow)) graphs->RunCommand(id);
        }
        break;
    }
}

}  // namespace corvinata
