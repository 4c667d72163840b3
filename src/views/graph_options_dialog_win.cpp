#include "views/graph_options_dialog_win.h"

#include <commctrl.h>

#include <cmath>
#include <limits>

#include "app/angle_picker.h"
#include "app/date_picker.h"
#include "app/dialog_positions.h"
#include "app/help_topics_win.h"
#include "app/number_picker.h"
#include "app/time_picker.h"
#include "app/time_zone_picker.h"
#include "base/text_format.h"
#include "base/time_step.h"
#include "base/time_systems.h"
#include "catalog/quantity_values.h"
#include "documents/graph_document.h"
#include "controls/custom_control_registry.h"
#include "controls/message_box.h"
#include "controls/spin_edit_window.h"
#include "controls/window_text.h"
#include "resources/graph_dialogs_ids.h"

namespace corvinata {
namespace {

constexpr const wchar_t* kTabNames[kGraphOptionsTabCount] = {L"Time", L"Location", L"X Axis", L"Y Axis", L"Guides"};
constexpr const wchar_t* kPageTemplates[kGraphOptionsTabCount] = {L"DLG_GRAPHOPTTIME", L"DLG_GRAPHOPTLOC",
                                                              L"DLG_GRAPHOPTXAXIS", L"DLG_GRAPHOPTYAXIS",
                                                              L"DLG_GRAPHOPTGRID"};

// One run of the dialog: the working copy and the page on screen.
struct GraphOptionsRun {
    HINSTANCE instance = nullptr;
    GraphOptionsDialogServices* services = nullptr;
    TimeAndLocation working;
    bool guideLine = false;
    std::int32_t valueKind = kValueKindUnknown;
    int tab = 0;
    HWND page = nullptr;
    // The y range as the graph drew it when the dialog opened, and as it
    // draws it with the kind's own limits; NaN where the kind has a bound.
    double drawnFrom = 0.0, drawnTo = 0.0;
    double openFrom = 0.0, openTo = 0.0;
    // What From and To show for a bound left open; NaN for a set bound.
    double shownOpenFrom = std::numeric_limits<double>::quiet_NaN();
    double shownOpenTo = std::numeric_limits<double>::quiet_NaN();
};

GraphOptionsRun* g_run = nullptr;

template <class Picker>
PickerControl<Picker>* PickerOf(HWND page, int id) {
    return FindCustomControl<PickerControl<Picker>>(GetDlgItem(page, id));
}

bool Checked(HWND page, int id) { return IsDlgButtonChecked(page, id) == BST_CHECKED; }

void Check(HWND page, int id, bool on) { CheckDlgButton(page, id, on ? BST_CHECKED : BST_UNCHECKED); }

void Enable(HWND page, int id, bool on) { EnableWindow(GetDlgItem(page, id), on ? TRUE : FALSE); }

void Show(HWND page, int id, bool on) { ShowWindow(GetDlgItem(page, id), on ? SW_SHOW : SW_HIDE); }

// A list of entries with their values as item data; selects `selected`.
void FillList(HWND page, int id, const Char* const* names, const std::int32_t* values, int count,
              std::int32_t selected) {
    HWND list = GetDlgItem(page, id);
    SendMessageW(list, CB_RESETCONTENT, 0, 0);
    for (int i = 0; i < count; ++i) {
        const LRESULT row = SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(names[i]));
        SendMessageW(list, CB_SETITEMDATA, static_cast<WPARAM>(row), values[i]);
    }
    const LRESULT rows = SendMessageW(list, CB_GETCOUNT, 0, 0);
    for (LRESULT row = 0; row < rows; ++row) {
        if (SendMessageW(list, CB_GETITEMDATA, static_cast<WPARAM>(row), 0) == selected) {
            SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(row), 0);
        }
    }
}

std::int32_t ListValue(HWND page, int id, std::int32_t fallback) {
    HWND list = GetDlgItem(page, id);
    const LRESULT row = SendMessageW(list, CB_GETCURSEL, 0, 0);
    if (row == CB_ERR) return fallback;
    return static_cast<std::int32_t>(SendMessageW(list, CB_GETITEMDATA, static_cast<WPARAM>(row), 0));
}

