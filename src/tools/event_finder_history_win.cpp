#include "tools/event_finder_history_win.h"

#include <commctrl.h>

#include <algorithm>

#include "app/help_topics.h"
#include "app/help_topics_win.h"
#include "app/settings_values.h"
#include "app/tool_window_placement.h"
#include "catalog/quantity_values.h"
#include "controls/list_view_columns.h"
#include "base/text_format.h"
#include "controls/message_box.h"
#include "resources/event_tools_ids.h"

namespace corvinata {
namespace {

const Char kHistoryKey[] = TXT("Event Finder\\History");

// The results' count stands right.
constexpr ListColumn kColumns[events::kHistoryColumnCount] = {
    {L"Executed", 110}, {L"From", 70}, {L"To", 70}, {L"DST", 35}, {L"Step", 70},
    {L"Event description", 130}, {L"CorvinataScript", 130}, {L"Location", 100}, {L"State", 65},
    {L"Results", 50, LVCFMT_RIGHT},
};

void SetCell(HWND list, int row, int column, const String& text, bool insert) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.iSubItem = column;
    item.pszText = const_cast<wchar_t*>(reinterpret_cast<const wchar_t*>(text.Text()));
    SendMessageW(list, insert ? LVM_INSERTITEMW : LVM_SETITEMTEXTW, insert ? 0 : static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&item));
}

}  // namespace

EventFinderHistory::EventFinderHistory(EventFinderHistoryParams params) : params_(std::move(params)) {
    widths_.parts = kListColumnWidths;
}

EventFinderHistory::~EventFinderHistory() {
    if (params_.hub) params_.hub->Forget(this);
    if (window_) DestroyWindow(window_);
}

void EventFinderHistory::Open(HWND parent) {
    if (window_ == nullptr) {
        if (params_.hub) params_.hub->Insert(this);
        window_ = CreateDialogParamW(params_.instance, L"DLG_TOOL_EVENTFINDER_HISTORY", parent, DialogProc,
                                     reinterpret_cast<LPARAM>(this));
        if (window_ == nullptr) {
            if (params_.hub) params_.hub->Forget(this);
            return;
        }
        if (params_.modeless) params_.modeless->push_back(window_);
        SetWindowPos(window_, nullptr, left_, top_, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ShowWindow(window_, SW_SHOW);
    } else {
        BringWindowToTop(window_);
    }
    const int position = params_.control->CurrentPosition();
    if (position >= 0) Mark(static_cast<int>(params_.control->RunCount()) - 1 - position);
}

void EventFinderHistory::Capture() {
    if (window_ == nullptr) return;
    RECT r{};
    if (GetWindowRect(window_, &r)) {
        left_ = r.left;
        top_ = r.top;
    }
    CaptureListViewState(List(), widths_);
}

void EventFinderHistory::Close() {
    if (window_ == nullptr) return;
    if (params_.hub) params_.hub->Forget(this);
    Capture();
    if (params_.modeless) {
        auto& list = *params_.modeless;
        list.erase(std::remove(list.begin(), list.end(), window_), list.end());
    }
    DestroyWindow(window_);
    window_ = nullptr;
}

void EventFinderHistory::Restore(HWND parent) {
    bool visible = false;
    std::int32_t selected = 0;
    {
        SettingsTree tree(*params_.storage, params_.settingsRoot);
        ReadGroup group(tree, kHistoryKey);
        if (!group.IsOpen()) return;
        const ToolWindowPlacement placement = ReadToolWindowPlacement(tree, {left_, top_, visible});
        left_ = placement.left;
        top_ = placement.top;
        visible = placement.visible;
        if (!ReadIntValue(tree, TXT("Selected run"), selected)) selected = 0;
        ReadGroup list(tree, TXT("List view"));
        if (list.IsOpen()) LoadListViewState(tree, widths_);
    }
    if (!visible) return;
    Open(parent);
    Mark(selected);
}

void EventFinderHistory::Save(SettingsTreeWriter& writer) {
    const bool visible = window_ != nullptr && IsWindowVisible(window_);
    int selected = 0;
    if (window_ != nullptr) {
        selected = std::max(0, static_cast<int>(SendMessageW(List(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED)));
    }
    Capture();
    WriteGroup group(writer, kHistoryKey);
    WrittenValues w(writer);
    w.Then([&] { return WriteToolWindowPlacement(writer, {left_, top_, visible}); });
    w.Int(TXT("Selected run"), selected);
    WriteGroup list(writer, TXT("List view"));
    if (list.IsOpen()) SaveListViewState(writer, widths_);
}

INT_PTR CALLBACK EventFinderHistory::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        auto* self = reinterpret_cast<EventFinderHistory*>(lParam);
        self->window_ = window;
        HWND list = self->List();
        SetUpRowList(list, kColumns);
        if (!self->widths_.columnWidths.empty()) ApplyColumnWidths(list, self->widths_, false);
        self->Fill();
        return TRUE;
    }
    auto* self = reinterpret_cast<EventFinderHistory*>(GetWindowLongPtrW(window, DWLP_USER));
    return self ? self->Handle(message, wParam, lParam) : FALSE;
}

