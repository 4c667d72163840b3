#include "frame/related_tasks_pane.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "controls/night_colours.h"
#include "controls/list_view_columns.h"

namespace corvinata {
namespace {

constexpr DWORD kListExtendedStyles =
    LVS_EX_ONECLICKACTIVATE | LVS_EX_INFOTIP | LVS_EX_UNDERLINEHOT | LVS_EX_UNDERLINECOLD | LVS_EX_LABELTIP;
constexpr int kAppendItem = 10000000;
// A caption's distance to the column's edges, as the list view keeps it.
constexpr int kCaptionMargin = 4;
// The longest caption wraps at most this many times less one.
constexpr int kMostRowLines = 3;

INT_PTR Answer(HWND window, LRESULT result) {
    SetWindowLongPtrW(window, DWLP_MSGRESULT, result);
    return TRUE;
}

// Whether two lists of rows have the same rows in the same groups.
bool SameGroups(const std::vector<std::pair<int, String>>& a, const std::vector<std::pair<int, String>>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t k = 0; k < a.size(); ++k) {
        if (a[k].first != b[k].first) return false;
    }
    return true;
}

}  // namespace

RelatedTasksPane::~RelatedTasksPane() {
    if (window_ != nullptr) DestroyWindow(window_);
}

bool RelatedTasksPane::Create(HWND parent, HINSTANCE instance) {
    closingBySystemCommand_ = false;
    return CreateDialogParamW(instance, L"DLG_PANE_RELATED_TASKS", parent, &DialogProc,
                              reinterpret_cast<LPARAM>(this)) != nullptr;
}

void RelatedTasksPane::UpdateForActiveWindow() {
    groups_.Clear();
    RelatedTaskSource source;
    if (host_.ActiveWindowTaskSource(source)) Builder().BuildForWindow(source);
    Show();
}

void RelatedTasksPane::ShowTasksFor(const RelatedTaskSource& source) {
    groups_.Clear();
    Builder().BuildForWindow(source);
    Show();
}

void RelatedTasksPane::ShowOpenWindowTasks() {
    groups_.Clear();
    Builder().AddOpenWindowTasks();
    Show();
}

void RelatedTasksPane::ShowNoTasks() {
    groups_.Clear();
    Show();
}

void RelatedTasksPane::ShowEventTasks(const RelatedEvent& event, const DateTime& date) {
    groups_.Clear();
    Builder().AddEventTasks(event, date, kSelectedEventGroup);
    Show();
}

void RelatedTasksPane::ShowEventFinderTasks(const EventFinderSelection& selection) {
    groups_.Clear();
    Builder().BuildForEventFinder(selection);
    Show();
}

