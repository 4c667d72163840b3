#include "views/graph_lines_dialog_win.h"

#include <string_view>

#include "documents/graph_document.h"
#include "controls/dialog_template.h"
#include "controls/message_box.h"
#include "resources/graph_dialogs_ids.h"
#include "views/graph_line_form.h"
#include "views/graph_lines_editor.h"

namespace corvinata {

namespace {

struct LinesDialogState {
    HINSTANCE instance;
    GraphWindowCommands* window;
    GraphLinesEditor editor;
    const GraphLinesDialogServices* services;
};

LinesDialogState* StateOf(HWND dialog) {
    return reinterpret_cast<LinesDialogState*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

HWND List(HWND dialog) { return GetDlgItem(dialog, IDC_GRAPH_LINES_LIST); }

int SelectedRow(HWND dialog) { return static_cast<int>(SendMessageW(List(dialog), LB_GETCURSEL, 0, 0)); }

void Enable(HWND dialog, int id, bool enabled) { EnableWindow(GetDlgItem(dialog, id), enabled ? TRUE : FALSE); }

// Refills the list from the graph, selects `row` (clamped; none counts as
// row 0) and sets the buttons.
void Refresh(HWND dialog, LinesDialogState& state, int row) {
    GraphDocumentModel& graph = state.window->GetDocument();
    HWND list = List(dialog);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (int i = 0; i < graph.LineCount(); ++i) {
        const GraphLineData* line = graph.GetGraphLine(i);
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line ? line->Name().Text() : L""));
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    const GraphLinesButtons buttons = GraphLinesButtonStates(graph.LineCount(), row);
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(buttons.row), 0);
    Enable(dialog, IDC_GRAPH_LINES_LIST, buttons.list);
    Enable(dialog, IDC_GRAPH_LINES_EDIT, buttons.edit);
    Enable(dialog, IDC_GRAPH_LINES_DELETE, buttons.remove);
    Enable(dialog, IDC_GRAPH_LINES_UP, buttons.up);
    Enable(dialog, IDC_GRAPH_LINES_DOWN, buttons.down);
    InvalidateRect(list, nullptr, TRUE);
}

// A button that becomes disabled while it has the focus would leave the
// keyboard nowhere: the focus moves to the list, or to Close.
void KeepFocus(HWND dialog) {
    HWND focus = GetFocus();
    if (focus && IsWindowEnabled(focus)) return;
    HWND list = List(dialog);
    SetFocus(IsWindowEnabled(list) ? list : GetDlgItem(dialog, IDOK));
}

bool RunLineDialog(HWND dialog, LinesDialogState& state, const String& title, GraphLine& line, bool isNew,
                   bool& changed) {
    if (state.services->editLine) return state.services->editLine(dialog, title, line, isNew, changed);
    return ShowGraphLineDialog(state.instance, dialog, title, line, isNew, state.services->lineDialog, changed);
}

void AddNewLine(HWND dialog, LinesDialogState& state, bool append) {
    GraphDocumentModel& graph = state.window->GetDocument();
    const int position = append ? graph.LineCount() : GraphLinesEditor::InsertPosition(SelectedRow(dialog));
    const String title = AddGraphLineTitle(graph, append, position);
    GraphLine line = NewGraphLine();
    bool changed = false;
    if (!RunLineDialog(dialog, state, title, line, true, changed)) return;
    state.editor.AddLine(position, line);
    Refresh(dialog, state, position);
}

void EditSelected(HWND dialog, LinesDialogState& state) {
    const int row = SelectedRow(dialog);
    GraphDocumentModel& graph = state.window->GetDocument();
    const auto* current = dynamic_cast<const GraphLine*>(graph.GetGraphLine(row));
    if (!current) return;
    GraphLine line(*current);
    bool changed = false;
    // OK without a change records nothing; a new name alone needs no
    // recomputation.
    if (RunLineDialog(dialog, state, EditGraphLineTitle(graph, row), line, false, changed) &&
        (changed || std::basic_string_view<Char>(line.name.Text()) != current->name.Text()))
        state.editor.EditLine(row, line, changed);
    Refresh(dialog, state, row);
}

bool AskDelete(HWND dialog, LinesDialogState& state, const String& question) {
    constexpr MessageTopic kTopic = MessageTopic::DeleteGraphLine;
    if (state.services->ask) return state.services->ask(dialog, question, kTopic);
    return RunMessageBox(state.instance, dialog, question.Text(), kButtonsYesNo, kMessageWarning, kTopic) ==
           kAnswerYes;
}

void DeleteSelected(HWND dialog, LinesDialogState& state) {
    const int row = SelectedRow(dialog);
    if (row < 0 || row >= state.editor.LineCount()) return;
    if (!AskDelete(dialog, state, DeleteGraphLineQuestion(state.window->GetDocument(), row))) return;
    Refresh(dialog, state, state.editor.DeleteLine(row));
}

bool OnCommand(HWND dialog, LinesDialogState& state, int id, int code) {
    switch (id) {
    case IDC_GRAPH_LINES_APPEND:
    case IDC_GRAPH_LINES_INSERT:
        AddNewLine(dialog, state, id == IDC_GRAPH_LINES_APPEND);
        break;
    case IDC_GRAPH_LINES_EDIT:
        EditSelected(dialog, state);
        break;
    case IDC_GRAPH_LINES_DELETE:
        DeleteSelected(dialog, state);
        break;
    case IDC_GRAPH_LINES_UP:
        Refresh(dialog, state, state.editor.MoveUp(SelectedRow(dialog)));
        break;
    case IDC_GRAPH_LINES_DOWN:
        Refresh(dialog, state, state.editor.MoveDown(SelectedRow(dialog)));
        break;
    case IDC_GRAPH_LINES_LIST:
        if (code == LBN_DBLCLK) {
            PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_GRAPH_LINES_EDIT, BN_CLICKED), 0);
        } else if (code == LBN_SELCHANGE) {
            Refresh(dialog, state, SelectedRow(dialog));
        }
        return true;
    case IDOK:
        EndDialog(dialog, 1);
        if (HWND panel = state.services->panel) {
            InvalidateRect(panel, nullptr, TRUE);
            UpdateWindow(panel);
        }
        return true;
    default:
        return false;
    }
    KeepFocus(dialog);
    return true;
}

INT_PTR CALLBACK GraphLinesProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    LinesDialogState* state = StateOf(dialog);
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        state = reinterpret_cast<LinesDialogState*>(lParam);
        PlaceDialog(dialog, state->services->placement);
        Refresh(dialog, *state, 0);
        return TRUE;
    }
    if (!state) return FALSE;
    if (message == WM_COMMAND && OnCommand(dialog, *state, LOWORD(wParam), HIWORD(wParam))) return TRUE;
    return AnswerPlacedDialog(dialog, message, wParam, HelpPage::EditGraphLines, state->services->placement);
}

}  // namespace

INT_PTR ShowGraphLinesDialog(HINSTANCE instance, HWND owner, GraphActions& actions, GraphWindowCommands& window,
                             const GraphLinesDialogServices& services) {
    LinesDialogState state{instance, &window, GraphLinesEditor(actions, window), &services};
    return DialogBoxParamW(instance, L"Dlg_GraphEdit", owner, GraphLinesProc, reinterpret_cast<LPARAM>(&state));
}

}  // namespace corvinata