void FillUnits(HWND page, int id, std::int32_t unit) {
    const Char* names[kGraphStepUnitCount];
    std::int32_t values[kGraphStepUnitCount];
    for (int row = 0; row < kGraphStepUnitCount; ++row) {
        values[row] = GraphStepUnitAt(row);
        names[row] = GetTimeUnitName(values[row]);
    }
    FillList(page, id, names, values, kGraphStepUnitCount, GraphStepUnitAt(GraphStepUnitRow(unit)));
}

void FillTimeSystems(HWND page, int id, const std::int32_t* systems, int count, std::int32_t selected) {
    const Char* names[4];
    for (int i = 0; i < count; ++i) names[i] = GetTimeSystemCode(systems[i]);
    FillList(page, id, names, systems, count, selected);
}

void ShowMoment(HWND page, int dateId, int timeId, const DateTime& moment) {
    if (auto* date = PickerOf<DatePicker>(page, dateId)) {
        date->SetDate(moment.year, moment.month, moment.day);
        date->Redraw();
    }
    if (auto* time = PickerOf<TimePicker>(page, timeId)) {
        time->SetValue(moment.hours);
        time->Redraw();
    }
}

DateTime ReadMoment(HWND page, int dateId, int timeId, DateTime moment) {
    if (auto* date = PickerOf<DatePicker>(page, dateId)) date->GetDate(moment.year, moment.month, moment.day);
    if (auto* time = PickerOf<TimePicker>(page, timeId)) moment.hours = time->GetValue();
    return moment;
}

void EnableTimeFields(HWND page) {
    const bool byEnd = Checked(page, IDC_GRAPH_BY_END);
    for (int id : {IDC_GRAPH_END_DATE, IDC_GRAPH_END_TIME}) Enable(page, id, byEnd);
    for (int id : {IDC_GRAPH_STEP_COUNT, IDC_GRAPH_STEP_UNIT}) Enable(page, id, !byEnd);
}

void EnableGridFields(HWND page) {
    Enable(page, IDC_GRAPH_X_GRID_COUNT, Checked(page, IDC_GRAPH_X_GRID));
    Enable(page, IDC_GRAPH_X_GRID_UNIT, Checked(page, IDC_GRAPH_X_GRID));
    Enable(page, IDC_GRAPH_Y_GRID_COUNT, Checked(page, IDC_GRAPH_Y_GRID));
}

// The origin radios name the ends of the page's own axis: the time axis on
// the X page, the value axis on the Y page. Each page's orientation radios
// stand for its own axis, so "Horizontal" checked means that axis is.
void LabelOrigins(HWND page) {
    const bool axisHorizontal = Checked(page, IDC_GRAPH_HORIZONTAL);
    SetDlgItemTextW(page, IDC_GRAPH_ORIGIN_NEAR, GraphOriginText(axisHorizontal, false));
    SetDlgItemTextW(page, IDC_GRAPH_ORIGIN_FAR, GraphOriginText(axisHorizontal, true));
}

// The Y page's "Vertical" means the time axis is horizontal.
void ShowOrientation(HWND page, int tab, bool timeHorizontal, bool originFar) {
    const bool horizontalRadio = tab == kGraphXAxisTab ? timeHorizontal : !timeHorizontal;
    Check(page, IDC_GRAPH_HORIZONTAL, horizontalRadio);
    Check(page, IDC_GRAPH_VERTICAL, !horizontalRadio);
    Check(page, IDC_GRAPH_ORIGIN_NEAR, !originFar);
    Check(page, IDC_GRAPH_ORIGIN_FAR, originFar);
    LabelOrigins(page);
}

bool TimeHorizontalOnPage(HWND page, int tab) {
    const bool horizontalRadio = Checked(page, IDC_GRAPH_HORIZONTAL);
    return tab == kGraphXAxisTab ? horizontalRadio : !horizontalRadio;
}

