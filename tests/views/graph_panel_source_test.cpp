// What the Graph control panel reads from a Graph window, over the real
// GraphView: rows of the lines shown, cell texts, the guide line's moves
// and the read-outs of a graph and of an empty one.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/graph_panel.h"
#include "support/graph_fakes.h"
#include "support/test_text.h"
#include "views/graph_view.h"

namespace corvinata::test {
namespace {

class GraphPanelSourceTest : public ::testing::Test {
protected:
    // Lines "A", "B" ... of the phases 10, 20 ..., computed.
    void AddLines(int count) {
        for (int i = 0; i < count; ++i) {
            const char name[2] = {static_cast<char>('A' + i), 0};
            const std::string phase = "Phase(" + std::to_string(10 * (i + 1)) + ")";
            GraphLine* added = document.InsertLine(document.LineCount(), NamedLine(name, phase.c_str()));
            document.ComputeGraphValues(*added);
        }
    }
    NotificationHub hub;
    TestGraph graph{hub};
    GraphDocument& document = graph.document;
    GraphView view{document, 1};
};

TEST_F(GraphPanelSourceTest, RowsAndCellsOfTheShownLines) {
    AddLines(4);
    document.GetGraphLine(1)->visibleInControlPanel = false;
    document.GetGraphLine(2)->visibleInGraph = false;
    document.GetGraphLine(3)->SetExpression(String(TXT("Phase(")));
    view.SetGuideLineStep(10);
    const std::vector<int> rows = GraphPanelRows(view, document.LineCount());
    EXPECT_EQ(rows, (std::vector<int>{0, 2, 3}));
    EXPECT_EQ(GraphRowOfLine(rows, 2), 1);
    EXPECT_EQ(GraphRowOfLine(rows, 1), -1);  // not shown: nothing to select
    const struct Case {
        int line;
        int column;
        const char* text;
    } cases[] = {
        {0, kGraphColourColumn, ""},      {0, kGraphNameColumn, "A"}, {0, kGraphValueColumn, "10.0%"},
        {2, kGraphValueColumn, "Hidden"}, {3, kGraphNameColumn, "D"}, {3, kGraphValueColumn, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(Utf8(GraphCellText(view, c.line, c.column)), c.text);
}

TEST_F(GraphPanelSourceTest, ArrowsMoveTheGuideLineWithinItsSteps) {
    const struct Case {
        int button;
        bool swapped;
        int from;
        int to;
    } cases[] = {
        {20615, false, 10, 9},  {20735, false, 10, 9},    {20854, false, 10, 11},
        {21020, false, 10, 11}, {20615, true, 10, 11},    {21020, true, 10, 9},
        {20615, false, 0, 0},   {20854, false, 365, 365}, {20850, false, 10, 10},
    };
    for (const Case& c : cases) {
        view.SetGuideLineStep(c.from);
        document.Settings().xAxisReversed = c.swapped;
        MoveGuideLine(view, c.button);
        EXPECT_EQ(view.GuideLineStep(), c.to) << c.button << (c.swapped ? " swapped" : "");
    }
}

TEST_F(GraphPanelSourceTest, ReadoutsOfAGraphAndOfAnEmptyOne) {
    GraphReadouts empty = MakeGraphReadouts(view, 0, 100);
    EXPECT_FALSE(empty.present);
    EXPECT_TRUE(empty.guideLine.IsEmpty());
    EXPECT_FALSE(empty.towardZeroEnabled || empty.awayFromZeroEnabled);

    AddLines(1);
    TimeAndLocation& options = document.Settings();
    options.beginDate = DateTime{2014, 1, 1, 0.0, kLocalCivilTime};
    options.endDate = DateTime{2015, 1, 1, 0.0, kLocalCivilTime};
    options.endFixed = true;
    options.xAxisTimeSystem = kLocalCivilTime;
    options.daylightSaving = true;
    options.location.coordinates.elevation = 250;
    options.xAxisHorizontal = false;
    view.SetGuideLineStep(10);
    const struct Case {
        int pixel;
        bool towardZero;
        bool awayFromZero;
    } cases[] = {{0, false, true}, {50, true, true}, {99, true, false}};
    for (const Case& c : cases) {
        const GraphReadouts r = MakeGraphReadouts(view, c.pixel, 100);
        EXPECT_TRUE(r.present);
        EXPECT_EQ(r.towardZeroEnabled, c.towardZero);
        EXPECT_EQ(r.awayFromZeroEnabled, c.awayFromZero);
        EXPECT_FALSE(r.firstPairShown);
        EXPECT_EQ(Utf8(r.guideLine), "11.01.2014   00:00:00");
        EXPECT_EQ(Utf8(r.begin), "01.01.2014   00:00:00");
        EXPECT_EQ(Utf8(r.daylightSaving), "On");
        EXPECT_EQ(Utf8(r.elevation), "250");
    }
    EXPECT_EQ(Utf8(FormatGraphMoment(nullptr)), "--");
}

TEST_F(GraphPanelSourceTest, TheGuidePixelIsWhereTheDisplayDrawsItsStep) {
    AddLines(1);
    view.SetDisplaySize(366, 200);
    const struct Case {
        bool horizontal;
        bool reversed;
        int step;
        int pixel;
        int extent;
    } cases[] = {
        {true, false, 0, 0, 366},    {true, false, 365, 365, 366}, {true, true, 0, 365, 366},
        {false, false, 0, 199, 200}, {false, true, 0, 0, 200},
    };
    for (const Case& c : cases) {
        document.Settings().xAxisHorizontal = c.horizontal;
        document.Settings().xAxisReversed = c.reversed;
        view.SetGuideLineStep(c.step);
        EXPECT_EQ(view.DrawGuideLine(), c.pixel) << c.horizontal << c.reversed << c.step;
        EXPECT_EQ(view.DisplayExtent(), c.extent);
    }
}

}  // namespace
}  // namespace corvinata::test
