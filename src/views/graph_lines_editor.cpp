#include "views/graph_lines_editor.h"

#include <algorithm>

namespace corvinata {

GraphLinesButtons GraphLinesButtonStates(int lineCount, int row) {
    GraphLinesButtons b;
    if (lineCount <= 0) return b;
    b.row = std::clamp(row < 0 ? 0 : row, 0, lineCount - 1);
    b.list = b.edit = b.remove = true;
    b.up = b.row > 0;
    b.down = b.row + 1 < lineCount;
    return b;
}

namespace {

const String* NameAt(const GraphDocumentModel& graph, int position) {
    const GraphLineData* line = graph.GetGraphLine(position);
    return line ? &line->Name() : nullptr;
}

}  // namespace

String AddGraphLineTitle(const GraphDocumentModel& graph, bool append, int position) {
    String title(TXT("Add Graph Line"));
    if (graph.LineCount() <= 0) return title;
    if (append) return StringAppend(title, TXT(" - Append"));
    const String* name = NameAt(graph, std::clamp(position, 0, graph.LineCount() - 1));
    StringAppend(title, TXT(" - Insert before '"));
    if (name) StringAppend(title, name->Text());
    return StringAppend(title, TXT("'"));
}

String EditGraphLineTitle(const GraphDocumentModel& graph, int position) {
    String title(TXT("Edit Graph Line '"));
    if (const String* name = NameAt(graph, position)) StringAppend(title, name->Text());
    return StringAppend(title, TXT("'"));
}

String DeleteGraphLineQuestion(const GraphDocumentModel& graph, int position) {
    String text(TXT("Do you want to delete the line \""));
    if (const String* name = NameAt(graph, position)) StringAppend(text, name->Text());
    return StringAppend(text, TXT("\" from the graph?"));
}

void GraphLinesEditor::AddLine(int position, const GraphLineData& line) {
    const int before = LineCount();
    actions_.AddLine(window_, std::clamp(position, 0, before), line, nullptr);
    if (before == 0 && LineCount() > 0) window_.ShowGuideLine(true);
}

void GraphLinesEditor::EditLine(int row, const GraphLineData& line, bool recompute) {
    if (row >= 0 && row < LineCount()) actions_.EditLine(window_, row, line, recompute, nullptr);
}

int GraphLinesEditor::DeleteLine(int row) {
    const int count = LineCount();
    if (row < 0 || row >= count) return GraphLinesButtonStates(count, row).row;
    actions_.DeleteLine(window_, row, nullptr);
    return GraphLinesButtonStates(LineCount(), row).row;
}

int GraphLinesEditor::MoveUp(int row) {
    if (row <= 0 || row >= LineCount()) return GraphLinesButtonStates(LineCount(), row).row;
    actions_.MoveLineUp(window_, row, nullptr);
    return row - 1;
}

int GraphLinesEditor::MoveDown(int row) {
    if (row < 0 || row + 1 >= LineCount()) return GraphLinesButtonStates(LineCount(), row).row;
    actions_.MoveLineDown(window_, row, nullptr);
    return row + 1;
}

}  // namespace corvinata
