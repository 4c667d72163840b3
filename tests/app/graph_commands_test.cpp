#include "app/graph_commands.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "support/app_fakes.h"
#include "catalog/quantity_kinds.h"
#include "support/graph_fakes.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Utf8;


using test::LineNames;
using test::NamedLine;

class GraphCommandsTest : public ::testing::Test {
protected:
    GraphCommandsTest() {
        graph.AddLines("abc");
        document.UpdateGraphRange();
        hub.Insert(&listener);
    }
    std::string RedoText() { return Utf8(document.History().PeekUndoCommand()->GetText(false)); }
    std::string UndoText() { return Utf8(document.History().PeekUndoCommand()->GetText(true)); }

    NotificationHub hub;
    test::RecordingObserver listener;
    test::FakeScriptErrors scriptErrors;
    GraphActions actions{CommandContext{hub, scriptErrors}};
    test::TestGraph graph{hub};
    GraphDocument& document = graph.document;
    GraphView window{document, 0};
};

struct TextCase {
    const char* name;
    void (*act)(GraphActions&, GraphWindowCommands&);
    const char* redo;
    const char* undo;
    const char* after;        // the lines after the step
    const char* afterUndo;    // the lines after undoing it
};

// Every text names the line its step changes by its place before the step;
// an append is numbered by the lines before it.
const TextCase kTextCases[] = {
    {"add", [](GraphActions& a, GraphWindowCommands& w) { a.AddLine(w, 1, NamedLine("x"), nullptr); },
     "Add graph line 2 (x)", "Delete graph line 2 (x)", "axbc", "abc"},
    {"insert", [](GraphActions& a, GraphWindowCommands& w) { a.InsertLine(w, NamedLine("x"), nullptr); },
     "Add graph line 3 (x)", "Delete graph line 3 (x)", "abcx", "abc"},
    {"delete", [](GraphActions& a, GraphWindowCommands& w) { a.DeleteLine(w, 2, nullptr); },
     "Delete graph line 3 (c)", "Add graph line 3 (c)", "ab", "abc"},
    {"edit", [](GraphActions& a, GraphWindowCommands& w) { a.EditLine(w, 0, NamedLine("z"), true, nullptr); },
     "Edit graph line 1 (a)", "Edit graph line 1 (a)", "zbc", "abc"},
    {"down", [](GraphActions& a, GraphWindowCommands& w) { a.MoveLineDown(w, 1, nullptr); },
     "Move line 2 (b) down", "Move line 2 (b) up", "acb", "abc"},
    {"up", [](GraphActions& a, GraphWindowCommands& w) { a.MoveLineUp(w, 1, nullptr); },
     "Move line 2 (b) up", "Move line 2 (b) down", "bac", "abc"},
};

TEST_F(GraphCommandsTest, TextsNameTheLineTheStepChanges) {
    for (const TextCase& c : kTextCases) {
        test::TestGraph other(hub);
        GraphDocument& doc = other.document;
        other.AddLines("abc");
        GraphView w(doc, 7);
        c.act(actions, w);
        ASSERT_NE(doc.History().PeekUndoCommand(), nullptr) << c.name;
        EXPECT_EQ(Utf8(doc.History().PeekUndoCommand()->GetText(false)), c.redo) << c.name;
        EXPECT_EQ(Utf8(doc.History().PeekUndoCommand()->GetText(true)), c.undo) << c.name;
        EXPECT_EQ(LineNames(doc), c.after) << c.name;
        doc.History().UndoCommands(1);
        EXPECT_EQ(LineNames(doc), c.afterUndo) << c.name;
    }
}

TEST_F(GraphCommandsTest, RequestsOutsideTheLinesRecordNothing) {
    actions.AddLine(window, 4, NamedLine("x"), nullptr);
    actions.DeleteLine(window, 3, nullptr);
    actions.MoveLineDown(window, 2, nullptr);
    actions.MoveLineUp(window, 0, nullptr);
    actions.SelectLine(window, -1, nullptr);
    EXPECT_EQ(document.History().StepCount(), 0);
    EXPECT_TRUE(listener.heard.empty());
}

TEST_F(GraphCommandsTest, SelectingWithNothingSelectedUndoesToNoSelection) {
    actions.SelectLine(window, 1, nullptr);
    EXPECT_EQ(RedoText(), "Select line 2 (b)");
    EXPECT_EQ(UndoText(), "Deselect line 2 (b)");
    actions.SelectLine(window, 1, nullptr);
    EXPECT_EQ(document.History().StepCount(), 1);
    actions.SelectLine(window, 2, nullptr);
    EXPECT_EQ(UndoText(), "Select line 2 (b)");
    document.History().UndoCommands(2);
    EXPECT_EQ(document.SelectedLine(), -1);
}