void ShowRangeValues(HWND page, std::int32_t kind, double from, double to) {
    switch (GraphRangeControlOf(kind)) {
    case GraphRangeControl::Time:
        for (const auto& [id, value] : {std::pair{IDC_GRAPH_FROM_TIME, from}, std::pair{IDC_GRAPH_TO_TIME, to}}) {
            if (auto* picker = PickerOf<TimePicker>(page, id)) {
                picker->SetFormat(0, false);
                picker->SetValue(value);
                picker->Redraw();
            }
        }
        break;
    case GraphRangeControl::Angle:
        for (const auto& [id, value] : {std::pair{IDC_GRAPH_FROM_ANGLE, from}, std::pair{IDC_GRAPH_TO_ANGLE, to}}) {
            if (auto* picker = PickerOf<AnglePicker>(page, id)) {
                picker->SetFormat(GraphRangeAngleKind(kind), DisplayFormatRequest().angleDegreeBase, false);
                picker->SetValue(value);
                picker->Redraw();
            }
        }
        break;
    case GraphRangeControl::Number: {
        String text;
        FormatDouble(from, -6, text, false);
        SetDlgItemTextW(page, IDC_GRAPH_FROM_NUMBER, text.Text());
        FormatDouble(to, -6, text, false);
        SetDlgItemTextW(page, IDC_GRAPH_TO_NUMBER, text.Text());
        break;
    }
    }
}

void FillYAxisPage(HWND page) {
    const TimeAndLocation& s = g_run->working;
    ShowOrientation(page, kGraphYAxisTab, s.xAxisHorizontal, s.yAxisReversed);
    const std::int32_t kind = g_run->valueKind;
    const GraphRangeControl control = GraphRangeControlOf(kind);
    Show(page, IDC_GRAPH_FROM_TIME, control == GraphRangeControl::Time);
    Show(page, IDC_GRAPH_TO_TIME, control == GraphRangeControl::Time);
    Show(page, IDC_GRAPH_FROM_ANGLE, control == GraphRangeControl::Angle);
    Show(page, IDC_GRAPH_TO_ANGLE, control == GraphRangeControl::Angle);
    for (int id : {IDC_GRAPH_FROM_NUMBER, IDC_GRAPH_TO_NUMBER, IDC_GRAPH_FROM_LIMIT, IDC_GRAPH_TO_LIMIT}) {
        Show(page, id, control == GraphRangeControl::Number);
    }
    double lowest = 0.0;
    double highest = 0.0;
    GraphRangeLimits(kind, lowest, highest);
    SetDlgItemTextW(page, IDC_GRAPH_FROM_LIMIT, GraphRangeLimitText(lowest, false).Text());
    SetDlgItemTextW(page, IDC_GRAPH_TO_LIMIT, GraphRangeLimitText(highest, true).Text());
    // An open bound shows as the graph draws it.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    g_run->shownOpenFrom = std::isinf(s.yAxisMin) ? g_run->drawnFrom : nan;
    g_run->shownOpenTo = std::isinf(s.yAxisMax) ? g_run->drawnTo : nan;
    ShowRangeValues(page, kind, std::isinf(s.yAxisMin) ? g_run->drawnFrom : s.yAxisMin,
                    std::isinf(s.yAxisMax) ? g_run->drawnTo : s.yAxisMax);
    const bool editable = kind != kValueKindUnknown;
    for (int id : {IDC_GRAPH_FROM_TIME, IDC_GRAPH_TO_TIME, IDC_GRAPH_FROM_ANGLE, IDC_GRAPH_TO_ANGLE,
                   IDC_GRAPH_FROM_NUMBER, IDC_GRAPH_TO_NUMBER, IDC_GRAPH_RANGE_DEFAULTS}) {
        Enable(page, id, editable);
    }
    Show(page, IDC_GRAPH_RANGE_HINT, !editable);
}

void FillLocationPage(HWND page, const GraphLocationPage& shown) {
    if (auto* longitude = PickerOf<AnglePicker>(page, IDC_GRAPH_LONGITUDE)) {
        longitude->SetFormat(kEastWestUpTo180, DisplayFormatRequest().angleDegreeBase, false);
        longitude->SetValue(shown.eastLongitude);
        longitude->Redraw();
    }
    if (auto* latitude = PickerOf<AnglePicker>(page, IDC_GRAPH_LATITUDE)) {
        latitude->SetFormat(kNorthSouthUpTo90, DisplayFormatRequest().angleDegreeBase, false);
        latitude->SetValue(shown.latitude);
        latitude->Redraw();
    }
    if (auto* zone = PickerOf<TimeZonePicker>(page, IDC_GRAPH_TIME_ZONE)) {
        zone->SetValue(shown.timeZone);
        zone->Redraw();
    }
    if (auto* elevation = PickerOf<NumberPicker>(page, IDC_GRAPH_ELEVATION)) {
        elevation->SetFormat(-999, 9999, 0);
        elevation->SetValue(shown.elevation);
        elevation->Redraw();
    }
}

