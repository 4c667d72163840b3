#include "views/explorer_panel_win.h"

#include <commctrl.h>

#include "app/custom_control_map.h"
#include "app/rise_set_links.h"
#include "app/settings_records.h"
#include "app/sky_panel_texts.h"
#include "base/date_time_text.h"
#include "base/time_systems.h"
#include "catalog/body_properties.h"
#include "catalog/catalogue_registry.h"
#include "catalog/event_kinds.h"
#include "catalog/quantity_values.h"
#include "catalog/rise_set.h"
#include "controls/dialog_keys.h"
#include "controls/hyperlink_control.h"
#include "controls/trackbar_control.h"
#include "views/explorer_panel_texts.h"
#include "controls/list_view_columns.h"

namespace corvinata {
namespace {

// The links' click action carries no context: one panel per kind.
ExplorerControlPanel* g_panels[2] = {nullptr, nullptr};
constexpr UINT kAnimationTimer = 4;
// The moons go round in hours: the explorers step ten times as often as the
// Solar System, as fast as their drawing allows.
constexpr UINT kAnimationPeriod = 10;
constexpr int kComboTextLimit = 100;
constexpr int kTimeSystemCount = 4;
// The state images of a list-view check box.
constexpr UINT kBoxEmpty = 1;
constexpr UINT kBoxTicked = 2;

int SlotOf(const ExplorerKindTraits& traits) noexcept { return traits.kind == kSaturnExplorerWindow ? 1 : 0; }

void SetText(HWND dialog, int item, const Char* text) { SetDlgItemTextW(dialog, item, text); }

int SelectedIndex(HWND dialog, int item, int count) {
    const auto index = static_cast<int>(SendDlgItemMessageW(dialog, item, CB_GETCURSEL, 0, 0));
    return index >= 0 && index < count ? index : 0;
}

// X, Y, Z of the moons, three to a moon, in planet radii.
const double* MoonTable(ExplorerDocument& document) {
    if (auto* jupiter = dynamic_cast<JupiterExplorerDocument*>(&document)) return jupiter->Moons().data();
    if (auto* saturn = dynamic_cast<SaturnExplorerDocument*>(&document)) return saturn->Moons().data();
    return nullptr;
}

const CelestialObject* PlanetOf(const ExplorerKindTraits& traits) {
    return PlanetByNumber(traits.kind == kSaturnExplorerWindow ? 5 : 4);
}

UINT BoxState(bool ticked) { return INDEXTOSTATEIMAGEMASK(ticked ? kBoxTicked : kBoxEmpty); }

}  // namespace

ExplorerControlPanel::ExplorerControlPanel(ExplorerActions& actions, ExplorerDocument& document,
                                           std::function<DateTime()> resetTime)
    : actions_(actions), document_(document), resetTime_(std::move(resetTime)) {
    g_panels[SlotOf(actions_.Traits())] = this;
}

ExplorerControlPanel::~ExplorerControlPanel() {
    ExplorerControlPanel*& slot = g_panels[SlotOf(actions_.Traits())];
    if (slot == this) slot = nullptr;
}

bool ExplorerControlPanel::Create(HINSTANCE instance, HWND pane, ModelessDialogs* dialogs) {
    const wchar_t* name = actions_.Traits().kind == kSaturnExplorerWindow ? L"DLG_CTRL_SAT" : L"DLG_CTRL_JUP";
    return CreatePanelDialog(instance, name, pane, dialogs);
}

ExplorerView* ExplorerControlPanel::View() const { return dynamic_cast<ExplorerView*>(GetAttachedWindow()); }

DateTime ExplorerControlPanel::GetPanelTime() const { return document_.GetTimeAndPlace().dateTime; }

// The frames of a run move the document without steps; the run becomes one
// step when it stops.
void ExplorerControlPanel::SetPanelTime(const DateTime& moment) {
    ExplorerView* view = View();
    if (view == nullptr) return;
    const bool animating = TimePart() != nullptr && TimePart()->IsAnimating();
    if (animating) FollowAnimationRun(*view);
    actions_.GoTo(*view, moment, kChangeWhole, nullptr, !animating, !animating);
}

// A run goes on in whichever window of the kind is attached: the part shown
// in the window before is its step there, and the rest a run of the window
// now stepped.
void ExplorerControlPanel::FollowAnimationRun(ExplorerView& view) {
    if (running_ && runView_ != &view) EndAnimationRun();
    if (running_) return;
    running_ = true;
    runStart_ = document_.GetTimeAndPlace().dateTime;
    runView_ = &view;
}

DateTime ExplorerControlPanel::GetResetTime() const {
    return resetTime_ ? resetTime_() : document_.GetTimeAndPlace().dateTime;
}

void ExplorerControlPanel::EndAnimationRun() {
    if (!running_) return;
    running_ = false;
    ExplorerView* view = runView_;
    runView_ = nullptr;
    if (view == nullptr) return;
    const DateTime end = document_.GetTimeAndPlace().dateTime;
    document_.SetDateTime(runStart_);
    actions_.GoTo(*view, end, kChangeWhole, nullptr, true);
}

void ExplorerControlPanel::ControlPanelWindowClosing(PanelWindow* window) {
    if (running_ && dynamic_cast<ExplorerView*>(window) == runView_) {
        running_ = false;
        runView_ = nullptr;
    }
    ControlPanel::ControlPanelWindowClosing(window);
    // A window closed while its selection was highlighted leaves nothing
    // disabled.
    EnableHighlightControls(true);
}

void ExplorerControlPanel::EnableHighlightControls(bool enable) {
    HWND dialog = GetDialogWindow();
    if (dialog == nullptr) return;
    EnableKeepingKeys({GetDlgItem(dialog, kExplorerHighlightItem), GetDlgItem(dialog, kExplorerMoonListItem)},
                      enable);
}

void ExplorerControlPanel::HighlightEnded() {
    EnableHighlightControls(true);
    GiveKeysTo(GetDlgItem(GetDialogWindow(), kExplorerHighlightItem));
}

void ExplorerControlPanel::OnInitDialog() {
    HWND dialog = GetDialogWindow();
    const int slot = SlotOf(actions_.Traits());
    if (auto* rise = FindCustomControl<Hyperlink>(GetDlgItem(dialog, kExplorerRiseItem))) {
        rise->SetClickAction(slot == 0 ? &RiseSetClickedIn<0, false> : &RiseSetClickedIn<1, false>);
    }
    if (auto* set = FindCustomControl<Hyperlink>(GetDlgItem(dialog, kExplorerSetItem))) {
        set->SetClickAction(slot == 0 ? &RiseSetClickedIn<0, true> : &RiseSetClickedIn<1, true>);
    }
    PanelTimeConfig config;
    config.dateItem = kExplorerDateItem;
    config.timeItem = kExplorerTimeItem;
    config.animateItem = kAnimateItem;
    config.timerId = kAnimationTimer;
    config.period = kAnimationPeriod;
    PanelTimeTarget& target = *this;
    SetTimePart(std::make_unique<PanelTimePart>(dialog, config, target));
    HWND systems = GetDlgItem(dialog, kExplorerCoordinateSystemItem);
    for (int i = 0; i < kSkyPanelCoordinateSystems; ++i) {
        SendMessageW(systems, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(SkyCoordinateSystemName(i)));
    }
    SendMessageW(systems, CB_SETCURSEL, 0, 0);
    HWND times = GetDlgItem(dialog, kExplorerTimeSystemItem);
    for (int i = 0; i < kTimeSystemCount; ++i) {
        SendMessageW(times, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(GetTimeSystemCode(i)));
    }
    SendMessageW(times, CB_SETCURSEL, kLocalCivilTime, 0);
    HWND zoom = GetDlgItem(dialog, kExplorerZoomItem);
    SendMessageW(zoom, TBM_SETRANGE, TRUE, MAKELPARAM(0, actions_.Traits().highestZoom));
    SendMessageW(zoom, TBM_SETPAGESIZE, 0, 1);
    SendMessageW(zoom, TBM_SETTICFREQ, 1, 0);
    SetUpMoonList();
    ShowBrowseFields();
}

void ExplorerControlPanel::SetUpMoonList() {
    HWND list = GetDlgItem(GetDialogWindow(), kExplorerMoonListItem);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_CHECKBOXES);
    static constexpr ListColumn kColumns[] = {
        {L"Name", 100}, {L"X", 45, LVCFMT_RIGHT}, {L"Y", 45, LVCFMT_RIGHT}, {L"Z", 45, LVCFMT_RIGHT}};
    InsertListColumns(list, kColumns);
    syncing_ = true;
    for (int moon = 0; moon < actions_.Traits().moonCount; ++moon) {
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = moon;
        item.pszText = LPSTR_TEXTCALLBACKW;
        ListView_InsertItem(list, &item);
    }
    syncing_ = false;
}

