#include "tools/event_finder_window_win.h"

#include <commctrl.h>

#include <algorithm>

#include "app/app_interfaces.h"
#include "app/help_topics.h"
#include "app/help_topics_win.h"
#include "app/notification_queue_win.h"
#include "app/settings_values.h"
#include "app/tool_window_placement.h"
#include "base/date_time_text.h"
#include "base/location.h"
#include "base/text_format.h"
#include "catalog/quantity_values.h"
#include "controls/dialog_keys.h"
#include "controls/custom_control_registry.h"
#include "controls/message_box.h"
#include "controls/spin_edit_window.h"
#include "controls/window_text.h"
#include "resources/event_tools_ids.h"
#include "tools/event_finder_store.h"
#include "controls/list_view_columns.h"

namespace corvinata {
namespace {

using events::EventDefinition;

PickerControl<DatePicker>* DateOf(HWND window, int id) {
    return FindCustomControl<PickerControl<DatePicker>>(GetDlgItem(window, id));
}

void Show(HWND window, int id, bool enabled, bool shown) {
    HWND control = GetDlgItem(window, id);
    EnableWindow(control, enabled);
    ShowWindow(control, shown ? SW_SHOW : SW_HIDE);
}

const Char kSettingsKey[] = TXT("Event Finder");

}  // namespace

EventFinderWindow::EventFinderWindow(EventFinderWindowParams params) : params_(std::move(params)) {
    control_ = std::make_unique<events::EventFinderControl>(*params_.hub, queue_, threads_, params_.currentTime);
    reports_.Insert(control_.get());
    EventFinderHistoryParams history;
    static_cast<ToolWindowParams&>(history) = params_;
    history.control = control_.get();
    history_ = std::make_unique<EventFinderHistory>(std::move(history));
    selectEvent_.storage = params_.storage;
    selectEvent_.settingsRoot = params_.settingsRoot;
    selectEvent_.placement = params_.selectEventPlacement;
}

EventFinderWindow::~EventFinderWindow() {
    history_.reset();
    reports_.Forget(control_.get());
    control_.reset();
    if (window_) DestroyWindow(window_);
}

void EventFinderWindow::Create(HWND frame) {
    events::StoredEventFinder stored;
    events::LoadEventFinder(*params_.storage, params_.settingsRoot, params_.currentTime(), stored, &storedRuns_);
    {
        SettingsTree tree(*params_.storage, params_.settingsRoot);
        ReadGroup group(tree, kSettingsKey);
        if (group.IsOpen()) {
            const ToolWindowPlacement placement = ReadToolWindowPlacement(tree, {left_, top_, visible_});
            left_ = placement.left;
            top_ = placement.top;
            visible_ = placement.visible;
        }
    }
    if (!OpenDialog(frame, L"DLG_TOOL_EVENTFINDER")) return;
    WakeWindowOnPost(queue_, window_);
    control_->SetView(this);
    control_->Restore(std::move(stored.runs), stored.unstarted, stored.display, stored.selectedResult);
    MoveTo(left_, top_);
    if (visible_) ToggleThroughFrame();
    history_->Restore(frame_);
}

void EventFinderWindow::SaveAndDestroy(const ToolStateSaver& saver) {
    if (!window_) return;
    // A running search is stopped and kept as far as it got (the program's
    // end stopped it already; a window going alone stops its own).
    control_->OnNotify(kEventShutdown, 0, nullptr);
    SaveState(saver);
    history_->Close();
    control_->SetView(nullptr);
    CloseDialog();
}

void EventFinderWindow::SaveState(const ToolStateSaver& saver) {
    if (!window_) return;
    events::StoredEventFinder stored;
    for (std::size_t p = 0; p < control_->RunCount(); ++p) stored.runs.push_back(control_->RunAt(p));
    stored.display = control_->CurrentPosition();
    stored.selectedResult = control_->SelectedResult();
    if (stored.display < 0) {
        const events::SearchSetup setup = ReadSetup();
        std::int32_t count = 0;
        TimeStep step = control_->Unstarted().step;
        if (events::ParseStepCount(setup.count.Text(), count)) step = TimeStep{ParseTimeUnit(setup.unit.Text()), count};
        control_->TakeUnstartedSetup(setup.from, setup.to, step);
    }
    stored.unstarted = control_->Unstarted();
    ReadPlacement(left_, top_, visible_);
    // The runs are kept at every exit (their list written when it changed);
    // where the windows stood only while the user keeps the changes.
    saver.SaveWork([&](SettingsTreeWriter& writer) { events::SaveEventFinder(writer, stored, &storedRuns_); });
    saver.Save([&](SettingsTreeWriter& writer) {
        history_->Save(writer);
        WriteGroup group(writer, kSettingsKey);
        WriteToolWindowPlacement(writer, {left_, top_, visible_});
    });
}

void EventFinderWindow::OnInit() {
    static constexpr ListColumn kResultColumns[] = {{L"", 300}};
    SetUpRowList(GetDlgItem(window_, IDC_EF_RESULTS), kResultColumns);
    for (std::int32_t unit = kMinutesUnit; unit <= kYearsUnit; ++unit) {
        SendDlgItemMessageW(window_, IDC_EF_UNIT, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(GetTimeUnitName(unit)));
    }
    SendDlgItemMessageW(window_, IDC_EF_PROGRESS, PBM_SETRANGE32, 0, 100);
}

INT_PTR EventFinderWindow::HandleDialog(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            OnInit();
            return TRUE;
        case kDrainNotificationsMessage:
            queue_.Drain(reports_);
            return TRUE;
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) OnCommand(LOWORD(wParam));
            return TRUE;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header->idFrom == IDC_EF_RESULTS) OnNotifyList(*header);
            return TRUE;
        }
        case WM_NCACTIVATE:
            // Coming back to the finder brings its selection's tasks back.
            if (wParam) ShowSelectionTasks();
            DrawCaptionAsActivated(window_, wParam, lParam);
            return TRUE;
        default:
            return FALSE;
    }
}