void FillPage(HWND page, int tab) {
    const TimeAndLocation& s = g_run->working;
    switch (tab) {
    case kGraphTimeTab: {
        const GraphTimePage shown = GraphTimePageFrom(s);
        ShowMoment(page, IDC_GRAPH_BEGIN_DATE, IDC_GRAPH_BEGIN_TIME, shown.begin);
        ShowMoment(page, IDC_GRAPH_END_DATE, IDC_GRAPH_END_TIME, shown.end);
        static constexpr std::int32_t kSystems[] = {kUniversalTime, kGreenwichSiderealTime, kLocalCivilTime,
                                                    kLocalSiderealTime};
        FillTimeSystems(page, IDC_GRAPH_TIME_SYSTEM, kSystems, 4, shown.begin.timeSystem);
        Check(page, IDC_GRAPH_BY_END, shown.byEnd);
        Check(page, IDC_GRAPH_BY_STEP, !shown.byEnd);
        SetDlgItemTextW(page, IDC_GRAPH_STEP_COUNT, shown.stepCount.Text());
        FillUnits(page, IDC_GRAPH_STEP_UNIT, shown.stepUnit);
        Check(page, IDC_GRAPH_DAYLIGHT_SAVING, shown.daylightSaving);
        EnableTimeFields(page);
        break;
    }
    case kGraphLocationTab: FillLocationPage(page, GraphLocationPageFrom(s)); break;
    case kGraphXAxisTab: {
        const GraphXAxisPage shown = GraphXAxisPageFrom(s);
        ShowOrientation(page, tab, shown.horizontal, shown.originFar);
        SetDlgItemTextW(page, IDC_GRAPH_MARK_COUNT, shown.markCount.Text());
        FillUnits(page, IDC_GRAPH_MARK_UNIT, shown.markUnit);
        SetDlgItemTextW(page, IDC_GRAPH_LABEL_COUNT, shown.labelCount.Text());
        FillUnits(page, IDC_GRAPH_LABEL_UNIT, shown.labelUnit);
        static constexpr std::int32_t kSystems[] = {kUniversalTime, kLocalCivilTime};
        FillTimeSystems(page, IDC_GRAPH_AXIS_TIME_SYSTEM, kSystems, 2, shown.timeSystem);
        break;
    }
    case kGraphYAxisTab: FillYAxisPage(page); break;
    case kGraphGuidesTab: {
        const GraphGuidesPage shown = GraphGuidesPageFrom(s, g_run->guideLine);
        Check(page, IDC_GRAPH_X_GRID, shown.xGrid);
        SetDlgItemTextW(page, IDC_GRAPH_X_GRID_COUNT, shown.xCount.Text());
        FillUnits(page, IDC_GRAPH_X_GRID_UNIT, shown.xUnit);
        Check(page, IDC_GRAPH_Y_GRID, shown.yGrid);
        SetDlgItemTextW(page, IDC_GRAPH_Y_GRID_COUNT, shown.yCount.Text());
        Check(page, IDC_GRAPH_GUIDE_LINE, shown.guideLine);
        EnableGridFields(page);
        break;
    }
    default: break;
    }
}

GraphYAxisPage ReadYAxisPage(HWND page) {
    GraphYAxisPage read;
    read.horizontal = TimeHorizontalOnPage(page, kGraphYAxisTab);
    read.originFar = Checked(page, IDC_GRAPH_ORIGIN_FAR);
    read.kind = g_run->valueKind;
    read.openFrom = g_run->shownOpenFrom;
    read.openTo = g_run->shownOpenTo;
    switch (GraphRangeControlOf(read.kind)) {
    case GraphRangeControl::Time:
        read.fromItem = IDC_GRAPH_FROM_TIME;
        read.toItem = IDC_GRAPH_TO_TIME;
        if (auto* from = PickerOf<TimePicker>(page, IDC_GRAPH_FROM_TIME)) read.from = from->GetValue();
        if (auto* to = PickerOf<TimePicker>(page, IDC_GRAPH_TO_TIME)) read.to = to->GetValue();
        break;
    case GraphRangeControl::Angle:
        read.fromItem = IDC_GRAPH_FROM_ANGLE;
        read.toItem = IDC_GRAPH_TO_ANGLE;
        if (auto* from = PickerOf<AnglePicker>(page, IDC_GRAPH_FROM_ANGLE)) read.from = from->GetValue();
        if (auto* to = PickerOf<AnglePicker>(page, IDC_GRAPH_TO_ANGLE)) read.to = to->GetValue();
        break;
    case GraphRangeControl::Number:
        read.fromItem = IDC_GRAPH_FROM_NUMBER;
        read.toItem = IDC_GRAPH_TO_NUMBER;
        read.fromText = DialogItemText(page, IDC_GRAPH_FROM_NUMBER);
        read.toText = DialogItemText(page, IDC_GRAPH_TO_NUMBER);
        break;
    }
    return read;
}