void ExplorerControlPanel::ApplySettings(const PanelSettings& settings) {
    HWND dialog = GetDialogWindow();
    if (dialog == nullptr) return;
    if (TimePart() != nullptr) TimePart()->ShowTimeStep(settings.timeStep);
    if (settings.coordinateSystem >= 0 && settings.coordinateSystem < kSkyPanelCoordinateSystems) {
        SendDlgItemMessageW(dialog, kExplorerCoordinateSystemItem, CB_SETCURSEL, settings.coordinateSystem, 0);
    }
    if (settings.riseSetTimeSystem >= 0 && settings.riseSetTimeSystem < kTimeSystemCount) {
        SendDlgItemMessageW(dialog, kExplorerTimeSystemItem, CB_SETCURSEL, settings.riseSetTimeSystem, 0);
    }
    ControlPanelUpdate(nullptr);
}

PanelSettings ExplorerControlPanel::ReadSettings() const {
    PanelSettings settings;
    HWND dialog = GetDialogWindow();
    if (dialog == nullptr) return settings;
    if (TimePart() != nullptr) settings.timeStep = TimePart()->ReadTimeStep();
    settings.coordinateSystem = SelectedIndex(dialog, kExplorerCoordinateSystemItem, kSkyPanelCoordinateSystems);
    settings.riseSetTimeSystem = SelectedIndex(dialog, kExplorerTimeSystemItem, kTimeSystemCount);
    return settings;
}

