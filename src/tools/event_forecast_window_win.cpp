#include "tools/event_forecast_window_win.h"

#include <commctrl.h>

#include <algorithm>

#include "app/app_interfaces.h"
#include "app/help_topics.h"
#include "app/help_topics_win.h"
#include "app/settings_values.h"
#include "controls/dialog_template.h"
#include "controls/message_box.h"
#include "resources/event_tools_ids.h"
#include "controls/list_view_columns.h"

namespace corvinata {
namespace {

const Char kSettingsKey[] = TXT("Event Forecast");

struct GroupBox {
    int id;
    std::uint32_t bit;
};
constexpr GroupBox kGroups[] = {
    {IDC_EFO_MOON_PHASES, 0x1}, {IDC_EFO_SEASONS, 0x2},    {IDC_EFO_ECLIPSES, 0x4},
    {IDC_EFO_CONJUNCTIONS, 0x8}, {IDC_EFO_OPPOSITIONS, 0x10}, {IDC_EFO_QUADRATURES, 0x20},
    {IDC_EFO_PERIHELIA, 0x40},  {IDC_EFO_PERIGEES, 0x80},  {IDC_EFO_VENUS, 0x100},
    {IDC_EFO_TRANSITS, 0x200},  {IDC_EFO_OBSERVABLE, 0x400},
};

const wchar_t* Wide(const Char* text) { return reinterpret_cast<const wchar_t*>(text); }

}  // namespace

EventForecastWindow::EventForecastWindow(EventForecastWindowParams params) : params_(std::move(params)) {
    control_ = std::make_unique<events::EventForecastControl>(threads_, nullptr);
}

EventForecastWindow::~EventForecastWindow() {
    control_.reset();
    if (params_.hub) params_.hub->Forget(this);
    if (window_) DestroyWindow(window_);
}

events::ForecastSettings EventForecastWindow::Settings() const {
    events::ForecastSettings settings;
    if (params_.options != nullptr) {
        settings.generate = params_.options->generationOn;
        settings.period = params_.options->timeRange;
        settings.groups = static_cast<std::uint32_t>(params_.options->content);
    }
    settings.pauseMilliseconds = params_.pauseMilliseconds;
    return settings;
}

TimeAndPlace EventForecastWindow::Now() const {
    TimeAndPlace now;
    TimeAndPlaceFromDateTimeLocation(now, params_.currentTime());
    return now;
}

void EventForecastWindow::Create(HWND frame) {
    {
        SettingsTree tree(*params_.storage, params_.settingsRoot);
        ReadGroup group(tree, kSettingsKey);
        std::int32_t left = left_, top = top_;
        if (group.IsOpen() && ReadIntValue(tree, TXT("Left"), left) && ReadIntValue(tree, TXT("Top"), top)) {
            left_ = left;
            top_ = top;
            ReadBoolValue(tree, TXT("Visible"), visible_);
        }
    }
    if (!OpenDialog(frame, L"DLG_TOOL_EVENTFORECAST")) return;
    // From the worker: the window takes the report on its own thread.
    control_->SetWake([window = window_] { PostMessageW(window, kForecastReportMessage, 0, 0); });
    if (params_.hub) params_.hub->Insert(this);
    MoveTo(left_, top_);
    StartForecast(true);
    if (visible_) ToggleThroughFrame();
}

void EventForecastWindow::SaveState(const ToolStateSaver& saver) {
    if (!window_) return;
    ReadPlacement(left_, top_, visible_);
    saver.Save([this](SettingsTreeWriter& writer) {
        WriteGroup group(writer, kSettingsKey);
        WrittenValues w(writer);
        w.Bool(TXT("Visible"), visible_);
        w.Int(TXT("Left"), left_);
        w.Int(TXT("Top"), top_);
    });
}

void EventForecastWindow::SaveAndDestroy(const ToolStateSaver& saver) {
    if (!window_) return;
    control_->Stop(false);
    control_->SetWake(nullptr);
    SaveState(saver);
    if (params_.hub) params_.hub->Forget(this);
    CloseDialog();
}

void EventForecastWindow::StartForecast(bool onlyWhenChanged) {
    const events::ForecastSettings settings = Settings();
    if (onlyWhenChanged) {
        // The same moment and place keep the forecast as it is shown: its
        // rows, the selection with its tasks, and where the list stands.
        if (!control_->UpdateIfChanged(Now(), settings)) return;
    } else {
        control_->Restart(Now(), settings);
    }
    selected_ = -1;
    SendDlgItemMessageW(window_, IDC_EFC_LIST, LVM_DELETEALLITEMS, 0, 0);
    Fill();
    ShowStatus();
}

void EventForecastWindow::OnNotify(std::int32_t event, std::uint32_t, void*) {
    if (event == kEventLocationChanged || event == kEventDateTimeChanged || event == kEventDateTimeLocationChanged) {
        StartForecast(true);
    }
}

void EventForecastWindow::OnInit() {
    static constexpr ListColumn kColumns[] = {{L"Event", 186}, {L"Occurs", 67}, {L"Until", 67}};
    SetUpRowList(GetDlgItem(window_, IDC_EFC_LIST), kColumns);
    SendDlgItemMessageW(window_, IDC_EFC_PROGRESS, PBM_SETRANGE32, 0, 100);
    ShowWindow(GetDlgItem(window_, IDC_EFC_PROGRESS), SW_HIDE);
    ShowWindow(GetDlgItem(window_, IDC_EFC_STATUS), SW_HIDE);
}

INT_PTR EventForecastWindow::HandleDialog(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            OnInit();
            return TRUE;
        case kForecastReportMessage:
            if (control_->ApplyReports()) {
                Fill();
                ShowStatus();
            }
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDC_EFC_OPTIONS && HIWORD(wParam) == BN_CLICKED) {
                const INT_PTR ok = DialogBoxParamW(params_.instance, L"DLG_TOOL_EVENTFORECAST_OPTIONS", window_,
                                                   OptionsProc, reinterpret_cast<LPARAM>(this));
                if (ok == 1) StartForecast(false);
            }
            return TRUE;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header->idFrom != IDC_EFC_LIST) return FALSE;
            if (header->code == LVN_ITEMCHANGED) {
                const auto& change = reinterpret_cast<const NMLISTVIEW&>(*header);
                if ((change.uChanged & LVIF_STATE) && (change.uNewState & LVIS_SELECTED) &&
                    !(change.uOldState & LVIS_SELECTED)) {
                    selected_ = change.iItem;
                    ShowSelectionTasks();
                }
            } else if (header->code == NM_DBLCLK) {
                ShowSelected();
            }
            return TRUE;
        }
        case WM_NCACTIVATE:
            // Coming back to the forecast brings its selection's tasks back.
            if (wParam) ShowSelectionTasks();
            DrawCaptionAsActivated(window_, wParam, lParam);
            return TRUE;
        default:
            return FALSE;
    }
}

