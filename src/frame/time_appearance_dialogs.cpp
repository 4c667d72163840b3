#include "frame/time_appearance_dialogs.h"

#include <algorithm>

#include <commctrl.h>

#include "app/date_picker.h"
#include "app/time_picker.h"
#include "base/date_time_text.h"
#include "base/time_systems.h"
#include "controls/control_classes.h"
#include "controls/spin_edit_window.h"
#include "controls/window_text.h"

namespace corvinata {
namespace {

template <class Params>
Params* ParamsOf(HWND dialog) {
    return reinterpret_cast<Params*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

bool IsChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void Check(HWND dialog, int id, bool on) { CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED); }

// --- Appearance ----------------------------------------------------------

void EnableLevels(HWND dialog, bool on) {
    EnableWindow(GetDlgItem(dialog, kIdBrightness), on);
    EnableWindow(GetDlgItem(dialog, kIdContrast), on);
}

void SetLevel(HWND dialog, int id, double level) {
    HWND trackbar = GetDlgItem(dialog, id);
    SendMessageW(trackbar, TBM_SETRANGE, TRUE, MAKELPARAM(0, kLevelPositionMax));
    SendMessageW(trackbar, TBM_SETPOS, TRUE, LevelToPosition(level));
}

// The Appearance dialog while it is open: the frame tells its trackbars of
// a change of the system colours.
HWND g_appearanceDialog = nullptr;

INT_PTR OnAppearanceInit(HWND dialog, AppearanceDialogParams& params) {
    g_appearanceDialog = dialog;
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&params));
    PlaceDialog(dialog, params.placement);
    const GeneralOptions& options = params.options;
    Check(dialog, options.raDisplayUnit == 1 ? kIdRaHours : kIdRaDegrees, true);
    Check(dialog, options.angleDegreeBase == 1 ? kIdAnglesDecimal : kIdAnglesSexagesimal, true);
    if (options.constellationLanguage == 0) Check(dialog, kIdConstellationLatin, true);
    if (options.constellationLanguage == 1) Check(dialog, kIdConstellationModern, true);
    Check(dialog, options.factoryReset        ? kIdFactoryDefaults
                 : options.saveOptionsOnExit ? kIdStoreChanges
                                             : kIdDiscardChanges,
          true);
    NightVisionSettings& night = *params.nightVision;
    night.RememberOpened();
    Check(dialog, kIdNightVision, night.IsNightVisionActive());
    EnableLevels(dialog, night.IsNightVisionActive());
    SetLevel(dialog, kIdBrightness, night.Levels().brightness);
    SetLevel(dialog, kIdContrast, night.Levels().contrast);
    return TRUE;
}

void OnNightVisionClicked(HWND dialog, AppearanceDialogParams& params) {
    const bool on = IsChecked(dialog, kIdNightVision);
    // The stored levels, not the trackbar positions: opening and closing the
    // dialog must not move them.
    params.nightVision->ApplyNightVision(on, kKeepLevel, kKeepLevel);
    EnableLevels(dialog, on);
    InvalidateRect(dialog, nullptr, TRUE);
}

// Any move of a level's trackbar, whatever its request code: the position
// is read from the control, so page keys move by the page and a drag is
// followed.
// A trackbar's key, click or drag moves its level by one step at a time (a
// page key too), to either end, or with the thumb; the level applies at once,
// and both trackbars show the levels then.
void OnLevelMoved(HWND dialog, AppearanceDialogParams& params, WPARAM wParam, HWND trackbar) {
    const int id = GetDlgCtrlID(trackbar);
    const int code = LOWORD(wParam);
    if ((id != kIdBrightness && id != kIdContrast) || code > TB_BOTTOM) return;
    const NightVisionLevels& now = params.nightVision->Levels();
    const int before = LevelToPosition(id == kIdBrightness ? now.brightness : now.contrast);
    int position = before;
    switch (code) {
        case TB_LINEUP:
        case TB_PAGEUP: position = std::max(before - 1, 0); break;
        case TB_LINEDOWN:
        case TB_PAGEDOWN: position = std::min(before + 1, kLevelPositionMax); break;
        case TB_THUMBTRACK: position = std::clamp(static_cast<int>(HIWORD(wParam)), 0, kLevelPositionMax); break;
        case TB_TOP: position = 0; break;
        case TB_BOTTOM: position = kLevelPositionMax; break;
        default: break;
    }
    if (position != before) {
        const double level = PositionToLevel(position);
        params.nightVision->ApplyNightVision(true, id == kIdBrightness ? level : now.brightness,
                                             id == kIdContrast ? level : now.contrast);
    }
    // The thumbs where the levels are (a page key moved this one a page).
    SetLevel(dialog, kIdBrightness, params.nightVision->Levels().brightness);
    SetLevel(dialog, kIdContrast, params.nightVision->Levels().contrast);
    if (position != before) InvalidateRect(dialog, nullptr, TRUE);
}