void ExplorerControlPanel::ControlPanelUpdate(void*) {
    HWND dialog = GetDialogWindow();
    if (dialog == nullptr) return;
    // A run the time controls stopped at the end of the dates is recorded
    // at the next refresh.
    if (running_ && (TimePart() == nullptr || !TimePart()->IsAnimating())) EndAnimationRun();
    ShowBrowseFields();
    ExplorerView* view = View();
    if (view == nullptr) return;
    ShowPlanetFields(*view);
    const int angleStyle = DisplayFormatRequest().angleDegreeBase;
    SetText(dialog, kExplorerTiltToEarthItem, ExplorerTiltText(view->GetDocument().TiltToEarth(), angleStyle).Text());
    SetText(dialog, kExplorerTiltToEastItem, ExplorerTiltText(view->GetDocument().TiltToEast(), angleStyle).Text());
    SyncMoonList(*view);
    SendDlgItemMessageW(dialog, kExplorerZoomItem, TBM_SETPOS, TRUE, view->GetZoomLevel());
}

void ExplorerControlPanel::ShowBrowseFields() {
    HWND dialog = GetDialogWindow();
    const TimeAndPlace& moment = document_.GetTimeAndPlace();
    // The fields read in local civil time, as their label says.
    DateTime civil = moment.dateTime;
    ConvertTimeSystemAt(civil, kLocalCivilTime, moment.place.longitude.GetValue(), moment.place.timeZone.hours,
                        moment.daylightSaving);
    String text;
    SetText(dialog, kExplorerDateItem, FormatDate(civil, kDateToDay, text).Text());
    SetText(dialog, kExplorerTimeItem, FormatTime(kTimeToSecond, civil, false, kRoundHoldDayEnd, nullptr, text).Text());
    DateTime sidereal = moment.dateTime;
    if (sidereal.hours != -1.0) sidereal.hours = SkyLocalSiderealHours(moment);
    sidereal.timeSystem = kLocalSiderealTime;
    SetText(dialog, kExplorerSiderealItem,
            FormatTime(kTimeToSecond, sidereal, false, kRoundHoldDayEnd, nullptr, text).Text());
}