// Rows beyond the list are added and the others rewritten, so that a list
// filled during the forecast only grows.
void EventForecastWindow::Fill() {
    HWND list = GetDlgItem(window_, IDC_EFC_LIST);
    const auto& results = control_->Results();
    if (results.empty()) {
        SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
        return;
    }
    const int rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    for (std::size_t i = 0; i < results.size(); ++i) {
        String texts[3];
        events::ForecastRowTexts(results[i], control_->ForecastFor().dateTime, texts);
        for (int c = 0; c < 3; ++c) {
            LVITEMW item{};
            item.mask = LVIF_TEXT;
            item.iItem = static_cast<int>(i);
            item.iSubItem = c;
            item.pszText = const_cast<wchar_t*>(Wide(texts[c].Text()));
            if (c == 0 && static_cast<int>(i) >= rows) {
                SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
            } else {
                SendMessageW(list, LVM_SETITEMTEXTW, i, reinterpret_cast<LPARAM>(&item));
            }
        }
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, FALSE);
}

void EventForecastWindow::ShowStatus() {
    HWND progress = GetDlgItem(window_, IDC_EFC_PROGRESS);
    HWND status = GetDlgItem(window_, IDC_EFC_STATUS);
    if (!control_->IsRunning() && !control_->IsComplete()) {
        ShowWindow(progress, SW_HIDE);
        ShowWindow(status, SW_HIDE);
        return;
    }
    ShowWindow(status, SW_SHOW);
    if (control_->IsComplete()) {
        ShowWindow(progress, SW_HIDE);
        SetWindowTextW(status, L"The forecast is complete");
    } else {
        ShowWindow(progress, SW_SHOW);
        SendMessageW(progress, PBM_SETPOS, static_cast<WPARAM>(control_->Percent()), 0);
        SetWindowTextW(status, L"The forecast is being generated");
    }
}

const events::EventOccurrence* EventForecastWindow::SelectedResult() const {
    const auto& results = control_->Results();
    if (selected_ < 0 || selected_ >= static_cast<int>(results.size())) return nullptr;
    return &results[static_cast<std::size_t>(selected_)];
}

void EventForecastWindow::ShowSelected() {
    const events::EventOccurrence* occurrence = SelectedResult();
    if (!occurrence || !params_.windows) return;
    EventResultShowRequest request;
    request.windowKind = events::EventTypeCode(occurrence->eventType);
    request.body = BodyIdentifierFromObject(occurrence->GetBody());
    request.range = occurrence->dates;
    if (!ShowEventResult(*params_.windows, request)) {
        RunMessageBox(params_.instance, window_, kEventResultNotShownText, kButtonsOk, kMessageInformation,
                      MessageTopic::ResultNotShown);
    }
}