// "Add at 0; delete 1" used to delete one line and bring back another on undo.
TEST_F(GraphCommandsTest, CompoundStepSeesTheEditsBeforeItAndUndoesAsOne) {
    auto compound = BeginCompoundCommand();
    actions.AddLine(window, 0, NamedLine("x"), compound.get());
    actions.DeleteLine(window, 1, compound.get());
    EXPECT_EQ(LineNames(document), "abc");
    actions.EndCompound(window, String(TXT("Script")), std::move(compound), true);
    EXPECT_EQ(LineNames(document), "xbc");
    document.History().UndoCommands(1);
    EXPECT_EQ(LineNames(document), "abc");
    document.History().RedoCommands(1);
    EXPECT_EQ(LineNames(document), "xbc");
}

// "Delete 1; delete 1" on two lines used to index past the end.
TEST_F(GraphCommandsTest, CompoundDeleteBeyondTheLinesLeftIsSkipped) {
    document.DeleteLine(2);
    auto compound = BeginCompoundCommand();
    actions.DeleteLine(window, 1, compound.get());
    actions.DeleteLine(window, 1, compound.get());
    actions.EndCompound(window, String(TXT("Script")), std::move(compound), true);
    EXPECT_EQ(LineNames(document), "a");
    document.History().UndoCommands(1);
    EXPECT_EQ(LineNames(document), "ab");
}

// Undoing in one window after an edit in the other undoes the last edit.
TEST_F(GraphCommandsTest, TwoWindowsOfOneGraphShareOneHistory) {
    GraphView second(document, 1);
    actions.InsertLine(window, NamedLine("x"), nullptr);
    actions.InsertLine(second, NamedLine("y"), nullptr);
    EXPECT_EQ(document.History().ChangedWindow(), &second);
    document.History().UndoCommands(1);
    EXPECT_EQ(LineNames(document), "abcx");
    EXPECT_EQ(document.History().ChangedWindow(), &second);
}

std::tuple<std::int32_t, std::int32_t, double, double> Axis(const GraphDocument& doc) {
    const GraphAxisState a = doc.AxisState();
    return {a.valueKind, a.valueSystem, a.yAxisMin, a.yAxisMax};
}

struct AxisCase {
    const char* name;
    const char* lines;  // before the step; a graph with lines has its range set to 10..20
    void (*act)(GraphActions&, GraphWindowCommands&);
    bool redo;  // after the undo; then the axis the step left is expected, else the one before it
};

void InsertX(GraphActions& a, GraphWindowCommands& w) { a.InsertLine(w, NamedLine("x"), nullptr); }
void AddXFirst(GraphActions& a, GraphWindowCommands& w) { a.AddLine(w, 0, NamedLine("x"), nullptr); }
void DeleteFirst(GraphActions& a, GraphWindowCommands& w) { a.DeleteLine(w, 0, nullptr); }

const AxisCase kAxisCases[] = {
    {"insert first, undo", "", InsertX, false},
    {"insert first, undo, redo", "", InsertX, true},
    {"add first, undo", "", AddXFirst, false},
    {"add first, undo, redo", "", AddXFirst, true},
    {"delete last, undo", "a", DeleteFirst, false},
    {"delete last, undo, redo", "a", DeleteFirst, true},
};

// Undoing a graph's first line used to leave its y axis at 0..0 (no line to
// take a range from) where a new graph shows 0..360, and undoing the
// deletion of its only line put that line's default range in place of the
// one the graph had.
TEST_F(GraphCommandsTest, UndoingToOrFromAnEmptyGraphRestoresItsValueAxis) {
    for (const AxisCase& c : kAxisCases) {
        test::TestGraph other(hub);
        GraphDocument& doc = other.document;
        other.AddLines(c.lines);
        if (doc.LineCount() > 0) {
            doc.UpdateGraphRange();
            doc.Settings().yAxisMin = 10.0;
            doc.Settings().yAxisMax = 20.0;
        }
        GraphView w(doc, 5);
        const auto before = Axis(doc);
        c.act(actions, w);
        const auto after = Axis(doc);
        ASSERT_NE(before, after) << c.name;
        doc.History().UndoCommands(1);
        if (c.redo) doc.History().RedoCommands(1);
        EXPECT_EQ(Axis(doc), c.redo ? after : before) << c.name;
        EXPECT_EQ(LineNames(doc), !c.redo ? c.lines : c.lines[0] ? "" : "x") << c.name;
    }
}

struct LimitCase {
    const char* name;
    std::int32_t valueKind;  // with lines: phases of 0 to 100
    std::int32_t field;
    double value;
    const char* error;
};

const LimitCase kLimitCases[] = {
    {"no line", kValueKindUnknown, kYAxisMinField, 1.0,
     "The graph must contain at least one line before setting the y axis limits"},
    {"too low", kQuantityPhase, kYAxisMinField, -2.5,
     "-2.5 is not a valid value for the graph's y axis; must be 0 or higher"},
    {"too high", kQuantityPhase, kYAxisMaxField, 100.125,
     "100.125 is not a valid value for the graph's y axis; must be 100 or less"},
};

