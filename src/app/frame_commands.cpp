#include "app/frame_commands.h"

#include <iterator>

#include "app/app_interfaces.h"
#include "resources/resource_ids.h"

namespace corvinata {

namespace {

using N = CommandNeed;
using H = CommandHandler;

constexpr FrameCommand kCommands[] = {
    {CMD_NEW_GRAPH, N::KindAvailable, H::ChildWindows},
    {CMD_OPEN_GRAPH, N::GraphFiles, H::ChildWindows},
    {CMD_SAVE_GRAPH, N::ActiveGraph, H::ChildWindows},
    {CMD_SAVE_GRAPH_AS, N::ActiveGraph, H::ChildWindows},
    {CMD_EDIT_GRAPH_LINES, N::ActiveGraph, H::ChildWindows},
    {CMD_GRAPH_OPTIONS, N::ActiveGraph, H::ChildWindows},
    // The recent graph files open in graph windows.
    {CMD_RECENT_FILE_FIRST, N::GraphFiles, H::ChildWindows},
    {CMD_RECENT_FILE_FIRST + 1, N::GraphFiles, H::ChildWindows},
    {CMD_RECENT_FILE_FIRST + 2, N::GraphFiles, H::ChildWindows},
    {CMD_RECENT_FILE_FIRST + 3, N::GraphFiles, H::ChildWindows},
    {CMD_RECENT_FILE_FIRST + 4, N::GraphFiles, H::ChildWindows},
    {CMD_RECENT_FILE_FIRST + 5, N::GraphFiles, H::ChildWindows},
    {CMD_RECENT_FILE_FIRST + 6, N::GraphFiles, H::ChildWindows},
    {CMD_RECENT_FILE_FIRST + 7, N::GraphFiles, H::ChildWindows},
    {CMD_RECENT_FILE_FIRST + 8, N::GraphFiles, H::ChildWindows},
    {CMD_RECENT_FILE_LAST, N::GraphFiles, H::ChildWindows},
    {CMD_EXIT, N::Nothing, H::ExitProgram},
    {CMD_UNDO, N::UndoStep, H::ChildWindows},
    {CMD_REDO, N::RedoStep, H::ChildWindows},
    {CMD_NAVIGATE_BACKWARD, N::BackwardStep, H::Navigation},
    {CMD_NAVIGATE_FORWARD, N::ForwardStep, H::Navigation},
    {CMD_ADD_LAYOUT, N::LayoutRoom, H::Layouts},
    {CMD_LAYOUT_FIRST, N::LayoutEntry, H::Layouts},
    {CMD_LAYOUT_FIRST + 1, N::LayoutEntry, H::Layouts},
    {CMD_LAYOUT_FIRST + 2, N::LayoutEntry, H::Layouts},
    {CMD_LAYOUT_FIRST + 3, N::LayoutEntry, H::Layouts},
    {CMD_LAYOUT_FIRST + 4, N::LayoutEntry, H::Layouts},
    {CMD_REMOVE_ACTIVE_LAYOUT, N::SeveralLayouts, H::Layouts},
    {CMD_REMOVE_INACTIVE_LAYOUTS, N::SeveralLayouts, H::Layouts},
    {CMD_PREVIOUS_LAYOUT, N::SeveralLayouts, H::Layouts},
    {CMD_NEXT_LAYOUT, N::SeveralLayouts, H::Layouts},
    {CMD_VIEW_TOOLBAR, N::Nothing, H::Panes},
    {CMD_VIEW_CONTROL_PANEL, N::OpenWindow, H::Panes},
    {CMD_VIEW_RELATED_TASKS, N::Nothing, H::Panes},
    {CMD_VIEW_WINDOW_MANAGER, N::Nothing, H::Panes},
    {CMD_VIEW_STATUS_LINE, N::Nothing, H::Panes},
    {CMD_OBJECT_INFO, N::Nothing, H::Tools},
    {CMD_EVENT_FORECAST, N::Nothing, H::Tools},
    {CMD_EVENT_FINDER, N::Nothing, H::Tools},
    {CMD_CALCULATOR, N::Nothing, H::Tools},
    {CMD_SYMBOLS, N::Nothing, H::Tools},
    {CMD_EDUCATOR, N::NoLesson, H::Educator},
    {CMD_DATE_TIME, N::Nothing, H::Options},
    {CMD_LOCATION, N::Nothing, H::Options},
    {CMD_APPEARANCE, N::Nothing, H::Options},
    {CMD_NEW_SKY, N::KindAvailable, H::ChildWindows},
    {CMD_NEW_SOLAR_SYSTEM, N::KindAvailable, H::ChildWindows},
    {CMD_NEW_GRAPH_WINDOW, N::KindAvailable, H::ChildWindows},
    {CMD_NEW_PICTURE, N::KindAvailable, H::ChildWindows},
    {CMD_NEW_REPORT, N::KindAvailable, H::ChildWindows},
    {CMD_NEW_JUPITER, N::KindAvailable, H::ChildWindows},
    {CMD_NEW_SATURN, N::KindAvailable, H::ChildWindows},
    {CMD_NEW_ECLIPSE, N::KindAvailable, H::ChildWindows},
    {CMD_CASCADE, N::OpenWindow, H::Arrangement},
    {CMD_TILE_HORIZONTALLY, N::OpenWindow, H::Arrangement},
    {CMD_TILE_VERTICALLY, N::OpenWindow, H::Arrangement},
    {CMD_ARRANGE_ICONS, N::OpenWindow, H::Arrangement},
    {CMD_CLOSE_WINDOW, N::OpenWindow, H::Arrangement},
    {CMD_CLOSE_ALL, N::OpenWindow, H::Arrangement},
    {CMD_HELP_CONTENTS, N::Nothing, H::Help},
    {CMD_HELP_SEARCH, N::Nothing, H::Help},
    {CMD_HELP_GLOSSARY, N::Nothing, H::Help},
    {CMD_HELP_QUICK_TOUR, N::Nothing, H::Help},
    {CMD_HELP_KEYBOARD_MAP, N::Nothing, H::Help},
    {CMD_ABOUT, N::Nothing, H::Help},
    {CMD_SHOW_SKY, N::KindAvailable, H::ChildWindows},
    {CMD_SHOW_SOLAR_SYSTEM, N::KindAvailable, H::ChildWindows},
    {CMD_SHOW_GRAPH, N::KindAvailable, H::ChildWindows},
    {CMD_SHOW_PICTURE, N::KindAvailable, H::ChildWindows},
    {CMD_SHOW_REPORT, N::KindAvailable, H::ChildWindows},
    {CMD_SHOW_JUPITER, N::KindAvailable, H::ChildWindows},
    {CMD_SHOW_SATURN, N::KindAvailable, H::ChildWindows},
    {CMD_SHOW_ECLIPSE, N::KindAvailable, H::ChildWindows},
    {CMD_STEP_FORWARD, N::OpenWindow, H::ChildWindows},
    {CMD_STEP_BACKWARD, N::OpenWindow, H::ChildWindows},
    {CMD_RESET_TIME, N::OpenWindow, H::ChildWindows},
    {CMD_ZOOM_IN, N::OpenWindow, H::ChildWindows},
    {CMD_ZOOM_OUT, N::OpenWindow, H::ChildWindows},
};

}  // namespace

const FrameCommand* FindFrameCommand(int id) noexcept {
    for (const FrameCommand& command : kCommands) {
        if (command.id == id) return &command;
    }
    return nullptr;
}

const FrameCommand* FrameCommandsBegin() noexcept { return std::begin(kCommands); }
const FrameCommand* FrameCommandsEnd() noexcept { return std::end(kCommands); }

bool IsFrameCommandEnabled(const FrameCommand& command, const FrameCommandContext& context) noexcept {
    switch (command.need) {
    case N::Nothing: return true;
    case N::OpenWindow: return context.windowOpen;
    case N::ActiveGraph: return context.graphCanBeSaved;
    case N::UndoStep: return context.canUndo;
    case N::RedoStep: return context.canRedo;
    case N::BackwardStep: return context.canGoBackward;
    case N::ForwardStep: return context.canGoForward;
    case N::LayoutRoom: return context.layoutCount < kMaxLayouts;
    case N::SeveralLayouts: return context.layoutCount > 1;
    case N::LayoutEntry: return command.id - CMD_LAYOUT_FIRST < context.layoutCount;
    case N::KindAvailable: {
        const int kind = WindowKindOfCommand(command.id);
        return kind >= 0 && (context.kindsAvailable & (1u << kind)) != 0;
    }
    case N::GraphFiles: return (context.kindsAvailable & (1u << kGraphWindow)) != 0;
    case N::NoLesson: return !context.lessonRunning;
    case N::Unavailable: return false;
    }
    return false;
}

int WindowKindOfCommand(int id) noexcept {
    struct KindCommand {
        int id;
        int kind;
    };
    static constexpr KindCommand kKindCommands[] = {
        {CMD_NEW_GRAPH_WINDOW, 0}, {CMD_NEW_JUPITER, 1},  {CMD_NEW_PICTURE, 2}, {CMD_NEW_REPORT, 3},
        {CMD_NEW_SATURN, 4},       {CMD_NEW_ECLIPSE, 5},  {CMD_NEW_SKY, 6},     {CMD_NEW_SOLAR_SYSTEM, 7},
        {CMD_SHOW_GRAPH, 0},       {CMD_SHOW_JUPITER, 1}, {CMD_SHOW_PICTURE, 2}, {CMD_SHOW_REPORT, 3},
        {CMD_SHOW_SATURN, 4},      {CMD_SHOW_ECLIPSE, 5}, {CMD_SHOW_SKY, 6},    {CMD_SHOW_SOLAR_SYSTEM, 7},
        {CMD_NEW_GRAPH, 0},
    };
    for (const KindCommand& entry : kKindCommands) {
        if (entry.id == id) return entry.kind;
    }
    return -1;
}

bool IsNewWindowCommand(int id) noexcept {
    return (id >= CMD_NEW_SKY && id <= CMD_NEW_ECLIPSE) || id == CMD_NEW_GRAPH;
}

}  // namespace corvinata
