#include "views/graph_view.h"

#include <gtest/gtest.h>

#include "support/graph_fakes.h"

namespace corvinata::test {
namespace {

class CountingView final : public GraphView {
public:
    using GraphView::GraphView;
    int changes = 0;

protected:
    void GuideLineChanging(bool before) override { changes += before ? 1 : 0; }
};

TEST(GraphViewTest, GuideLineAndRestoredStateStayWithinTheGraph) {
    NotificationHub hub;
    TestGraph graph(hub);
    graph.AddLines("ABC");
    CountingView view(graph.document, 4);
    EXPECT_EQ(graph.document.FindView(4), &view);
    struct Case {
        int position;
        bool on;
        int selected;
        int expectedPosition;
        int expectedSelected;
    };
    const Case cases[] = {
        {120, true, 1, 120, 1},  {365, false, 2, 365, 2},   {366, true, 3, 365, 2},
        {-5, true, -7, 0, -1},   {1 << 30, true, 1 << 30, 365, 2},
    };
    for (const Case& c : cases) {
        view.RestoreState(c.position, c.on, c.selected);
        EXPECT_EQ(view.GuideLinePosition(), c.expectedPosition) << c.position;
        EXPECT_EQ(view.IsGuideLineShown(), c.on);
        EXPECT_EQ(graph.document.SelectedLine(), c.expectedSelected) << c.selected;
    }
    // Stepping at the limit changes nothing and repaints nothing.
    const int before = view.changes;
    EXPECT_FALSE(view.SetGuideLinePosition(400));
    view.ShowGuideLine(true);
    EXPECT_EQ(view.changes, before);
    EXPECT_TRUE(view.SetGuideLinePosition(364));
    EXPECT_EQ(view.changes, before + 1);
}

TEST(GraphViewTest, AViewLeavesItsDocumentWhenItGoes) {
    NotificationHub hub;
    TestGraph graph(hub);
    {
        GraphView view(graph.document, 9);
        EXPECT_NE(graph.document.FindView(9), nullptr);
    }
    EXPECT_EQ(graph.document.FindView(9), nullptr);
}

}  // namespace
}  // namespace corvinata::test
