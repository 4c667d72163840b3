#include "views/report_picture_panels_win.h"
#include "controls/dialog_keys.h"
#include "controls/list_view_columns.h"

#include <commctrl.h>

namespace corvinata {
namespace {

constexpr int kEntryTextLimit = 100;

constexpr ListColumn kPictureColumns[] = {{TXT("Type"), 95}, {TXT("Name"), 70}, {TXT("Description"), 300}};

}  // namespace

void ReportControlPanel::ControlPanelUpdate(void*) {
    if (Window() == nullptr || Window()->GetReport() == nullptr) return;
    const ReportPeriodTexts texts = MakeReportPeriodTexts(*Window()->GetReport());
    SetDlgItemTextW(GetDialogWindow(), kPreviousPeriodItem, texts.previous.Text());
    SetDlgItemTextW(GetDialogWindow(), kCurrentPeriodItem, texts.current.Text());
    SetDlgItemTextW(GetDialogWindow(), kNextPeriodItem, texts.next.Text());
    SelectEntryOfReport();
}

void ReportControlPanel::SelectEntryOfReport() {
    const BrowsableReport* report = Window()->GetReport();
    const String entry = ReportEntryText(ReportChoice{report->ReportType(), report->PlanetNumber()});
    HWND list = GetDlgItem(GetDialogWindow(), kReportListItem);
    const LRESULT index = SendMessageW(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(entry.Text()));
    SendMessageW(list, CB_SETCURSEL, index == CB_ERR ? static_cast<WPARAM>(-1) : static_cast<WPARAM>(index),
                 0);
}

// `record` null: move the report by one browsing unit.
void ReportControlPanel::ApplyRecord(const DateTimeLocation* record, bool forward, int button) {
    ReportPanelWindow* window = Window();
    if (window == nullptr || window->GetReport() == nullptr) return;
    const DisabledWhileWorking pressed(GetDlgItem(GetDialogWindow(), button));
    const bool nightVision = services_.IsNightVisionActive();
    const bool changed = record != nullptr ? window->GetReport()->ApplyTimeAndLocation(*record, nightVision)
                                           : StepReportPeriod(*window->GetReport(), forward, nightVision);
    if (changed) window->ReportChanged();
    services_.RefreshRelatedTasks(*window);
}

void ReportControlPanel::ControlPanelStepTime(bool backward) {
    ApplyRecord(nullptr, !backward, backward ? kPreviousPeriodItem : kNextPeriodItem);
}

void ReportControlPanel::ControlPanelResyncTime() {
    const DateTimeLocation now = services_.CurrentTimeAndLocation();
    ApplyRecord(&now, true, kResetTimeItem);
}

void ReportControlPanel::OnChoose() {
    Char text[kEntryTextLimit + 1] = {};
    GetDlgItemTextW(GetDialogWindow(), kReportListItem, text, kEntryTextLimit + 1);
    ReportChoice choice;
    if (Window() == nullptr || !ReportChoiceOfEntry(text, choice)) return;
    Window()->ChooseReport(choice, services_.CurrentTimeAndLocation(), services_.IsNightVisionActive());
    // Another report is another body and period: its tasks follow at once.
    services_.RefreshRelatedTasks(*Window());
}

INT_PTR ReportControlPanel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            HWND list = GetDlgItem(GetDialogWindow(), kReportListItem);
            for (const ReportChoice& choice : ReportChoices()) {
                SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ReportEntryText(choice).Text()));
            }
            return TRUE;
        }
        case WM_CLOSE: services_.ShowControlPanel(false); return TRUE;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case kNextPeriodItem: ControlPanelStepTime(false); return TRUE;
                case kPreviousPeriodItem: ControlPanelStepTime(true); return TRUE;
                case kResetTimeItem: ControlPanelResyncTime(); return TRUE;
                case kReportListItem:
                    if (HIWORD(wParam) == CBN_SELCHANGE) OnChoose();
                    return TRUE;
                default:
                    // The window's own commands (copy, print ...) reach it.
                    if (Window() != nullptr)
                        SendMessageW(Window()->GetWindowHandle(), WM_COMMAND, wParam, lParam);
                    return TRUE;
            }
        default: return FALSE;
    }
}

