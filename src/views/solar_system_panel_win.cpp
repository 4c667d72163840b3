#include "views/solar_system_panel_win.h"

#include <commctrl.h>

#include "app/solar_system_computer.h"
#include "base/date_time_text.h"
#include "base/time_systems.h"
#include "catalog/catalogue_registry.h"
#include "catalog/event_kinds.h"
#include "controls/dialog_keys.h"
#include "controls/trackbar_control.h"
#include "views/solar_system_window_win.h"
#include "controls/list_view_columns.h"

namespace corvinata {

namespace {

constexpr UINT kAnimationTimer = 2;

void SetText(HWND dialog, int item, const String& text) { SetDlgItemTextW(dialog, item, text.Text()); }

}  // namespace

SolarSystemWindow* SolarControlPanel::Window() const {
    return dynamic_cast<SolarSystemWindow*>(GetAttachedWindow());
}

DateTime SolarControlPanel::GetPanelTime() const {
    return Window() ? Window()->SolarDocument().GetDateTime() : DateTime{};
}

// During an animation the moments are not steps: the whole run becomes one
// when it stops.
void SolarControlPanel::SetPanelTime(const DateTime& moment) {
    SolarSystemWindow* window = Window();
    if (!window) return;
    const bool animating = TimePart() && TimePart()->IsAnimating();
    if (animating) FollowAnimationRun(*window);
    actions_.GoTo(*window, moment, kChangeWhole, nullptr, !animating);
}

// A run goes on in whichever Solar System window is attached: the part shown
// in the window before is its step there, and the rest a run of the window
// now stepped.
void SolarControlPanel::FollowAnimationRun(SolarSystemWindow& window) {
    if (running_ && runWindow_ != &window) EndAnimationRun();
    if (running_) return;
    running_ = true;
    runStart_ = window.SolarDocument().GetDateTime();
    runWindow_ = &window;
}

// The run becomes one step from where it began.
void SolarControlPanel::EndAnimationRun() {
    if (!running_) return;
    running_ = false;
    SolarSystemWindow* window = runWindow_;
    runWindow_ = nullptr;
    if (!window) return;
    const DateTime end = window->SolarDocument().GetDateTime();
    window->GetDocument().SetDateTime(runStart_, false);
    actions_.GoTo(*window, end, kChangeWhole, nullptr, true);
}

DateTime SolarControlPanel::GetResetTime() const {
    return Window() ? Window()->Context().app.Current().GetTimeAndLocation().dateTime : DateTime{};
}

void SolarControlPanel::OnInitDialog() {
    HWND dialog = GetDialogWindow();
    PanelTimeConfig config;
    config.dateItem = kSolarDate;
    config.timeItem = kSolarTime;
    config.animateItem = kAnimateItem;
    config.timerId = kAnimationTimer;
    PanelTimeTarget& target = *this;
    SetTimePart(std::make_unique<PanelTimePart>(dialog, config, target));
    HWND slider = GetDlgItem(dialog, kSolarZoomSlider);
    SendMessageW(slider, TBM_SETRANGE, TRUE, MAKELPARAM(kFirstZoomPlanet, kLastZoomPlanet));
    SendMessageW(slider, TBM_SETPAGESIZE, 0, 1);
    SendMessageW(slider, TBM_SETTICFREQ, 1, 0);
    HWND list = GetDlgItem(dialog, kSolarPlanetList);
    static constexpr ListColumn kColumns[] = {{L"Planet", 80}, {L"Value", 140}};
    SetUpRowList(list, kColumns);
    for (int n = kFirstZoomPlanet; n <= kLastZoomPlanet; ++n) {
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = n;
        item.pszText = LPSTR_TEXTCALLBACKW;
        item.lParam = reinterpret_cast<LPARAM>(PlanetByNumber(n));
        ListView_InsertItem(list, &item);
    }
}

void SolarControlPanel::ControlPanelUpdate(void*) {
    HWND dialog = GetDialogWindow();
    // A run the time controls stopped at the end of the dates is recorded
    // at the next refresh.
    if (running_ && (!TimePart() || !TimePart()->IsAnimating())) EndAnimationRun();
    SolarSystemWindow* window = Window();
    if (!dialog || !window) return;
    updating_ = true;
    const TimeAndPlace& moment = window->SolarDocument().GetTimeAndPlace();
    if (moment.dateTime.timeSystem != kInvalidTimeSystem) {
        String date, time;
        FormatDateAndTime(moment.dateTime, date, time, false, kTimeToSecond);
        SetText(dialog, kSolarDate, date);
        SetText(dialog, kSolarTime, time);
        // Local sidereal time through the program's one conversion.
        DateTime sidereal = moment.dateTime;
        String lst;
        if (sidereal.hours != -1.0) {
            ConvertTimeSystem(sidereal, kLocalSiderealTime, moment.place.longitude, moment.place.timeZone,
                              moment.daylightSaving);
        }
        FormatTime(kTimeToSecond, sidereal, false, 0, nullptr, lst);
        SetText(dialog, kSolarSiderealTime, lst);
    }
    const CelestialObject* selected = window->GetSelectedBody().object;
    String name;
    if (selected) selected->CelestialObjectFullName(name);
    SetText(dialog, kSolarSelectedName, name);
    HWND list = GetDlgItem(dialog, kSolarPlanetList);
    LVFINDINFOW find{};
    find.flags = LVFI_PARAM;
    find.lParam = reinterpret_cast<LPARAM>(selected);
    const int row = selected ? ListView_FindItem(list, -1, &find) : -1;
    if (row >= 0) {
        ListView_SetItemState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    } else {
        ListView_SetItemState(list, -1, 0, LVIS_SELECTED);
    }
    SendDlgItemMessageW(dialog, kSolarZoomSlider, TBM_SETPOS, TRUE, window->GetZoomedPlanet());
    const EventKind* quantity = FindEventKind(static_cast<std::uint32_t>(window->GetOptions().function));
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT;
    column.pszText = const_cast<wchar_t*>(quantity ? quantity->GetName() : L"Value");
    ListView_SetColumn(list, 1, &column);
    InvalidateRect(list, nullptr, FALSE);
    UpdateWindow(list);
    updating_ = false;
}

void SolarControlPanel::EnableHighlightControls(bool enable) {
    HWND dialog = GetDialogWindow();
    if (!dialog) return;
    const HWND button = GetDlgItem(dialog, kSolarHighlight);
    EnableKeepingKeys({button, GetDlgItem(dialog, kSolarPlanetList)}, enable);
    if (enable) GiveKeysTo(button);
}

void SolarControlPanel::ControlPanelWindowClosing(PanelWindow* window) {
    if (running_ && static_cast<PanelWindow*>(runWindow_) == window) {
        running_ = false;
        runWindow_ = nullptr;
    }
    ControlPanel::ControlPanelWindowClosing(window);
    // A window closed while its ring showed leaves no control disabled.
    EnableHighlightControls(true);
}

// The time controls have already started or stopped the animation: the run
// before ends (stopped now, or at the end of the dates) and a started
// animation begins its own.
void SolarControlPanel::OnAnimate() {
    EndAnimationRun();
    if (TimePart() && TimePart()->IsAnimating() && Window()) FollowAnimationRun(*Window());
}

void SolarControlPanel::OnRowChanged(const NMLISTVIEW& change) {
    SolarSystemWindow* window = Window();
    if (updating_ || !window || change.uChanged != LVIF_STATE) return;
    if (!(change.uNewState & LVIS_SELECTED) || (change.uOldState & LVIS_SELECTED)) return;
    const auto* body = reinterpret_cast<const CelestialObject*>(change.lParam);
    if (!body || body == window->GetSelectedBody().object) return;
    actions_.SelectPair(*window, BodyIdentifierFromObject(body), 0, 0, nullptr);
}

// The double-click's zoom joins this window's selection step of the body
// (the first click's); otherwise it is a step of its own.
void SolarControlPanel::OnDoubleClick() {
    SolarSystemWindow* window = Window();
    if (!window || !window->GetSelectedBody().object) return;
    const int planet = ZoomReferenceNumber(window->GetSelectedBody().object);
    if (planet > window->GetZoomedPlanet()) actions_.ZoomWithSelection(*window, planet);
    window->Highlight();
}

INT_PTR SolarControlPanel::OnNotify(const NMHDR& header, LPARAM lParam) {
    if (header.idFrom != kSolarPlanetList) return FALSE;
    switch (header.code) {
    case LVN_GETDISPINFOW: {
        auto& info = *reinterpret_cast<NMLVDISPINFOW*>(lParam);
        if (!(info.item.mask & LVIF_TEXT)) return FALSE;
        const int planet = info.item.iItem;
        SolarSystemWindow* window = Window();
        if (info.item.iSubItem == 0) {
            const CelestialObject* body = PlanetByNumber(planet);
            cell_ = body ? String(ObjectKeyName(*body)) : String();
        } else if (window) {
            SolarSystemValueCellText(planet, static_cast<std::uint32_t>(window->GetOptions().function),
                                     window->SolarDocument().GetTimeAndPlace(), cell_);
        } else {
            cell_ = String();
        }
        info.item.pszText = const_cast<wchar_t*>(cell_.Text());
        return TRUE;
    }
    case LVN_ITEMCHANGED:
        OnRowChanged(*reinterpret_cast<const NMLISTVIEW*>(lParam));
        return TRUE;
    case NM_DBLCLK:
        OnDoubleClick();
        return TRUE;
    default:
        return FALSE;
    }
}

INT_PTR SolarControlPanel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog();
        return TRUE;
    case WM_VSCROLL: {
        // The drag shows each planet at once; the step comes when it ends.
        SolarSystemWindow* window = Window();
        const int position = static_cast<int>(SendDlgItemMessageW(GetDialogWindow(), kSolarZoomSlider, TBM_GETPOS, 0, 0));
        if (window && position != window->GetZoomedPlanet()) {
            window->SetZoomedPlanet(position);
            window->UpdateView();
        }
        return TRUE;
    }
    case kTrackbarMovedMessage: {
        SolarSystemWindow* window = Window();
        const int from = LOWORD(wParam);
        const int to = HIWORD(wParam);
        if (window && from != to) {
            window->SetZoomedPlanet(from);
            actions_.ZoomToPlanet(*window, to, 1, nullptr);
        }
        return TRUE;
    }
    case WM_COMMAND:
        if (!Window()) return FALSE;
        if (LOWORD(wParam) == kSolarHighlight && Window()->GetSelectedBody().object) {
            actions_.ZoomToBody(*Window());
            Window()->Highlight();
        } else if (LOWORD(wParam) == kAnimateItem) {
            OnAnimate();
        }
        return FALSE;
    case WM_NOTIFY:
        return OnNotify(*reinterpret_cast<const NMHDR*>(lParam), lParam);
    case WM_SYSCOLORCHANGE:
        SendDlgItemMessageW(GetDialogWindow(), kSolarPlanetList, message, wParam, lParam);
        SendDlgItemMessageW(GetDialogWindow(), kSolarZoomSlider, message, wParam, lParam);
        return FALSE;
    default:
        return FALSE;
    }
}

}  // namespace corvinata
