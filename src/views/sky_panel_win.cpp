#include "views/sky_panel_win.h"

#include <commctrl.h>

#include <cwchar>

#include "app/custom_control_map.h"
#include "app/rise_set_links.h"
#include "app/settings_records.h"
#include "app/sky_panel_texts.h"
#include "base/date_time_text.h"
#include "base/time_systems.h"
#include "catalog/body_properties.h"
#include "catalog/celestial_object.h"
#include "catalog/event_kinds.h"
#include "catalog/name_systems.h"
#include "catalog/quantity_values.h"
#include "controls/dialog_keys.h"
#include "controls/hyperlink_control.h"
#include "controls/trackbar_control.h"
#include "views/sky_display_win.h"
#include "views/sky_render.h"
#include "views/sky_window_win.h"

namespace corvinata {
namespace {

// The links' click action has no context; there is one Sky panel.
SkyControlPanel* g_skyPanel = nullptr;
constexpr UINT kAnimationTimer = 7301;
constexpr int kComboTextLimit = 100;

// The panel is refreshed after every change of its window (each move of a
// drag, each frame of an animation): a control is set, and so repainted,
// only when what it shows differs.
void SetText(HWND control, const Char* text) {
    if (control == nullptr) return;
    if (text == nullptr) text = TXT("");
    constexpr int kRoom = 256;
    Char shown[kRoom] = {};
    const int length = GetWindowTextW(control, shown, kRoom);
    if (length < kRoom - 1 && std::wcscmp(shown, text) == 0) return;
    SetWindowTextW(control, text);
}

// A control disabled while it has the keys hands them on in the panel.
void Enable(HWND control, bool enable) {
    if (control != nullptr && (IsWindowEnabled(control) != FALSE) != enable) EnableKeepingKeys({control}, enable);
}

int ComboIndexOfText(HWND combo, const Char* const* names, int count) {
    Char text[kComboTextLimit + 1] = {};
    GetWindowTextW(combo, text, kComboTextLimit + 1);
    for (int i = 0; i < count; ++i) {
        if (std::wcscmp(names[i], text) == 0) return i;
    }
    return 0;
}

int SelectedCoordinateSystem(HWND combo) {
    const Char* names[kSkyPanelCoordinateSystems];
    for (int i = 0; i < kSkyPanelCoordinateSystems; ++i) names[i] = SkyCoordinateSystemName(i);
    return ComboIndexOfText(combo, names, kSkyPanelCoordinateSystems);
}

int SelectedTimeSystem(HWND combo) {
    const Char* codes[4];
    for (int i = 0; i < 4; ++i) codes[i] = GetTimeSystemCode(i);
    return ComboIndexOfText(combo, codes, 4);
}

DateTime ToCivil(const DateTime& moment, const TimeAndPlace& place) {
    DateTime civil = moment;
    ConvertTimeSystemAt(civil, kLocalCivilTime, place.place.longitude.GetValue(), place.place.timeZone.hours,
                        place.daylightSaving);
    return civil;
}

}  // namespace

SkyControlPanel::SkyControlPanel(SkyActions& actions, std::function<bool()> starsFixed,
                                 std::function<DateTime()> resetTime, std::function<int()> constellationNames)
    : actions_(actions),
      starsFixed_(std::move(starsFixed)),
      resetTime_(std::move(resetTime)),
      constellationNames_(std::move(constellationNames)) {
    g_skyPanel = this;
}

SkyControlPanel::~SkyControlPanel() {
    if (g_skyPanel == this) g_skyPanel = nullptr;
}

bool SkyControlPanel::Create(HINSTANCE instance, HWND parent, ModelessDialogs* modeless) {
    return CreatePanelDialog(instance, L"DLG_CTRL_SKY", parent, modeless);
}

SkyWindow* SkyControlPanel::Window() const { return dynamic_cast<SkyWindow*>(GetAttachedWindow()); }

HWND SkyControlPanel::Item(int id) const {
    HWND dialog = GetDialogWindow();
    if (dialog != itemsDialog_) {
        items_.clear();
        itemsDialog_ = dialog;
    }
    const auto known = items_.find(id);
    if (known != items_.end()) return known->second;
    HWND item = dialog ? GetDlgItem(dialog, id) : nullptr;
    if (item) items_.emplace(id, item);
    return item;
}

DateTime SkyControlPanel::GetPanelTime() const {
    return Window() != nullptr ? Window()->GetSkyDocument().GetTimeAndPlace().dateTime : DateTime{};
}

void SkyControlPanel::SetPanelTime(const DateTime& moment) {
    SkyWindow* window = Window();
    if (window == nullptr) return;
    const bool fixed = starsFixed_ ? starsFixed_() : false;
    if (TimePart() != nullptr && TimePart()->IsAnimating()) {
        // The frames of a run draw directly; the run becomes one step when
        // it stops. A run goes on in whichever Sky window is attached: the
        // part shown in the window before is its step there.
        if (running_ && runWindow_ != window) EndAnimationRun();
        if (!running_) {
            running_ = true;
            runStart_ = window->GetDocument().GetTimeAndPlace().dateTime;
            runWindow_ = window;
        }
        window->GetDocument().SetDateTime(moment, fixed, true);
        return;
    }
    actions_.GoTo(*window, moment, fixed, 2, nullptr);
}

void SkyControlPanel::EndAnimationRun() {
    if (!running_) return;
    running_ = false;
    SkyWindow* window = runWindow_;
    runWindow_ = nullptr;
    if (window == nullptr) return;
    SkyDocument& document = window->GetDocument();
    const DateTime end = document.GetTimeAndPlace().dateTime;
    const bool fixed = starsFixed_ ? starsFixed_() : false;
    document.SetDateTime(runStart_, fixed, false);
    actions_.GoTo(*window, end, fixed, 2, nullptr);
}

DateTime SkyControlPanel::GetResetTime() const { return resetTime_ ? resetTime_() : DateTime{}; }

void SkyControlPanel::ControlPanelStepTime(bool backward) {
    ControlPanel::ControlPanelStepTime(backward);
}

void SkyControlPanel::ControlPanelWindowClosing(PanelWindow* window) {
    if (running_ && static_cast<PanelWindow*>(runWindow_) == window) {
        running_ = false;
        runWindow_ = nullptr;
    }
    ControlPanel::ControlPanelWindowClosing(window);
}

void SkyControlPanel::OnInitDialog() {
    HWND dialog = GetDialogWindow();
    if (auto* rise = FindCustomControl<Hyperlink>(Item(kSkyRiseItem))) rise->SetClickAction(&RiseSetLinkClicked<false>);
    if (auto* set = FindCustomControl<Hyperlink>(Item(kSkySetItem))) set->SetClickAction(&RiseSetLinkClicked<true>);
    for (const int item : {kSkyFirstValueItem, kSkySecondValueItem, kSkyConstellationItem,
                           kSkyConstellationAbbrItem, kSkyPhaseItem, kSkyMagnitudeItem}) {
        SetText(Item(item), TXT(""));
    }
    PanelTimeConfig config;
    config.animateItem = kAnimateItem;
    config.timerId = kAnimationTimer;
    config.period = 100;
    PanelTimeTarget& target = *this;
    SetTimePart(std::make_unique<PanelTimePart>(dialog, config, target));
    HWND systems = Item(kSkyCoordinateSystemItem);
    for (int i = 0; i < kSkyPanelCoordinateSystems; ++i) {
        SendMessageW(systems, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(SkyCoordinateSystemName(i)));
    }
    SendMessageW(systems, CB_SETCURSEL, 0, 0);
    HWND times = Item(kSkyTimeSystemItem);
    for (int i = 0; i < 4; ++i) {
        SendMessageW(times, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(GetTimeSystemCode(i)));
    }
    SendMessageW(times, CB_SETCURSEL, kLocalCivilTime, 0);
    HWND slider = Item(kSkyZoomSliderItem);
    SendMessageW(slider, TBM_SETRANGE, TRUE, MAKELPARAM(kSkyZoomRangeMin, kSkyZoomRangeMax));
    SendMessageW(slider, TBM_SETLINESIZE, 0, 10);
    SendMessageW(slider, TBM_SETPAGESIZE, 0, 45);
}

void SkyControlPanel::ApplySettings(const PanelSettings& settings) {
    HWND dialog = GetDialogWindow();
    if (dialog == nullptr) return;
    if (TimePart() != nullptr) TimePart()->ShowTimeStep(settings.timeStep);
    if (settings.coordinateSystem >= 0 && settings.coordinateSystem < kSkyPanelCoordinateSystems) {
        SendMessageW(Item(kSkyCoordinateSystemItem), CB_SETCURSEL, settings.coordinateSystem, 0);
    }
    if (settings.riseSetTimeSystem >= 0 && settings.riseSetTimeSystem < 4) {
        SendMessageW(Item(kSkyTimeSystemItem), CB_SETCURSEL, settings.riseSetTimeSystem, 0);
    }
    ControlPanelUpdate(nullptr);
}

PanelSettings SkyControlPanel::ReadSettings() const {
    PanelSettings settings;
    HWND dialog = GetDialogWindow();
    if (dialog == nullptr) return settings;
    if (TimePart() != nullptr) settings.timeStep = TimePart()->ReadTimeStep();
    settings.coordinateSystem = SelectedCoordinateSystem(Item(kSkyCoordinateSystemItem));
    settings.riseSetTimeSystem = SelectedTimeSystem(Item(kSkyTimeSystemItem));
    return settings;
}

void SkyControlPanel::ControlPanelUpdate(void*) {
    HWND dialog = GetDialogWindow();
    SkyWindow* window = Window();
    if (dialog == nullptr || window == nullptr) return;
    ShowMoment();
    ShowZoom();
    ShowDirectionButtons();
    ShowSelectedObject();
    // What changed is painted at once.
    RedrawWindow(dialog, nullptr, nullptr, RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void SkyControlPanel::ShowWindowChange(std::uint32_t flags, bool everything) {
    constexpr std::uint32_t kViewOnly = kSkyChangeDirection | kSkyChangeZoom;
    if (everything || flags == 0 || (flags & ~kViewOnly) != 0) {
        ControlPanelUpdate(nullptr);
        return;
    }
    HWND dialog = GetDialogWindow();
    if (dialog == nullptr || Window() == nullptr) return;
    if (flags & kSkyChangeZoom) ShowZoom();
    if (flags & kSkyChangeDirection) ShowDirectionButtons();
    RedrawWindow(dialog, nullptr, nullptr, RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void SkyControlPanel::ShowMoment() {
    const TimeAndPlace& moment = Window()->GetSkyDocument().GetTimeAndPlace();
    String text;
    SetText(Item(20600), FormatDate(moment.dateTime, kDateToDay, text).Text());
    SetText(Item(21002), FormatTime(kTimeToSecond, ToCivil(moment.dateTime, moment), false, kRoundHoldDayEnd,
                                    nullptr, text).Text());
    DateTime sidereal = moment.dateTime;
    sidereal.hours = SkyLocalSiderealHours(moment);
    sidereal.timeSystem = kLocalSiderealTime;
    SetText(Item(kSkySiderealItem), FormatTime(kTimeToSecond, sidereal, false, kRoundHoldDayEnd, nullptr, text).Text());
}

void SkyControlPanel::ShowZoom() {
    const int zoom = Window()->GetZoom();
    if (SendMessageW(Item(kSkyZoomSliderItem), TBM_GETPOS, 0, 0) != zoom) {
        SendMessageW(Item(kSkyZoomSliderItem), TBM_SETPOS, TRUE, zoom);
    }
    Char number[32];
    std::swprintf(number, 32, L"%.2f", static_cast<double>(zoom));
    SetText(Item(kSkyZoomTextItem), number);
}

void SkyControlPanel::ShowDirectionButtons() {
    const double altitude = Window()->GetViewDirection().altitude;
    HWND up = Item(kSkyLookUpItem);
    HWND down = Item(kSkyLookDownItem);
    const bool upEnabled = altitude != 90.0;
    const bool downEnabled = altitude != -90.0;
    const HWND focus = GetFocus();
    Enable(Item(kSkyLookUpItem), upEnabled);
    Enable(Item(kSkyLookDownItem), downEnabled);
    if (!upEnabled && focus == up) SetFocus(down);
    if (!downEnabled && focus == down) SetFocus(up);
}

void SkyControlPanel::ShowSelectedObject() {
    HWND dialog = GetDialogWindow();
    SkyWindow* window = Window();
    if (dialog == nullptr || window == nullptr) return;
    const int system = SelectedCoordinateSystem(Item(kSkyCoordinateSystemItem));
    const int timeSystem = SelectedTimeSystem(Item(kSkyTimeSystemItem));
    SetText(Item(kSkyFirstLabelItem), SkyFirstCoordinateLabel(system));
    SetText(Item(kSkySecondLabelItem), SkySecondCoordinateLabel(system));

    const CelestialObject* object = window->GetSelectedObject();
    const SkyPanelObject shown =
        ComputeSkyPanelObject(object, window->GetSkyDocument().GetTimeAndPlace(), system, timeSystem);
    const SkyPanelRows& rows = shown.rows;
    const PropertyMap& map = shown.values;
    // Angles and right ascensions as the user chose them in the appearance options.
    const QuantityFormatRequest request = DisplayFormatRequest();
    auto show = [&](int item, std::uint32_t id, bool on) {
        String value;
        if (on && map.Has(id)) map.Format(id, value, request);
        SetText(Item(item), value.Text());
        Enable(Item(item), on);
    };
    String name;
    if (object != nullptr) object->CelestialObjectFullName(name);
    SetText(Item(kSkyNameItem), name.Text());
    show(kSkyFirstValueItem, kFunctionLongitude, rows.objectFields);
    show(kSkySecondValueItem, kFunctionLatitude, rows.objectFields);
    // The constellation and the one the zodiac sign is named after: the
    // name in the application's name system beside the abbreviation.
    const int nameSystem = constellationNames_ ? constellationNames_() : kConstellationClassic;
    auto constellation = [&](int item, std::uint32_t id, const Char* text) {
        SetText(Item(item), rows.objectFields && map.Has(id) ? text : TXT(""));
        Enable(Item(item), rows.objectFields);
    };
    const double inConstellation = map.Has(kFunctionConstellation) ? map.Value(kFunctionConstellation) : -1.0;
    const double sign = map.Has(kFunctionSignOfZodiac) ? map.Value(kFunctionSignOfZodiac) : -1.0;
    constellation(kSkyConstellationItem, kFunctionConstellation, SkyConstellationName(inConstellation, nameSystem));
    constellation(kSkyConstellationAbbrItem, kFunctionConstellation, SkyConstellationAbbreviation(inConstellation));
    constellation(kSkyZodiacItem, kFunctionSignOfZodiac, SkyZodiacName(sign, nameSystem));
    constellation(kSkyZodiacAbbrItem, kFunctionSignOfZodiac, SkyZodiacAbbreviation(sign));
    show(kSkyMagnitudeItem, kFunctionMagnitude, rows.magnitude);
    show(kSkyPhaseItem, kFunctionPhase, rows.phase);
    Enable(Item(kSkyMagnitudeLabelItem), rows.magnitude);
    Enable(Item(kSkyPhaseLabelItem), rows.phase);
    Enable(Item(kSkyHighlightItem), HighlightAllowed(*window));

    // Each link leads to the event it shows: the pair the panel holds is
    // that of the document's date told in the chosen time system. A
    // selection without the event shows the missing time.
    EventTimePairAssign(riseSet_, shown.riseSet);
    for (const auto& [item, event] : {std::pair<int, const EventTime*>{kSkyRiseItem, &riseSet_.first},
                                      std::pair<int, const EventTime*>{kSkySetItem, &riseSet_.second}}) {
        const String text = object != nullptr && rows.objectFields ? RiseSetLinkText(*event, kTimeToSecond) : String();
        ShowLink(Item(item), text.Text(), RiseSetLinkLeads(*event));
    }
}

void SkyControlPanel::DisableHighlight() {
    DisableKeepingKeys(Item(kSkyHighlightItem));
}

// A selection to flash, and no flash running.
bool SkyControlPanel::HighlightAllowed(const SkyWindow& window) {
    const CelestialObject* object = window.GetSelectedObject();
    return SkyPanelRowsFor(object != nullptr ? object->GetTypeId() : -1).highlight && !window.HighlightOn();
}

// Disabling the button took the focus from it; a hidden panel takes none.
void SkyControlPanel::FocusHighlight() {
    HWND dialog = GetDialogWindow();
    HWND button = Item(kSkyHighlightItem);
    SkyWindow* window = Window();
    if (dialog == nullptr || button == nullptr || window == nullptr) return;
    Enable(button, HighlightAllowed(*window));
    GiveKeysTo(button);
}

template <bool Set>
void SkyControlPanel::RiseSetLinkClicked(const Char*) {
    if (g_skyPanel != nullptr) g_skyPanel->RiseSetClicked(Set);
}

void SkyControlPanel::RiseSetClicked(bool set) {
    SkyWindow* window = Window();
    if (window == nullptr) return;
    // The link leads to the event it shows, held since the last refresh:
    // date and time, as told in another system the event may lie on
    // another date of the document's clock.
    DateTime event;
    if (!RiseSetLinkMoment(window->GetSkyDocument().GetTimeAndPlace(), set ? riseSet_.second : riseSet_.first,
                           event)) {
        return;
    }
    actions_.GoTo(*window, event, starsFixed_ ? starsFixed_() : false, kChangeWhole, nullptr);
}

void SkyControlPanel::OnCommand(int item, int code) {
    if (item == kAnimateItem) {
        // Stopped now or started afresh: the run before (ended at the end of
        // the dates) is over; a started run begins at its first frame.
        EndAnimationRun();
        return;
    }
    if (item == kSkyCoordinateSystemItem || item == kSkyTimeSystemItem) {
        if (code == CBN_SELCHANGE) ShowSelectedObject();
        return;
    }
    if (code != BN_CLICKED) return;
    SkyWindow* window = Window();
    if (window == nullptr) return;
    switch (item) {
    case kSkyLookUpItem: actions_.LookStep(*window, kLookUp); break;
    case kSkyLookDownItem: actions_.LookStep(*window, kLookDown); break;
    // Raising the azimuth turns the view left on screen.
    case kSkyTurnLeftItem: actions_.LookStep(*window, kLookRight); break;
    case kSkyTurnRightItem: actions_.LookStep(*window, kLookLeft); break;
    case kSkyLookOriginItem: actions_.LookToOrigin(*window); break;
    case kSkyHighlightItem: actions_.LookAtSelection(*window); break;
    default: break;
    }
}

void SkyControlPanel::OnSliderDrag() {
    SkyWindow* window = Window();
    if (window == nullptr) return;
    const int position = static_cast<int>(SendDlgItemMessageW(GetDialogWindow(), kSkyZoomSliderItem, TBM_GETPOS, 0, 0));
    if (position == window->GetZoom()) return;
    window->SetZoom(position);
    if (window->Display() != nullptr) window->Display()->SetSizing(true);
    window->UpdateView(kSkyChangeZoom, false);
}

void SkyControlPanel::OnSliderMoved(int from, int to) {
    SkyWindow* window = Window();
    if (window == nullptr) return;
    if (window->Display() != nullptr) window->Display()->SetSizing(false);
    if (from == to) {
        window->SetZoom(to);
        window->UpdateView(kSkyChangeZoom, false);
        return;
    }
    window->SetZoom(from);
    actions_.ZoomTo(*window, to, 0, nullptr);
}

INT_PTR SkyControlPanel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: OnInitDialog(); return TRUE;
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return FALSE;
    case WM_HSCROLL:
        if (reinterpret_cast<HWND>(lParam) == GetDlgItem(GetDialogWindow(), kSkyZoomSliderItem)) OnSliderDrag();
        return TRUE;
    case kTrackbarMovedMessage: OnSliderMoved(LOWORD(wParam), HIWORD(wParam)); return TRUE;
    default: return FALSE;
    }
}

}  // namespace corvinata
