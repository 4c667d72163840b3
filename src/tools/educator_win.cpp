#include "tools/educator_win.h"

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "app/help_topics_win.h"
#include "base/text_format.h"
#include "controls/control_panel.h"
#include "controls/list_view_columns.h"
#include "controls/message_box.h"
#include "controls/window_centring.h"
#include "resources/lessons_ids.h"
#include "script/script_interpreter.h"
#include "tools/lessons.h"

namespace corvinata {

namespace {

constexpr ListColumn kLessonColumns[] = {{L"Title", 340}, {L"Applies to", 60}, {L"File", 190}};

// Moves `window` to the stored top-left corner when the record holds one,
// kept on the work area of the nearest monitor; false when it holds none.
bool PlaceAt(HWND window, const WindowGeometry& at) {
    if (!(at.fieldMask & kGeometryPosition)) return false;
    RECT rect;
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const RECT work = WorkAreaNear(RECT{at.left, at.top, at.left + width, at.top + height});
    const int left = std::max<int>(work.left, std::min<int>(at.left, work.right - width));
    const int top = std::max<int>(work.top, std::min<int>(at.top, work.bottom - height));
    SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

// The window's top-left corner into the record, as the dialogs keep their
// place: the size is the template's and is not kept.
void KeepPlace(HWND window, WindowGeometry& at) {
    RECT rect;
    GetWindowRect(window, &rect);
    at.left = rect.left;
    at.top = rect.top;
    at.fieldMask |= kGeometryPosition;
}

// ---- Select Lesson ------------------------------------------------------

struct SelectLessonSession {
    HINSTANCE instance;
    StorageService& storage;
    const PathName& programDirectory;
    SelectLessonDialogSettings& state;
    LessonChoice& choice;
    std::vector<LessonRow> rows;
};

HWND LessonList(HWND dialog) { return GetDlgItem(dialog, IDC_LESSON_LIST); }

void FillLessonList(HWND dialog, SelectLessonSession& session) {
    HWND list = LessonList(dialog);
    SetUpRowList(list, kLessonColumns);
    session.rows = ScanLessonFolder(session.storage, LessonFolder(session.programDirectory));
    for (int row = 0; row < static_cast<int>(session.rows.size()); ++row) {
        const LessonRow& lesson = session.rows[static_cast<std::size_t>(row)];
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = const_cast<wchar_t*>(lesson.title.Text());
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        item.iSubItem = 1;
        item.pszText = const_cast<wchar_t*>(lesson.appliesTo.Text());
        SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        item.iSubItem = 2;
        item.pszText = const_cast<wchar_t*>(lesson.fileName.Text());
        SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }
}

int SelectedRow(HWND dialog) {
    return static_cast<int>(
        SendMessageW(LessonList(dialog), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void ShowDescription(HWND dialog, const SelectLessonSession& session, int row) {
    String description;
    if (row >= 0 && row < static_cast<int>(session.rows.size())) {
        description = FindLessonDescription(session.rows, session.rows[static_cast<std::size_t>(row)].fileName.Text());
    }
    SetDlgItemTextW(dialog, IDC_LESSON_DESCRIPTION, description.Text());
}

void KeepDialogState(HWND dialog, SelectLessonSession& session) {
    KeepPlace(dialog, session.state.geometry);
    CaptureListViewState(LessonList(dialog), session.state.list);
}

void TakeRow(HWND dialog, SelectLessonSession& session, int chosenRow, bool noneMeansFirst) {
    const std::optional<int> row =
        LessonRowToTake(static_cast<int>(session.rows.size()), chosenRow, noneMeansFirst);
    if (!row) return;
    const LessonRow& lesson = session.rows[static_cast<std::size_t>(*row)];
    session.choice.scriptPath = LessonFilePath(session.programDirectory, lesson.fileName.Text());
    session.choice.title = lesson.title;
    KeepDialogState(dialog, session);
    EndDialog(dialog, IDOK);
}

void Browse(HWND dialog, SelectLessonSession& session) {
    wchar_t file[MAX_PATH] = L"*.sts";
    OPENFILENAMEW open{};
    open.lStructSize = sizeof open;
    open.hwndOwner = dialog;
    open.lpstrFilter = L"CorvinataScript (*.sts)\0*.sts\0";
    open.lpstrFile = file;
    open.nMaxFile = MAX_PATH;
    open.lpstrInitialDir = session.state.browsePath.Text();
    open.lpstrTitle = L"Open CorvinataScript";
    open.lpstrDefExt = L"sts";
    open.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    bool chosen = false;
    if (GetOpenFileNameW(&open)) {
        const String path(file);
        const std::optional<LessonHeader> header = ReadLessonHeader(session.storage, path);
        const LessonVersion version = header ? CheckLessonVersion(header->version) : LessonVersion::Unrecognised;
        if (version == LessonVersion::Supported) {
            session.choice.scriptPath = path;
            session.choice.title = header->title;
            chosen = true;
        } else {
            PathName name;
            name.SetPath(file);
            const String text = LessonRefusalText(name.GetPathFileName(), version);
            RunMessageBox(session.instance, dialog, text.Text(), kButtonsOk, kMessageError, MessageTopic::ScriptNotOpened);
        }
    }
    // The folder follows the lesson last chosen; a browse cancelled before
    // any was chosen keeps the stored folder.
    session.state.browsePath = NextBrowseFolder(session.choice.scriptPath, session.state.browsePath);
    if (chosen) {
        KeepDialogState(dialog, session);
        EndDialog(dialog, IDOK);
    }
}

void OnSelectLessonInit(HWND dialog, SelectLessonSession& session) {
    PlaceAt(dialog, session.state.geometry);
    FillLessonList(dialog, session);
    HWND list = LessonList(dialog);
    ApplyColumnWidths(list, session.state.list, false);
    ApplySelectedRows(list, session.state.list);
    const int row = SelectedRow(dialog);
    if (row >= 0) SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
    ShowDescription(dialog, session, row);
    SetFocus(list);
}

INT_PTR CALLBACK SelectLessonProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* session = reinterpret_cast<SelectLessonSession*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        OnSelectLessonInit(dialog, *reinterpret_cast<SelectLessonSession*>(lParam));
        return FALSE;  // the focus is on the list
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (session == nullptr || header->idFrom != IDC_LESSON_LIST) return FALSE;
        if (header->code == LVN_ITEMCHANGED) {
            const auto* change = reinterpret_cast<const NMLISTVIEW*>(lParam);
            if ((change->uNewState & LVIS_SELECTED) != 0) ShowDescription(dialog, *session, change->iItem);
        } else if (header->code == NM_DBLCLK) {
            TakeRow(dialog, *session, reinterpret_cast<const NMITEMACTIVATE*>(lParam)->iItem, false);
        }
        return TRUE;
    }
    case WM_COMMAND:
        if (session == nullptr) return FALSE;
        switch (LOWORD(wParam)) {
        case IDOK: TakeRow(dialog, *session, SelectedRow(dialog), true); return TRUE;
        case IDCANCEL:
            KeepDialogState(dialog, *session);
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        case IDC_LESSON_BROWSE: Browse(dialog, *session); return TRUE;
        default: return FALSE;
        }
    case WM_HELP: ShowHelpTopic(dialog, HelpPage::SelectLesson); return TRUE;
    default: return FALSE;
    }
}

}  // namespace

bool ShowSelectLesson(HINSTANCE instance, HWND parent, StorageService& storage, const PathName& programDirectory,
                      SelectLessonDialogSettings& state, LessonChoice& choice) {
    SelectLessonSession session{instance, storage, programDirectory, state, choice, {}};
    const INT_PTR result = DialogBoxParamW(instance, L"Dlg_Select_Lesson", parent, SelectLessonProc,
                                           reinterpret_cast<LPARAM>(&session));
    return result == IDOK;
}

// ---- Running a lesson ---------------------------------------------------

Educator::Educator(EducatorParams params) : params_(std::move(params)) {}

Educator::~Educator() {
    if (window_) DestroyWindow(window_);
}

void Educator::AttachHost(ScriptHostInterface* host, std::function<void()> closeThroughHost) {
    host_ = host;
    closeThroughHost_ = std::move(closeThroughHost);
}

ScriptRunServices Educator::Services() { return ScriptRunServices{*host_, catalogue_, objects_}; }

void Educator::SetCommandEnabled(bool enabled) {
    if (commandEnabled_ == enabled) return;
    commandEnabled_ = enabled;
    if (params_.commandStateChanged) params_.commandStateChanged();
}

bool Educator::RunScriptFile(const String& path, const String& title) {
    if (host_ == nullptr || params_.storage == nullptr) return false;
    SetCommandEnabled(false);
    // A lesson still open from an earlier run ends before the next begins.
    CloseLessonWindow();
    title_ = title;
    auto script = std::make_unique<ScriptExpression>();
    String problem;
    if (!LoadScriptFile(*script, *params_.storage, path.Text())) {
        problem = FormatPercent1(TXT("%:\n\nThe file could not be read."), path);
    } else if (!CompileScriptProgram(*script, catalogue_)) {
        problem = FormatPercent5(TXT("%:\n\nCompile error at line %, column %: %%"), path, NumberTextFromInt(script->errorLine),
                                 NumberTextFromInt(script->errorColumn), script->message,
                                 FormatArgument(script->detail.IsEmpty() ? String()
                                                                         : FormatPercent1(TXT(" (%)"), script->detail)));
    }
    if (!problem.IsEmpty()) {
        RunMessageBox(params_.instance, params_.frame, problem.Text(), kButtonsOk, kMessageError,
                      MessageTopic::ScriptCompilationError);
        SetCommandEnabled(true);
        return false;
    }
    script_ = std::move(script);
    // The host reports a failing statement and the end of the run itself
    // (closing the window and enabling the command again).
    return RunScriptProgram(*script_, Services());
}

void Educator::ContinueLesson() {
    if (script_ == nullptr || host_ == nullptr) return;
    RunCompiledScript(*script_, Services());
}

bool Educator::CreateWindowIfClosed() {
    if (window_) return true;
    CreateDialogParamW(params_.instance, L"DLG_RUN_LESSON", params_.frame, DialogProc, reinterpret_cast<LPARAM>(this));
    if (!window_) return false;
    if (params_.modeless) params_.modeless->AddModelessDialog(window_);
    ShowWindow(window_, SW_SHOWNA);
    return true;
}

bool Educator::ShowLessonMessage(const String& text) {
    if (!CreateWindowIfClosed()) return false;
    return SetDlgItemTextW(window_, IDC_LESSON_MESSAGE, text.Text()) != FALSE;
}

void Educator::PlaceLessonWindow(int x, int y) {
    if (params_.runLessonPlace) {
        WindowGeometry& at = params_.runLessonPlace->geometry;
        at.left = x;
        at.top = y;
        at.fieldMask |= kGeometryPosition;
    }
    if (window_) SetWindowPos(window_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Educator::ShowLessonEnded() {
    if (!window_) return;
    ShowWindow(GetDlgItem(window_, IDC_LESSON_CONTINUE), SW_HIDE);
    ShowWindow(GetDlgItem(window_, IDC_LESSON_STOP), SW_HIDE);
    HWND close = GetDlgItem(window_, IDC_LESSON_CLOSE);
    ShowWindow(close, SW_SHOW);
    SendMessageW(window_, DM_SETDEFID, IDC_LESSON_CLOSE, 0);
    SetFocus(close);
}

void Educator::CloseLessonWindow() {
    if (window_) DestroyWindow(window_);
}

void Educator::EnableEducatorCommand() { SetCommandEnabled(true); }

void Educator::OnInitDialog(HWND window) {
    window_ = window;
    if (!params_.runLessonPlace || !PlaceAt(window, params_.runLessonPlace->geometry)) {
        CentreOverWindow(params_.frame, window);
    }
    const String caption = FormatPercent1(TXT("Educator - %"), title_);
    SetWindowTextW(window, caption.Text());
    ShowWindow(GetDlgItem(window, IDC_LESSON_CONTINUE), SW_SHOW);
    ShowWindow(GetDlgItem(window, IDC_LESSON_STOP), SW_SHOW);
    ShowWindow(GetDlgItem(window, IDC_LESSON_CLOSE), SW_HIDE);
    SetFocus(GetDlgItem(window, IDC_LESSON_CONTINUE));
}

void Educator::OnDestroy() {
    if (params_.runLessonPlace) {
        KeepPlace(window_, params_.runLessonPlace->geometry);
    }
    if (params_.modeless) params_.modeless->RemoveModelessDialog(window_);
    window_ = nullptr;
}

INT_PTR CALLBACK Educator::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        reinterpret_cast<Educator*>(lParam)->OnInitDialog(window);
        return FALSE;
    }
    auto* self = reinterpret_cast<Educator*>(GetWindowLongPtrW(window, DWLP_USER));
    if (self == nullptr) return FALSE;
    switch (message) {
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_LESSON_CONTINUE: self->ContinueLesson(); return TRUE;
        case IDC_LESSON_STOP:
        case IDC_LESSON_CLOSE:
        case IDCANCEL:
            if (self->closeThroughHost_) {
                self->closeThroughHost_();
            } else {
                self->CloseLessonWindow();
                self->EnableEducatorCommand();
            }
            return TRUE;
        default: return FALSE;
        }
    case WM_HELP: ShowHelpTopic(window, HelpPage::RunLesson); return TRUE;
    case WM_DESTROY: self->OnDestroy(); return FALSE;
    default: return FALSE;
    }
}

}  // namespace corvinata