void OnAppearanceOk(HWND dialog, AppearanceDialogParams& params) {
    GeneralOptions& options = params.options;
    if (IsChecked(dialog, kIdRaHours)) options.raDisplayUnit = 1;
    if (IsChecked(dialog, kIdRaDegrees)) options.raDisplayUnit = 0;
    if (IsChecked(dialog, kIdAnglesDecimal)) options.angleDegreeBase = 1;
    if (IsChecked(dialog, kIdAnglesSexagesimal)) options.angleDegreeBase = 0;
    if (IsChecked(dialog, kIdConstellationLatin)) options.constellationLanguage = 0;
    if (IsChecked(dialog, kIdConstellationModern)) options.constellationLanguage = 1;
    if (IsChecked(dialog, kIdStoreChanges)) {
        options.factoryReset = false;
        options.saveOptionsOnExit = true;
    } else if (IsChecked(dialog, kIdDiscardChanges)) {
        options.factoryReset = false;
        options.saveOptionsOnExit = false;
    } else if (IsChecked(dialog, kIdFactoryDefaults)) {
        options.factoryReset = true;
        options.saveOptionsOnExit = true;
    }
    EndDialog(dialog, 1);
}

// --- Date and Time --------------------------------------------------------

// The system clock in the program's own date and time format, as every
// other date of the program is shown, whatever the locale.
void ShowSystemClock(HWND dialog) {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    DateTime clock;
    clock.year = now.wYear;
    clock.month = now.wMonth;
    clock.day = now.wDay;
    clock.hours = now.wHour + now.wMinute / 60.0 + now.wSecond / 3600.0;
    clock.timeSystem = kLocalCivilTime;
    String date;
    String time;
    FormatDate(clock, kDateToDay, date);
    FormatTime(kTimeToSecond, clock, false, kTruncateTime, nullptr, time);
    SetDlgItemTextW(dialog, kIdSystemDate, date.Text());
    SetDlgItemTextW(dialog, kIdSystemClock, time.Text());
}

bool SystemDaylightSavingNow() {
    TIME_ZONE_INFORMATION zone{};
    return GetTimeZoneInformation(&zone) == TIME_ZONE_ID_DAYLIGHT;
}

INT_PTR OnDateTimeInit(HWND dialog, DateTimeDialogParams& params) {
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&params));
    PlaceDialog(dialog, params.placement);
    const DateTimeOptions& options = params.options;
    ShowSystemClock(dialog);
    SetDlgItemTextW(dialog, kIdSystemDaylightSaving, SystemDaylightSavingNow() ? L"On" : L"Off");
    Check(dialog, options.userDefined ? kIdUserTime : kIdSystemTime, true);
    if (auto* date = FindCustomControl<PickerControl<DatePicker>>(GetDlgItem(dialog, kIdUserDate))) {
        date->SetDate(options.userTime.year, options.userTime.month, options.userTime.day);
        date->Redraw();
    }
    if (auto* clock = FindCustomControl<PickerControl<TimePicker>>(GetDlgItem(dialog, kIdUserClock))) {
        clock->SetValue(options.userTime.hours < 0.0 ? 0.0 : options.userTime.hours);
        clock->Redraw();
    }
    HWND scales = GetDlgItem(dialog, kIdTimeScale);
    for (int system = kUniversalTime; system <= kLocalSiderealTime; ++system)
        SendMessageW(scales, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(GetTimeSystemCode(system)));
    int selected = options.userTime.timeSystem;
    if (selected < kUniversalTime || selected > kLocalSiderealTime) selected = kLocalCivilTime;
    SendMessageW(scales, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
    Check(dialog, kIdDaylightSaving, options.userDaylightSaving);
    Check(dialog, kIdRealTimeClock, options.clockActive);
    SetTimer(dialog, kClockLabelTimer, 1000, nullptr);
    // Every control stays enabled whichever time is chosen: the radio
    // buttons only say which time OK applies, and the date comes first.
    SetFocus(GetDlgItem(dialog, kIdUserDate));
    return FALSE;  // the focus is set
}

