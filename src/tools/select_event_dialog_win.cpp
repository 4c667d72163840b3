#include "tools/select_event_dialog_win.h"

#include "app/help_topics.h"
#include "app/help_topics_win.h"
#include "app/settings_values.h"
#include "controls/message_box.h"
#include "controls/window_text.h"
#include "resources/event_tools_ids.h"
#include "script/script_catalogue.h"
#include "script/script_expression.h"
#include "tools/select_event.h"

namespace corvinata {
namespace {

using events::EventCondition;

const wchar_t* Wide(const Char* text) { return reinterpret_cast<const wchar_t*>(text); }

class SelectEventDialog {
public:
    SelectEventDialog(HINSTANCE instance, SelectEventDialogState& state) : instance_(instance), state_(state) {}

    static INT_PTR CALLBACK Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_INITDIALOG) {
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            auto* self = reinterpret_cast<SelectEventDialog*>(lParam);
            self->dialog_ = dialog;
            self->Init();
            return TRUE;
        }
        auto* self = reinterpret_cast<SelectEventDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
        return self ? self->Handle(message, wParam) : FALSE;
    }

private:
    void Init() {
        state_.window = dialog_;
        if (state_.placement != nullptr) {
            SetWindowPos(dialog_, nullptr, state_.placement->left, state_.placement->top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER);
        }
        for (int i = 0; i < events::kEventTypeCount; ++i) {
            Send(IDC_SE_EVENTS, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(events::EventTypeAt(i).shortName));
        }
        Send(IDC_SE_EXTREME, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"Maximum"));
        Send(IDC_SE_EXTREME, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"Minimum"));
        {
            SettingsTree tree(*state_.storage, state_.settingsRoot);
            events::LoadSelectedEvent(tree, state_.condition, state_.placement);
        }
        Fill();
    }

    INT_PTR Handle(UINT message, WPARAM wParam) {
        if (message == WM_DESTROY) {
            RECT r{};
            if (state_.placement != nullptr && GetWindowRect(dialog_, &r)) {
                state_.placement->left = r.left;
                state_.placement->top = r.top;
            }
            state_.window = nullptr;
            return FALSE;
        }
        if (message == WM_HELP) {
            ShowHelpTopic(dialog_, HelpPage::SelectEvent);
            return TRUE;
        }
        if (message != WM_COMMAND) return FALSE;
        const int id = LOWORD(wParam);
        const int code = HIWORD(wParam);
        switch (id) {
            case IDC_SE_EVENTS:
                if (code == CBN_SELCHANGE) EventChanged();
                return TRUE;
            case IDC_SE_FUNCTIONS:
            case IDC_SE_EXTREME:
                if (code == CBN_SELCHANGE) Rebuild();
                return TRUE;
            case IDC_SE_OBJECT1:
            case IDC_SE_OBJECT2:
                PickBody(id == IDC_SE_OBJECT1);
                return TRUE;
            case IDC_SE_EDIT_SCRIPT:
                EnableByMode();
                return TRUE;
            case IDC_SE_PREDEFINED:
            case IDC_SE_FUNCTION:
                CheckRadioButton(dialog_, IDC_SE_PREDEFINED, IDC_SE_FUNCTION, id);
                EnableByMode();
                return TRUE;
            case IDOK:
                Accept();
                return TRUE;
            case IDCANCEL:
                EndDialog(dialog_, 0);
                return TRUE;
            default:
                return FALSE;
        }
    }

    LRESULT Send(int id, UINT message, WPARAM wParam, LPARAM lParam) const {
        return SendDlgItemMessageW(dialog_, id, message, wParam, lParam);
    }
    void Enable(int id, bool on) const { EnableWindow(GetDlgItem(dialog_, id), on); }
    bool Checked(int id) const { return IsDlgButtonChecked(dialog_, id) == BST_CHECKED; }

    void Fill() {
        const EventCondition& c = state_.condition;
        ShowBodies();
        const events::EventType* type = events::FindEventType(c.predefinedEvent);
        Send(IDC_SE_EVENTS, CB_SELECTSTRING, static_cast<WPARAM>(-1),
             reinterpret_cast<LPARAM>((type != nullptr ? type : &events::EventTypeAt(0))->shortName));
        if (const EventKind* shown = events::ShownFunction(c)) {
            Send(IDC_SE_FUNCTIONS, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(shown->GetName()));
        }
        Send(IDC_SE_EXTREME, CB_SETCURSEL, c.isMinimum ? 1 : 0, 0);
        CheckRadioButton(dialog_, IDC_SE_PREDEFINED, IDC_SE_FUNCTION, c.isPredefined ? IDC_SE_PREDEFINED : IDC_SE_FUNCTION);
        CheckDlgButton(dialog_, IDC_SE_EDIT_SCRIPT, c.isUserExpression ? BST_CHECKED : BST_UNCHECKED);
        EnableByMode();
        if (c.isUserExpression) SetDlgItemTextW(dialog_, IDC_SE_EXPRESSION, Wide(c.searchExpression.Text()));
    }

    void ShowBodies() {
        SetDlgItemTextW(dialog_, IDC_SE_LABEL1, Wide(state_.condition.firstBody.name.Text()));
        SetDlgItemTextW(dialog_, IDC_SE_LABEL2, Wide(state_.condition.secondBody.name.Text()));
        Send(IDC_SE_FUNCTIONS, CB_RESETCONTENT, 0, 0);
        for (const EventKind* kind : events::BodyFunctionsOf(state_.condition.firstBody)) {
            const auto index = Send(IDC_SE_FUNCTIONS, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kind->GetName()));
            Send(IDC_SE_FUNCTIONS, CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(kind->GetId()));
        }
        Send(IDC_SE_FUNCTIONS, CB_SETCURSEL, 0, 0);
    }

    void EnableByMode() {
        const bool typed = Checked(IDC_SE_EDIT_SCRIPT);
        Enable(IDC_SE_EXPRESSION, typed);
        for (int id : {IDC_SE_PREDEFINED, IDC_SE_FUNCTION, IDC_SE_EVENTS, IDC_SE_FUNCTIONS, IDC_SE_EXTREME,
                       IDC_SE_OBJECT1, IDC_SE_OBJECT2, IDC_SE_LABEL1, IDC_SE_LABEL2}) {
            Enable(id, !typed);
        }
        if (typed) return;
        if (Checked(IDC_SE_FUNCTION)) {
            Enable(IDC_SE_EVENTS, false);
            Enable(IDC_SE_OBJECT2, false);
            Enable(IDC_SE_LABEL2, false);
            Rebuild();
        } else {
            Enable(IDC_SE_FUNCTIONS, false);
            Enable(IDC_SE_EXTREME, false);
            EventChanged();
        }
    }

    const events::EventType* SelectedEventType() const {
        const auto index = Send(IDC_SE_EVENTS, CB_GETCURSEL, 0, 0);
        return index >= 0 && index < events::kEventTypeCount ? &events::EventTypeAt(static_cast<int>(index)) : nullptr;
    }

    void EventChanged() {
        const events::EventType* type = SelectedEventType();
        const int bodies = type != nullptr ? type->bodyCount : 0;
        Enable(IDC_SE_OBJECT1, bodies >= 1);
        Enable(IDC_SE_LABEL1, bodies >= 1);
        Enable(IDC_SE_OBJECT2, bodies >= 2);
        Enable(IDC_SE_LABEL2, bodies >= 2);
        Rebuild();
    }

    void ReadLists(EventCondition& c) const {
        c.isPredefined = Checked(IDC_SE_PREDEFINED);
        if (const events::EventType* type = SelectedEventType()) c.predefinedEvent = type->id;
        const auto function = Send(IDC_SE_FUNCTIONS, CB_GETCURSEL, 0, 0);
        c.quantity = function >= 0 ? static_cast<std::uint32_t>(Send(IDC_SE_FUNCTIONS, CB_GETITEMDATA,
                                                                     static_cast<WPARAM>(function), 0))
                                   : events::kNoQuantity;
        c.isMinimum = Send(IDC_SE_EXTREME, CB_GETCURSEL, 0, 0) == 1;
    }

    // The expression field follows the lists unless the user edits it.
    void Rebuild() {
        if (Checked(IDC_SE_EDIT_SCRIPT)) return;
        EventCondition c = state_.condition;
        ReadLists(c);
        String text;
        if (c.isPredefined) {
            events::PredefinedEventExpression(c.predefinedEvent, c.firstBody.object, c.secondBody.object, text);
        } else {
            text = events::ExtremeExpression(c);
        }
        SetDlgItemTextW(dialog_, IDC_SE_EXPRESSION, Wide(text.Text()));
    }

    void PickBody(bool first) {
        BodyIdentifier& body = first ? state_.condition.firstBody : state_.condition.secondBody;
        state_.bodies.placement = &state_.bodyPlacement;
        BodyIdentifier chosen = body;
        if (!ShowSelectBodyDialog(dialog_, state_.bodies,
                                  first ? L"Select First Object for Event" : L"Select Second Object for Event", true, true,
                                  chosen)) {
            return;
        }
        body = chosen;
        const auto function = Send(IDC_SE_FUNCTIONS, CB_GETCURSEL, 0, 0);
        ShowBodies();
        if (function >= 0) Send(IDC_SE_FUNCTIONS, CB_SETCURSEL, 0, 0);
        Rebuild();
    }

    void Accept() {
        const String text = DialogItemText(dialog_, IDC_SE_EXPRESSION);
        ScriptExpression expression(text.Text());
        ObjectModelScriptCatalogue catalogue;
        int kind = 0;
        CompileSearchExpression(kind, expression, catalogue);
        if (expression.compileStatus != kCompiled) {
            RunMessageBox(instance_, dialog_, TXT("The CorvinataScript expression contains a syntax error."), kButtonsOk,
                          kMessageError, MessageTopic::ExpressionSyntaxError);
            return;
        }
        EventCondition& c = state_.condition;
        ReadLists(c);
        c.isUserExpression = Checked(IDC_SE_EDIT_SCRIPT);
        c.searchExpression = text;
        {
            SettingsTreeWriter writer(*state_.storage, state_.settingsRoot);
            events::SaveSelectedEvent(writer, c);
        }
        EndDialog(dialog_, 1);
    }

    HINSTANCE instance_;
    SelectEventDialogState& state_;
    HWND dialog_ = nullptr;
};

}  // namespace

bool ShowSelectEventDialog(HINSTANCE instance, HWND owner, SelectEventDialogState& state,
                           events::EventCondition& condition) {
    SelectEventDialog dialog(instance, state);
    const INT_PTR result = DialogBoxParamW(instance, L"Dlg_Select_Event", owner, SelectEventDialog::Proc,
                                           reinterpret_cast<LPARAM>(&dialog));
    condition = state.condition;
    return result == 1;
}

}  // namespace corvinata