void RelatedTasksPane::Show() {
    if (list_ == nullptr) return;
    // The pane is rebuilt after every step of the active window (each click
    // and zoom); the list is filled again, and so repainted, only when its
    // items change. Its items name the tasks by their place in the groups,
    // which the rebuilt groups keep.
    std::vector<std::pair<int, String>> items;
    for (int group = 0; group < kRelatedTaskGroupCount; ++group) {
        for (const RelatedTaskPtr& task : groups_.Group(group)) items.emplace_back(group, String(task->GetText()));
    }
    if (items == shown_) return;
    // A row keeps its caption's height while its text stays.
    std::vector<int> heights(items.size(), kUnmeasured);
    for (std::size_t index = 0; index < std::min(items.size(), shown_.size()); ++index) {
        if (items[index].second == shown_[index].second) heights[index] = captionHeights_[index];
    }
    captionHeights_ = std::move(heights);
    if (SameGroups(items, shown_)) {
        // The same rows with other texts (another body selected): only the
        // texts that differ are set, and so only their rows drawn again (or
        // all rows, by FitRows, when the rows change height).
        for (std::size_t index = 0; index < items.size(); ++index) {
            if (items[index].second == shown_[index].second) continue;
            LVITEMW item{};
            item.pszText = const_cast<Char*>(items[index].second.Text());
            SendMessageW(list_, LVM_SETITEMTEXTW, index, reinterpret_cast<LPARAM>(&item));
        }
        shown_ = std::move(items);
        FitRows();
        return;
    }
    shown_ = std::move(items);
    // Filled whole, then drawn once.
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
    for (std::size_t index = 0; index < shown_.size(); ++index) {
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_GROUPID | LVIF_PARAM;
        item.iItem = kAppendItem;
        item.pszText = const_cast<Char*>(shown_[index].second.Text());
        item.iGroupId = shown_[index].first;
        // The item finds its task itself: without group view (older list
        // views) the items' group ids cannot be read back.
        item.lParam = static_cast<LPARAM>(index);
        SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    FitRows();
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
}

void RelatedTasksPane::ApplyColours() {
    if (list_ == nullptr) return;
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    SendMessageW(list_, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(face));
    SendMessageW(list_, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(face));
    const COLORREF text = host_.IsNightVisionActive() ? GetSysColor(COLOR_BTNTEXT) : RGB(0, 0, 0xFF);
    SendMessageW(list_, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(text));
}

void RelatedTasksPane::OnInitDialog(HWND window) {
    window_ = window;
    list_ = GetDlgItem(window, kRelatedTasksListId);
    // The frame's pane layout places the pane.
    SetWindowPos(window, nullptr, -500, -500, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE);
    if (list_ == nullptr) return;
    SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, kListExtendedStyles, kListExtendedStyles);
    if (HWND tip = reinterpret_cast<HWND>(SendMessageW(list_, LVM_GETTOOLTIPS, 0, 0))) {
        SetWindowLongPtrW(tip, GWL_STYLE, GetWindowLongPtrW(tip, GWL_STYLE) | TTS_ALWAYSTIP);
    }
    static constexpr ListColumn kColumns[] = {{L"Task", 250}};
    InsertListColumns(list_, kColumns);
    SendMessageW(list_, LVM_ENABLEGROUPVIEW, TRUE, 0);
    SendMessageW(list_, LVM_REMOVEALLGROUPS, 0, 0);
    for (int group = 0; group < kRelatedTaskGroupCount; ++group) {
        LVGROUP header{};
        header.cbSize = sizeof header;
        header.mask = LVGF_HEADER | LVGF_GROUPID | LVGF_ALIGN;
        header.pszHeader = const_cast<Char*>(RelatedTaskGroupHeader(group));
        header.iGroupId = group;
        header.uAlign = LVGA_HEADER_LEFT;
        SendMessageW(list_, LVM_INSERTGROUP, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&header));
    }
    ApplyColours();
}

// The list keeps its margin to the pane's edges as the frame's layout
// resizes the pane, and its one column the list's width.
void RelatedTasksPane::FitList() {
    if (list_ == nullptr) return;
    RECT client{};
    GetClientRect(window_, &client);
    RECT list{};
    GetWindowRect(list_, &list);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&list), 2);
    const int margin = list.left;
    const int width = client.right - 2 * margin;
    const int height = client.bottom - list.top - margin;
    if (width <= 0 || height <= 0) return;
    // Drawn once the list has its size, column and rows: a list that grows
    // out of its scroll bar would otherwise draw the bar on the way, and a
    // themed scroll bar is slow to draw.
    SetWindowPos(list_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    FitLastColumn(list_);
    FitRows();
    InvalidateRect(window_, nullptr, TRUE);
    RedrawWindow(list_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

void RelatedTasksPane::FitRows() {
    if (list_ == nullptr) return;
    const int width = ListView_GetColumnWidth(list_, 0) - 2 * kCaptionMargin;
    if (width <= 0) return;
    MeasureCaptions(width);
    int lines = 1;
    for (const int height : captionHeights_) {
        lines = std::max(lines, std::min(kMostRowLines, (height + lineHeight_ - 1) / lineHeight_));
    }
    if (lines == rowLines_) return;
    rowLines_ = lines;
    // The rows are as tall as the small images; none gives them the list's own height.
    // The list lets the old image list go before it is destroyed.
    ScopedImageList next(lines > 1 ? ImageList_Create(1, lines * lineHeight_ + 2, ILC_COLOR32, 0, 1) : nullptr);
    SendMessageW(list_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(next.Get()));
    rowHeight_ = std::move(next);
    InvalidateRect(list_, nullptr, TRUE);
}

void RelatedTasksPane::MeasureCaptions(int width) {
    if (width != captionWidth_) std::fill(captionHeights_.begin(), captionHeights_.end(), kUnmeasured);
    captionWidth_ = width;
    const bool measured =
        std::find(captionHeights_.begin(), captionHeights_.end(), kUnmeasured) == captionHeights_.end();
    if (measured && linkFont_.IsValid()) return;
    if (!linkFont_.IsValid()) {
        HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageW(list_, WM_GETFONT, 0, 0));
        LOGFONTW face{};
        GetObjectW(font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT), sizeof face, &face);
        face.lfUnderline = TRUE;
        linkFont_.Reset(CreateFontIndirectW(&face));
    }
    ScopedWindowDc dc(list_);
    ScopedSelection font(dc.Get(), linkFont_.Get());
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.Get(), &metrics);
    lineHeight_ = std::max(1, static_cast<int>(metrics.tmHeight));
    for (std::size_t row = 0; row < shown_.size(); ++row) {
        if (captionHeights_[row] != kUnmeasured) continue;
        RECT caption{0, 0, width, 0};
        DrawTextW(dc.Get(), shown_[row].second.Text(), -1, &caption, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        captionHeights_[row] = caption.bottom;
        ++measuredCaptions_;
    }
}

