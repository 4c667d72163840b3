#include "tools/calculator_window_win.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>

#include "app/help_topics_win.h"
#include "base/angle_value.h"
#include "base/date_time_text.h"
#include "base/event_time.h"
#include "base/time_systems.h"
#include "catalog/quantity_values.h"
#include "controls/spin_edit_window.h"
#include "resources/calculator_ids.h"

namespace corvinata {
namespace {

constexpr const wchar_t* kPageTemplates[kCalculatorTabCount] = {
    L"DLG_TOOL_CALCULATOR_CALENDAR", L"DLG_TOOL_CALCULATOR_TIME", L"DLG_TOOL_CALCULATOR_COORD",
    L"DLG_TOOL_CALCULATOR_DIST"};
constexpr const wchar_t* kTabTexts[kCalculatorTabCount] = {L"Calendar", L"Time", L"Coordinates", L"Distance"};
// The appearance changed: the shown results take the new display forms.
constexpr std::int32_t kAppearanceChanged = 12;
constexpr int kTimeSystemCount = 4;
constexpr int kCoordinateSystemCount = 4;
constexpr int kDistanceUnitCount = 3;

template <class Picker>
PickerControl<Picker>* PickerOf(HWND page, int id) {
    return FindCustomControl<PickerControl<Picker>>(GetDlgItem(page, id));
}

void FillList(HWND page, int id, const Char* (*name)(int), int count) {
    HWND list = GetDlgItem(page, id);
    SendMessageW(list, CB_RESETCONTENT, 0, 0);
    for (int i = 0; i < count; ++i) SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name(i)));
}

// An index the list lacks (an invalid code) selects nothing.
void SelectEntry(HWND page, int id, int index) {
    const LRESULT count = SendDlgItemMessageW(page, id, CB_GETCOUNT, 0, 0);
    const WPARAM at = index >= 0 && index < count ? static_cast<WPARAM>(index) : static_cast<WPARAM>(-1);
    SendDlgItemMessageW(page, id, CB_SETCURSEL, at, 0);
}

int SelectedEntry(HWND page, int id) {
    return static_cast<int>(SendDlgItemMessageW(page, id, CB_GETCURSEL, 0, 0));
}

// The selection looked up by its text in a table, as the lists hold the
// table's names in its order.
int SelectedCode(HWND page, int id, int (*find)(const Char*), int fallback) {
    const int index = SelectedEntry(page, id);
    if (index < 0) return fallback;
    wchar_t text[101] = {};
    if (SendDlgItemMessageW(page, id, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0) > 100) return fallback;
    SendDlgItemMessageW(page, id, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    return find(text);
}

int FindDistanceUnit(const Char* text) { return FindDistanceUnitByName(text); }

bool IsChecked(HWND page, int id) { return IsDlgButtonChecked(page, id) == BST_CHECKED; }

template <class Picker, class Value>
void ShowValue(HWND page, int id, Value value) {
    if (auto* picker = PickerOf<Picker>(page, id)) {
        picker->SetValue(value);
        picker->Redraw();
    }
}

template <class Picker>
double ValueOf(HWND page, int id, double fallback) {
    const auto* picker = PickerOf<Picker>(page, id);
    return picker ? picker->GetValue() : fallback;
}

void SetAngleFormat(HWND page, int id, int kind) {
    if (auto* picker = PickerOf<AnglePicker>(page, id)) {
        const double value = picker->GetValue();
        picker->SetFormat(kind, DisplayFormatRequest().angleDegreeBase, kind == kFullCircle || kind == kRightAscension);
        picker->SetValue(value);
        picker->Redraw();
    }
}

void SetText(HWND page, int id, const String& text) { SetDlgItemTextW(page, id, text.Text()); }

}  // namespace

CalculatorWindow::CalculatorWindow(CalculatorWindowParams params) : params_(std::move(params)) {}

CalculatorWindow::~CalculatorWindow() {
    if (params_.hub) params_.hub->Forget(this);
    if (window_) DestroyWindow(window_);
}

