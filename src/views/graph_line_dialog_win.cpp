#include "views/graph_line_dialog_win.h"

#include <vector>

#include "base/colour_table.h"
#include "controls/dialog_template.h"
#include "controls/message_box.h"
#include "controls/select_body_dialog.h"
#include "controls/window_text.h"
#include "resources/graph_dialogs_ids.h"
#include "views/graph_line_form.h"

namespace corvinata {

namespace {

struct LineDialogState {
    HINSTANCE instance;
    String title;
    GraphLine* line;
    bool newLine;
    const GraphLineDialogServices* services;
    GraphLineForm form;
    bool changed = false;
    // Set while the dialog writes the name itself: only the user's typing
    // stops the automatic naming.
    bool writingName = false;
};

LineDialogState* StateOf(HWND dialog) {
    return reinterpret_cast<LineDialogState*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
void Check(HWND dialog, int id, bool on) { CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED); }
void Enable(HWND dialog, int id, bool on) { EnableWindow(GetDlgItem(dialog, id), on ? TRUE : FALSE); }

void WriteDefaultName(HWND dialog, LineDialogState& state) {
    if (state.newLine && state.form.NameEdited()) return;
    state.writingName = true;
    SetDlgItemTextW(dialog, IDC_GRAPH_LINE_NAME, state.form.DefaultName().Text());
    state.writingName = false;
}

void FillFunctions(HWND dialog, LineDialogState& state) {
    HWND list = GetDlgItem(dialog, IDC_GRAPH_LINE_FUNCTION);
    SendMessageW(list, CB_RESETCONTENT, 0, 0);
    for (const EventKind* kind : state.form.Functions()) {
        const LRESULT row = SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kind->GetName()));
        SendMessageW(list, CB_SETITEMDATA, static_cast<WPARAM>(row), static_cast<LPARAM>(kind->GetId()));
        if (kind == state.form.Function()) SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(row), 0);
    }
}

void FillSystems(HWND dialog, LineDialogState& state) {
    HWND list = GetDlgItem(dialog, IDC_GRAPH_LINE_SYSTEM);
    SendMessageW(list, CB_RESETCONTENT, 0, 0);
    const std::vector<String> names = state.form.SortedSystems();
    for (const String& name : names) SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.Text()));
    if (!names.empty() && state.form.Function()) {
        const std::vector<String> table = GraphLineSystemNames(state.form.Function()->GetQuantityKind());
        const int index = state.form.SystemIndex();
        if (index >= 0 && index < static_cast<int>(table.size()))
            SendMessageW(list, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(table[index].Text()));
    }
    Enable(dialog, IDC_GRAPH_LINE_SYSTEM, !names.empty() && !Checked(dialog, IDC_GRAPH_LINE_EDIT_SCRIPT));
}

void Regenerate(HWND dialog, LineDialogState& state) {
    SetDlgItemTextW(dialog, IDC_GRAPH_LINE_EXPRESSION, state.form.GeneratedExpression().Text());
}

void ShowObject(HWND dialog, LineDialogState& state) {
    SetDlgItemTextW(dialog, IDC_GRAPH_LINE_OBJECT, state.form.Object().name.Text());
}

void ApplyEditScript(HWND dialog, LineDialogState& state) {
    const bool script = Checked(dialog, IDC_GRAPH_LINE_EDIT_SCRIPT);
    Enable(dialog, IDC_GRAPH_LINE_EXPRESSION, script);
    Enable(dialog, IDC_GRAPH_LINE_SELECT, !script);
    Enable(dialog, IDC_GRAPH_LINE_OBJECT, !script);
    Enable(dialog, IDC_GRAPH_LINE_FUNCTION, !script);
    if (script) {
        Enable(dialog, IDC_GRAPH_LINE_SYSTEM, false);
        return;
    }
    FillSystems(dialog, state);
    Regenerate(dialog, state);
}

void Init(HWND dialog, LineDialogState& state) {
    PlaceDialog(dialog, state.services->placement);
    HWND colours = GetDlgItem(dialog, IDC_GRAPH_LINE_COLOUR);
    for (const ColourEntry& entry : kColourTable)
        SendMessageW(colours, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.name));
    SetWindowTextW(dialog, state.title.Text());
    ShowObject(dialog, state);
    FillFunctions(dialog, state);
    WriteDefaultName(dialog, state);
    Check(dialog, IDC_GRAPH_LINE_EDIT_SCRIPT, state.line->scriptEdited);
    ApplyEditScript(dialog, state);
    if (state.line->scriptEdited)
        SetDlgItemTextW(dialog, IDC_GRAPH_LINE_EXPRESSION, state.line->ExpressionText().Text());
    const int colour = state.line->colour >= 0 && state.line->colour < kColourCount ? state.line->colour : 0;
    SendMessageW(colours, CB_SETCURSEL, static_cast<WPARAM>(colour), 0);
    Check(dialog, IDC_GRAPH_LINE_IN_GRAPH, state.line->visibleInGraph);
    Check(dialog, IDC_GRAPH_LINE_IN_PANEL, state.line->visibleInControlPanel);
}