LRESULT RelatedTasksPane::DrawItem(NMLVCUSTOMDRAW& draw) {
    // Captions of one line are the list view's own links.
    if (rowLines_ == 1) return CDRF_DODEFAULT;
    if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
    if (draw.nmcd.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
    // The items are the shown rows in their order.
    const std::size_t row = draw.nmcd.dwItemSpec;
    if (row >= shown_.size()) return CDRF_DODEFAULT;
    const int item = static_cast<int>(row);
    RECT bounds{};
    bounds.left = LVIR_BOUNDS;
    if (!SendMessageW(list_, LVM_GETITEMRECT, item, reinterpret_cast<LPARAM>(&bounds))) return CDRF_DODEFAULT;
    const Char* text = shown_[row].second.Text();
    HDC dc = draw.nmcd.hdc;
    // The face ApplyColours gave the list.
    FillRect(dc, &bounds, GetSysColorBrush(COLOR_BTNFACE));
    ScopedSelection font(dc, linkFont_.Get());
    RECT caption{bounds.left + kCaptionMargin, bounds.top, bounds.left + ListView_GetColumnWidth(list_, 0) - kCaptionMargin,
                 bounds.bottom};
    // Centred in the row's height, as the list view centres a line.
    if (captionHeights_[row] != kUnmeasured) {
        caption.top += std::max(0L, (caption.bottom - caption.top - captionHeights_[row]) / 2);
    }
    SetTextColor(dc, ListView_GetTextColor(list_));
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, text, -1, &caption, DT_WORDBREAK | DT_NOPREFIX);
    if (GetFocus() == list_ && (ListView_GetItemState(list_, item, LVIS_FOCUSED) & LVIS_FOCUSED)) {
        DrawDottedFrame(dc, bounds, ListView_GetTextColor(list_));
    }
    return CDRF_SKIPDEFAULT;
}

const RelatedTask* RelatedTasksPane::TaskOfItem(int item) const {
    if (list_ == nullptr || item < 0) return nullptr;
    LVITEMW entry{};
    entry.mask = LVIF_PARAM;
    entry.iItem = item;
    if (!SendMessageW(list_, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&entry))) return nullptr;
    std::size_t index = static_cast<std::size_t>(entry.lParam);
    for (int group = 0; group < kRelatedTaskGroupCount; ++group) {
        const auto& tasks = groups_.Group(group);
        if (index < tasks.size()) return tasks[index].get();
        index -= tasks.size();
    }
    return nullptr;
}