// Checks the page on screen and writes it into the working copy; a refusal
// is told and the focus goes to the faulty field.
bool ValidatePage(HWND dialog) {
    HWND page = g_run->page;
    if (!page) return true;
    TimeAndLocation& s = g_run->working;
    GraphOptionsRefusal refusal;
    bool passed = true;
    switch (g_run->tab) {
    case kGraphTimeTab: {
        GraphTimePage read;
        read.begin = ReadMoment(page, IDC_GRAPH_BEGIN_DATE, IDC_GRAPH_BEGIN_TIME, s.beginDate);
        read.begin.timeSystem = ListValue(page, IDC_GRAPH_TIME_SYSTEM, s.beginDate.timeSystem);
        read.byEnd = Checked(page, IDC_GRAPH_BY_END);
        read.end = ReadMoment(page, IDC_GRAPH_END_DATE, IDC_GRAPH_END_TIME, s.endDate);
        read.stepCount = DialogItemText(page, IDC_GRAPH_STEP_COUNT);
        read.stepUnit = ListValue(page, IDC_GRAPH_STEP_UNIT, kDaysUnit);
        read.daylightSaving = Checked(page, IDC_GRAPH_DAYLIGHT_SAVING);
        passed = CheckGraphTimePage(read, s, refusal);
        break;
    }
    case kGraphLocationTab: {
        GraphLocationPage read = GraphLocationPageFrom(s);
        if (auto* p = PickerOf<AnglePicker>(page, IDC_GRAPH_LONGITUDE)) read.eastLongitude = p->GetValue();
        if (auto* p = PickerOf<AnglePicker>(page, IDC_GRAPH_LATITUDE)) read.latitude = p->GetValue();
        if (auto* p = PickerOf<TimeZonePicker>(page, IDC_GRAPH_TIME_ZONE)) read.timeZone = p->GetValue();
        if (auto* p = PickerOf<NumberPicker>(page, IDC_GRAPH_ELEVATION)) read.elevation = p->GetValue();
        StoreGraphLocationPage(read, s);
        break;
    }
    case kGraphXAxisTab: {
        GraphXAxisPage read;
        read.horizontal = TimeHorizontalOnPage(page, kGraphXAxisTab);
        read.originFar = Checked(page, IDC_GRAPH_ORIGIN_FAR);
        read.markCount = DialogItemText(page, IDC_GRAPH_MARK_COUNT);
        read.markUnit = ListValue(page, IDC_GRAPH_MARK_UNIT, kDaysUnit);
        read.labelCount = DialogItemText(page, IDC_GRAPH_LABEL_COUNT);
        read.labelUnit = ListValue(page, IDC_GRAPH_LABEL_UNIT, kDaysUnit);
        read.timeSystem = ListValue(page, IDC_GRAPH_AXIS_TIME_SYSTEM, kLocalCivilTime);
        passed = CheckGraphXAxisPage(read, s, refusal);
        break;
    }
    case kGraphYAxisTab: passed = CheckGraphYAxisPage(ReadYAxisPage(page), s, refusal); break;
    case kGraphGuidesTab: {
        GraphGuidesPage read;
        read.xGrid = Checked(page, IDC_GRAPH_X_GRID);
        read.xCount = DialogItemText(page, IDC_GRAPH_X_GRID_COUNT);
        read.xUnit = ListValue(page, IDC_GRAPH_X_GRID_UNIT, kDaysUnit);
        read.yGrid = Checked(page, IDC_GRAPH_Y_GRID);
        read.yCount = DialogItemText(page, IDC_GRAPH_Y_GRID_COUNT);
        read.guideLine = Checked(page, IDC_GRAPH_GUIDE_LINE);
        passed = CheckGraphGuidesPage(read, s, g_run->guideLine, refusal);
        break;
    }
    default: break;
    }
    if (passed) return true;
    if (g_run->services->tell) {
        g_run->services->tell(dialog, refusal.text, refusal.topic);
    } else {
        RunMessageBox(g_run->instance, dialog, refusal.text.Text(), kButtonsOk, kMessageWarning, refusal.topic);
    }
    if (HWND faulty = GetDlgItem(page, refusal.focusItem)) {
        SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(faulty), TRUE);
    }
    return false;
}