void CalculatorWindow::Create(HWND frame) {
    {
        SettingsTree tree(*params_.storage, params_.settingsRoot);
        LoadCalculatorState(tree, params_.currentTime(), state_);
    }
    if (!OpenDialog(frame, L"DLG_TOOL_CALCULATOR")) return;
    if (params_.hub) params_.hub->Insert(this);
    MoveTo(state_.left, state_.top);
    if (state_.visible) ToggleThroughFrame();
}

void CalculatorWindow::SaveState(const ToolStateSaver& saver) {
    if (!window_) return;
    ReadPage();
    ReadPlacement(state_.left, state_.top, state_.visible);
    saver.Save([this](SettingsTreeWriter& writer) { SaveCalculatorState(writer, state_); });
}

void CalculatorWindow::SaveAndDestroy(const ToolStateSaver& saver) {
    if (!window_) return;
    SaveState(saver);
    if (params_.hub) params_.hub->Forget(this);
    CloseDialog();
    page_ = nullptr;
}

void CalculatorWindow::OnNotify(std::int32_t event, std::uint32_t, void*) {
    if (event == kAppearanceChanged && page_) PostMessageW(page_, WM_USER, 0, 0);
}

INT_PTR CalculatorWindow::HandleDialog(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        BuildTabs();
        return TRUE;
    case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        if (header.idFrom != IDC_CALC_TABS) return FALSE;
        if (header.code == TCN_SELCHANGING) {
            ReadPage();
        } else if (header.code == TCN_SELCHANGE) {
            const int tab = SelectedTab();
            if (tab >= 0) {
                state_.currentTab = tab;
                ShowPage();
            }
        }
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_CALC_CALCULATE || LOWORD(wParam) == IDOK) {
            OnCalculate();
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            ToggleThroughFrame();
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

void CalculatorWindow::BuildTabs() {
    HWND tabs = GetDlgItem(window_, IDC_CALC_TABS);
    InsertTabs(tabs, kTabTexts, kCalculatorTabCount);
    SendMessageW(tabs, TCM_SETCURSEL, static_cast<WPARAM>(state_.currentTab), 0);
    ShowPage();
}

int CalculatorWindow::SelectedTab() const {
    return static_cast<int>(SendDlgItemMessageW(window_, IDC_CALC_TABS, TCM_GETCURSEL, 0, 0));
}

void CalculatorWindow::ShowPage() {
    if (page_) {
        DestroyWindow(page_);
        page_ = nullptr;
    }
    const int tab = SelectedTab();
    if (tab < 0 || tab >= kCalculatorTabCount) return;
    pageTab_ = tab;
    HWND page = CreateDialogParamW(params_.instance, kPageTemplates[tab], window_, PageProc,
                                   reinterpret_cast<LPARAM>(this));
    if (page) FitPageIntoTabs(page, GetDlgItem(window_, IDC_CALC_TABS));
}

INT_PTR CALLBACK CalculatorWindow::PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) SetWindowLongPtrW(page, DWLP_USER, lParam);
    auto* self = reinterpret_cast<CalculatorWindow*>(GetWindowLongPtrW(page, DWLP_USER));
    return self ? self->HandlePage(page, message, wParam, lParam) : FALSE;
}

