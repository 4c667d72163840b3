#include "app/graph_commands.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "support/app_fakes.h"
#include "support/graph_fakes.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Utf8;

using test::FakeGraphDocument;
using test::FakeGraphWindow;
using test::FakeLine;

class GraphCommandsTest : public ::testing::Test {
protected:
    GraphCommandsTest() {
        for (const char* name : {"a", "b", "c"}) document.lines.emplace_back(name);
        document.UpdateGraphRange();
        hub.Insert(&listener);
    }
    std::string RedoText() const { return Utf8(document.history.PeekUndoCommand()->GetText(false)); }
    std::string UndoText() const { return Utf8(document.history.PeekUndoCommand()->GetText(true)); }

    NotificationHub hub;
    test::RecordingObserver listener;
    test::FakeScriptErrors scriptErrors;
    GraphActions actions{CommandContext{hub, scriptErrors}};
    FakeGraphDocument document;
    FakeGraphWindow window{document, 0};
};

struct TextCase {
    const char* name;
    void (*act)(GraphActions&, GraphWindowCommands&);
    const char* redo;
    const char* undo;
    const char* after;        // the lines after the step
    const char* afterUndo;    // the lines after undoing it
};

// Every text names the line its step really changes.
const TextCase kTextCases[] = {
    {"add", [](GraphActions& a, GraphWindowCommands& w) { a.AddLine(w, 1, FakeLine("x"), nullptr); },
     "Add graph line 2 (x)", "Delete graph line 2 (x)", "axbc", "abc"},
    {"insert", [](GraphActions& a, GraphWindowCommands& w) { a.InsertLine(w, FakeLine("x"), nullptr); },
     "Add graph line 4 (x)", "Delete graph line 4 (x)", "abcx", "abc"},
    {"delete", [](GraphActions& a, GraphWindowCommands& w) { a.DeleteLine(w, 2, nullptr); },
     "Delete graph line 3 (c)", "Add graph line 3 (c)", "ab", "abc"},
    {"edit", [](GraphActions& a, GraphWindowCommands& w) { a.EditLine(w, 0, FakeLine("z"), true, nullptr); },
     "Edit graph line 1 (a)", "Edit graph line 1 (a)", "zbc", "abc"},
    {"down", [](GraphActions& a, GraphWindowCommands& w) { a.MoveLineDown(w, 1, nullptr); },
     "Move line 2 (b) down", "Move line 3 (b) up", "acb", "abc"},
    {"up", [](GraphActions& a, GraphWindowCommands& w) { a.MoveLineUp(w, 1, nullptr); },
     "Move line 2 (b) up", "Move line 1 (b) down", "bac", "abc"},
};

TEST_F(GraphCommandsTest, TextsNameTheLineTheStepChanges) {
    for (const TextCase& c : kTextCases) {
        FakeGraphDocument doc;
        for (const char* name : {"a", "b", "c"}) doc.lines.emplace_back(name);
        FakeGraphWindow w(doc, 7);
        c.act(actions, w);
        ASSERT_NE(doc.history.PeekUndoCommand(), nullptr) << c.name;
        EXPECT_EQ(Utf8(doc.history.PeekUndoCommand()->GetText(false)), c.redo) << c.name;
        EXPECT_EQ(Utf8(doc.history.PeekUndoCommand()->GetText(true)), c.undo) << c.name;
        EXPECT_EQ(doc.Names(), c.after) << c.name;
        doc.history.UndoCommands(1);
        EXPECT_EQ(doc.Names(), c.afterUndo) << c.name;
    }
}

TEST_F(GraphCommandsTest, RequestsOutsideTheLinesRecordNothing) {
    actions.AddLine(window, 4, FakeLine("x"), nullptr);
    actions.DeleteLine(window, 3, nullptr);
    actions.MoveLineDown(window, 2, nullptr);
    actions.MoveLineUp(window, 0, nullptr);
    actions.SelectLine(window, -1, nullptr);
    EXPECT_EQ(document.history.StepCount(), 0);
    EXPECT_TRUE(listener.heard.empty());
}

TEST_F(GraphCommandsTest, SelectingWithNothingSelectedUndoesToNoSelection) {
    actions.SelectLine(window, 1, nullptr);
    EXPECT_EQ(RedoText(), "Select line 2 (b)");
    EXPECT_EQ(UndoText(), "Deselect line 2 (b)");
    actions.SelectLine(window, 1, nullptr);
    EXPECT_EQ(document.history.StepCount(), 1);
    actions.SelectLine(window, 2, nullptr);
    EXPECT_EQ(UndoText(), "Select line 2 (b)");
    document.history.UndoCommands(2);
    EXPECT_EQ(document.selected, -1);
}