void PictureControlPanel::OnInitDialog() {
    HWND list = GetDlgItem(GetDialogWindow(), kPictureListItem);
    SetUpRowList(list, kPictureColumns);
    rows_ = MakePictureRows(packs_);
    SortPictureRows(rows_, kPictureTypeColumn);
    FillList();
    EnableWindow(list, CountAllPictures(packs_) > 0);
    Char pattern[kEntryTextLimit + 1] = {};
    GetDlgItemTextW(GetDialogWindow(), kPackCountItem, pattern, kEntryTextLimit + 1);
    SetDlgItemTextW(GetDialogWindow(), kPackCountItem,
                    PicturePackCountText(pattern, static_cast<int>(packs_.size())).Text());
    // The list takes the pane's height; the rest keeps to its bottom.
    anchors_.Record(GetDialogWindow(), {{kPictureListItem, PaneAnchor::Stretch},
                                        {kPackCountItem, PaneAnchor::Bottom},
                                        {kPicturePacksItem, PaneAnchor::Bottom},
                                        {kPictureHintItem, PaneAnchor::Bottom}});
}

void PictureControlPanel::FillList() {
    HWND list = GetDlgItem(GetDialogWindow(), kPictureListItem);
    updating_ = true;
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = static_cast<int>(i);
        item.pszText = LPSTR_TEXTCALLBACKW;
        item.lParam = static_cast<LPARAM>(i);
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    updating_ = false;
}

void PictureControlPanel::SortBy(int column) {
    if (column < kPictureTypeColumn || column > kPictureDescriptionColumn || GetDialogWindow() == nullptr)
        return;
    SortPictureRows(rows_, column);
    sortColumn_ = column;
    FillList();
    ControlPanelUpdate(nullptr);
}

const PictureRow* PictureControlPanel::RowOfItem(LPARAM data) const {
    return data >= 0 && static_cast<std::size_t>(data) < rows_.size() ? &rows_[static_cast<std::size_t>(data)]
                                                                      : nullptr;
}

void PictureControlPanel::ControlPanelUpdate(void*) {
    if (Window() == nullptr) return;
    const PictureEntry* current = Window()->GetCommands().GetModel().Current();
    if (current == nullptr) return;
    HWND list = GetDlgItem(GetDialogWindow(), kPictureListItem);
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].entry != current) continue;
        LVFINDINFOW find{};
        find.flags = LVFI_PARAM;
        find.lParam = static_cast<LPARAM>(i);
        const int item = static_cast<int>(
            SendMessageW(list, LVM_FINDITEMW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)));
        if (item < 0) return;
        LVITEMW state{};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        updating_ = true;
        SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&state));
        updating_ = false;
        SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(item), FALSE);
        return;
    }
}

INT_PTR PictureControlPanel::OnNotify(const NMHDR& header) {
    if (header.idFrom != kPictureListItem) return FALSE;
    switch (header.code) {
        case LVN_GETDISPINFOW: {
            auto& info = const_cast<NMLVDISPINFOW&>(reinterpret_cast<const NMLVDISPINFOW&>(header));
            const PictureRow* row = RowOfItem(info.item.lParam);
            if ((info.item.mask & LVIF_TEXT) == 0 || row == nullptr) return TRUE;
            cellText_ = PictureColumnText(*row->entry, info.item.iSubItem);
            info.item.pszText = const_cast<Char*>(cellText_.Text());
            return TRUE;
        }
        case LVN_COLUMNCLICK: SortBy(reinterpret_cast<const NMLISTVIEW&>(header).iSubItem); return TRUE;
        case LVN_ITEMCHANGED: {
            const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
            const bool nowSelected = (change.uChanged & LVIF_STATE) != 0 &&
                                     (change.uOldState & LVIS_SELECTED) == 0 &&
                                     (change.uNewState & LVIS_SELECTED) != 0;
            const PictureRow* row = RowOfItem(change.lParam);
            if (nowSelected && !updating_ && row != nullptr && Window() != nullptr) {
                actions_.ShowPicture(Window()->GetCommands(), PictureRefOfRow(*row), nullptr);
            }
            return TRUE;
        }
        default: return FALSE;
    }
}

INT_PTR PictureControlPanel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: OnInitDialog(); return TRUE;
        case WM_SIZE: anchors_.Apply(); return TRUE;
        case WM_CLOSE: services_.ShowControlPanel(false); return TRUE;
        case WM_NOTIFY: return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
        case WM_COMMAND:
            if (LOWORD(wParam) == kPicturePacksItem) services_.ShowPicturePacksDialog(GetDialogWindow());
            return TRUE;
        default: return FALSE;
    }
}

}  // namespace corvinata