// A refused limit used to leave no step behind: the statement that asked
// for it could not be undone or redone like any other. It is a step that
// changes nothing, and each way it runs checks the limit again.
TEST_F(GraphCommandsTest, RefusedYLimitStaysAStepWhoseUndoAndRedoCheckAgain) {
    for (const LimitCase& c : kLimitCases) {
        test::TestGraph other(hub);
        GraphDocument& doc = other.document;
        if (c.valueKind != kValueKindUnknown) other.AddLines("a");
        doc.SetValueKind(c.valueKind, -1);
        GraphView w(doc, 3);
        test::FakeScriptErrors errors;
        GraphActions graph(CommandContext{hub, errors});
        TimeAndLocation options = doc.Options();
        options.yAxisMin = options.yAxisMax = c.value;
        const std::size_t heard = listener.heard.size();
        graph.ChangeOptions(w, options, c.field, w.IsGuideLineShown(), nullptr);
        ASSERT_EQ(doc.History().StepCount(), 1) << c.name;
        // The graph as the step leaves it: without the limit asked for.
        const TimeAndLocation refused = doc.Options();
        EXPECT_NE(c.field == kYAxisMinField ? refused.yAxisMin : refused.yAxisMax, c.value) << c.name;
        EXPECT_EQ(Utf8(doc.History().PeekUndoCommand()->GetText(false)), "Change Graph Options") << c.name;
        EXPECT_EQ(Utf8(errors.error), c.error) << c.name;
        const auto again = [&](const char* way, void (CommandHistory::*move)(int)) {
            errors.error = String();
            (doc.History().*move)(1);
            EXPECT_EQ(Utf8(errors.error), c.error) << c.name << ", " << way;
            EXPECT_TRUE(TimeAndLocationEquals(doc.Options(), refused)) << c.name << ", " << way;
        };
        again("undo", &CommandHistory::UndoCommands);
        EXPECT_EQ(doc.History().UndoableCount(), 0) << c.name;
        again("redo", &CommandHistory::RedoCommands);
        EXPECT_EQ(doc.History().UndoableCount(), 1) << c.name;
        EXPECT_EQ(listener.heard.size(), heard) << c.name;  // nothing changed, nothing told
    }
}

// Inside a script statement the refused limit joins the statement's step,
// which is recorded with the statement's text.
TEST_F(GraphCommandsTest, RefusedYLimitInACompoundStepIsRecordedWithIt) {
    test::FakeScriptErrors errors;
    GraphActions graph(CommandContext{hub, errors});
    TimeAndLocation options = document.Options();
    const double lowest = options.yAxisMin;
    options.yAxisMin = -5.0;  // phases start at 0
    auto compound = BeginCompoundCommand();
    graph.ChangeOptions(window, options, kYAxisMinField, window.IsGuideLineShown(), compound.get());
    EXPECT_TRUE(errors.error.IsEmpty());  // checked when the step runs
    graph.EndCompound(window, String(TXT("With G Set YAxisFrom -5")), std::move(compound), true);
    ASSERT_EQ(document.History().StepCount(), 1);
    EXPECT_EQ(RedoText(), "With G Set YAxisFrom -5");
    EXPECT_EQ(Utf8(errors.error), "-5 is not a valid value for the graph's y axis; must be 0 or higher");
    EXPECT_EQ(document.Options().yAxisMin, lowest);
}

TEST_F(GraphCommandsTest, ChangeOptionsComparesTheMergedRecordAndTheGuideLine) {
    TimeAndLocation options = document.Options();
    options.yAxisReversed = true;  // a field other than the one named
    window.ShowGuideLine(true);
    actions.ChangeOptions(window, options, kYAxisMaxField, window.IsGuideLineShown(), nullptr);
    EXPECT_EQ(document.History().StepCount(), 0);
    actions.ChangeOptions(window, options, kYAxisMaxField, false, nullptr);
    ASSERT_EQ(document.History().StepCount(), 1);
    EXPECT_EQ(document.History().PeekUndoCommand()->Count(), 1);
    EXPECT_FALSE(window.IsGuideLineShown());
    options.yAxisMax = 50.0;
    actions.ChangeOptions(window, options, kYAxisMaxField, false, nullptr);
    EXPECT_EQ(document.Options().yAxisMax, 50.0);
    EXPECT_FALSE(document.Options().yAxisReversed);
    EXPECT_EQ(RedoText(), "Change Graph Options");
    document.History().UndoCommands(2);
    EXPECT_EQ(document.Options().yAxisMax, 100.0);  // the phases' limit
    EXPECT_TRUE(window.IsGuideLineShown());
}

TEST_F(GraphCommandsTest, EveryExecutedCommandBroadcastsTheGraphEditWithItsDocument) {
    actions.InsertLine(window, NamedLine("x", "Phase(25)"), nullptr);
    ASSERT_EQ(document.LineCount(), 4);
    EXPECT_EQ(document.GetGraphLine(3)->values[kLastGraphInstant], 25.0);  // computed on the way in
    actions.MoveLineUp(window, 3, nullptr);
    document.History().UndoCommands(2);
    ASSERT_EQ(listener.heard.size(), 4u);
    for (const auto& heard : listener.heard) {
        EXPECT_EQ(heard.event, kEventGraphEdited);
        EXPECT_EQ(heard.value, static_cast<GraphDocumentModel*>(&document));
    }
}

}  // namespace
}  // namespace corvinata
