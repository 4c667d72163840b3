// What the Edit Graph Lines dialog does to a graph, kept apart from the
// dialog: which buttons it offers, the titles and question it shows, and the
// edits, each one undoable step in the graph's own history. The dialog keeps
// no copy of the lines; it asks the graph every time it refreshes.
#pragma once

#include "app/graph_commands.h"
#include "base/wide_string.h"

namespace corvinata {

// The enabled state of the dialog's controls ("&Insert..." and "&Append..."
// are always enabled) and the row to select.
struct GraphLinesButtons {
    bool list = false;
    bool edit = false;
    bool remove = false;
    bool up = false;
    bool down = false;
    int row = -1;  // -1 with no lines
};

// `row` is the remembered selection (-1: none, counted as row 0); a row
// beyond the lines selects the last one.
GraphLinesButtons GraphLinesButtonStates(int lineCount, int row);

// "Add Graph Line", with " - Append" or " - Insert before 'name'" when the
// graph has lines.
String AddGraphLineTitle(const GraphDocumentModel& graph, bool append, int position);
// "Edit Graph Line 'name'".
String EditGraphLineTitle(const GraphDocumentModel& graph, int position);
// Do you want to delete the line "name" from the graph?
String DeleteGraphLineQuestion(const GraphDocumentModel& graph, int position);

class GraphLinesEditor {
public:
    GraphLinesEditor(GraphActions& actions, GraphWindowCommands& window) : actions_(actions), window_(window) {}

    int LineCount() { return window_.GetDocument().LineCount(); }
    // Where Insert puts a line: before the selected row (0 with none).
    static int InsertPosition(int row) { return row < 0 ? 0 : row; }
    // Adds the line at the position (clamped to the lines) as one step; the
    // first line of a graph switches its guide line on.
    void AddLine(int position, const GraphLineData& line);
    // Replaces the line at the row as one step, recomputed when asked.
    void EditLine(int row, const GraphLineData& line, bool recompute);
    // Each returns the row to select afterwards; a row outside the lines
    // (or the first/last row for Up/Down) records nothing.
    int DeleteLine(int row);
    int MoveUp(int row);
    int MoveDown(int row);

private:
    GraphActions& actions_;
    GraphWindowCommands& window_;
};

}  // namespace corvinata