void Tell(HWND dialog, LineDialogState& state, const Char* text, MessageTopic help, int focus) {
    if (state.services->tell) {
        state.services->tell(dialog, String(text), help);
    } else {
        RunMessageBox(state.instance, dialog, text, kButtonsOk, kMessageWarning, help);
    }
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, focus)), TRUE);
}

void OnOk(HWND dialog, LineDialogState& state) {
    GraphLineForm::Fields fields;
    fields.name = DialogItemText(dialog, IDC_GRAPH_LINE_NAME);
    fields.expression = DialogItemText(dialog, IDC_GRAPH_LINE_EXPRESSION);
    fields.editScript = Checked(dialog, IDC_GRAPH_LINE_EDIT_SCRIPT);
    fields.visibleInGraph = Checked(dialog, IDC_GRAPH_LINE_IN_GRAPH);
    fields.visibleInControlPanel = Checked(dialog, IDC_GRAPH_LINE_IN_PANEL);
    const LRESULT colour = SendDlgItemMessageW(dialog, IDC_GRAPH_LINE_COLOUR, CB_GETCURSEL, 0, 0);
    fields.colour = colour >= 0 && colour < kColourCount ? static_cast<std::int32_t>(colour) : 0;
    GraphLine result = *state.line;
    bool changed = false;
    const GraphLineRefusal refusal =
        state.services->catalogue ? state.form.Apply(fields, *state.services->catalogue, result, changed)
                                  : GraphLineRefusal::kSyntaxError;
    if (refusal == GraphLineRefusal::kSyntaxError) {
        Tell(dialog, state, TXT("The CorvinataScript expression contains a syntax error."),
             MessageTopic::ExpressionSyntaxError, IDC_GRAPH_LINE_EXPRESSION);
        return;
    }
    if (refusal == GraphLineRefusal::kEmptyName) {
        Tell(dialog, state, TXT("Please enter a name for the line."),
             MessageTopic::LineNameMissing, IDC_GRAPH_LINE_NAME);
        return;
    }
    *state.line = result;
    state.changed = changed;
    EndDialog(dialog, 1);
}

void OnSelectBody(HWND dialog, LineDialogState& state) {
    BodyIdentifier selection = state.form.Object();
    bool chosen = false;
    if (state.services->selectBody) {
        chosen = state.services->selectBody(dialog, selection);
    } else {
        SelectBodyDialogParams params;
        params.selection = selection;
        chosen = ShowSelectBodyDialog(dialog, params, L"Select object for graph line", true, true, selection);
    }
    if (!chosen) return;
    state.form.SetObject(selection);
    ShowObject(dialog, state);
    FillFunctions(dialog, state);
    FillSystems(dialog, state);
    Regenerate(dialog, state);
    WriteDefaultName(dialog, state);
}

bool OnCommand(HWND dialog, LineDialogState& state, int id, int code) {
    switch (id) {
    case IDC_GRAPH_LINE_NAME:
        if (code == EN_CHANGE && !state.writingName) state.form.NameTyped();
        return true;
    case IDC_GRAPH_LINE_SELECT:
        OnSelectBody(dialog, state);
        return true;
    case IDC_GRAPH_LINE_FUNCTION:
        if (code == CBN_SELCHANGE) {
            const LRESULT row = SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0);
            if (row >= 0)
                state.form.SelectFunction(
                    static_cast<std::uint32_t>(SendDlgItemMessageW(dialog, id, CB_GETITEMDATA, row, 0)));
            FillSystems(dialog, state);
            Regenerate(dialog, state);
            WriteDefaultName(dialog, state);
        }
        return true;
    case IDC_GRAPH_LINE_SYSTEM:
        if (code == CBN_SELCHANGE) {
            state.form.SelectSystem(DialogItemText(dialog, id));
            Regenerate(dialog, state);
            WriteDefaultName(dialog, state);
        }
        return true;
    case IDC_GRAPH_LINE_EDIT_SCRIPT:
        ApplyEditScript(dialog, state);
        return true;
    case IDOK:
        OnOk(dialog, state);
        return true;
    default:
        return false;
    }
}

INT_PTR CALLBACK GraphLineProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    LineDialogState* state = StateOf(dialog);
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        Init(dialog, *reinterpret_cast<LineDialogState*>(lParam));
        return TRUE;
    }
    if (!state) return FALSE;
    if (message == WM_COMMAND && OnCommand(dialog, *state, LOWORD(wParam), HIWORD(wParam))) return TRUE;
    return AnswerPlacedDialog(dialog, message, wParam, state->newLine ? HelpPage::AddGraphLine : HelpPage::EditGraphLine,
                              state->services->placement);
}

}  // namespace

bool ShowGraphLineDialog(HINSTANCE instance, HWND owner, const String& title, GraphLine& line, bool newLine,
                         const GraphLineDialogServices& services, bool& changed) {
    LineDialogState state{instance, title, &line, newLine, &services, GraphLineForm(line, newLine)};
    const INT_PTR result =
        DialogBoxParamW(instance, L"Dlg_GraphLineNew", owner, GraphLineProc, reinterpret_cast<LPARAM>(&state));
    changed = result == 1 && state.changed;
    return result == 1;
}

}  // namespace corvinata
