// The lines editor's logic on a real graph: the buttons it offers, its
// titles and question, and one undo step per edit.
#include "views/graph_lines_editor.h"

#include <gtest/gtest.h>

#include "support/graph_fakes.h"

namespace corvinata {
namespace {

using test::LineNames;
using test::NamedLine;
using test::Utf8;

TEST(GraphLinesButtonsTest, UpAndDownFollowTheRowAndNoLinesDisablesTheList) {
    struct Case {
        int count, row;
        bool list, up, down;
        int selected;
    };
    const Case cases[] = {
        {0, -1, false, false, false, -1}, {0, 3, false, false, false, -1}, {1, -1, true, false, false, 0},
        {3, -1, true, false, true, 0},    {3, 0, true, false, true, 0},    {3, 1, true, true, true, 1},
        {3, 2, true, true, false, 2},     {3, 7, true, true, false, 2},
    };
    for (const Case& c : cases) {
        const GraphLinesButtons b = GraphLinesButtonStates(c.count, c.row);
        EXPECT_EQ(b.list, c.list) << c.count << " " << c.row;
        EXPECT_EQ(b.edit, c.list) << c.count << " " << c.row;
        EXPECT_EQ(b.remove, c.list) << c.count << " " << c.row;
        EXPECT_EQ(b.up, c.up) << c.count << " " << c.row;
        EXPECT_EQ(b.down, c.down) << c.count << " " << c.row;
        EXPECT_EQ(b.row, c.selected) << c.count << " " << c.row;
    }
}

class GraphLinesEditorTest : public ::testing::Test {
protected:
    NotificationHub hub;
    test::FakeScriptErrors scriptErrors;
    GraphActions actions{CommandContext{hub, scriptErrors}};
    test::TestGraph graph{hub};
    GraphDocument& document = graph.document;
    GraphView window{document, 0};
    GraphLinesEditor editor{actions, window};
    int Steps() { return document.History().UndoableCount(); }
};

TEST_F(GraphLinesEditorTest, TitlesNameTheLineAndAnEmptyGraphHasNoSuffix) {
    EXPECT_EQ(Utf8(AddGraphLineTitle(document, true, 0)), "Add Graph Line");
    EXPECT_EQ(Utf8(AddGraphLineTitle(document, false, 0)), "Add Graph Line");
    graph.AddLines("ab");
    EXPECT_EQ(Utf8(AddGraphLineTitle(document, true, 2)), "Add Graph Line - Append");
    EXPECT_EQ(Utf8(AddGraphLineTitle(document, false, 1)), "Add Graph Line - Insert before 'b'");
    EXPECT_EQ(Utf8(EditGraphLineTitle(document, 0)), "Edit Graph Line 'a'");
    EXPECT_EQ(Utf8(DeleteGraphLineQuestion(document, 1)), "Do you want to delete the line \"b\" from the graph?");
}

TEST_F(GraphLinesEditorTest, FirstLineSwitchesTheGuideOnAndEveryEditIsOneStep) {
    ASSERT_FALSE(window.IsGuideLineShown());
    editor.AddLine(GraphLinesEditor::InsertPosition(-1), NamedLine("a"));
    EXPECT_TRUE(window.IsGuideLineShown());
    editor.AddLine(1, NamedLine("c"));
    editor.AddLine(GraphLinesEditor::InsertPosition(1), NamedLine("b"));
    EXPECT_EQ(LineNames(document), "abc");
    EXPECT_EQ(Steps(), 3);

    struct Case {
        const char* name;
        int (GraphLinesEditor::*act)(int);
        int row, selected;
        const char* after;
        int steps;
    };
    const Case cases[] = {
        {"up from the top records nothing", &GraphLinesEditor::MoveUp, 0, 0, "abc", 3},
        {"down from the bottom records nothing", &GraphLinesEditor::MoveDown, 2, 2, "abc", 3},
        {"down", &GraphLinesEditor::MoveDown, 0, 1, "bac", 4},
        {"up", &GraphLinesEditor::MoveUp, 2, 1, "bca", 5},
        {"delete outside records nothing", &GraphLinesEditor::DeleteLine, 5, 2, "bca", 5},
        {"deleting the last selects the new last", &GraphLinesEditor::DeleteLine, 2, 1, "bc", 6},
        {"deleting the first keeps its row", &GraphLinesEditor::DeleteLine, 0, 0, "c", 7},
        {"deleting the only line selects nothing", &GraphLinesEditor::DeleteLine, 0, -1, "", 8},
    };
    for (const Case& c : cases) {
        EXPECT_EQ((editor.*c.act)(c.row), c.selected) << c.name;
        EXPECT_EQ(LineNames(document), c.after) << c.name;
        EXPECT_EQ(Steps(), c.steps) << c.name;
    }
    // Each step undoes alone.
    document.History().UndoCommands(1);
    EXPECT_EQ(LineNames(document), "c");
    document.History().UndoCommands(1);
    EXPECT_EQ(LineNames(document), "bc");
}

}  // namespace
}  // namespace corvinata