void RelatedTasksPane::RunItem(int item) {
    // Run checks that the pointer is one of the pane's tasks before using it.
    groups_.Run(TaskOfItem(item), services_);
}

INT_PTR RelatedTasksPane::OnNotify(const NMHDR& header) {
    if (static_cast<int>(header.idFrom) != kRelatedTasksListId) return FALSE;
    switch (header.code) {
        case NM_CUSTOMDRAW: return Answer(window_, DrawItem(*reinterpret_cast<NMLVCUSTOMDRAW*>(const_cast<NMHDR*>(&header))));
        case LVN_ITEMACTIVATE: RunItem(reinterpret_cast<const NMITEMACTIVATE&>(header).iItem); return TRUE;
        case LVN_ITEMCHANGING: {
            const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
            const bool selects =
                (change.uChanged & LVIF_STATE) != 0 && (change.uNewState & LVIS_SELECTED) != 0;
            return selects ? Answer(window_, TRUE) : FALSE;
        }
        case LVN_GETINFOTIPW: {
            auto& tip = const_cast<NMLVGETINFOTIPW&>(reinterpret_cast<const NMLVGETINFOTIPW&>(header));
            const RelatedTask* task = TaskOfItem(tip.iItem);
            if (task == nullptr || tip.pszText == nullptr || tip.cchTextMax <= 0) return TRUE;
            lstrcpynW(tip.pszText, task->GetText(), tip.cchTextMax);
            return TRUE;
        }
        default: return FALSE;
    }
}

INT_PTR CALLBACK RelatedTasksPane::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        reinterpret_cast<RelatedTasksPane*>(lParam)->OnInitDialog(window);
        return TRUE;
    }
    auto* pane = reinterpret_cast<RelatedTasksPane*>(GetWindowLongPtrW(window, DWLP_USER));
    if (pane == nullptr) return FALSE;
    if (message == NightColoursChangedMessage()) {
        pane->ApplyColours();  // its links keep their own colours in either mode
        return TRUE;
    }
    switch (message) {
        case WM_MOUSEACTIVATE:
            // The frame hears of the click first, as of a click on any of
            // its windows: it notes where the keys were in the active
            // window's panel, for them to come back there.
            SendMessageW(GetParent(window), WM_MOUSEACTIVATE, wParam, lParam);
            // The activation the click brings (of the frame, or of a window
            // a task shows) leaves the pane as it is, with what was clicked.
            pane->host_.SkipNextActivationRebuild();
            return Answer(window, MA_ACTIVATE);
        case WM_NOTIFY: return pane->OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
        case WM_SIZE: pane->FitList(); return TRUE;
        case WM_NCLBUTTONDOWN:
            // The pane cannot be dragged by its caption.
            return wParam == HTCAPTION ? Answer(window, 0) : FALSE;
        case WM_SYSCOMMAND:
            // Only the close command (box, Alt+F4) may hide the pane through
            // the IDCANCEL that follows; a plain Escape must not.
            pane->closingBySystemCommand_ = (wParam & 0xFFF0) == SC_CLOSE;
            return FALSE;
        case WM_COMMAND:
            // The dialog keys turn Enter on the list into IDOK: the focused
            // task runs, as a click would run it.
            if (LOWORD(wParam) == IDOK) {
                if (pane->list_ != nullptr && GetFocus() == pane->list_) {
                    pane->RunItem(static_cast<int>(
                        SendMessageW(pane->list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED)));
                }
                return TRUE;
            }
            if (LOWORD(wParam) != IDCANCEL) return FALSE;
            if (pane->closingBySystemCommand_) {
                pane->closingBySystemCommand_ = false;
                pane->host_.HideRelatedTasksPane();
            }
            return TRUE;
        case WM_DESTROY:
            if (pane->list_ != nullptr) SendMessageW(pane->list_, LVM_SETIMAGELIST, LVSIL_SMALL, 0);
            pane->rowLines_ = 1;
            pane->captionWidth_ = 0;
            pane->window_ = nullptr;
            pane->list_ = nullptr;
            return FALSE;
        default: return FALSE;
    }
}

}  // namespace corvinata
