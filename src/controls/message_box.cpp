#include "controls/message_box.h"

#include "app/help_topics_win.h"
#include "base/services.h"
#include "base/wide_string.h"
#include "controls/question_end.h"
#include "controls/window_centring.h"
#include "resources/resource_ids.h"

namespace corvinata {

namespace {

struct MessageBoxParams {
    HWND owner;
    int kind;
    int buttons;
    const Char* helpTopic;
    const Char* text;
    int answers[4];
    int count;
};

const Char* AnswerText(int answer) noexcept {
    switch (answer) {
    case kAnswerOk: return TXT("OK");
    case kAnswerCancel: return TXT("Cancel");
    case kAnswerYes: return TXT("&Yes");
    case kAnswerNo: return TXT("&No");
    default: return TXT("Help");
    }
}

const Char* KindText(int kind) noexcept {
    switch (kind) {
    case kMessageInformation: return TXT("Information");
    case kMessageWarning: return TXT("Warning");
    case kMessageError: return TXT("Error");
    default: return TXT("");
    }
}

void InitMessageBox(HWND dialog, MessageBoxParams& params) {
    SetWindowLongPtrW(dialog, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&params));
    params.count = MessageBoxAnswers(params.buttons, params.answers);
    // The buttons stand right-aligned: the last answer on the last button.
    for (int id = IDC_BUTTON_1; id <= IDC_BUTTON_4; ++id) ShowWindow(GetDlgItem(dialog, id), SW_HIDE);
    const int firstId = IDC_BUTTON_4 + 1 - params.count;
    for (int i = 0; i < params.count; ++i) {
        HWND button = GetDlgItem(dialog, firstId + i);
        SetWindowTextW(button, AnswerText(params.answers[i]));
        if (i == 0) SetWindowLongPtrW(button, GWL_STYLE, GetWindowLongPtrW(button, GWL_STYLE) | WS_GROUP);
        ShowWindow(button, SW_SHOW);
    }
    String caption(GetProductInfo().GetProductName());
    StringAppend(caption, TXT(" "));
    StringAppend(caption, KindText(params.kind));
    SetWindowTextW(dialog, caption.Text());
    const Char* icon = params.kind == kMessageError     ? IDI_HAND
                       : params.kind == kMessageWarning ? IDI_EXCLAMATION
                                                        : IDI_ASTERISK;
    if (params.kind >= kMessageInformation && params.kind <= kMessageError) {
        SendDlgItemMessageW(dialog, IDC_MESSAGE_ICON, STM_SETICON,
                            reinterpret_cast<WPARAM>(LoadIconW(nullptr, icon)), 0);
    }
    SetDlgItemTextW(dialog, IDC_MESSAGE_TEXT, params.text);
    CentreOverWindow(params.owner, dialog);
    // The first button is the default one, as in every message box: it has
    // the focus and the default frame, and Enter presses it.
    SendMessageW(dialog, DM_SETDEFID, static_cast<WPARAM>(firstId), 0);
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, firstId)), TRUE);
}

// Enter arrives as IDOK when no button of the box is the default one: it
// presses the focused button, or the first.
int ButtonPressedByEnter(HWND dialog, const MessageBoxParams& params) {
    const int focused = GetDlgCtrlID(GetFocus());
    const int firstId = IDC_BUTTON_4 + 1 - params.count;
    if (GetParent(GetFocus()) == dialog && focused >= firstId && focused <= IDC_BUTTON_4) return focused;
    return firstId;
}

INT_PTR CALLBACK MessageBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* params = reinterpret_cast<MessageBoxParams*>(GetWindowLongPtrW(dialog, GWLP_USERDATA));
    switch (message) {
    case WM_INITDIALOG:
        InitMessageBox(dialog, *reinterpret_cast<MessageBoxParams*>(lParam));
        return FALSE;
    case WM_COMMAND: {
        if (!params) return FALSE;
        const int id = LOWORD(wParam) == IDOK ? ButtonPressedByEnter(dialog, *params) : LOWORD(wParam);
        if (id == IDCANCEL) {
            EndQuestion(dialog, params->buttons == kButtonsOk ? kAnswerOk : kAnswerCancel);
            return TRUE;
        }
        const int index = id + params->count - (IDC_BUTTON_4 + 1);
        if (id < IDC_BUTTON_1 || id > IDC_BUTTON_4 || index < 0 || index >= params->count) return FALSE;
        const int answer = params->answers[index];
        if (answer == kAnswerHelp) {
            ShowHelpTopic(dialog, params->helpTopic);
        } else {
            EndQuestion(dialog, answer);
        }
        return TRUE;
    }
    default:
        return FALSE;
    }
}

}  // namespace

int MessageBoxAnswers(int buttons, int (&answers)[4]) noexcept {
    int n = 0;
    switch (buttons) {
    case kButtonsOkCancel: answers[n++] = kAnswerOk; answers[n++] = kAnswerCancel; break;
    case kButtonsYesNo: answers[n++] = kAnswerYes; answers[n++] = kAnswerNo; break;
    case kButtonsYesNoCancel:
        answers[n++] = kAnswerYes;
        answers[n++] = kAnswerNo;
        answers[n++] = kAnswerCancel;
        break;
    default: answers[n++] = kAnswerOk; break;
    }
    answers[n++] = kAnswerHelp;
    return n;
}

int RunMessageBox(HINSTANCE instance, HWND owner, const Char* text, int buttons, int kind, MessageTopic topic) {
    const String helpTopic = MessageBoxHelpTopic(topic);
    MessageBoxParams params{owner, kind, buttons, helpTopic.Text(), text ? text : TXT(""), {}, 0};
    return static_cast<int>(DialogBoxParamW(instance, L"DLG_MESSAGEBOX", owner, MessageBoxProc,
                                            reinterpret_cast<LPARAM>(&params)));
}

}  // namespace corvinata