void EventForecastWindow::ShowSelectionTasks() {
    if (!params_.windows) return;
    const events::EventOccurrence* occurrence = SelectedResult();
    // With no result selected the forecast has no tasks, and the window
    // before it must not seem to offer its own from here.
    if (!occurrence) {
        params_.windows->ClearRelatedTasks();
        return;
    }
    const RelatedEvent event =
        events::RelatedEventOf(occurrence->eventType, occurrence->dates, occurrence->body, occurrence->secondBody);
    params_.windows->ShowEventTasks(event, occurrence->dates.begin);
}

INT_PTR CALLBACK EventForecastWindow::OptionsProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        auto* self = reinterpret_cast<EventForecastWindow*>(lParam);
        self->options_ = window;
        PlaceDialog(window, self->params_.optionsPlacement);
        SendDlgItemMessageW(window, IDC_EFO_COUNT, EM_LIMITTEXT, 2, 0);
        for (std::int32_t unit = kMinutesUnit; unit <= kYearsUnit; ++unit) {
            SendDlgItemMessageW(window, IDC_EFO_UNIT, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(GetTimeUnitName(unit)));
        }
        const events::ForecastSettings settings = self->Settings();
        SetDlgItemInt(window, IDC_EFO_COUNT, static_cast<UINT>(settings.period.count), TRUE);
        SendDlgItemMessageW(window, IDC_EFO_UNIT, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                            reinterpret_cast<LPARAM>(GetTimeUnitName(settings.period.unit)));
        CheckDlgButton(window, IDC_EFO_GENERATE, settings.generate ? BST_CHECKED : BST_UNCHECKED);
        for (const GroupBox& group : kGroups) {
            CheckDlgButton(window, group.id, (settings.groups & group.bit) ? BST_CHECKED : BST_UNCHECKED);
        }
        self->EnableOptions();
        return TRUE;
    }
    auto* self = reinterpret_cast<EventForecastWindow*>(GetWindowLongPtrW(window, DWLP_USER));
    return self ? self->HandleOptions(message, wParam) : FALSE;
}

void EventForecastWindow::EnableOptions() {
    const bool on = IsDlgButtonChecked(options_, IDC_EFO_GENERATE) == BST_CHECKED;
    EnableWindow(GetDlgItem(options_, IDC_EFO_COUNT), on);
    EnableWindow(GetDlgItem(options_, IDC_EFO_UNIT), on);
    for (const GroupBox& group : kGroups) EnableWindow(GetDlgItem(options_, group.id), on);
}

INT_PTR EventForecastWindow::HandleOptions(UINT message, WPARAM wParam) {
    if (message == WM_DESTROY) {
        RememberDialogPlace(options_, params_.optionsPlacement);
        options_ = nullptr;
        return FALSE;
    }
    if (message == WM_HELP) {
        ShowHelpTopic(options_, HelpPage::EventForecastOptions);
        return TRUE;
    }
    if (message != WM_COMMAND) return FALSE;
    switch (LOWORD(wParam)) {
        case IDC_EFO_GENERATE:
            EnableOptions();
            return TRUE;
        case IDOK:
            if (AcceptOptions()) EndDialog(options_, 1);
            return TRUE;
        case IDCANCEL:
            EndDialog(options_, 0);
            return TRUE;
        default:
            return FALSE;
    }
}

bool EventForecastWindow::AcceptOptions() {
    wchar_t count[8] = {};
    wchar_t unitName[32] = {};
    GetDlgItemTextW(options_, IDC_EFO_COUNT, count, 8);
    GetDlgItemTextW(options_, IDC_EFO_UNIT, unitName, 32);
    const std::int32_t unit = ParseTimeUnit(reinterpret_cast<const Char*>(unitName));
    const String refusal = events::ForecastPeriodRefusal(reinterpret_cast<const Char*>(count), unit);
    if (!refusal.IsEmpty()) {
        RunMessageBox(params_.instance, options_, refusal.Text(), kButtonsOk, kMessageInformation,
                      MessageTopic::DifferentValue);
        SetFocus(GetDlgItem(options_, IDC_EFO_COUNT));
        return false;
    }
    if (params_.options == nullptr) return true;
    std::int32_t n = 0;
    events::ParseStepCount(reinterpret_cast<const Char*>(count), n);
    params_.options->generationOn = IsDlgButtonChecked(options_, IDC_EFO_GENERATE) == BST_CHECKED;
    params_.options->timeRange = TimeStep{unit, n};
    std::uint32_t bits = 0;
    for (const GroupBox& group : kGroups) {
        if (IsDlgButtonChecked(options_, group.id) == BST_CHECKED) bits |= group.bit;
    }
    params_.options->content = static_cast<std::int32_t>(bits);
    return true;
}

}  // namespace corvinata