INT_PTR EventFinderHistory::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDCANCEL: Close(); return TRUE;
                case IDC_EFH_DELETE: ConfirmDelete(); return TRUE;
                case IDC_EFH_SELECT: SelectRun(); return TRUE;
                default: return FALSE;
            }
        case WM_CLOSE:
            Close();
            return TRUE;
        case WM_HELP:
            ShowHelpTopic(window_, HelpPage::EventFinderHistory);
            return TRUE;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header->idFrom != IDC_EFH_LIST) return FALSE;
            if (header->code == LVN_KEYDOWN) {
                const auto* key = reinterpret_cast<const NMLVKEYDOWN*>(lParam);
                if (key->wVKey == VK_DELETE) {
                    ConfirmDelete();
                } else if (key->wVKey == 'A' && (GetAsyncKeyState(VK_CONTROL) & 0x8000)) {
                    LVITEMW state{};
                    state.stateMask = LVIS_SELECTED;
                    state.state = LVIS_SELECTED;
                    SendMessageW(List(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
                }
            } else if (header->code == LVN_ITEMCHANGED) {
                UpdateButtons();
            } else if (header->code == NM_DBLCLK) {
                SelectRun();
            }
            return TRUE;
        }
        default:
            return FALSE;
    }
}

void EventFinderHistory::OnNotify(std::int32_t event, std::uint32_t flags, void* value) {
    if (window_ == nullptr || flags != 0) return;
    switch (event) {
        case kEventSearchStarted:
        case kEventSearchContinued:
        case kEventSearchEnded:
        case kEventHistoryDeletionEnded:
            Fill();
            return;
        case kEventSearchResultFound: {
            // The row of the run that found something: the run itself is
            // the notification's value.
            const auto& control = *params_.control;
            const int position = control.PositionOf(static_cast<const events::EventDefinition*>(value));
            if (position < 0) return;
            String count;
            StringFromInteger(static_cast<int>(control.RunAt(static_cast<std::size_t>(position)).foundRanges.size()), 0,
                              count, false, TXT(' '));
            SetCell(List(), static_cast<int>(control.RunCount()) - 1 - position, events::kHistoryColumnCount - 1, count,
                    false);
            return;
        }
        default:
            return;
    }
}

void EventFinderHistory::Fill() {
    HWND list = List();
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    const auto& control = *params_.control;
    const int angleStyle = DisplayFormatRequest().angleDegreeBase;
    for (std::size_t p = 0; p < control.RunCount(); ++p) {
        String texts[events::kHistoryColumnCount];
        events::HistoryRowTexts(control.RunAt(p), angleStyle, texts);
        // Each run goes on top: row 0 is the newest.
        SetCell(list, 0, 0, texts[0], true);
        for (int c = 1; c < events::kHistoryColumnCount; ++c) SetCell(list, 0, c, texts[c], false);
    }
    UpdateButtons();
}

void EventFinderHistory::UpdateButtons() {
    const auto selected = SendMessageW(List(), LVM_GETSELECTEDCOUNT, 0, 0);
    EnableWindow(GetDlgItem(window_, IDC_EFH_SELECT), selected == 1);
    EnableWindow(GetDlgItem(window_, IDC_EFH_DELETE), selected >= 1);
}

void EventFinderHistory::Mark(int row) {
    HWND list = List();
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = 0;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
    if (row < 0 || row >= static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0))) return;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
    SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

void EventFinderHistory::SelectRun() {
    // Only an existing row is chosen (a double-click below the rows chooses nothing).
    const auto row = SendMessageW(List(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
    if (row < 0 || row >= static_cast<LRESULT>(params_.control->RunCount())) return;
    BroadcastNotification(*params_.hub, kEventHistoryRunOpened, 0, reinterpret_cast<void*>(static_cast<std::intptr_t>(row)));
}

void EventFinderHistory::ConfirmDelete() {
    HWND list = List();
    std::vector<int> rows;
    for (int row = -1; (row = static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED))) >= 0;) {
        rows.push_back(row);
    }
    const String question = events::DeleteRunsQuestion(static_cast<int>(rows.size()));
    if (RunMessageBox(params_.instance, window_, question.Text(), kButtonsYesNo, kMessageWarning,
                      MessageTopic::DeleteRuns) != kAnswerYes) {
        return;
    }
    const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    const int next = events::DeleteHistoryRows(*params_.control, *params_.hub, rows, count);
    if (next >= 0) Mark(next);
    UpdateButtons();
}

}  // namespace corvinata
