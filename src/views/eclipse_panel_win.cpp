#include "views/eclipse_panel_win.h"

#include <commctrl.h>

#include "catalog/quantity_values.h"
#include "controls/dialog_keys.h"
#include "controls/hyperlink_control.h"
#include "controls/spin_edit_window.h"
#include "controls/trackbar_control.h"

namespace corvinata {
namespace {

// The links' click action has no context; there is one eclipse panel.
EclipseControlPanel* g_eclipsePanel = nullptr;
constexpr int kTemplateTextLimit = 200;

// Angle picker display modes: longitude, latitude.
constexpr int kLongitudePickerKind = 3;
constexpr int kLatitudePickerKind = 1;

PickerControl<AnglePicker>* AnglePickerOf(HWND dialog, int item) {
    return FindCustomControl<PickerControl<AnglePicker>>(GetDlgItem(dialog, item));
}

void SetText(HWND dialog, int item, const String& text) { SetDlgItemTextW(dialog, item, text.Text()); }
// A control disabled while it has the keys hands them on in the panel.
void Enable(HWND dialog, int item, bool enable) { EnableKeepingKeys({GetDlgItem(dialog, item)}, enable); }

String ItemText(HWND dialog, int item) {
    Char text[kTemplateTextLimit + 1] = {};
    GetDlgItemTextW(dialog, item, text, kTemplateTextLimit + 1);
    return String(text);
}

}  // namespace

EclipseControlPanel::EclipseControlPanel(PanelServices& services, SolarEclipseActions& actions)
    : services_(services), actions_(actions) {
    g_eclipsePanel = this;
}

EclipseControlPanel::~EclipseControlPanel() {
    if (g_eclipsePanel == this) g_eclipsePanel = nullptr;
}

DateTime EclipseControlPanel::GetPanelTime() const {
    return Window() != nullptr ? Window()->ReadPanel().shown : DateTime{};
}

void EclipseControlPanel::SetPanelTime(const DateTime& moment) {
    if (Window() != nullptr) actions_.DisplayDetailsForTime(Window()->GetCommands(), moment, 2, nullptr);
}

DateTime EclipseControlPanel::GetResetTime() const {
    return Window() != nullptr ? Window()->ReadPanel().searched : DateTime{};
}

void EclipseControlPanel::RestoreState(const TimeStep& step, const DateTime& date) {
    if (TimePart() != nullptr) TimePart()->ShowTimeStep(step);
    if (auto* picker = FindCustomControl<DatePickerControl>(GetDlgItem(GetDialogWindow(), kGoToDateItem))) {
        picker->SetDate(date.year, date.month, date.day);
        RedrawWindowNow(picker->Window());
    }
    ControlPanelUpdate(nullptr);
}

void EclipseControlPanel::StoreState(TimeStep& step, DateTime& date) const {
    if (GetDialogWindow() == nullptr || TimePart() == nullptr) return;
    step = TimePart()->ReadTimeStep();
    if (auto* picker = FindCustomControl<DatePickerControl>(GetDlgItem(GetDialogWindow(), kGoToDateItem))) {
        picker->GetDate(date.year, date.month, date.day);
    }
}

void EclipseControlPanel::OnInitDialog() {
    HWND dialog = GetDialogWindow();
    HWND zoom = GetDlgItem(dialog, kZoomTrackbarItem);
    SendMessageW(zoom, TBM_SETRANGE, TRUE, MAKELPARAM(kEclipseZoomMin, kEclipseZoomMax));
    SendMessageW(zoom, TBM_SETPAGESIZE, 0, 1);
    SendMessageW(zoom, TBM_SETTICFREQ, 1, 0);
    PanelTimeConfig config;
    config.dateItem = kBrowseDateItem;
    config.timeItem = kBrowseTimeItem;
    PanelTimeTarget& target = *this;
    SetTimePart(std::make_unique<PanelTimePart>(dialog, config, target));
    const int degreeBase = DisplayFormatRequest().angleDegreeBase;
    if (auto* longitude = AnglePickerOf(dialog, kLongitudePickerItem)) {
        longitude->SetFormat(kLongitudePickerKind, degreeBase, false);
    }
    if (auto* latitude = AnglePickerOf(dialog, kLatitudePickerItem)) {
        latitude->SetFormat(kLatitudePickerKind, degreeBase, false);
    }
    for (const EclipseContactItems& row : kEclipseContactItems) {
        if (auto* link = FindCustomControl<Hyperlink>(GetDlgItem(dialog, row.link))) {
            link->SetClickAction(&ContactLinkClicked);
        }
    }
}

void EclipseControlPanel::ContactLinkClicked(const Char* value) {
    EclipseControlPanel* panel = g_eclipsePanel;
    if (panel == nullptr || panel->Window() == nullptr || value == nullptr) return;
    DateTime moment;
    if (EclipseContactMoment(panel->Window()->ReadPanel().shown, value, moment)) {
        panel->actions_.DisplayDetailsForTime(panel->Window()->GetCommands(), moment, 2, nullptr);
    }
}

void EclipseControlPanel::OnCommand(int item) {
    if (Window() == nullptr) return;
    EclipseWindowCommands& view = Window()->GetCommands();
    HWND dialog = GetDialogWindow();
    switch (item) {
        case kResetMapItem: actions_.ResetMap(view); break;
        case kPathItem: actions_.GoToCentralPath(view, nullptr); break;
        case kLocationItem: actions_.GoToSelectedLocation(view, nullptr); break;
        case kApplyLocationItem: {
            auto* longitude = AnglePickerOf(dialog, kLongitudePickerItem);
            auto* latitude = AnglePickerOf(dialog, kLatitudePickerItem);
            if (longitude == nullptr || latitude == nullptr) break;
            // The picker shows east as positive; the map counts west.
            actions_.DisplayDetails(view, MapPoint{-longitude->GetValue(), latitude->GetValue()},
                                    kDetailsLongitude | kDetailsLatitude, nullptr);
            break;
        }
        case kGoToItem: {
            auto* picker = FindCustomControl<DatePickerControl>(GetDlgItem(dialog, kGoToDateItem));
            if (picker == nullptr) break;
            DateTime date{kFirstValidYear, 1, 1, 0.0, kUniversalTime};
            picker->GetDate(date.year, date.month, date.day);
            actions_.CheckDate(view, date, nullptr);
            break;
        }
        default: break;
    }
}

void EclipseControlPanel::OnSpin(int item, int delta) {
    if (Window() == nullptr || delta == 0) return;
    EclipseWindowCommands& view = Window()->GetCommands();
    const int step = delta > 0 ? -1 : 1;
    const MapPoint centre = view.GetCentre();
    EclipseSpin spin;
    if (item == kLongitudeSpinnerItem) {
        spin = SpinEclipseLongitude(centre, Window()->VisibleLongitudeSpan(), step);
        view.SetCentreLongitude(spin.snapped);
    } else {
        spin = SpinEclipseLatitude(centre, Window()->VisibleLatitudeSpan(), step);
        view.SetCentreLatitude(spin.snapped);
    }
    actions_.Center(view, spin.centre, nullptr);
}

void EclipseControlPanel::OnZoomMoved(int from, int to) {
    if (Window() == nullptr || from == to) return;
    EclipseWindowCommands& view = Window()->GetCommands();
    // The trackbar moved the view already; the step runs from where it was.
    view.SetZoom(from);
    actions_.ZoomTo(view, to, nullptr);
}

void EclipseControlPanel::ShowTexts(const EclipsePanelTexts& t) {
    HWND dialog = GetDialogWindow();
    Enable(dialog, kLocationItem, t.locationButtonEnabled);
    Enable(dialog, kPathItem, t.pathButtonEnabled);

    if (auto* longitude = AnglePickerOf(dialog, kLongitudePickerItem)) {
        longitude->SetValue(t.longitudePicker);
        RedrawWindowNow(longitude->Window());
    }
    if (auto* latitude = AnglePickerOf(dialog, kLatitudePickerItem)) {
        latitude->SetValue(t.latitudePicker);
        RedrawWindowNow(latitude->Window());
    }
    SetText(dialog, kLocationZoneItem, t.timeZone);
    for (const int item :
         {kLongitudePickerItem, kLatitudePickerItem, kApplyLocationItem, kLocationZoneItem}) {
        Enable(dialog, item, t.locationBrowserEnabled);
    }

    SetText(dialog, kSearchedDateItem, t.searchedDate);
    SetText(dialog, kEclipseTypeItem, t.typeName);
    SetText(dialog, kPhaseSentenceItem, t.phaseSentence);
    Enable(dialog, kPhaseSentenceItem, t.phaseSentenceEnabled);

    for (int i = 0; i < 3; ++i) {
        const EclipseContactItems& row = kEclipseContactItems[i];
        const EclipseContactTexts& contact = t.contacts[i];
        if (auto* link = FindCustomControl<Hyperlink>(GetDlgItem(dialog, row.link))) {
            link->SetTarget(contact.value.Text());
            link->SetText(contact.display.Text());
            link->SetState(contact.linkActive ? Hyperlink::kActiveLink : Hyperlink::kPlainText);
            InvalidateRect(GetDlgItem(dialog, row.link), nullptr, TRUE);
        }
        SetText(dialog, row.altitude, contact.altitude);
        Enable(dialog, row.label, contact.labelsEnabled);
        Enable(dialog, row.altitudeLabel, contact.labelsEnabled);
        Enable(dialog, row.link, contact.valuesEnabled);
        Enable(dialog, row.altitude, contact.valuesEnabled);
    }
    SetText(dialog, kMaximumLabelItem, t.maximumLabel);

    SetText(dialog, kDurationLabelItem, t.durationLabel);
    Enable(dialog, kDurationLabelItem, t.durationLabelEnabled);
    SetText(dialog, kDurationItem, t.duration);
    Enable(dialog, kDurationItem, t.durationEnabled);
    SetText(dialog, kWidthItem, t.width);
    Enable(dialog, kWidthLabelItem, t.widthLabelEnabled);
    Enable(dialog, kWidthItem, t.widthEnabled);

    SetText(dialog, kCentreLongitudeItem, t.centreLongitude);
    SetText(dialog, kCentreLatitudeItem, t.centreLatitude);
    SendDlgItemMessageW(dialog, kZoomTrackbarItem, TBM_SETPOS, TRUE, t.zoom);

    SetText(dialog, kMagnitudeItem, t.magnitude);
    SetText(dialog, kMaximumAltitudeItem, t.maximumAltitude);
    Enable(dialog, kMagnitudeLabelItem, t.maximumLabelsEnabled);
    Enable(dialog, kMaximumAltitudeLabelItem, t.maximumLabelsEnabled);
    Enable(dialog, kMagnitudeItem, t.maximumValuesEnabled);
    Enable(dialog, kMaximumAltitudeItem, t.maximumValuesEnabled);

    SetText(dialog, kBrowseDateItem, t.browseDate);
    SetText(dialog, kBrowseTimeItem, t.browseTime);
    SetText(dialog, kBrowseLocalItem, t.browseLocalTime);
    Enable(dialog, kBrowseLocalItem, t.timeBrowserEnabled);
    Enable(dialog, kBrowseUtLabelItem, t.timeBrowserEnabled);
    if (TimePart() != nullptr) TimePart()->EnableTimeStep(t.timeBrowserEnabled);
}

void EclipseControlPanel::ControlPanelUpdate(void*) {
    if (Window() == nullptr || GetDialogWindow() == nullptr) return;
    HWND dialog = GetDialogWindow();
    ShowTexts(MakeEclipsePanelTexts(Window()->ReadPanel(), ItemText(dialog, kPhaseTemplateItem).Text(),
                                    ItemText(dialog, kDurationTemplateItem).Text()));
}

INT_PTR EclipseControlPanel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: OnInitDialog(); return TRUE;
        case WM_COMMAND: OnCommand(LOWORD(wParam)); return FALSE;
        case WM_NOTIFY: {
            const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
            const int item = static_cast<int>(header.idFrom);
            if (header.code != UDN_DELTAPOS ||
                (item != kLongitudeSpinnerItem && item != kLatitudeSpinnerItem)) {
                return FALSE;
            }
            OnSpin(item, reinterpret_cast<const NMUPDOWN&>(header).iDelta);
            return DialogResult(GetDialogWindow(), 0);
        }
        case kTrackbarMovedMessage: OnZoomMoved(LOWORD(wParam), HIWORD(wParam)); return TRUE;
        default: return FALSE;
    }
}

}  // namespace corvinata
