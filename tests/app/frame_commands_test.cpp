#include "app/frame_commands.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "resources/resource_ids.h"

namespace corvinata {
namespace {

TEST(FrameCommandsTest, EveryCommandStandsOnceInTheTable) {
    std::set<int> seen;
    for (const FrameCommand* c = FrameCommandsBegin(); c != FrameCommandsEnd(); ++c) {
        EXPECT_TRUE(seen.insert(c->id).second) << c->id;
    }
}

// Each command goes to one part of the frame alone: a layout's entry in
// View > Layout applies the layout and reaches no child window, Undo reaches
// the active window's history and not the navigation, and so on.
struct HandlerCase {
    CommandHandler handler;
    std::vector<int> ids;
};

const HandlerCase kHandlerCases[] = {
    {CommandHandler::Layouts,
     {CMD_ADD_LAYOUT, CMD_LAYOUT_FIRST, CMD_LAYOUT_FIRST + 1, CMD_LAYOUT_FIRST + 2, CMD_LAYOUT_FIRST + 3,
      CMD_LAYOUT_FIRST + 4, CMD_NEXT_LAYOUT, CMD_PREVIOUS_LAYOUT, CMD_REMOVE_ACTIVE_LAYOUT,
      CMD_REMOVE_INACTIVE_LAYOUTS}},
    {CommandHandler::ChildWindows,
     {CMD_NEW_GRAPH, CMD_OPEN_GRAPH, CMD_SAVE_GRAPH, CMD_SAVE_GRAPH_AS, CMD_EDIT_GRAPH_LINES, CMD_GRAPH_OPTIONS,
      CMD_RECENT_FILE_FIRST, CMD_RECENT_FILE_FIRST + 1, CMD_RECENT_FILE_FIRST + 2, CMD_RECENT_FILE_FIRST + 3,
      CMD_RECENT_FILE_FIRST + 4, CMD_RECENT_FILE_FIRST + 5, CMD_RECENT_FILE_FIRST + 6, CMD_RECENT_FILE_FIRST + 7,
      CMD_RECENT_FILE_FIRST + 8, CMD_RECENT_FILE_LAST, CMD_UNDO, CMD_REDO, CMD_NEW_SKY, CMD_NEW_SOLAR_SYSTEM,
      CMD_NEW_GRAPH_WINDOW, CMD_NEW_PICTURE, CMD_NEW_REPORT, CMD_NEW_JUPITER, CMD_NEW_SATURN, CMD_NEW_ECLIPSE,
      CMD_SHOW_SKY, CMD_SHOW_SOLAR_SYSTEM, CMD_SHOW_GRAPH, CMD_SHOW_PICTURE, CMD_SHOW_REPORT, CMD_SHOW_JUPITER,
      CMD_SHOW_SATURN, CMD_SHOW_ECLIPSE, CMD_STEP_FORWARD, CMD_STEP_BACKWARD, CMD_RESET_TIME, CMD_ZOOM_IN,
      CMD_ZOOM_OUT}},
    {CommandHandler::Navigation, {CMD_NAVIGATE_BACKWARD, CMD_NAVIGATE_FORWARD}},
    {CommandHandler::Panes,
     {CMD_VIEW_TOOLBAR, CMD_VIEW_CONTROL_PANEL, CMD_VIEW_RELATED_TASKS, CMD_VIEW_WINDOW_MANAGER,
      CMD_VIEW_STATUS_LINE}},
    {CommandHandler::Tools, {CMD_OBJECT_INFO, CMD_EVENT_FORECAST, CMD_EVENT_FINDER, CMD_CALCULATOR, CMD_SYMBOLS}},
    {CommandHandler::Educator, {CMD_EDUCATOR}},
    {CommandHandler::Options, {CMD_DATE_TIME, CMD_LOCATION, CMD_APPEARANCE}},
    {CommandHandler::Arrangement,
     {CMD_CASCADE, CMD_TILE_HORIZONTALLY, CMD_TILE_VERTICALLY, CMD_ARRANGE_ICONS, CMD_CLOSE_WINDOW, CMD_CLOSE_ALL}},
    {CommandHandler::Help,
     {CMD_HELP_CONTENTS, CMD_HELP_SEARCH, CMD_HELP_GLOSSARY, CMD_HELP_QUICK_TOUR, CMD_HELP_KEYBOARD_MAP, CMD_ABOUT}},
    {CommandHandler::ExitProgram, {CMD_EXIT}},
};

TEST(FrameCommandsTest, EveryCommandReachesTheOneHandlerOfItsMenu) {
    std::size_t routed = 0;
    for (const HandlerCase& group : kHandlerCases) {
        for (const int id : group.ids) {
            const FrameCommand* command = FindFrameCommand(id);
            ASSERT_NE(command, nullptr) << id;
            EXPECT_EQ(command->handler, group.handler) << id;
            ++routed;
        }
    }
    // No command of the table is left without its group above.
    EXPECT_EQ(routed, static_cast<std::size_t>(FrameCommandsEnd() - FrameCommandsBegin()));
}

struct EnableCase {
    int command;
    FrameCommandContext context;
    bool enabled;
};

FrameCommandContext WithWindow() {
    FrameCommandContext c;
    c.windowOpen = true;
    return c;
}
FrameCommandContext WithLayouts(int n) {
    FrameCommandContext c;
    c.layoutCount = n;
    return c;
}

FrameCommandContext WithKind(int kind) {
    FrameCommandContext c;
    c.kindsAvailable = 1u << kind;
    return c;
}

class FrameCommandEnableTest : public ::testing::TestWithParam<EnableCase> {};

TEST_P(FrameCommandEnableTest, FollowsTheFrameState) {
    const FrameCommand* command = FindFrameCommand(GetParam().command);
    ASSERT_NE(command, nullptr);
    EXPECT_EQ(IsFrameCommandEnabled(*command, GetParam().context), GetParam().enabled);
}

INSTANTIATE_TEST_SUITE_P(
    States, FrameCommandEnableTest,
    ::testing::Values(EnableCase{CMD_EXIT, {}, true}, EnableCase{CMD_ABOUT, {}, true},
                      EnableCase{CMD_VIEW_TOOLBAR, {}, true},
                      // Save with no graph window is off, and stays off when a
                      // window of another kind is open.
                      EnableCase{CMD_SAVE_GRAPH, {}, false}, EnableCase{CMD_SAVE_GRAPH_AS, WithWindow(), false},
                      EnableCase{CMD_CLOSE_ALL, {}, false}, EnableCase{CMD_CLOSE_ALL, WithWindow(), true},
                      EnableCase{CMD_VIEW_CONTROL_PANEL, {}, false},
                      EnableCase{CMD_STEP_FORWARD, {}, false}, EnableCase{CMD_UNDO, WithWindow(), false},
                      EnableCase{CMD_NEXT_LAYOUT, WithLayouts(1), false},
                      EnableCase{CMD_NEXT_LAYOUT, WithLayouts(2), true},
                      // Window kinds open and show only when the program offers them.
                      EnableCase{CMD_NEW_SKY, WithWindow(), false}, EnableCase{CMD_NEW_SKY, WithKind(6), true},
                      EnableCase{CMD_SHOW_SKY, WithKind(6), true}, EnableCase{CMD_SHOW_ECLIPSE, WithKind(6), false},
                      EnableCase{CMD_NEW_ECLIPSE, WithKind(5), true}, EnableCase{CMD_SHOW_GRAPH, WithKind(0), true},
                      // The tools the program has.
                      EnableCase{CMD_EVENT_FORECAST, {}, true}, EnableCase{CMD_EVENT_FINDER, {}, true}));

}  // namespace
}  // namespace corvinata
