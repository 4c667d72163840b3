#include "views/graph_panel_win.h"

#include <commctrl.h>

#include <iterator>

#include "base/colour_table.h"
#include "base/scoped_win.h"
#include "controls/list_view_columns.h"

namespace corvinata {
namespace {

constexpr ListColumn kGraphColumns[] = {
    {TXT("Colour"), 50, LVCFMT_LEFT}, {TXT("Name"), 100, LVCFMT_LEFT}, {TXT("Value"), 100, LVCFMT_RIGHT}};

constexpr int kReadoutItems[] = {kGuideLineItem, kGraphBeginItem,     kGraphEndItem,     kGraphDaylightItem,
                                 kGraphZoneItem, kGraphLongitudeItem, kGraphLatitudeItem};

COLORREF PaletteColour(int index) {
    const ColourEntry* entry = FindColourByCode(index);
    return entry != nullptr ? entry->colour.ToColorRef() : RGB(0, 0, 0);
}

bool DrawsColourLines() {
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    return GetVersionExW(&version) && version.dwMajorVersion >= 6;
#pragma GCC diagnostic pop
}

}  // namespace

void GraphControlPanel::OnInitDialog() {
    SetUpRowList(GetDlgItem(GetDialogWindow(), kGraphLinesItem), kGraphColumns);
}

int GraphControlPanel::LineOfRow(int row) const {
    return row >= 0 && static_cast<std::size_t>(row) < rows_.size() ? rows_[static_cast<std::size_t>(row)]
                                                                    : -1;
}

void GraphControlPanel::ControlPanelUpdate(void*) {
    GraphPanelWindow* window = Window();
    if (window == nullptr || GetDialogWindow() == nullptr) return;
    GraphDocumentModel& document = window->GetCommands().GetDocument();
    const int selected = document.SelectedLine();
    HWND list = GetDlgItem(GetDialogWindow(), kGraphLinesItem);
    suppressSelection_ = true;
    rows_ = GraphPanelRows(*window, document.LineCount());
    // The list holds no rows of its own, only their count: it asks for the
    // texts of the rows it shows, so that a graph of thousands of lines
    // takes the shared panel in one message rather than one per row.
    SendMessageW(list, LVM_SETITEMCOUNT, rows_.size(), LVSICF_NOSCROLL);
    LVITEMW clear{};
    clear.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&clear));
    const int row = GraphRowOfLine(rows_, selected);
    if (row >= 0) {
        LVITEMW state{};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
    }
    InvalidateRect(GetDialogWindow(), nullptr, TRUE);
    suppressSelection_ = false;
}

void GraphControlPanel::ShowGraphMousePosition(const DateTime* moment) {
    if (GetDialogWindow() != nullptr)
        SetDlgItemTextW(GetDialogWindow(), kMousePositionItem, FormatGraphMoment(moment).Text());
}

void GraphControlPanel::RefreshReadouts() {
    HWND dialog = GetDialogWindow();
    GraphPanelWindow* window = Window();
    if (window == nullptr || dialog == nullptr) return;
    const bool present = window->GetCommands().GetDocument().LineCount() > 0;
    const int pixel = present ? window->DrawGuideLine() : 0;
    const GraphReadouts r = MakeGraphReadouts(*window, pixel, window->DisplayExtent());
    ShowWindow(GetDlgItem(dialog, kGuideLineLabelItem), r.present ? SW_SHOW : SW_HIDE);
    const String* texts[] = {&r.guideLine, &r.begin,     &r.end,     &r.daylightSaving,
                             &r.timeZone,  &r.longitude, &r.latitude};
    for (std::size_t i = 0; i < std::size(kReadoutItems); ++i)
        SetDlgItemTextW(dialog, kReadoutItems[i], texts[i]->Text());
    if (r.present) SetDlgItemTextW(dialog, kGraphElevationItem, r.elevation.Text());

    const HWND focus = GetFocus();
    const bool hadFocus = focus && IsChild(dialog, focus);
    const int shownTowardZero = r.firstPairShown ? kFirstPairTowardZeroItem : kSecondPairTowardZeroItem;
    const int shownAway = r.firstPairShown ? kFirstPairAwayItem : kSecondPairAwayItem;
    for (const int item :
         {kFirstPairTowardZeroItem, kFirstPairAwayItem, kSecondPairTowardZeroItem, kSecondPairAwayItem}) {
        ShowWindow(GetDlgItem(dialog, item),
                   item == shownTowardZero || item == shownAway ? SW_SHOW : SW_HIDE);
    }
    const struct {
        int item;
        int other;
        bool enabled;
    } arrows[] = {{shownTowardZero, shownAway, r.present && r.towardZeroEnabled},
                  {shownAway, shownTowardZero, r.present && r.awayFromZeroEnabled}};
    for (const auto& arrow : arrows) {
        HWND button = GetDlgItem(dialog, arrow.item);
        // A button that goes grey hands the focus to the other arrow.
        if (!arrow.enabled && GetFocus() == button) SetFocus(GetDlgItem(dialog, arrow.other));
        EnableWindow(button, arrow.enabled);
    }
    for (const int item :
         {kFirstPairTowardZeroItem, kFirstPairAwayItem, kSecondPairTowardZeroItem, kSecondPairAwayItem}) {
        if (item != shownTowardZero && item != shownAway) EnableWindow(GetDlgItem(dialog, item), FALSE);
    }
    // Both arrows grey with the focus on one: the keys stay in the panel.
    if (hadFocus && (GetFocus() == nullptr || !IsWindowEnabled(GetFocus()))) {
        if (HWND first = GetNextDlgTabItem(dialog, nullptr, FALSE)) SetFocus(first);
    }
}

