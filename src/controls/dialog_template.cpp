#include "controls/dialog_template.h"

#include "app/help_topics_win.h"

namespace corvinata {

DialogTemplate::DialogTemplate(const wchar_t* caption, short width, short height)
    : width_(width), height_(height) {
    DLGTEMPLATE dialog{};
    dialog.style = DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_CONTEXTHELP;
    dialog.cx = width;
    dialog.cy = height;
    const auto* words = reinterpret_cast<const WORD*>(&dialog);
    data_.insert(data_.end(), words, words + sizeof dialog / 2);
    data_.push_back(0);  // no menu
    data_.push_back(0);  // the dialog class
    Text(caption);
    data_.push_back(8);
    Text(L"MS Shell Dlg");
}

void DialogTemplate::Text(const wchar_t* text) {
    for (; text && *text; ++text) data_.push_back(static_cast<WORD>(*text));
    data_.push_back(0);
}

void DialogTemplate::Align() {
    if (data_.size() % 2) data_.push_back(0);
}

void DialogTemplate::Item(DWORD style, short x, short y, short width, short height, int id) {
    Align();
    DLGITEMTEMPLATE item{};
    item.style = WS_CHILD | WS_VISIBLE | style;
    item.x = x;
    item.y = y;
    item.cx = width;
    item.cy = height;
    item.id = static_cast<WORD>(id);
    const auto* words = reinterpret_cast<const WORD*>(&item);
    data_.insert(data_.end(), words, words + sizeof item / 2);
    ++count_;
    reinterpret_cast<DLGTEMPLATE*>(data_.data())->cdit = count_;
}

DialogTemplate& DialogTemplate::Add(DialogClass kind, const wchar_t* text, int id, DWORD style,
                                    short x, short y, short width, short height) {
    Item(style, x, y, width, height, id);
    data_.push_back(0xFFFF);
    data_.push_back(static_cast<WORD>(kind));
    Text(text);
    data_.push_back(0);  // no creation data
    return *this;
}

DialogTemplate& DialogTemplate::Add(const wchar_t* className, const wchar_t* text, int id,
                                    DWORD style, short x, short y, short width, short height) {
    Item(style, x, y, width, height, id);
    Text(className);
    Text(text);
    data_.push_back(0);
    return *this;
}

DialogTemplate& DialogTemplate::Label(const wchar_t* text, int id, short x, short y, short width,
                                      short height) {
    return Add(DialogClass::kStatic, text, id, SS_LEFT, x, y, width, height);
}

DialogTemplate& DialogTemplate::Group(const wchar_t* text, int id, short x, short y, short width,
                                      short height) {
    return Add(DialogClass::kButton, text, id, BS_GROUPBOX, x, y, width, height);
}

DialogTemplate& DialogTemplate::Radio(const wchar_t* text, int id, short x, short y, short width,
                                      bool firstOfGroup) {
    const DWORD style = BS_AUTORADIOBUTTON | (firstOfGroup ? WS_GROUP | WS_TABSTOP : 0);
    return Add(DialogClass::kButton, text, id, style, x, y, width, 10);
}

DialogTemplate& DialogTemplate::Check(const wchar_t* text, int id, short x, short y, short width) {
    return Add(DialogClass::kButton, text, id, BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP, x, y, width, 10);
}

DialogTemplate& DialogTemplate::Button(const wchar_t* text, int id, short x, short y, bool isDefault) {
    const DWORD style = (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP | WS_GROUP;
    return Add(DialogClass::kButton, text, id, style, x, y, kButtonWidth, kButtonHeight);
}

DialogTemplate& DialogTemplate::OkCancel(short dialogWidth, short dialogHeight) {
    const short y = dialogHeight - kDialogMargin - kButtonHeight;
    const short cancelX = dialogWidth - kDialogMargin - kButtonWidth;
    Button(L"OK", IDOK, cancelX - kControlGap - kButtonWidth, y, true);
    return Button(L"Cancel", IDCANCEL, cancelX, y);
}

const DLGTEMPLATE* DialogTemplate::Get() const {
    return reinterpret_cast<const DLGTEMPLATE*>(data_.data());
}

INT_PTR RunDialog(HWND owner, const DialogTemplate& dialogTemplate, DLGPROC procedure, LPARAM parameter) {
    return DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialogTemplate.Get(), owner, procedure,
                                   parameter);
}

void PlaceDialog(HWND dialog, const WindowGeometry* placement) {
    if (!placement || !(placement->fieldMask & kGeometryPosition)) return;
    if (placement->left == 0 && placement->top == 0) return;
    SetWindowPos(dialog, nullptr, placement->left, placement->top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void RememberDialogPlace(HWND dialog, WindowGeometry* placement) {
    RECT frame{};
    if (!placement || !GetWindowRect(dialog, &frame)) return;
    placement->left = frame.left;
    placement->top = frame.top;
    placement->fieldMask |= kGeometryPosition;
}

INT_PTR AnswerPlacedDialog(HWND dialog, UINT message, WPARAM wParam, HelpPage help, WindowGeometry* placement) {
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) != IDCANCEL) return FALSE;
        EndDialog(dialog, 0);
        return TRUE;
    case WM_HELP:
        ShowHelpTopic(dialog, help);
        return TRUE;
    case WM_DESTROY:
        RememberDialogPlace(dialog, placement);
        return FALSE;
    default:
        return FALSE;
    }
}

}  // namespace corvinata
