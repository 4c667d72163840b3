#include "app/graph_panel.h"

#include <gtest/gtest.h>

#include "base/text_format.h"
#include "support/graph_panel_fake.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Utf8;

class GraphPanelTest : public ::testing::Test {
protected:
    NotificationHub hub;
    test::TestGraph graph{hub};
    GraphDocument& document = graph.document;
    test::FakeGraphPanelSource source{document};
};

TEST_F(GraphPanelTest, RowsAndCellsOfTheShownLines) {
    source.AddLines(4);
    source.lines[1].shownInPanel = false;
    source.lines[2].visible = false;
    source.lines[3].computed = false;
    const std::vector<int> rows = GraphPanelRows(source, document.LineCount());
    EXPECT_EQ(rows, (std::vector<int>{0, 2, 3}));
    EXPECT_EQ(GraphRowOfLine(rows, 2), 1);
    EXPECT_EQ(GraphRowOfLine(rows, 1), -1);  // not shown: nothing to select
    const struct Case {
        int line;
        int column;
        const char* text;
    } cases[] = {
        {0, kGraphColourColumn, ""},      {0, kGraphNameColumn, "A"}, {0, kGraphValueColumn, "10.0%"},
        {2, kGraphValueColumn, "Hidden"}, {3, kGraphNameColumn, ""},  {3, kGraphValueColumn, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(Utf8(GraphCellText(source, c.line, c.column)), c.text);
}

TEST_F(GraphPanelTest, ArrowsMoveTheGuideLineWithinItsSteps) {
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
        source.step = c.from;
        source.second = c.swapped;
        MoveGuideLine(source, c.button);
        EXPECT_EQ(source.step, c.to) << c.button << (c.swapped ? " swapped" : "");
    }
}

TEST_F(GraphPanelTest, ReadoutsOfAGraphAndOfAnEmptyOne) {
    GraphReadouts empty = MakeGraphReadouts(source, 0, 100);
    EXPECT_FALSE(empty.present);
    EXPECT_TRUE(empty.guideLine.IsEmpty());
    EXPECT_FALSE(empty.towardZeroEnabled || empty.awayFromZeroEnabled);

    source.AddLines(1);
    TimeAndLocation& options = document.Settings();
    options.beginDate = DateTime{2014, 1, 1, 0.0, kLocalCivilTime};
    options.endDate = DateTime{2015, 1, 1, 0.0, kLocalCivilTime};
    options.xAxisTimeSystem = kLocalCivilTime;
    options.daylightSaving = true;
    options.location.coordinates.elevation = 250;
    source.first = false;
    const struct Case {
        int pixel;
        bool towardZero;
        bool awayFromZero;
    } cases[] = {{0, false, true}, {50, true, true}, {99, true, false}};
    for (const Case& c : cases) {
        const GraphReadouts r = MakeGraphReadouts(source, c.pixel, 100);
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

}  // namespace
}  // namespace corvinata