void ExplorerControlPanel::ShowPlanetFields(ExplorerView& view) {
    HWND dialog = GetDialogWindow();
    const int system = SelectedIndex(dialog, kExplorerCoordinateSystemItem, kSkyPanelCoordinateSystems);
    const int timeSystem = SelectedIndex(dialog, kExplorerTimeSystemItem, kTimeSystemCount);
    String label(SkyFirstCoordinateLabel(system));
    StringAppend(label, TXT(":"));
    SetText(dialog, kExplorerFirstLabelItem, label.Text());
    label = String(SkySecondCoordinateLabel(system));
    StringAppend(label, TXT(":"));
    SetText(dialog, kExplorerSecondLabelItem, label.Text());

    const CelestialObject* planet = PlanetOf(actions_.Traits());
    const TimeAndPlace& moment = view.GetDocument().GetTimeAndPlace();
    PropertyMap map;
    if (planet != nullptr) {
        ComputeBodyProperties(*planet,
                              kFunctionLongitude | kFunctionLatitude | kFunctionRise | kFunctionSet |
                                  kFunctionConstellation | kFunctionMagnitude | kFunctionPhase,
                              moment, map, PropertyConventions{system, timeSystem, kAstronomicalUnits});
    }
    const QuantityFormatRequest request = DisplayFormatRequest();
    for (const auto& [item, id] : {std::pair<int, std::uint32_t>{kExplorerFirstValueItem, kFunctionLongitude},
                                   {kExplorerSecondValueItem, kFunctionLatitude},
                                   {kExplorerConstellationItem, kFunctionConstellation},
                                   {kExplorerMagnitudeItem, kFunctionMagnitude},
                                   {kExplorerPhaseItem, kFunctionPhase}}) {
        String value;
        if (map.Has(id)) map.Format(id, value, request);
        SetText(dialog, item, value.Text());
    }
    EventTimePairAssign(riseSet_, planet != nullptr ? PanelRiseSet(map, moment, timeSystem) : NotComputedRiseSet());
    for (const auto& [item, event] : {std::pair<int, const EventTime*>{kExplorerRiseItem, &riseSet_.first},
                                      {kExplorerSetItem, &riseSet_.second}}) {
        ShowLink(GetDlgItem(dialog, item), RiseSetLinkText(*event, kTimeToMinute).Text(), RiseSetLinkLeads(*event));
    }
}

void ExplorerControlPanel::SyncMoonList(ExplorerView& view) {
    HWND list = GetDlgItem(GetDialogWindow(), kExplorerMoonListItem);
    syncing_ = true;
    for (int moon = 0; moon < actions_.Traits().moonCount; ++moon) {
        ListView_SetItemState(list, moon, BoxState(view.IsMoonShown(moon)), LVIS_STATEIMAGEMASK);
        const UINT selected = moon == view.GetSelectedMoon() ? LVIS_SELECTED | LVIS_FOCUSED : 0;
        ListView_SetItemState(list, moon, selected, LVIS_SELECTED | LVIS_FOCUSED);
    }
    syncing_ = false;
    InvalidateRect(list, nullptr, FALSE);
}

template <int Slot, bool Set>
void ExplorerControlPanel::RiseSetClickedIn(const Char*) {
    if (g_panels[Slot] != nullptr) g_panels[Slot]->RiseSetClicked(Set);
}

void ExplorerControlPanel::RiseSetClicked(bool set) {
    ExplorerView* view = View();
    if (view == nullptr) return;
    // The link leads to the event it shows, held since the last update.
    DateTime event;
    if (!RiseSetLinkMoment(view->GetDocument().GetTimeAndPlace(), set ? riseSet_.second : riseSet_.first, event)) {
        return;
    }
    actions_.GoTo(*view, event, kChangeWhole, nullptr, true);
}

void ExplorerControlPanel::OnCommand(int item, int code) {
    if (item == kAnimateItem) {
        // The time controls have already started or stopped the animation:
        // the run before ends (stopped now, or at the end of the dates) and
        // a started animation begins its own.
        EndAnimationRun();
        if (TimePart() != nullptr && TimePart()->IsAnimating() && View() != nullptr) FollowAnimationRun(*View());
        return;
    }
    if (item == kExplorerCoordinateSystemItem || item == kExplorerTimeSystemItem) {
        if (code == CBN_SELCHANGE) ControlPanelUpdate(nullptr);
        return;
    }
    if (code != BN_CLICKED) return;
    ExplorerView* view = View();
    if (view == nullptr) return;
    switch (item) {
        case kExplorerHighlightItem: actions_.ZoomToSelected(*view); break;
        case kExplorerUntiltItem: actions_.TiltTo(*view, 0, nullptr); break;
        case kExplorerTiltSouthItem: actions_.RotateTilt(*view, -5); break;
        case kExplorerTiltNorthItem: actions_.RotateTilt(*view, 5); break;
        default: break;
    }
}

// The drag shows each level at once; the step comes when it ends.
void ExplorerControlPanel::OnSliderDrag() {
    ExplorerView* view = View();
    if (view == nullptr) return;
    const auto level = static_cast<int>(SendDlgItemMessageW(GetDialogWindow(), kExplorerZoomItem, TBM_GETPOS, 0, 0));
    if (level == view->GetZoomLevel()) return;
    view->SetZoomLevel(level);
    view->RefreshWindow(0);
}