INT_PTR CalculatorWindow::HandlePage(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    static_cast<void>(lParam);
    switch (message) {
    case WM_INITDIALOG:
        InitPage(page);
        return FALSE;  // the page set the focus itself
    case WM_USER:
        ComputeAndShow();
        return TRUE;
    case WM_COMMAND:
        OnPageCommand(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    default:
        if (message == kDatePickerYearMessage && pageTab_ == kCalendarTab) {
            // The day number's range follows the year shown.
            std::int32_t year = 0, month = 0, day = 0;
            if (auto* date = PickerOf<DatePicker>(page, IDC_CALC_DATE)) date->GetDate(year, month, day);
            if (auto* number = PickerOf<NumberPicker>(page, IDC_CALC_DAY_NUMBER)) {
                const double value = number->GetValue();
                number->SetFormat(1, IsLeapYear(year) ? 366 : 365, 0);
                number->SetValueClamped(std::min(value, IsLeapYear(year) ? 366.0 : 365.0));
                number->Redraw();
            }
            return TRUE;
        }
        return FALSE;
    }
}

namespace {

// A page made while the calculator is hidden (at the start) gives no keys:
// they would make the hidden window the program's active one.
void FocusOnPage(HWND control) {
    if (GetActiveWindow() == GetAncestor(control, GA_ROOT)) SetFocus(control);
}

}  // namespace

void CalculatorWindow::InitPage(HWND page) {
    page_ = page;
    SetWindowPos(page, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    switch (pageTab_) {
    case kCalendarTab:
        FocusOnPage(GetDlgItem(page, IDC_CALC_DATE));
        if (auto* number = PickerOf<NumberPicker>(page, IDC_CALC_DAY_NUMBER)) number->SetFormat(1, 365, 0);
        if (auto* number = PickerOf<NumberPicker>(page, IDC_CALC_JULIAN_DATE))
            number->SetFormat(2299238.5, 2817152.4999999, 6);
        calendarChanges_ = {true, false, false};
        calendarResults_ = ComputeCalendar(calendarChanges_, state_);
        FillCalendar();
        ShowCalendar();
        break;
    case kTimeTab:
        FocusOnPage(GetDlgItem(page, IDC_CALC_DATE));
        FillList(page, IDC_CALC_SOURCE_TIME_SYSTEM, GetTimeSystemCode, kTimeSystemCount);
        FillList(page, IDC_CALC_DESTINATION_TIME_SYSTEM, GetTimeSystemCode, kTimeSystemCount);
        SetAngleFormat(page, IDC_CALC_LONGITUDE, kEastWestUpTo180);
        FillTime();
        ShowTime();
        break;
    case kCoordinatesTab:
        FocusOnPage(GetDlgItem(page, IDC_CALC_SOURCE_FIRST));
        FillList(page, IDC_CALC_SOURCE_SYSTEM, GetCoordinateSystemName, kCoordinateSystemCount);
        FillList(page, IDC_CALC_DESTINATION_SYSTEM, GetCoordinateSystemName, kCoordinateSystemCount);
        FillList(page, IDC_CALC_SOURCE_TIME_SYSTEM, GetTimeSystemCode, kTimeSystemCount);
        SetAngleFormat(page, IDC_CALC_SOURCE_SECOND, kSignedUpTo90);
        SetAngleFormat(page, IDC_CALC_LONGITUDE, kEastWestUpTo180);
        SetAngleFormat(page, IDC_CALC_LATITUDE, kNorthSouthUpTo90);
        SetSourceAxisFormat(state_.sourceCoordinateSystem);
        FillCoordinates();
        ShowCoordinates();
        break;
    case kDistanceTab:
        FocusOnPage(GetDlgItem(page, IDC_CALC_DISTANCE));
        if (auto* number = PickerOf<NumberPicker>(page, IDC_CALC_DISTANCE)) number->SetFormat(0, 999999999.999, 3);
        FillList(page, IDC_CALC_SOURCE_UNIT, GetDistanceUnitName, kDistanceUnitCount);
        FillList(page, IDC_CALC_DESTINATION_UNIT, GetDistanceUnitName, kDistanceUnitCount);
        FillDistance();
        ShowDistance();
        break;
    default:
        break;
    }
}

bool CalculatorWindow::ReadPage() {
    if (!page_) return false;
    switch (pageTab_) {
    case kCalendarTab: ReadCalendar(); return true;
    case kTimeTab: ReadTime(); return true;
    case kCoordinatesTab: ReadCoordinates(); return true;
    case kDistanceTab: ReadDistance(); return true;
    default: return false;
    }
}

void CalculatorWindow::OnCalculate() {
    // A value being typed counts as it was last accepted.
    if (auto* control = FindCustomControl<SpinEditControl>(GetFocus())) control->Edit().EndEntry();
    if (ReadPage() && page_) PostMessageW(page_, WM_USER, 0, 0);
}

void CalculatorWindow::ComputeAndShow() {
    switch (pageTab_) {
    case kCalendarTab:
        calendarResults_ = ComputeCalendar(calendarChanges_, state_);
        calendarChanges_ = {};
        FillCalendar();
        ShowCalendar();
        break;
    case kTimeTab: ShowTime(); break;
    case kCoordinatesTab: ShowCoordinates(); break;
    case kDistanceTab: ShowDistance(); break;
    default: break;
    }
}

void CalculatorWindow::OnPageCommand(int id, int code) {
    if (id == IDC_CALC_SELECT_PLACE && code == BN_CLICKED) {
        PickPlace(pageTab_ == kCoordinatesTab);
        return;
    }
    if (code != CBN_SELCHANGE) return;
    switch (id) {
    case IDC_CALC_DESTINATION_TIME_SYSTEM:
    case IDC_CALC_DESTINATION_UNIT:
        ReadPage();
        PostMessageW(page_, WM_USER, 0, 0);
        break;
    case IDC_CALC_DESTINATION_SYSTEM: {
        ReadPage();
        const int system = state_.destinationCoordinateSystem;
        SetDlgItemTextW(page_, IDC_CALC_DESTINATION_FIRST_LABEL, GetCoordinateSystemFirstAxisName(system));
        SetDlgItemTextW(page_, IDC_CALC_DESTINATION_SECOND_LABEL, GetCoordinateSystemSecondAxisName(system));
        PostMessageW(page_, WM_USER, 0, 0);
        break;
    }
    case IDC_CALC_SOURCE_SYSTEM: {
        const int system = SelectedCode(page_, IDC_CALC_SOURCE_SYSTEM, FindCoordinateSystemByName, 0);
        SetDlgItemTextW(page_, IDC_CALC_SOURCE_FIRST_LABEL, GetCoordinateSystemFirstAxisName(system));
        SetDlgItemTextW(page_, IDC_CALC_SOURCE_SECOND_LABEL, GetCoordinateSystemSecondAxisName(system));
        SetSourceAxisFormat(system);
        break;
    }
    default:
        break;
    }
}

void CalculatorWindow::PickPlace(bool withLatitude) {
    Location chosen;
    if (!params_.pickPlace || !params_.pickPlace(window_, chosen)) return;
    ShowValue<AnglePicker>(page_, IDC_CALC_LONGITUDE, PickerLongitude(chosen.coordinates.longitude.degrees));
    if (withLatitude) ShowValue<AnglePicker>(page_, IDC_CALC_LATITUDE, chosen.coordinates.latitude.degrees);
    ShowValue<TimeZonePicker>(page_, IDC_CALC_TIME_ZONE, chosen.coordinates.timeZone.hours);
}

// --- Calendar ---------------------------------------------------------------

void CalculatorWindow::FillCalendar() {
    const DateTime& date = state_.calendarDate;
    if (auto* picker = PickerOf<DatePicker>(page_, IDC_CALC_DATE)) {
        picker->SetDate(date.year, date.month, date.day);
        picker->Redraw();
    }
    ShowValue<TimePicker>(page_, IDC_CALC_TIME, date.hours);
    ShowValue<NumberPicker>(page_, IDC_CALC_JULIAN_DATE, state_.julianDate);
    if (auto* number = PickerOf<NumberPicker>(page_, IDC_CALC_DAY_NUMBER)) {
        number->SetFormat(1, IsLeapYear(date.year) ? 366 : 365, 0);
        number->SetValue(state_.dayNumber);
        number->Redraw();
    }
}

void CalculatorWindow::ReadCalendar() {
    CalendarEntry entry;
    const DateTime& date = state_.calendarDate;
    entry.year = date.year;
    entry.month = date.month;
    entry.day = date.day;
    if (auto* picker = PickerOf<DatePicker>(page_, IDC_CALC_DATE)) picker->GetDate(entry.year, entry.month, entry.day);
    entry.hours = ValueOf<TimePicker>(page_, IDC_CALC_TIME, date.hours);
    entry.julianDate = ValueOf<NumberPicker>(page_, IDC_CALC_JULIAN_DATE, state_.julianDate);
    entry.dayNumber = ValueOf<NumberPicker>(page_, IDC_CALC_DAY_NUMBER, state_.dayNumber);
    calendarChanges_ = ReadCalendarEntry(entry, state_);
}

void CalculatorWindow::ShowCalendar() {
    DateTime easter = state_.calendarDate;
    easter.month = calendarResults_.easterMonth;
    easter.day = calendarResults_.easterDay;
    String text;
    SetText(page_, IDC_CALC_EASTER, FormatDate(easter, kDateToDay, text));
    SetDlgItemTextW(page_, IDC_CALC_LEAP_YEAR, calendarResults_.leapYear ? L"Yes" : L"No");
    SetDlgItemTextW(page_, IDC_CALC_WEEKDAY, WeekdayName(calendarResults_.weekday));
}

// --- Time -------------------------------------------------------------------

void CalculatorWindow::FillMoment(const TimeAndPlace& moment, bool withLatitude) {
    const DateTime& date = moment.dateTime;
    if (auto* picker = PickerOf<DatePicker>(page_, IDC_CALC_DATE)) {
        picker->SetDate(date.year, date.month, date.day);
        picker->Redraw();
    }
    ShowValue<TimePicker>(page_, IDC_CALC_TIME, date.hours);
    SelectEntry(page_, IDC_CALC_SOURCE_TIME_SYSTEM, date.timeSystem);
    CheckDlgButton(page_, IDC_CALC_DAYLIGHT_SAVING, moment.daylightSaving ? BST_CHECKED : BST_UNCHECKED);
    ShowValue<AnglePicker>(page_, IDC_CALC_LONGITUDE, PickerLongitude(moment.place.longitude.degrees));
    if (withLatitude) ShowValue<AnglePicker>(page_, IDC_CALC_LATITUDE, moment.place.latitude.degrees);
    ShowValue<TimeZonePicker>(page_, IDC_CALC_TIME_ZONE, moment.place.timeZone.hours);
}

void CalculatorWindow::ReadMoment(TimeAndPlace& moment, bool withLatitude) {
    DateTime& date = moment.dateTime;
    if (auto* picker = PickerOf<DatePicker>(page_, IDC_CALC_DATE)) picker->GetDate(date.year, date.month, date.day);
    date.hours = ValueOf<TimePicker>(page_, IDC_CALC_TIME, date.hours);
    date.timeSystem = SelectedCode(page_, IDC_CALC_SOURCE_TIME_SYSTEM, FindTimeSystemByCode, date.timeSystem);
    moment.daylightSaving = IsChecked(page_, IDC_CALC_DAYLIGHT_SAVING);
    moment.place.longitude.degrees =
        StoredLongitude(ValueOf<AnglePicker>(page_, IDC_CALC_LONGITUDE, PickerLongitude(moment.place.longitude.degrees)));
    if (withLatitude)
        moment.place.latitude.degrees = ValueOf<AnglePicker>(page_, IDC_CALC_LATITUDE, moment.place.latitude.degrees);
    moment.place.timeZone.hours = ValueOf<TimeZonePicker>(page_, IDC_CALC_TIME_ZONE, moment.place.timeZone.hours);
}

void CalculatorWindow::FillTime() {
    FillMoment(state_.timeSource, false);
    SelectEntry(page_, IDC_CALC_DESTINATION_TIME_SYSTEM, state_.destinationTimeSystem);
}

void CalculatorWindow::ReadTime() {
    ReadMoment(state_.timeSource, false);
    const int destination = SelectedEntry(page_, IDC_CALC_DESTINATION_TIME_SYSTEM);
    if (destination >= 0 && destination < kTimeSystemCount) state_.destinationTimeSystem = destination;
}

void CalculatorWindow::ShowTime() {
    // Rounded as the source's picker shows its time: the time is kept to a
    // millionth of a day, which may lie a hair below the second typed.
    String text;
    if (TimeResultKnown(state_)) FormatTime(0, ComputeTime(state_), false, kRoundToNextDay, nullptr, text);
    SetText(page_, IDC_CALC_DESTINATION_TIME, text);
}

// --- Coordinates ------------------------------------------------------------

void CalculatorWindow::SetSourceAxisFormat(int system) {
    const bool hours = system == kEquatorialSystem && DisplayFormatRequest().raDisplayUnit == 1;
    SetAngleFormat(page_, IDC_CALC_SOURCE_FIRST, hours ? kRightAscension : kFullCircle);
}

void CalculatorWindow::FillCoordinates() {
    SelectEntry(page_, IDC_CALC_SOURCE_SYSTEM, state_.sourceCoordinateSystem);
    SelectEntry(page_, IDC_CALC_DESTINATION_SYSTEM, state_.destinationCoordinateSystem);
    SetDlgItemTextW(page_, IDC_CALC_SOURCE_FIRST_LABEL, GetCoordinateSystemFirstAxisName(state_.sourceCoordinateSystem));
    SetDlgItemTextW(page_, IDC_CALC_SOURCE_SECOND_LABEL,
                    GetCoordinateSystemSecondAxisName(state_.sourceCoordinateSystem));
    SetDlgItemTextW(page_, IDC_CALC_DESTINATION_FIRST_LABEL,
                    GetCoordinateSystemFirstAxisName(state_.destinationCoordinateSystem));
    SetDlgItemTextW(page_, IDC_CALC_DESTINATION_SECOND_LABEL,
                    GetCoordinateSystemSecondAxisName(state_.destinationCoordinateSystem));
    ShowValue<AnglePicker>(page_, IDC_CALC_SOURCE_FIRST, state_.sourceLongitude);
    ShowValue<AnglePicker>(page_, IDC_CALC_SOURCE_SECOND, state_.sourceLatitude);
    FillMoment(state_.coordinateTime, true);
}

void CalculatorWindow::ReadCoordinates() {
    // No entry selected: the state's invalid system stays.
    state_.sourceCoordinateSystem =
        SelectedCode(page_, IDC_CALC_SOURCE_SYSTEM, FindCoordinateSystemByName, state_.sourceCoordinateSystem);
    state_.sourceLongitude = ValueOf<AnglePicker>(page_, IDC_CALC_SOURCE_FIRST, state_.sourceLongitude);
    state_.sourceLatitude = ValueOf<AnglePicker>(page_, IDC_CALC_SOURCE_SECOND, state_.sourceLatitude);
    const int destination = SelectedEntry(page_, IDC_CALC_DESTINATION_SYSTEM);
    if (destination >= 0 && destination < kCoordinateSystemCount) state_.destinationCoordinateSystem = destination;
    ReadMoment(state_.coordinateTime, true);
}

void CalculatorWindow::ShowCoordinates() {
    if (!CoordinateResultKnown(state_)) {
        SetText(page_, IDC_CALC_DESTINATION_FIRST, String());
        SetText(page_, IDC_CALC_DESTINATION_SECOND, String());
        return;
    }
    const SkyCoordinates result = ComputeCoordinates(state_);
    const QuantityFormatRequest display = DisplayFormatRequest();
    const int style = display.angleDegreeBase;
    String first;
    String second;
    const bool hours = result.system == kEquatorialSystem && display.raDisplayUnit == 1;
    FullCircleAngleFormat(FullCircleAngleValue(result.longitude, hours ? kShowHours : kShowDegrees), first,
                          hours ? kAngleSexagesimal : style, kToSecond, kAutomaticDecimals);
    LatitudeFormat(LatitudeValue(result.latitude, kLatitudeMinusSign), second, style, kToSecond,
                   kAutomaticDecimals);
    SetText(page_, IDC_CALC_DESTINATION_FIRST, first);
    SetText(page_, IDC_CALC_DESTINATION_SECOND, second);
}

// --- Distance ---------------------------------------------------------------

void CalculatorWindow::FillDistance() {
    ShowValue<NumberPicker>(page_, IDC_CALC_DISTANCE, state_.sourceDistance);
    SelectEntry(page_, IDC_CALC_SOURCE_UNIT, state_.sourceDistanceUnit);
    SelectEntry(page_, IDC_CALC_DESTINATION_UNIT, state_.destinationDistanceUnit);
}

void CalculatorWindow::ReadDistance() {
    state_.sourceDistance = ValueOf<NumberPicker>(page_, IDC_CALC_DISTANCE, state_.sourceDistance);
    state_.sourceDistanceUnit =
        SelectedCode(page_, IDC_CALC_SOURCE_UNIT, FindDistanceUnit, state_.sourceDistanceUnit);
    state_.destinationDistanceUnit =
        SelectedCode(page_, IDC_CALC_DESTINATION_UNIT, FindDistanceUnit, state_.destinationDistanceUnit);
}

void CalculatorWindow::ShowDistance() { SetText(page_, IDC_CALC_DISTANCE_RESULT, DistanceResultText(ComputeDistance(state_))); }

}  // namespace corvinata
