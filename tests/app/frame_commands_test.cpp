#include "app/frame_commands.h"

#include <gtest/gtest.h>

#include <set>

#include "resources/resource_ids.h"

namespace corvinata {
namespace {

TEST(FrameCommandsTest, EveryCommandStandsOnceInTheTable) {
    std::set<int> seen;
    for (const FrameCommand* c = FrameCommandsBegin(); c != FrameCommandsEnd(); ++c) {
        EXPECT_TRUE(seen.insert(c->id).second) << c->id;
    }
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
                      // Tools that the program does not have yet.
                      EnableCase{CMD_EVENT_FINDER, {}, false}));

}  // namespace
}  // namespace corvinata