void EventFinderWindow::OnCommand(int id) {
    switch (id) {
        case IDC_EF_START: StartSearch(); return;
        case IDC_EF_STOP: control_->Stop(); return;
        case IDC_EF_CONTINUE: control_->Continue(); return;
        case IDC_EF_EDIT: control_->Edit(); return;
        case IDC_EF_HISTORY: history_->Open(frame_); return;
        case IDC_EF_SELECT: {
            events::EventCondition chosen;
            if (ShowSelectEventDialog(params_.instance, window_, selectEvent_, chosen)) control_->SetCondition(chosen);
            return;
        }
        default: return;
    }
}

void EventFinderWindow::OnNotifyList(const NMHDR& header) {
    if (header.code == LVN_ITEMCHANGED) {
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        if ((change.uChanged & LVIF_STATE) && (change.uNewState & LVIS_SELECTED) &&
            !(change.uOldState & LVIS_SELECTED)) {
            control_->SetSelectedResult(change.iItem);
            ShowSelectionTasks();
        }
    } else if (header.code == NM_DBLCLK) {
        ShowResultInWindow();
    }
}

events::SearchSetup EventFinderWindow::ReadSetup() const {
    events::SearchSetup setup;
    setup.from = control_->Current().from;
    setup.to = control_->Current().to;
    if (auto* from = DateOf(window_, IDC_EF_FROM)) from->GetDate(setup.from.year, setup.from.month, setup.from.day);
    if (auto* to = DateOf(window_, IDC_EF_TO)) to->GetDate(setup.to.year, setup.to.month, setup.to.day);
    setup.count = DialogItemText(window_, IDC_EF_COUNT);
    setup.unit = DialogItemText(window_, IDC_EF_UNIT);
    setup.daylightSaving = IsDlgButtonChecked(window_, IDC_EF_DAYLIGHT_SAVING) == BST_CHECKED;
    return setup;
}