void ExplorerControlPanel::OnSliderMoved(int from, int to) {
    ExplorerView* view = View();
    if (view == nullptr || from == to) return;
    view->SetZoomLevel(from);
    actions_.ZoomToLevel(*view, to, false, nullptr);
}

// Every change of a box counts, by mouse or by Space; the panel's own
// syncing does not.
void ExplorerControlPanel::OnMoonChanged(const NMLISTVIEW& change) {
    ExplorerView* view = View();
    if (syncing_ || view == nullptr || !(change.uChanged & LVIF_STATE)) return;
    const int moon = change.iItem;
    if (moon < 0 || moon >= actions_.Traits().moonCount) return;
    const UINT newBox = (change.uNewState & LVIS_STATEIMAGEMASK) >> 12;
    const UINT oldBox = (change.uOldState & LVIS_STATEIMAGEMASK) >> 12;
    if (newBox != oldBox && newBox != 0) {
        const bool shown = newBox == kBoxTicked;
        if (shown != view->IsMoonShown(moon)) actions_.ShowHideMoon(*view, moon, shown, nullptr);
    }
    if ((change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED) &&
        moon != view->GetSelectedMoon()) {
        actions_.SelectMoonStep(*view, moon, nullptr);
    }
}

// A double-click on a name zooms out to the moon too (one step with the
// click's selection, see SelectAndWidenZoom) and highlights it; on a box it
// is only the box's change.
void ExplorerControlPanel::OnMoonDoubleClick(const NMITEMACTIVATE& activate) {
    ExplorerView* view = View();
    if (view == nullptr || activate.iItem < 0 || activate.iItem >= actions_.Traits().moonCount) return;
    LVHITTESTINFO hit{};
    hit.pt = activate.ptAction;
    ListView_SubItemHitTest(GetDlgItem(GetDialogWindow(), kExplorerMoonListItem), &hit);
    if (hit.flags & LVHT_ONITEMSTATEICON) return;
    actions_.SelectMoonStep(*view, activate.iItem, nullptr);
    actions_.SelectAndWidenZoom(*view, activate.iItem);
    view->StartViewTransition();
}

INT_PTR ExplorerControlPanel::OnNotify(const NMHDR& header, LPARAM lParam) {
    if (header.idFrom != static_cast<UINT_PTR>(kExplorerMoonListItem)) return FALSE;
    switch (header.code) {
        case LVN_GETDISPINFOW: {
            auto& info = *reinterpret_cast<NMLVDISPINFOW*>(lParam);
            if (!(info.item.mask & LVIF_TEXT)) return FALSE;
            const int moon = info.item.iItem;
            const double* table = MoonTable(document_);
            if (moon < 0 || moon >= actions_.Traits().moonCount) {
                cell_ = String();
            } else if (info.item.iSubItem == 0) {
                cell_ = String(actions_.Traits().moonNames[moon]);
            } else if (table != nullptr && info.item.iSubItem <= 3) {
                const double value = table[moon * 3 + info.item.iSubItem - 1];
                cell_ = value == kMoonNotComputed ? String() : ExplorerCoordinateText(value);
            } else {
                cell_ = String();
            }
            info.item.pszText = const_cast<wchar_t*>(cell_.Text());
            return TRUE;
        }
        case LVN_ITEMCHANGED: OnMoonChanged(*reinterpret_cast<const NMLISTVIEW*>(lParam)); return TRUE;
        case NM_DBLCLK: OnMoonDoubleClick(*reinterpret_cast<const NMITEMACTIVATE*>(lParam)); return TRUE;
        default: return FALSE;
    }
}

INT_PTR ExplorerControlPanel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: OnInitDialog(); return TRUE;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return FALSE;
        case WM_HSCROLL:
        case WM_VSCROLL:
            if (reinterpret_cast<HWND>(lParam) == GetDlgItem(GetDialogWindow(), kExplorerZoomItem)) OnSliderDrag();
            return TRUE;
        case kTrackbarMovedMessage: OnSliderMoved(LOWORD(wParam), HIWORD(wParam)); return TRUE;
        case WM_NOTIFY: return OnNotify(*reinterpret_cast<const NMHDR*>(lParam), lParam);
        case WM_SYSCOLORCHANGE:
            SendDlgItemMessageW(GetDialogWindow(), kExplorerMoonListItem, message, wParam, lParam);
            SendDlgItemMessageW(GetDialogWindow(), kExplorerZoomItem, message, wParam, lParam);
            return FALSE;
        default: return FALSE;
    }
}

}  // namespace corvinata
