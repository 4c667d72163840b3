#include "tools/object_info_window_win.h"

#include <commctrl.h>

#include <algorithm>
#include <initializer_list>

#include "app/help_topics_win.h"
#include "base/colour_table.h"
#include "base/date_time_text.h"
#include "base/event_time.h"
#include "base/module_resources_win.h"
#include "base/time_systems.h"
#include "catalog/sun_earth_catalogues.h"
#include "controls/control_panel.h"
#include "controls/drawn_text.h"
#include "resources/object_info_ids.h"
#include "tools/object_info_current.h"
#include "tools/symbol_table_window_win.h"

namespace corvinata {
namespace {

constexpr const wchar_t* kTabTexts[kObjectInfoTabCount] = {L"Current Information", L"Physical data",
                                                             L"Orbital data"};
constexpr const wchar_t* kSelectTitle = L"Select Object for Object Information";
constexpr int kTimeSystemCaption = 21010;
constexpr int kStarListTabStops[] = {45, 85, 125, 145};

ObjectInfoWindow* g_objectInfo = nullptr;

RECT RectIn(HWND page, HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// Narrows a static placed in a row to its drawn text, so that it covers
// neither the label after it nor a value field; its rectangle in the page.
// Strings the statics of a row together, each starting where the drawn
// text of the one before it ends and fitted to its own: the row reads as
// one text.
void PlaceAfterText(HWND page, std::initializer_list<int> row) {
    int end = -1;
    for (const int id : row) {
        HWND control = GetDlgItem(page, id);
        if (!control) return;
        const RECT r = RectIn(page, control);
        const int left = end >= 0 ? end : r.left;
        const int width = DrawnTextWidth(control);
        SetWindowPos(control, nullptr, left, r.top, width, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
        end = left + width;
    }
}

// A value field of the row that would cover the text of `control` starts
// where that text ends (values are right-aligned, so they stay in place).
void UncoverText(HWND page, int control) {
    HWND text = GetDlgItem(page, control);
    if (!text) return;
    const RECT t = RectIn(page, text);
    const int end = t.right + 2;
    for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (child == text) continue;
        const RECT c = RectIn(page, child);
        if (c.bottom <= t.top || c.top >= t.bottom || c.left <= t.left || c.left >= end || c.right <= end) continue;
        SetWindowPos(child, nullptr, end, c.top, c.right - end, c.bottom - c.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void SetText(HWND page, int id, const String& text) { SetDlgItemTextW(page, id, text.Text()); }

void FillSelector(HWND page, int id, const Char* (*text)(int), int count, int selected) {
    HWND box = GetDlgItem(page, id);
    SendMessageW(box, CB_RESETCONTENT, 0, 0);
    for (int i = 0; i < count; ++i) SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text(i)));
    SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

}  // namespace

void SetObjectInfoWindow(ObjectInfoWindow* window) noexcept { g_objectInfo = window; }
ObjectInfoWindow* GetObjectInfoWindow() noexcept { return g_objectInfo; }

void NotifyObjectInfoSelection(const CelestialObject* object) {
    if (g_objectInfo && object) g_objectInfo->SetBody(BodyIdentifierFromObject(object), true);
}

void NotifySelectionChanged(const DateTime& moment) {
    if (g_objectInfo) g_objectInfo->NotifySelectionChanged(moment);
}

void SelectObjectForInfo(const BodyIdentifier& body) {
    if (g_objectInfo) g_objectInfo->SelectObjectForInfo(body);
}

ObjectInfoWindow::ObjectInfoWindow(ObjectInfoWindowParams params) : params_(std::move(params)) {}

ObjectInfoWindow::~ObjectInfoWindow() {
    if (g_objectInfo == this) g_objectInfo = nullptr;
    if (params_.hub) params_.hub->Forget(this);
    time_.reset();
    if (window_) DestroyWindow(window_);
    if (symbolFont_) DeleteObject(symbolFont_);
}

void ObjectInfoWindow::Create(HWND frame) {
    const DateTimeLocation current = params_.currentTime ? params_.currentTime() : DateTimeLocation{};
    {
        SettingsTree tree(*params_.storage, params_.settingsRoot);
        state_ = LoadObjectInfoState(tree, SunRecordAt(0), current);
    }
    if (!symbolFont_) symbolFont_ = CreateToolSymbolFont();
    if (!OpenDialog(frame, L"DLG_TOOL_OBJECTINFO")) return;
    if (params_.hub) params_.hub->Insert(this);
    SetObjectInfoWindow(this);
    MoveTo(state_.x, state_.y);
    WriteBodyName();
    PostRefresh();
    SendDlgItemMessageW(window_, IDC_INFO_TABS, TCM_SETCURSEL, static_cast<WPARAM>(state_.tab), 0);
    if (time_) time_->ShowTimeStep(state_.step);
    if (state_.visible) ToggleThroughFrame();
}

void ObjectInfoWindow::SaveState(const ToolStateSaver& saver) {
    if (!window_) return;
    if (time_) state_.step = time_->ReadTimeStep();
    ReadPlacement(state_.x, state_.y, state_.visible);
    state_.tab = SelectedTab();
    saver.Save([this](SettingsTreeWriter& writer) { SaveObjectInfoState(writer, state_); });
}

void ObjectInfoWindow::SaveAndDestroy(const ToolStateSaver& saver) {
    if (!window_) return;
    SaveState(saver);
    if (params_.hub) params_.hub->Forget(this);
    if (g_objectInfo == this) g_objectInfo = nullptr;
    time_.reset();
    CloseDialog();
    page_ = nullptr;
}

void ObjectInfoWindow::SetBody(const BodyIdentifier& body, bool show) {
    if (!body.object) return;
    state_.selectedBody = body;
    if (show && window_ && !IsWindowVisible(window_)) ToggleThroughFrame();
    WriteBodyName();
    PostRefresh();
}

void ObjectInfoWindow::SelectObjectForInfo(const BodyIdentifier& body) {
    SetBody(body, false);
    ShowRelatedTasks();
}

void ObjectInfoWindow::NotifySelectionChanged(const DateTime& moment) {
    state_.timeAndPlace.dateTime = moment;
    PostRefresh();
    ShowRelatedTasks();
}

DateTime ObjectInfoWindow::GetResetTime() const {
    return params_.currentTime ? params_.currentTime().dateTime : state_.timeAndPlace.dateTime;
}

void ObjectInfoWindow::OnNotify(std::int32_t event, std::uint32_t flags, void*) {
    switch (event) {
    case kEventLocationChanged:
    case kEventDateTimeChanged:
    case kEventDateTimeLocationChanged:
        if (params_.currentTime) {
            // The tool keeps the orientation and side style of its own place.
            TimeAndPlace now;
            TimeAndPlaceFromDateTimeLocation(now, params_.currentTime());
            TimeAndPlaceAssign(state_.timeAndPlace, now);
        }
        RefreshPage();
        break;
    case kEventAppearanceChanged:
        if (flags & 7u) RefreshPage();
        break;
    default:
        break;
    }
}

INT_PTR ObjectInfoWindow::HandleDialog(UINT message, WPARAM wParam, LPARAM lParam) {
    // The Browse group's controls first.
    if (time_) {
        INT_PTR result = 0;
        if (time_->HandleMessage(message, wParam, lParam, result)) return result;
    }
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog();
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_INFO_SELECT: OnSelect(); return TRUE;
        case IDC_INFO_REFRESH: RefreshPage(); return TRUE;
        case IDCANCEL: PostMessageW(window_, WM_CLOSE, 0, 0); return TRUE;
        default: return FALSE;
        }
    case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        if (header.idFrom == IDC_INFO_TABS && header.code == static_cast<UINT>(TCN_SELCHANGE)) ShowPage();
        return FALSE;
    }
    case WM_NCACTIVATE:
        if (wParam) ShowRelatedTasks();
        return FALSE;
    default:
        return FALSE;
    }
}

void ObjectInfoWindow::OnInitDialog() {
    PanelTimeConfig config;
    time_ = std::make_unique<PanelTimePart>(window_, config, static_cast<PanelTimeTarget&>(*this));
    InsertTabs(GetDlgItem(window_, IDC_INFO_TABS), kTabTexts, kObjectInfoTabCount);
    for (int i = 0; i < kObjectInfoPageCount; ++i) {
        const wchar_t* name = ObjectInfoPageTemplateName(static_cast<ObjectInfoPage>(i));
        templates_[i] = static_cast<const DLGTEMPLATE*>(FindResourceBytes(params_.instance, name, RT_DIALOG).data);
    }
    ShowPage();
}

void ObjectInfoWindow::OnSelect() {
    if (!params_.selectBody) return;
    BodyIdentifier selection = state_.selectedBody;
    if (params_.selectBody(window_, kSelectTitle, selection)) SelectObjectForInfo(selection);
}

int ObjectInfoWindow::SelectedTab() const {
    return static_cast<int>(SendDlgItemMessageW(window_, IDC_INFO_TABS, TCM_GETCURSEL, 0, 0));
}

void ObjectInfoWindow::PostRefresh() {
    if (window_) PostMessageW(window_, WM_COMMAND, IDC_INFO_REFRESH, 0);
}

void ObjectInfoWindow::WriteBodyName() {
    String name;
    if (state_.selectedBody.object) state_.selectedBody.object->CelestialObjectFullName(name);
    SetDlgItemTextW(window_, IDC_INFO_OBJECT_NAME, name.Text());
}

void ObjectInfoWindow::WriteMoment() {
    String date;
    String time;
    FormatDateAndTime(state_.timeAndPlace.dateTime, date, time, false, kTimeToMinute);
    SetText(window_, 20600, date);
    SetText(window_, 21002, time);
    SetDlgItemTextW(window_, kTimeSystemCaption, GetTimeSystemCode(state_.timeAndPlace.dateTime.timeSystem));
}

void ObjectInfoWindow::ShowRelatedTasks() {
    if (params_.windows) params_.windows->ShowObjectInfoTasks(state_.selectedBody, state_.timeAndPlace.dateTime);
}

void ObjectInfoWindow::ShowPage() {
    if (page_) {
        DestroyWindow(page_);
        page_ = nullptr;
    }
    pageShown_ = ObjectInfoPage::kNone;
    const int tab = SelectedTab();
    const int kind = state_.selectedBody.object ? state_.selectedBody.object->GetTypeId() : -1;
    const ObjectInfoPage page = ObjectInfoPageFor(tab, kind);
    // The time only matters to the current information; it shows greyed.
    WriteMoment();
    if (time_) time_->EnableTimeStep(tab == kObjectInfoCurrentTab);
    EnableWindow(GetDlgItem(window_, kTimeSystemCaption), tab == kObjectInfoCurrentTab);
    if (page == ObjectInfoPage::kNone) return;
    const DLGTEMPLATE* pageTemplate = templates_[static_cast<int>(page)];
    if (!pageTemplate) return;
    pageMaking_ = page;
    HWND made = CreateDialogIndirectParamW(params_.instance, pageTemplate, window_, PageProc,
                                           reinterpret_cast<LPARAM>(this));
    pageMaking_ = ObjectInfoPage::kNone;
    if (!made) return;
    page_ = made;
    pageShown_ = page;
    // Over the tab control's display area, next after it in the tab order.
    HWND tabs = GetDlgItem(window_, IDC_INFO_TABS);
    FitPageIntoTabs(made, tabs, tabs, SWP_NOACTIVATE);
}

void ObjectInfoWindow::RefreshPage() {
    if (!window_) return;
    if (SelectedTab() == kObjectInfoCurrentTab && pageShown_ == ObjectInfoPage::kCurrent) {
        UpdateCurrentPage();
    } else {
        ShowPage();
    }
}

INT_PTR CALLBACK ObjectInfoWindow::PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(page, DWLP_USER, lParam);
        auto* self = reinterpret_cast<ObjectInfoWindow*>(lParam);
        if (self->pageMaking_ == ObjectInfoPage::kCurrent) {
            self->InitCurrentPage(page);
        } else {
            self->InitDataPage(page);
        }
        return FALSE;
    }
    if (message == WM_COMMAND && HIWORD(wParam) == CBN_SELCHANGE) {
        auto* self = reinterpret_cast<ObjectInfoWindow*>(GetWindowLongPtrW(page, DWLP_USER));
        if (self && page == self->page_) self->OnSelectorChanged(LOWORD(wParam));
    }
    return FALSE;
}