void OnPageCommand(HWND page, int id, int code) {
    const int tab = g_run->tab;
    if (code != BN_CLICKED) return;
    // The pairs of radios are set here: fields between them break the
    // groups the buttons would keep by themselves.
    if (tab == kGraphTimeTab && (id == IDC_GRAPH_BY_END || id == IDC_GRAPH_BY_STEP)) {
        CheckRadioButton(page, IDC_GRAPH_BY_STEP, IDC_GRAPH_BY_END, id);
        EnableTimeFields(page);
    }
    const bool axisPage = tab == kGraphXAxisTab || tab == kGraphYAxisTab;
    if (axisPage && (id == IDC_GRAPH_ORIGIN_NEAR || id == IDC_GRAPH_ORIGIN_FAR)) {
        CheckRadioButton(page, IDC_GRAPH_ORIGIN_NEAR, IDC_GRAPH_ORIGIN_FAR, id);
    }
    if (axisPage && (id == IDC_GRAPH_HORIZONTAL || id == IDC_GRAPH_VERTICAL)) {
        Check(page, IDC_GRAPH_HORIZONTAL, id == IDC_GRAPH_HORIZONTAL);
        Check(page, IDC_GRAPH_VERTICAL, id == IDC_GRAPH_VERTICAL);
        // The orientation is shared by both axis pages: it is stored at once.
        g_run->working.xAxisHorizontal = TimeHorizontalOnPage(page, tab);
        LabelOrigins(page);
    }
    if (tab == kGraphYAxisTab && id == IDC_GRAPH_RANGE_DEFAULTS) {
        double from = 0.0;
        double to = 0.0;
        GraphRangeDefaults(g_run->valueKind, g_run->openFrom, g_run->openTo, from, to);
        const double nan = std::numeric_limits<double>::quiet_NaN();
        g_run->shownOpenFrom = std::isnan(g_run->openFrom) ? nan : from;
        g_run->shownOpenTo = std::isnan(g_run->openTo) ? nan : to;
        ShowRangeValues(page, g_run->valueKind, from, to);
    }
    if (tab == kGraphGuidesTab && (id == IDC_GRAPH_X_GRID || id == IDC_GRAPH_Y_GRID)) EnableGridFields(page);
    if (tab == kGraphLocationTab && id == IDC_GRAPH_SELECT_PLACE && g_run->services->choosePlace) {
        Location place = g_run->working.location;
        if (g_run->services->choosePlace(GetParent(page), place)) {
            TimeAndLocation chosen = g_run->working;
            LocationAssign(chosen.location, place);
            FillLocationPage(page, GraphLocationPageFrom(chosen));
        }
    }
}

INT_PTR CALLBACK PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: FillPage(page, static_cast<int>(lParam)); return FALSE;
    case WM_COMMAND:
        if (g_run && g_run->page == page) OnPageCommand(page, LOWORD(wParam), HIWORD(wParam));
        return FALSE;
    default: return FALSE;
    }
}

void ShowPage(HWND dialog, int tab) {
    if (g_run->page) DestroyWindow(g_run->page);
    g_run->page = nullptr;
    g_run->tab = tab;
    HWND tabs = GetDlgItem(dialog, IDC_GRAPH_OPTIONS_TAB);
    SendMessageW(tabs, TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
    HWND page = CreateDialogParamW(g_run->instance, kPageTemplates[tab], dialog, &PageProc, tab);
    if (!page) return;
    g_run->page = page;
    RECT area;
    GetWindowRect(tabs, &area);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&area), 2);
    SendMessageW(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    SetWindowPos(page, HWND_TOP, area.left, area.top, 0, 0, SWP_NOSIZE);
    ShowWindow(page, SW_SHOW);
}