void OnDateTimeOk(HWND dialog, DateTimeDialogParams& params) {
    DateTimeOptions& options = params.options;
    options.userDefined = !IsChecked(dialog, kIdSystemTime);
    if (auto* date = FindCustomControl<PickerControl<DatePicker>>(GetDlgItem(dialog, kIdUserDate)))
        date->GetDate(options.userTime.year, options.userTime.month, options.userTime.day);
    if (auto* clock = FindCustomControl<PickerControl<TimePicker>>(GetDlgItem(dialog, kIdUserClock)))
        options.userTime.hours = clock->GetValue();
    options.userDaylightSaving = IsChecked(dialog, kIdDaylightSaving);
    const String code = DialogItemText(dialog, kIdTimeScale);
    const int system = FindTimeSystemByCode(code.Text());
    if (system >= kUniversalTime && system <= kLocalSiderealTime) options.userTime.timeSystem = system;
    options.clockActive = IsChecked(dialog, kIdRealTimeClock);
    KillTimer(dialog, kClockLabelTimer);
    EndDialog(dialog, 1);
}

}  // namespace

DialogTemplate AppearanceDialogTemplate() {
    constexpr short w = 250;
    constexpr short h = 290;
    constexpr short inner = kDialogMargin + 8;
    constexpr short column = 86;
    DialogTemplate t(L"Appearance", w, h);
    t.Group(L"&Constellation names", -1, kDialogMargin, 7, w - 14, 40)
        .Radio(L"Modern (Great Bear)", kIdConstellationModern, inner, 19, 200, true)
        .Radio(L"Latin     (Ursa Maior)", kIdConstellationLatin, inner, 31, 200, false)
        .Group(L"Angles", -1, kDialogMargin, 51, w - 14, 62)
        .Label(L"&Degrees", -1, inner, 63, 60)
        .Radio(L"Sexagesimal (180\u00b000'00\")", kIdAnglesSexagesimal, column, 63, 150, true)
        .Radio(L"Decimal        (180.00000\u00b0)", kIdAnglesDecimal, column, 75, 150, false)
        .Label(L"&Right ascension", -1, inner, 89, 66)
        .Radio(L"Hours     (12h00m00s / 12.00h)", kIdRaHours, column, 89, 150, true)
        .Radio(L"Degrees (180\u00b000'00\" / 180.00000\u00b0)", kIdRaDegrees, column, 101, 150, false)
        .Group(L"&Night vision mode", -1, kDialogMargin, 117, w - 14, 96)
        .Check(L"Red colours", kIdNightVision, inner, 129, 120)
        // Night vision recolours the whole desktop, not only this program.
        .Label(L"Activating night vision mode will temporarily change the visual appearance of all Windows "
               L"applications. To restore the original appearance, reactivate Visual Styles in the Windows "
               L"Control Panel after you exit Corvinata.",
               -1, inner, 142, w - 14 - 16, 32)
        .Label(L"Brightness", -1, inner, 181, 60)
        .Add(kTrackbarClass, L"", kIdBrightness, TBS_HORZ | TBS_NOTICKS | WS_TABSTOP | WS_GROUP, column,
             179, 140, 14)
        .Label(L"Contrast", -1, inner, 197, 60)
        .Add(kTrackbarClass, L"", kIdContrast, TBS_HORZ | TBS_NOTICKS | WS_TABSTOP | WS_GROUP, column,
             195, 140, 14)
        .Group(L"&Options and window state", -1, kDialogMargin, 217, w - 14, 46)
        .Label(L"When Corvinata terminates", -1, inner, 229, 66, 16)
        .Radio(L"Store any changes", kIdStoreChanges, column, 227, 150, true)
        .Radio(L"Discard any changes", kIdDiscardChanges, column, 237, 150, false)
        .Radio(L"Set to the factory defaults", kIdFactoryDefaults, column, 247, 150, false);
    return std::move(t.OkCancel(w, h));
}

