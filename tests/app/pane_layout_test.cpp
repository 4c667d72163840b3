#include "app/pane_layout.h"

#include <gtest/gtest.h>

#include <map>

namespace corvinata {
namespace {

// Windows of fixed natural sizes; records where the layout puts them.
class FakeHost final : public PaneHost {
public:
    struct Pane {
        int width;
        int height;
        PaneRect placed{-1, -1, -1, -1};
    };

    int PaneWidth(PaneHandle pane) const override { return panes.at(pane).width; }
    int PaneHeight(PaneHandle pane) const override { return panes.at(pane).height; }
    void PlacePane(PaneHandle pane, int left, int top, int width, int height) override {
        Pane& p = panes.at(pane);
        p.placed = {left, top, width, height};
        p.width = width;
        p.height = height;
    }

    std::map<PaneHandle, Pane> panes;
};

// The frame's tree: toolbar over (control panel | client | (tasks over
// window manager)) over status line.
enum Role { kToolbar, kControlPanel, kClient, kTasks, kManager, kStatus, kRoleCount };
int handles[kRoleCount];
PaneHandle H(Role role) { return &handles[role]; }

class FramePaneLayoutTest : public ::testing::Test {
protected:
    FramePaneLayoutTest()
        : layout(host, PaneNode::Group(true, {PaneNode::Leaf(H(kToolbar), false),
                                              PaneNode::Group(true, {PaneNode::Leaf(H(kControlPanel), false),
                                                                     PaneNode::Leaf(H(kClient), true),
                                                                     PaneNode::Group(false, {PaneNode::Leaf(H(kTasks), false),
                                                                                             PaneNode::Leaf(H(kManager), true)})}),
                                              PaneNode::Leaf(H(kStatus), false)})) {
        host.panes = {{H(kToolbar), {1000, 28}}, {H(kControlPanel), {306, 50}}, {H(kClient), {700, 400}},
                      {H(kTasks), {200, 180}},   {H(kManager), {240, 100}},    {H(kStatus), {1000, 22}}};
        for (int r = 0; r < kRoleCount; ++r) layout.Show(H(static_cast<Role>(r)));
    }
    PaneRect Placed(Role role) const { return host.panes.at(H(role)).placed; }

    FakeHost host;
    PaneLayout layout;
};

TEST_F(FramePaneLayoutTest, FixedPanesKeepTheirSizeAndTheClientFillsTheRest) {
    layout.Arrange(1000, 700);
    const struct {
        Role role;
        PaneRect expected;
    } cases[] = {
        {kToolbar, {0, 0, 1000, 28}},       {kStatus, {0, 678, 1000, 22}},
        {kControlPanel, {0, 28, 306, 650}}, {kClient, {306, 28, 454, 650}},
        {kTasks, {760, 28, 240, 180}},      {kManager, {760, 208, 240, 470}},
    };
    for (const auto& c : cases) {
        const PaneRect r = Placed(c.role);
        EXPECT_EQ(r.left, c.expected.left) << c.role;
        EXPECT_EQ(r.top, c.expected.top) << c.role;
        EXPECT_EQ(r.width, c.expected.width) << c.role;
        EXPECT_EQ(r.height, c.expected.height) << c.role;
    }
}

TEST_F(FramePaneLayoutTest, HiddenPanesGiveTheirSpaceToTheClientAndStayWhereTheyWere) {
    layout.Hide(H(kControlPanel));
    layout.Hide(H(kTasks));
    layout.Hide(H(kManager));
    layout.Hide(H(kToolbar));
    layout.Arrange(1000, 700);
    EXPECT_EQ(Placed(kClient).left, 0);
    EXPECT_EQ(Placed(kClient).top, 0);
    EXPECT_EQ(Placed(kClient).width, 1000);
    EXPECT_EQ(Placed(kClient).height, 678);
    EXPECT_EQ(Placed(kManager).left, -1);
}

// Without the window manager the related tasks take the whole column, and
// get their own height back when it returns.
TEST_F(FramePaneLayoutTest, HiddenFillerGivesItsSpaceToTheLastShownSibling) {
    const struct {
        bool managerShown;
        PaneRect tasks;
    } steps[] = {
        {false, {760, 28, 240, 650}},
        {true, {760, 28, 240, 180}},
    };
    for (const auto& step : steps) {
        if (step.managerShown) {
            layout.Show(H(kManager));
        } else {
            layout.Hide(H(kManager));
        }
        layout.Arrange(1000, 700);
        const PaneRect r = Placed(kTasks);
        EXPECT_EQ(r.top, step.tasks.top) << step.managerShown;
        EXPECT_EQ(r.height, step.tasks.height) << step.managerShown;
    }
    EXPECT_EQ(Placed(kManager).top, 208);
    EXPECT_EQ(Placed(kManager).height, 470);
}

TEST_F(FramePaneLayoutTest, ClientShrinksToNothingRatherThanBelowWhenPanesFillTheFrame) {
    layout.Arrange(500, 40);
    EXPECT_EQ(Placed(kClient).height, 0);
    EXPECT_EQ(Placed(kClient).width, 0);
}

}  // namespace
}  // namespace corvinata