void EventFinderWindow::StartSearch() {
    // A value still being typed into a picker counts.
    if (auto* control = FindCustomControl<SpinEditControl>(GetFocus())) control->Edit().EndEntry();
    const events::StartRefusal refusal = control_->Start(ReadSetup());
    if (refusal == events::StartRefusal::kNone) return;
    const bool range = refusal == events::StartRefusal::kRangeReversed;
    RunMessageBox(params_.instance, window_,
                  range ? TXT("Please enter a different value: The date you are searching from may not be "
                              "later than the end date.")
                        : TXT("Please enter a different value: The time interval must be greater than 0."),
                  kButtonsOk, kMessageInformation, MessageTopic::DifferentValue);
    SetFocus(GetDlgItem(window_, range ? IDC_EF_FROM : IDC_EF_COUNT));
}

void EventFinderWindow::SetButtons(std::uint32_t state) {
    using namespace events;
    Show(window_, IDC_EF_START, state == kRunNotStarted, state == kRunNotStarted || state == kRunComplete);
    Show(window_, IDC_EF_CONTINUE, state == kRunStopRequested, state == kRunStopRequested);
    Show(window_, IDC_EF_STOP, state == kRunRunning, state == kRunRunning);
    EnableWindow(GetDlgItem(window_, IDC_EF_EDIT), state == kRunStopRequested || state == kRunComplete);
}

void EventFinderWindow::EnableSetup(bool enable) {
    for (int id : {IDC_EF_SELECT, IDC_EF_COUNT, IDC_EF_UNIT, IDC_EF_FROM, IDC_EF_TO, IDC_EF_DAYLIGHT_SAVING}) {
        EnableWindow(GetDlgItem(window_, id), enable);
    }
}

void EventFinderWindow::SetOneLine(const Char* text) {
    HWND list = GetDlgItem(window_, IDC_EF_RESULTS);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.pszText = const_cast<wchar_t*>(reinterpret_cast<const wchar_t*>(text));
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void EventFinderWindow::SetLines(const std::vector<String>& lines, int selected) {
    HWND list = GetDlgItem(window_, IDC_EF_RESULTS);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(i);
        item.pszText = const_cast<wchar_t*>(reinterpret_cast<const wchar_t*>(lines[i].Text()));
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    if (selected >= 0 && selected < static_cast<int>(lines.size())) {
        LVITEMW state{};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(&state));
    }
}

void EventFinderWindow::ShowRun(const EventDefinition& run, int selectedResult) {
    if (!window_) return;
    String description;
    const String& expression = run.condition.Describe(description);
    SetDlgItemTextW(window_, IDC_EF_DESCRIPTION, reinterpret_cast<const wchar_t*>(description.Text()));
    SetDlgItemTextW(window_, IDC_EF_EXPRESSION, reinterpret_cast<const wchar_t*>(expression.Text()));
    for (auto [id, date] : {std::pair<int, const DateTime*>{IDC_EF_FROM, &run.from}, {IDC_EF_TO, &run.to}}) {
        if (auto* picker = DateOf(window_, id)) {
            picker->SetDate(date->year, date->month, date->day);
            RedrawWindowNow(GetDlgItem(window_, id));
        }
    }
    SetDlgItemInt(window_, IDC_EF_COUNT, static_cast<UINT>(run.step.count), TRUE);
    SendDlgItemMessageW(window_, IDC_EF_UNIT, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                        reinterpret_cast<LPARAM>(GetTimeUnitName(run.step.unit)));
    ShowProgress(events::RunProgressPercent(run), events::RunProgressDate(run));
    const int angleStyle = DisplayFormatRequest().angleDegreeBase;
    const String place = FormatLocationDescription(run.location, true, angleStyle);
    SetDlgItemTextW(window_, IDC_EF_LOCATION, reinterpret_cast<const wchar_t*>(place.Text()));
    CheckDlgButton(window_, IDC_EF_DAYLIGHT_SAVING, run.daylightSaving ? BST_CHECKED : BST_UNCHECKED);
    if (run.runState == events::kRunNotStarted) {
        SetOneLine(TXT("Press <Start> to find events."));
        SetDlgItemTextW(window_, IDC_EF_PROGRESS_DATE, L"Not started");
        SetDlgItemTextW(window_, IDC_EF_PROGRESS_TIME, L"");
    } else {
        std::vector<String> lines;
        for (const auto& range : run.foundRanges) lines.push_back(events::ResultLineText(range, run.step));
        SetLines(lines, selectedResult);
    }
    SetButtons(run.runState);
    EnableSetup(run.runState == events::kRunNotStarted);
}