void ObjectInfoWindow::InitCurrentPage(HWND page) {
    page_ = page;
    FillSelector(page, kIdInfoCoordinateSystem, ObjectInfoCoordinateSystemName, kObjectInfoCoordinateSystemCount,
                 state_.coordinateSystem);
    SetDlgItemTextW(page, kIdInfoFirstAxisCaption, GetCoordinateSystemFirstAxisName(state_.coordinateSystem));
    SetDlgItemTextW(page, kIdInfoSecondAxisCaption, GetCoordinateSystemSecondAxisName(state_.coordinateSystem));
    FillSelector(page, kIdInfoTimeSystem, ObjectInfoTimeSystemCode, kObjectInfoTimeSystemCount, state_.timeSystem);
    FillSelector(page, kIdInfoDistanceUnit, ObjectInfoDistanceUnitCode, kObjectInfoDistanceSystemCount,
                 state_.distanceSystem);
    UpdateCurrentPage();
}

void ObjectInfoWindow::UpdateCurrentPage() {
    HWND page = page_;
    if (!page) return;
    WriteMoment();
    for (const ObjectInfoField& field : ObjectInfoFields()) {
        SetDlgItemTextW(page, field.value, L"n.a.");
        EnableWindow(GetDlgItem(page, field.value), FALSE);
        EnableWindow(GetDlgItem(page, field.caption), FALSE);
    }
    for (int selector : {kIdInfoCoordinateSystem, kIdInfoTimeSystem, kIdInfoDistanceUnit})
        EnableWindow(GetDlgItem(page, selector), FALSE);
    if (!state_.selectedBody.object) {
        SetDlgItemTextW(page, kIdInfoName, L"");
        return;
    }
    const ObjectInfoCurrentTexts texts =
        ComputeObjectInfoCurrent(*state_.selectedBody.object, state_, DisplayFormatRequest());
    SetText(page, kIdInfoName, texts.name);
    SetText(page, kIdInfoFirstAxisCaption, texts.firstAxis);
    SetText(page, kIdInfoSecondAxisCaption, texts.secondAxis);
    EnableWindow(GetDlgItem(page, kIdInfoCoordinateSystem), texts.coordinateSelector);
    EnableWindow(GetDlgItem(page, kIdInfoTimeSystem), texts.timeSelector);
    EnableWindow(GetDlgItem(page, kIdInfoDistanceUnit), texts.distanceSelector);
    for (const ObjectInfoFieldText& field : texts.fields) {
        SetText(page, field.field->value, field.text);
        EnableWindow(GetDlgItem(page, field.field->value), TRUE);
        EnableWindow(GetDlgItem(page, field.field->caption), TRUE);
    }
}