DialogTemplate DateTimeDialogTemplate() {
    constexpr short w = 220;
    constexpr short h = 150;
    constexpr short inner = kDialogMargin + 12;
    constexpr short column = 110;
    DialogTemplate t(L"Date and Time", w, h);
    // The two radio buttons first, so that the arrow keys move between them.
    t.Radio(L"S&ystem time", kIdSystemTime, kDialogMargin, 7, 90, true)
        .Radio(L"&User defined time", kIdUserTime, kDialogMargin, 44, 90, false)
        .Label(L"", kIdSystemDate, column, 8, 100)
        // The system's clock shows local civil time.
        .Label(L"", kIdSystemClock, column, 19, 70)
        .Label(L"LCT", -1, column + 72, 19, 20)
        .Label(L"Daylight saving time:", -1, inner, 30, 80)
        .Label(L"", kIdSystemDaylightSaving, column, 30, 40)
        .Add(kDatePickerClass, L"", kIdUserDate, WS_TABSTOP | WS_GROUP, inner, 57, 80, kEditHeight)
        .Label(L"&Time", -1, inner, 75, 20)
        .Add(kTimePickerClass, L"", kIdUserClock, WS_TABSTOP | WS_GROUP, inner + 24, 73, 56, kEditHeight)
        .Add(DialogClass::kComboBox, L"", kIdTimeScale, CBS_DROPDOWNLIST | WS_TABSTOP | WS_GROUP | WS_VSCROLL,
             column, 73, 40, 80)
        .Check(L"&Daylight saving time", kIdDaylightSaving, inner, 91, 120)
        .Group(L"Real time clock", -1, kDialogMargin, 105, w - 14, 20)
        .Check(L"&Active", kIdRealTimeClock, inner, 113, 80);
    return std::move(t.OkCancel(w, h));
}

INT_PTR CALLBACK AppearanceDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG)
        return OnAppearanceInit(dialog, *reinterpret_cast<AppearanceDialogParams*>(lParam));
    AppearanceDialogParams* params = ParamsOf<AppearanceDialogParams>(dialog);
    if (!params) return FALSE;
    switch (message) {
        case WM_HSCROLL:
            OnLevelMoved(dialog, *params, wParam, reinterpret_cast<HWND>(lParam));
            return TRUE;
        case WM_DESTROY:
            if (g_appearanceDialog == dialog) g_appearanceDialog = nullptr;
            break;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case kIdNightVision: OnNightVisionClicked(dialog, *params); return TRUE;
                case IDOK: OnAppearanceOk(dialog, *params); return TRUE;
                // The levels tried out go back to those the dialog opened with.
                case IDCANCEL: params->nightVision->RestoreOpened(); break;
                default: break;
            }
            break;
        default:
            break;
    }
    return AnswerPlacedDialog(dialog, message, wParam, HelpPage::Appearance, params->placement);
}

INT_PTR CALLBACK DateTimeDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG)
        return OnDateTimeInit(dialog, *reinterpret_cast<DateTimeDialogParams*>(lParam));
    DateTimeDialogParams* params = ParamsOf<DateTimeDialogParams>(dialog);
    if (!params) return FALSE;
    switch (message) {
        case WM_TIMER:
            if (wParam == kClockLabelTimer) ShowSystemClock(dialog);
            return TRUE;
        case WM_DESTROY:
            KillTimer(dialog, kClockLabelTimer);
            break;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDOK: OnDateTimeOk(dialog, *params); return TRUE;
                case IDCANCEL: KillTimer(dialog, kClockLabelTimer); break;
                default: break;
            }
            break;
        default:
            break;
    }
    return AnswerPlacedDialog(dialog, message, wParam, HelpPage::DateAndTime, params->placement);
}

INT_PTR ShowAppearanceDialog(HWND owner, AppearanceDialogParams& params) {
    return RunDialog(owner, AppearanceDialogTemplate(), &AppearanceDlgProc,
                     reinterpret_cast<LPARAM>(&params));
}

INT_PTR ShowDateTimeDialog(HWND owner, DateTimeDialogParams& params) {
    return RunDialog(owner, DateTimeDialogTemplate(), &DateTimeDialogProc, reinterpret_cast<LPARAM>(&params));
}

bool ChangeAppearance(HWND owner, GeneralOptions& current, NightVisionSettings& nightVision,
                      NotificationRegistryInterface& hubs, WindowGeometry* placement) {
    AppearanceDialogParams params{current, &nightVision, placement};
    if (ShowAppearanceDialog(owner, params) != 1) return false;
    ApplyAppearanceChoice(current, params.options, hubs);
    return true;
}

bool ChangeDateTime(HWND owner, DateTimeOptions& current,
                    const std::function<void(const DateTimeOptions&)>& apply,
                    WindowGeometry* placement) {
    DateTimeDialogParams params{current, placement};
    if (ShowDateTimeDialog(owner, params) != 1) return false;
    current = params.options;
    if (apply) apply(current);
    return true;
}

HWND OpenAppearanceDialog() { return g_appearanceDialog; }

void ForwardSysColorChange(HWND dialog) {
    if (!dialog) return;
    for (int id : {kIdBrightness, kIdContrast}) SendDlgItemMessageW(dialog, id, WM_SYSCOLORCHANGE, 0, 0);
}

}  // namespace corvinata