LRESULT GraphControlPanel::OnCustomDraw(NMLVCUSTOMDRAW& draw) {
    switch (draw.nmcd.dwDrawStage) {
        case CDDS_PREPAINT: return CDRF_NOTIFYITEMDRAW;
        case CDDS_ITEMPREPAINT: return CDRF_NOTIFYSUBITEMDRAW;
        case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
            const int line = LineOfRow(static_cast<int>(draw.nmcd.dwItemSpec));
            const COLORREF lineColour = Window() != nullptr && line >= 0
                                            ? PaletteColour(Window()->LineAt(line).colourIndex)
                                            : RGB(0, 0, 0);
            if (draw.iSubItem == kGraphColourColumn) {
                if (!DrawsColourLines()) {
                    draw.clrTextBk = lineColour;
                    return CDRF_DODEFAULT;
                }
                RECT cell{};
                cell.top = kGraphColourColumn;
                cell.left = LVIR_BOUNDS;
                SendMessageW(draw.nmcd.hdr.hwndFrom, LVM_GETSUBITEMRECT, draw.nmcd.dwItemSpec,
                             reinterpret_cast<LPARAM>(&cell));
                const ScopedWinHandle<GdiObjectTraits<HPEN>> pen(CreatePen(PS_SOLID, 1, lineColour));
                HGDIOBJ old = SelectObject(draw.nmcd.hdc, pen.Get());
                MoveToEx(draw.nmcd.hdc, cell.left + 2, cell.top + 8, nullptr);
                LineTo(draw.nmcd.hdc, cell.right - 2, cell.top + 8);
                SelectObject(draw.nmcd.hdc, old);
                return CDRF_SKIPDEFAULT;
            }
            draw.clrTextBk = PaletteColour(services_.IsNightVisionActive() ? 0 : 1);
            return CDRF_DODEFAULT;
        }
        default: return CDRF_DODEFAULT;
    }
}

INT_PTR GraphControlPanel::OnNotify(const NMHDR& header) {
    if (header.idFrom != kGraphLinesItem || Window() == nullptr) return FALSE;
    switch (header.code) {
        case LVN_GETDISPINFOW: {
            auto& info = const_cast<NMLVDISPINFOW&>(reinterpret_cast<const NMLVDISPINFOW&>(header));
            const int line = LineOfRow(info.item.iItem);
            if ((info.item.mask & LVIF_TEXT) == 0 || line < 0) return TRUE;
            cellText_ = GraphCellText(*Window(), line, info.item.iSubItem);
            info.item.pszText = const_cast<Char*>(cellText_.Text());
            return TRUE;
        }
        case LVN_ITEMCHANGED: {
            const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
            const bool nowSelected = (change.uChanged & LVIF_STATE) != 0 &&
                                     (change.uOldState & LVIS_SELECTED) == 0 &&
                                     (change.uNewState & LVIS_SELECTED) != 0;
            const int line = LineOfRow(change.iItem);
            GraphWindowCommands& commands = Window()->GetCommands();
            if (!suppressSelection_ && nowSelected && line >= 0 &&
                line != commands.GetDocument().SelectedLine()) {
                actions_.SelectLine(commands, line, nullptr);
            }
            return TRUE;
        }
        case NM_DBLCLK: {
            const int line = LineOfRow(reinterpret_cast<const NMITEMACTIVATE&>(header).iItem);
            if (line >= 0) editing_.EditGraphLine(*Window(), line);
            return TRUE;
        }
        case NM_CUSTOMDRAW:
            return DialogResult(
                GetDialogWindow(),
                OnCustomDraw(const_cast<NMLVCUSTOMDRAW&>(reinterpret_cast<const NMLVCUSTOMDRAW&>(header))));
        default: return FALSE;
    }
}

INT_PTR GraphControlPanel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: OnInitDialog(); return TRUE;
        case WM_NOTIFY: return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
        case WM_PAINT: RefreshReadouts(); return FALSE;
        case WM_COMMAND: {
            if (Window() == nullptr) return FALSE;
            const int item = LOWORD(wParam);
            if (GuideLineDelta(item, false) != 0) {
                MoveGuideLine(*Window(), item);
                InvalidateRect(GetDialogWindow(), nullptr, TRUE);
                ControlPanelUpdate(nullptr);
                return TRUE;
            }
            if (HIWORD(wParam) == STN_DBLCLK && item == kGraphTimeAreaItem)
                editing_.ShowGraphOptionsTime(*Window());
            if (HIWORD(wParam) == STN_DBLCLK && item == kGraphLocationAreaItem) {
                editing_.ShowGraphOptionsLocation(*Window());
            }
            return TRUE;
        }
        default: return FALSE;
    }
}

}  // namespace corvinata