// "Add at 0; delete 1" used to delete one line and bring back another on undo.
TEST_F(GraphCommandsTest, CompoundStepSeesTheEditsBeforeItAndUndoesAsOne) {
    auto compound = BeginCompoundCommand();
    actions.AddLine(window, 0, FakeLine("x"), compound.get());
    actions.DeleteLine(window, 1, compound.get());
    EXPECT_EQ(document.Names(), "abc");
    actions.EndCompound(window, String(TXT("Script")), std::move(compound), true);
    EXPECT_EQ(document.Names(), "xbc");
    document.history.UndoCommands(1);
    EXPECT_EQ(document.Names(), "abc");
    document.history.RedoCommands(1);
    EXPECT_EQ(document.Names(), "xbc");
}

// "Delete 1; delete 1" on two lines used to index past the end.
TEST_F(GraphCommandsTest, CompoundDeleteBeyondTheLinesLeftIsSkipped) {
    document.lines.pop_back();
    auto compound = BeginCompoundCommand();
    actions.DeleteLine(window, 1, compound.get());
    actions.DeleteLine(window, 1, compound.get());
    actions.EndCompound(window, String(TXT("Script")), std::move(compound), true);
    EXPECT_EQ(document.Names(), "a");
    document.history.UndoCommands(1);
    EXPECT_EQ(document.Names(), "ab");
}

// Undoing in one window after an edit in the other undoes the last edit.
TEST_F(GraphCommandsTest, TwoWindowsOfOneGraphShareOneHistory) {
    FakeGraphWindow second(document, 1);
    actions.InsertLine(window, FakeLine("x"), nullptr);
    actions.InsertLine(second, FakeLine("y"), nullptr);
    EXPECT_EQ(document.history.ChangedWindow(), &second);
    document.History().UndoCommands(1);
    EXPECT_EQ(document.Names(), "abcx");
    EXPECT_EQ(document.history.ChangedWindow(), &second);
}

struct LimitCase {
    const char* name;
    std::int32_t valueKind;
    std::int32_t field;
    double value;
    const char* error;
};

const LimitCase kLimitCases[] = {
    {"no line", kValueKindUnknown, kYAxisMinField, 1.0,
     "The graph must contain at least one line before setting the y axis limits"},
    {"too low", 0, kYAxisMinField, -2.5,
     "-2.5 is not a valid value for the graph's y axis; must be 0 or higher"},
    {"too high", 0, kYAxisMaxField, 100.125,
     "100.125 is not a valid value for the graph's y axis; must be 100 or less"},
};

// A refused limit used to be recorded anyway: an undo that did nothing and
// a graph marked unsaved.
TEST_F(GraphCommandsTest, RefusedYLimitRecordsNothingAndTellsTheScript) {
    for (const LimitCase& c : kLimitCases) {
        FakeGraphDocument doc;
        if (c.valueKind != kValueKindUnknown) doc.lines.emplace_back("a");
        doc.valueKind = c.valueKind;
        FakeGraphWindow w(doc, 3);
        test::FakeScriptErrors errors;
        GraphActions graph(CommandContext{hub, errors});
        TimeAndLocation options = doc.options;
        options.yAxisMin = options.yAxisMax = c.value;
        graph.ChangeOptions(w, options, c.field, w.guideLine, nullptr);
        EXPECT_EQ(doc.history.StepCount(), 0) << c.name;
        EXPECT_TRUE(doc.history.IsAtSavedState()) << c.name;
        EXPECT_EQ(Utf8(errors.error), c.error) << c.name;
    }
}

TEST_F(GraphCommandsTest, ChangeOptionsComparesTheMergedRecordAndTheGuideLine) {
    TimeAndLocation options = document.options;
    options.yAxisReversed = true;  // a field other than the one named
    actions.ChangeOptions(window, options, kYAxisMaxField, window.guideLine, nullptr);
    EXPECT_EQ(document.history.StepCount(), 0);
    actions.ChangeOptions(window, options, kYAxisMaxField, false, nullptr);
    ASSERT_EQ(document.history.StepCount(), 1);
    EXPECT_EQ(document.history.PeekUndoCommand()->Count(), 1);
    EXPECT_FALSE(window.guideLine);
    options.yAxisMax = 50.0;
    actions.ChangeOptions(window, options, kYAxisMaxField, false, nullptr);
    EXPECT_EQ(document.options.yAxisMax, 50.0);
    EXPECT_FALSE(document.options.yAxisReversed);
    EXPECT_EQ(RedoText(), "Change Graph Options");
    document.history.UndoCommands(2);
    EXPECT_EQ(document.options.yAxisMax, 0.0);
    EXPECT_TRUE(window.guideLine);
}

TEST_F(GraphCommandsTest, EveryExecutedCommandBroadcastsTheGraphEditWithItsDocument) {
    actions.InsertLine(window, FakeLine("x"), nullptr);
    actions.MoveLineUp(window, 3, nullptr);
    document.history.UndoCommands(2);
    ASSERT_EQ(listener.heard.size(), 4u);
    for (const auto& heard : listener.heard) {
        EXPECT_EQ(heard.event, kEventGraphEdited);
        EXPECT_EQ(heard.value, &document);
    }
    EXPECT_EQ(document.computed, 1);
}

}  // namespace
}  // namespace corvinata