void ObjectInfoWindow::OnSelectorChanged(int id) {
    HWND box = GetDlgItem(page_, id);
    wchar_t text[64] = {};
    GetWindowTextW(box, text, 64);
    switch (id) {
    case kIdInfoCoordinateSystem: {
        const int index = FindCoordinateSystemByName(text);
        if (index >= 0 && index < kObjectInfoCoordinateSystemCount) state_.coordinateSystem = index;
        break;
    }
    case kIdInfoTimeSystem: {
        const int index = FindTimeSystemByCode(text);
        if (index >= 0 && index < kObjectInfoTimeSystemCount) state_.timeSystem = index;
        break;
    }
    case kIdInfoDistanceUnit: {
        const int index = FindDistanceUnitByCode(text);
        if (index >= 0 && index < kObjectInfoDistanceSystemCount) state_.distanceSystem = index;
        break;
    }
    default:
        return;
    }
    PostRefresh();
}

void ObjectInfoWindow::InitDataPage(HWND page) {
    if (!state_.selectedBody.object) return;
    const QuantityFormatRequest display = DisplayFormatRequest();
    const ObjectInfoPageContent content =
        ObjectInfoPageTexts(pageMaking_, *state_.selectedBody.object, {display.angleDegreeBase, display.raDisplayUnit});
    for (const ObjectInfoPageText& value : content.values) SetText(page, value.control, value.text);
    for (const ObjectInfoSymbolLabel& label : content.labels) {
        if (HWND control = GetDlgItem(page, label.label)) {
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(symbolFont_), FALSE);
            SetWindowTextW(control, label.glyphs.Text());
        }
        PlaceAfterText(page, {label.before, label.label, label.after});
        UncoverText(page, label.after);
    }
    if (HWND list = GetDlgItem(page, kIdInfoStarList)) {
        SendMessageW(list, LB_SETTABSTOPS, 4, reinterpret_cast<LPARAM>(kStarListTabStops));
        for (const String& line : content.starLines)
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.Text()));
        SendMessageW(list, LB_SETCURSEL, 0, 0);
    }
}

}  // namespace corvinata