void EventFinderWindow::ShowSearching(const EventDefinition& run) {
    if (run.foundRanges.empty()) SetOneLine(TXT("Searching..."));
    SetButtons(events::kRunRunning);
    EnableSetup(false);
}

void EventFinderWindow::ShowProgress(int percent, const DateTime& date) {
    SendDlgItemMessageW(window_, IDC_EF_PROGRESS, PBM_SETPOS, static_cast<WPARAM>(percent), 0);
    // The range ends a moment before midnight: its end shows as the last
    // second of its day, not as the next day.
    String day, time;
    FormatDate(date, kDateToDay, day);
    FormatTime(kTimeToSecond, date, false, kRoundHoldDayEnd, nullptr, time);
    SetDlgItemTextW(window_, IDC_EF_PROGRESS_DATE, reinterpret_cast<const wchar_t*>(day.Text()));
    SetDlgItemTextW(window_, IDC_EF_PROGRESS_TIME, reinterpret_cast<const wchar_t*>(time.Text()));
}

void EventFinderWindow::ShowResult(const EventDefinition& run, bool isNew) {
    HWND list = GetDlgItem(window_, IDC_EF_RESULTS);
    // The first result replaces "Searching...".
    if (isNew && run.foundRanges.size() == 1) SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    if (run.foundRanges.empty()) return;
    const String text = events::ResultLineText(run.foundRanges.back(), run.step);

    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(run.foundRanges.size()) - 1;
    item.pszText = const_cast<wchar_t*>(reinterpret_cast<const wchar_t*>(text.Text()));
    if (isNew || SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) < static_cast<LRESULT>(run.foundRanges.size())) {
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    } else {
        SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(item.iItem), reinterpret_cast<LPARAM>(&item));
    }
}

void EventFinderWindow::ShowEnded(const EventDefinition& run) {
    const bool stopped = run.runState == events::kRunStopRequested;
    ShowProgress(stopped ? events::RunProgressPercent(run) : 100, events::RunProgressDate(run));
    if (run.foundRanges.empty()) {
        SetOneLine(stopped ? TXT("The search was stopped. No results were found so far.")
                           : TXT("The search is complete. No results were found."));
    }
    SetButtons(run.runState);
    HWND list = GetDlgItem(window_, IDC_EF_RESULTS);
    // Only into the finder in front: a hidden one, or one the user left,
    // would be brought to the front by the keys.
    GiveKeysTo(list);
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&state));
}

// The list is drawn once per batch of results, not once per line.
void EventFinderWindow::BatchBegins() {
    SendDlgItemMessageW(window_, IDC_EF_RESULTS, WM_SETREDRAW, FALSE, 0);
}

void EventFinderWindow::BatchEnds() {
    HWND list = GetDlgItem(window_, IDC_EF_RESULTS);
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, FALSE);
}

void EventFinderWindow::ShowResultInWindow() {
    const EventResultShowRequest request = events::EventFinderResultRequest(control_->Current(), control_->SelectedResult());
    if (request.windowKind < 0 || !params_.windows) return;
    if (!ShowEventResult(*params_.windows, request)) {
        RunMessageBox(params_.instance, window_, kEventResultNotShownText, kButtonsOk, kMessageInformation,
                      MessageTopic::ResultNotShown);
    }
}

void EventFinderWindow::ShowSelectionTasks() {
    if (params_.windows) {
        params_.windows->ShowEventFinderTasks(events::EventFinderTaskSelection(control_->Current(),
                                                                              control_->SelectedResult()));
    }
}

}  // namespace corvinata