void OnInit(HWND dialog, int tab) {
    HWND tabs = GetDlgItem(dialog, IDC_GRAPH_OPTIONS_TAB);
    for (int i = 0; i < kGraphOptionsTabCount; ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(kTabNames[i]);
        SendMessageW(tabs, TCM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    OptionsDialogPlacement* placement = g_run->services->placement;
    if (placement) {
        const WindowGeometry& at = placement->geometry;
        if ((at.fieldMask & kGeometryPosition) != 0) {
            SetWindowPos(dialog, nullptr, at.left, at.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        }
        if (tab < 0) tab = placement->currentTab;
    }
    ShowPage(dialog, tab >= 0 && tab < kGraphOptionsTabCount ? tab : kGraphTimeTab);
}

void SavePlacement(HWND dialog) {
    OptionsDialogPlacement* placement = g_run->services->placement;
    if (!placement) return;
    RECT rect;
    GetWindowRect(dialog, &rect);
    placement->geometry = WindowGeometry{kGeometryPosition, rect.left, rect.top, rect.right - rect.left,
                                         rect.bottom - rect.top, false, false};
    placement->currentTab = g_run->tab;
}

INT_PTR CALLBACK GraphOptionsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: OnInit(dialog, static_cast<int>(lParam)); return TRUE;
    case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        if (header.idFrom != IDC_GRAPH_OPTIONS_TAB) return FALSE;
        if (header.code == TCN_SELCHANGING) {
            SetWindowLongPtrW(dialog, DWLP_MSGRESULT, ValidatePage(dialog) ? FALSE : TRUE);
            return TRUE;
        }
        if (header.code == TCN_SELCHANGE) {
            const int tab = static_cast<int>(SendMessageW(header.hwndFrom, TCM_GETCURSEL, 0, 0));
            ShowPage(dialog, tab >= 0 && tab < kGraphOptionsTabCount ? tab : kGraphTimeTab);
        }
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            if (ValidatePage(dialog)) EndDialog(dialog, 1);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, 0);
            return TRUE;
        }
        return FALSE;
    case WM_HELP: ShowHelpTopic(dialog, HelpPage::GraphOptions); return TRUE;
    case WM_DESTROY:
        SavePlacement(dialog);
        if (g_run->page) DestroyWindow(g_run->page);
        g_run->page = nullptr;
        return FALSE;
    default: return FALSE;
    }
}

}  // namespace

HWND GraphOptionsCurrentPage() { return g_run ? g_run->page : nullptr; }

int GraphOptionsCurrentTab() { return g_run ? g_run->tab : -1; }

bool ShowGraphOptionsDialog(HINSTANCE instance, HWND owner, GraphDocument& graph, int tab,
                            GraphOptionsDialogServices& services, TimeAndLocation& options, bool& guideLineOn) {
    if (g_run) return false;  // one at a time
    GraphOptionsRun run;
    run.instance = instance;
    run.services = &services;
    run.working = graph.Options();
    run.guideLine = guideLineOn;
    if (graph.LineCount() > 0) {
        if (graph.ValueKind() == kValueKindUnknown) graph.UpdateGraphRange();
        run.valueKind = graph.ValueKind();
    }
    graph.DrawnYRange(run.working.yAxisMin, run.working.yAxisMax, run.drawnFrom, run.drawnTo);
    double lowest = 0.0, highest = 0.0;
    graph.ValueLimits(lowest, highest);
    graph.DrawnYRange(lowest, highest, run.openFrom, run.openTo);
    if (!std::isinf(lowest)) run.openFrom = std::numeric_limits<double>::quiet_NaN();
    if (!std::isinf(highest)) run.openTo = std::numeric_limits<double>::quiet_NaN();
    g_run = &run;
    const INT_PTR result = DialogBoxParamW(instance, L"Dlg_GraphOpt", owner, &GraphOptionsProc, tab);
    g_run = nullptr;
    if (result != 1) return false;
    options = run.working;
    guideLineOn = run.guideLine;
    return true;
}

}  // namespace corvinata
