#include "frame/define_location_dialog.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "app/angle_picker.h"
#include "app/location_choice.h"
#include "app/number_picker.h"
#include "app/time_zone_picker.h"
#include "catalog/time_zones.h"
#include "controls/control_classes.h"
#include "controls/night_colours.h"
#include "controls/spin_edit_window.h"
#include "controls/window_text.h"

namespace corvinata {
namespace {

constexpr int kScrollLine = 16;
constexpr COLORREF kCrossColour = RGB(220, 0, 0);

const wchar_t* Wide(const String& text) { return reinterpret_cast<const wchar_t*>(text.Text()); }

struct DefineLocationRun {
    DefineLocationParams* params;
    OfferedMaps offered;
    MapWindow map;
    Location original;
};

DefineLocationRun* RunOf(HWND dialog) {
    return reinterpret_cast<DefineLocationRun*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

template <class Picker>
PickerControl<Picker>* PickerOf(HWND dialog, int id) {
    return FindCustomControl<PickerControl<Picker>>(GetDlgItem(dialog, id));
}

// Longitude as the picker shows it is east positive.
bool ReadPlace(HWND dialog, double& longitudeWest, double& latitude, double& zone) {
    auto* longitude = PickerOf<AnglePicker>(dialog, kIdLongitudePicker);
    auto* north = PickerOf<AnglePicker>(dialog, kIdLatitudePicker);
    auto* hours = PickerOf<TimeZonePicker>(dialog, kIdTimeZonePicker);
    if (!longitude || !north || !hours) return false;
    longitudeWest = -longitude->GetValue();
    latitude = north->GetValue();
    zone = hours->GetValue();
    return true;
}

void ShowZone(HWND dialog, double zone) {
    if (auto* hours = PickerOf<TimeZonePicker>(dialog, kIdTimeZonePicker)) {
        hours->SetValue(zone);
        hours->Redraw();
    }
}

void ShowPlace(HWND dialog, double longitudeWest, double latitude) {
    if (auto* longitude = PickerOf<AnglePicker>(dialog, kIdLongitudePicker)) {
        longitude->SetValue(-longitudeWest);
        longitude->Redraw();
    }
    if (auto* north = PickerOf<AnglePicker>(dialog, kIdLatitudePicker)) {
        north->SetValue(latitude);
        north->Redraw();
    }
}

const MapRecord* CurrentMap(HWND dialog, const DefineLocationRun& run) {
    const LRESULT line = SendMessageW(GetDlgItem(dialog, kIdMapList), CB_GETCURSEL, 0, 0);
    if (line == CB_ERR) return nullptr;
    const LRESULT index = SendMessageW(GetDlgItem(dialog, kIdMapList), CB_GETITEMDATA, line, 0);
    if (index < 0 || index >= static_cast<LRESULT>(run.offered.maps.size())) return nullptr;
    return &run.offered.maps[static_cast<std::size_t>(index)];
}

// The zone of a point into the time-zone picker; where none is known (at
// sea) the picker keeps its zone and the user is told to enter one.
void ShowZoneOfPoint(HWND dialog, const DefineLocationParams& params, double longitudeWest, double latitude,
                     bool tell = true) {
    if (const auto zone = TimeZoneOffsetAtPoint(longitudeWest, latitude)) {
        ShowZone(dialog, *zone);
    } else if (params.ask && tell) {
        params.ask(dialog, NoTimeZoneText(longitudeWest, latitude, params.angleLayout), 0, 0,
                   MessageTopic::NoTimeZone);
    }
}

// The place under the cross; a cross off the picture changes nothing. The
// opening's point in the middle of the map is not the user's: a missing zone
// there goes unsaid.
void SetCoordinatesFromMap(HWND dialog, DefineLocationRun& run, bool tell = true) {
    const MapRecord* map = CurrentMap(dialog, run);
    double longitudeWest = 0.0;
    double latitude = 0.0;
    const POINT at = run.map.Marked();
    if (!map || !run.map.HasMark() || !MapPointToPlace(*map, run.map.View(), at.x, at.y, longitudeWest, latitude))
        return;
    ShowPlace(dialog, longitudeWest, latitude);
    ShowZoneOfPoint(dialog, *run.params, longitudeWest, latitude, tell);
}

// The cross on the place the fields hold, the view centred on it; no cross
// when the place lies off the current map.
void MarkPlaceOfFields(HWND dialog, DefineLocationRun& run) {
    const MapRecord* map = CurrentMap(dialog, run);
    double longitudeWest = 0.0;
    double latitude = 0.0;
    double zone = 0.0;
    if (!map || !ReadPlace(dialog, longitudeWest, latitude, zone)) return;
    const double width = map->rightLongitude - map->leftLongitude;
    const double height = map->topLatitude - map->bottomLatitude;
    if (width == 0.0 || height == 0.0) return;
    run.map.MarkFraction((longitudeWest - map->leftLongitude) / width, (map->topLatitude - latitude) / height);
}

void UpdateArrows(HWND dialog, const MapWindow& map) {
    EnableWindow(GetDlgItem(dialog, kIdMoveLeft), map.CanMove(-1, 0));
    EnableWindow(GetDlgItem(dialog, kIdMoveRight), map.CanMove(1, 0));
    EnableWindow(GetDlgItem(dialog, kIdMoveUp), map.CanMove(0, -1));
    EnableWindow(GetDlgItem(dialog, kIdMoveDown), map.CanMove(0, 1));
}

void ShowChosenMap(HWND dialog, DefineLocationRun& run) {
    const MapRecord* map = CurrentMap(dialog, run);
    if (!map) return;
    const std::basic_string<Char> path = std::basic_string<Char>(run.offered.folder.Text()) + map->file.Text();
    run.map.ShowPicture(String(path.c_str()));
}

void LoadMaps(HWND dialog, DefineLocationRun& run) {
    const DefineLocationParams& params = *run.params;
    if (params.storage) {
        run.offered = LoadOfferedMaps(*params.storage, params.makerKeyPath, params.programFolder);
    } else {
        run.offered.maps.push_back(BuiltInMap());
    }
    if (!run.offered.damagedFolder.IsEmpty() && params.ask)
        params.ask(dialog, String(kDamagedMapPackText), 0, 2, MessageTopic::MapDescriptionError);
    HWND list = GetDlgItem(dialog, kIdMapList);
    for (std::size_t i = 0; i < run.offered.maps.size(); ++i) {
        const LRESULT line =
            SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(run.offered.maps[i].name)));
        SendMessageW(list, CB_SETITEMDATA, static_cast<WPARAM>(line), static_cast<LPARAM>(i));
    }
    SendMessageW(list, CB_SETCURSEL, 0, 0);
}

void CreateMapWindow(HWND dialog, DefineLocationRun& run) {
    HWND frame = GetDlgItem(dialog, kIdMapFrame);
    RECT client{};
    GetClientRect(frame, &client);
    CreateWindowExW(0, kMapClass, L"", WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL, 1, 1,
                    client.right - 2, client.bottom - 2, frame, nullptr, GetModuleHandleW(nullptr), &run.map);
    run.map.OnMarked([dialog, &run] {
        UpdateArrows(dialog, run.map);
        SetCoordinatesFromMap(dialog, run);
    });
}

INT_PTR OnInit(HWND dialog, DefineLocationRun& run) {
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&run));
    const DefineLocationParams& params = *run.params;
    PlaceDialog(dialog, params.placement);
    if (auto* longitude = PickerOf<AnglePicker>(dialog, kIdLongitudePicker))
        longitude->SetFormat(kEastWestUpTo180, params.angleLayout, false);
    if (auto* latitude = PickerOf<AnglePicker>(dialog, kIdLatitudePicker))
        latitude->SetFormat(kNorthSouthUpTo90, params.angleLayout, false);
    if (auto* elevation = PickerOf<NumberPicker>(dialog, kIdElevationPicker)) elevation->SetFormat(0, 9999, 0);
    HWND zoom = GetDlgItem(dialog, kIdZoom);
    SendMessageW(zoom, TBM_SETRANGE, TRUE, MAKELPARAM(0, kMaxMapZoom));
    SendMessageW(zoom, TBM_SETPAGESIZE, 0, 1);
    LoadMaps(dialog, run);
    CreateMapWindow(dialog, run);
    ShowChosenMap(dialog, run);
    const Location& place = *params.place;
    SendDlgItemMessageW(dialog, kIdCountryEdit, EM_LIMITTEXT, kNameMaxLength, 0);
    SendDlgItemMessageW(dialog, kIdTownEdit, EM_LIMITTEXT, kNameMaxLength, 0);
    SetDlgItemTextW(dialog, kIdCountryEdit, Wide(place.country));
    SetDlgItemTextW(dialog, kIdTownEdit, Wide(place.town));
    if (params.isNew) {
        run.map.CentreMark();
        SetCoordinatesFromMap(dialog, run, false);
    } else {
        ShowPlace(dialog, place.coordinates.longitude.degrees, place.coordinates.latitude.degrees);
        ShowZone(dialog, place.coordinates.timeZone.hours);
        MarkPlaceOfFields(dialog, run);
    }
    UpdateArrows(dialog, run.map);
    if (auto* elevation = PickerOf<NumberPicker>(dialog, kIdElevationPicker)) {
        elevation->SetValue(place.coordinates.elevation);
        elevation->Redraw();
    }
    return TRUE;
}

void SetZoom(HWND dialog, DefineLocationRun& run, int zoom) {
    zoom = std::clamp(zoom, 0, kMaxMapZoom);
    SendDlgItemMessageW(dialog, kIdZoom, TBM_SETPOS, TRUE, zoom);
    run.map.SetZoom(zoom);
}

bool IsDuplicate(const DefineLocationRun& run, const String& country, const String& town) {
    UserLocations* places = run.params->userPlaces;
    if (!places) return false;
    const Location* found = places->FindUserLocation(town.Text(), country.Text());
    if (!found) return false;
    // Editing may keep the place's own names.
    return run.params->isNew || UserLocationKey(*found) != UserLocationKey(run.original);
}

void OnOk(HWND dialog, DefineLocationRun& run) {
    const String country = DialogItemText(dialog, kIdCountryEdit);
    const String town = DialogItemText(dialog, kIdTownEdit);
    const DefineLocationParams& params = *run.params;
    if (IsDuplicate(run, country, town)) {
        if (params.ask)
            params.ask(dialog, String(kDuplicatePlaceText), 0, 1, MessageTopic::DuplicateLocation);
        return;
    }
    double zone = 0.0;
    if (!CheckTimeZone(dialog, params, zone)) return;
    double longitudeWest = 0.0;
    double latitude = 0.0;
    double entered = 0.0;
    ReadPlace(dialog, longitudeWest, latitude, entered);
    Location& place = *params.place;
    place.country = country;
    place.town = town;
    place.coordinates.longitude.degrees = longitudeWest;
    place.coordinates.latitude.degrees = latitude;
    place.coordinates.timeZone.hours = zone;
    if (auto* elevation = PickerOf<NumberPicker>(dialog, kIdElevationPicker))
        place.coordinates.elevation = elevation->GetRoundedValue();
    EndDialog(dialog, 1);
}

void OnArrow(HWND dialog, DefineLocationRun& run, int dx, int dy) {
    run.map.Move(dx, dy);
    UpdateArrows(dialog, run.map);
    SetCoordinatesFromMap(dialog, run);
}

INT_PTR OnCommand(HWND dialog, DefineLocationRun& run, int id, int code) {
    switch (id) {
        case kIdMapList:
            if (code == CBN_SELCHANGE) {
                ShowChosenMap(dialog, run);
                MarkPlaceOfFields(dialog, run);
                UpdateArrows(dialog, run.map);
            }
            return TRUE;
        case kIdZoomOut:
        case kIdZoomIn:
            // Zooming keeps the place: the view centres on the cross.
            if (code != STN_CLICKED) return FALSE;
            SetZoom(dialog, run, run.map.Zoom() + (id == kIdZoomIn ? 1 : -1));
            UpdateArrows(dialog, run.map);
            return TRUE;
        case kIdMoveLeft: OnArrow(dialog, run, -1, 0); return TRUE;
        case kIdMoveRight: OnArrow(dialog, run, 1, 0); return TRUE;
        case kIdMoveUp: OnArrow(dialog, run, 0, -1); return TRUE;
        case kIdMoveDown: OnArrow(dialog, run, 0, 1); return TRUE;
        case kIdLookupZone: {
            double longitudeWest = 0.0;
            double latitude = 0.0;
            double zone = 0.0;
            if (!ReadPlace(dialog, longitudeWest, latitude, zone)) return TRUE;
            ShowZoneOfPoint(dialog, *run.params, longitudeWest, latitude);
            MarkPlaceOfFields(dialog, run);
            UpdateArrows(dialog, run.map);
            return TRUE;
        }
        case IDOK: OnOk(dialog, run); return TRUE;
        default: return FALSE;
    }
}

LRESULT CALLBACK MapWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* map = static_cast<MapWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        map->Attach(window);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(map));
    }
    auto* map = reinterpret_cast<MapWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    return map ? map->HandleMessage(message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

void MapWindow::ShowPicture(const String& path) {
    PictureImage image;
    LoadPictureFile(path.Text(), image);
    picture_ = DibPicture(image);
    view_.pictureWidth = picture_.Width();
    view_.pictureHeight = picture_.Height();
    view_.scrollX = view_.scrollY = 0;
    UpdateScrollRanges();
    InvalidateRect(window_, nullptr, FALSE);
}

void MapWindow::SetZoom(int zoom) {
    view_.zoom = std::clamp(zoom, 0, kMaxMapZoom);
    UpdateScrollRanges();
    if (hasMark_) CentreOnMark();
    InvalidateRect(window_, nullptr, FALSE);
}

void MapWindow::Mark(int x, int y) {
    const int width = ZoomedWidth(view_);
    const int height = ZoomedHeight(view_);
    if (width <= 0 || height <= 0) return;
    hasMark_ = true;
    markX_ = (x + view_.scrollX + 0.5) / width;
    markY_ = (y + view_.scrollY + 0.5) / height;
    InvalidateRect(window_, nullptr, FALSE);
}

bool MapWindow::MarkFraction(double fx, double fy) {
    hasMark_ = fx >= 0.0 && fx < 1.0 && fy >= 0.0 && fy < 1.0;
    if (hasMark_) {
        markX_ = fx;
        markY_ = fy;
        CentreOnMark();
    }
    InvalidateRect(window_, nullptr, FALSE);
    return hasMark_;
}

POINT MapWindow::Marked() const noexcept {
    return POINT{static_cast<LONG>(std::floor(markX_ * ZoomedWidth(view_))) - view_.scrollX,
                 static_cast<LONG>(std::floor(markY_ * ZoomedHeight(view_))) - view_.scrollY};
}

void MapWindow::CentreOnMark() {
    view_.scrollX = static_cast<int>(std::lround(markX_ * ZoomedWidth(view_))) - view_.windowWidth / 2;
    view_.scrollY = static_cast<int>(std::lround(markY_ * ZoomedHeight(view_))) - view_.windowHeight / 2;
    UpdateScrollRanges();
}

void MapWindow::CentreMark() {
    RECT client{};
    GetClientRect(window_, &client);
    Mark(client.right / 2, client.bottom / 2);
}

bool MapWindow::CanMove(int dx, int dy) const noexcept {
    if (!hasMark_) return false;
    RECT client{};
    GetClientRect(window_, &client);
    const POINT at = Marked();
    const long x = at.x + dx;
    const long y = at.y + dy;
    return x >= 0 && y >= 0 && x < client.right && y < client.bottom;
}

void MapWindow::Move(int dx, int dy) {
    if (!CanMove(dx, dy)) return;
    const POINT at = Marked();
    Mark(at.x + dx, at.y + dy);
}

void MapWindow::UpdateScrollRanges() {
    for (int pass = 0; pass < 2; ++pass) {  // the bars take room from the client
        RECT client{};
        GetClientRect(window_, &client);
        view_.windowWidth = client.right;
        view_.windowHeight = client.bottom;
        const int width = ZoomedWidth(view_);
        const int height = ZoomedHeight(view_);
        view_.scrollX = std::clamp(view_.scrollX, 0, std::max(0, width - view_.windowWidth));
        view_.scrollY = std::clamp(view_.scrollY, 0, std::max(0, height - view_.windowHeight));
        SCROLLINFO bar{sizeof bar, SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL, 0, std::max(0, width - 1),
                       static_cast<UINT>(view_.windowWidth), view_.scrollX, 0};
        SetScrollInfo(window_, SB_HORZ, &bar, TRUE);
        bar.nMax = std::max(0, height - 1);
        bar.nPage = static_cast<UINT>(view_.windowHeight);
        bar.nPos = view_.scrollY;
        SetScrollInfo(window_, SB_VERT, &bar, TRUE);
    }
}

void MapWindow::OnScroll(int bar, int request) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(window_, bar, &info);
    int& position = bar == SB_HORZ ? view_.scrollX : view_.scrollY;
    const int page = static_cast<int>(info.nPage);
    switch (request) {
        case SB_LINEUP: position -= kScrollLine; break;
        case SB_LINEDOWN: position += kScrollLine; break;
        case SB_PAGEUP: position -= page; break;
        case SB_PAGEDOWN: position += page; break;
        case SB_THUMBTRACK: case SB_THUMBPOSITION: position = info.nTrackPos; break;
        case SB_TOP: position = 0; break;
        case SB_BOTTOM: position = info.nMax; break;
        default: return;
    }
    position = std::clamp(position, 0, std::max(0, info.nMax + 1 - page));
    SetScrollPos(window_, bar, position, TRUE);
    InvalidateRect(window_, nullptr, FALSE);
}

void MapWindow::OnPaint() {
    ScopedPaint paint(window_);
    RECT client{};
    GetClientRect(window_, &client);
    const ScopedMemoryDc buffer(CreateCompatibleDC(paint.Get()));
    const ScopedBitmap surface(CreateCompatibleBitmap(paint.Get(), client.right, client.bottom));
    const ScopedSelection onSurface(buffer.Get(), surface.Get());
    const ScopedWinHandle<GdiObjectTraits<HBRUSH>> workspace(CreateSolidBrush(GetSysColor(COLOR_APPWORKSPACE)));
    FillRect(buffer.Get(), &client, workspace.Get());
    SetStretchBltMode(buffer.Get(), HALFTONE);
    picture_.Draw(buffer.Get(), -view_.scrollX, -view_.scrollY, ZoomedWidth(view_), ZoomedHeight(view_));
    if (hasMark_) {
        const POINT marked = Marked();
        const ScopedWinHandle<GdiObjectTraits<HPEN>> pen(CreatePen(PS_SOLID, 1, kCrossColour));
        const ScopedSelection withPen(buffer.Get(), pen.Get());
        MoveToEx(buffer.Get(), 0, marked.y, nullptr);
        LineTo(buffer.Get(), client.right, marked.y);
        MoveToEx(buffer.Get(), marked.x, 0, nullptr);
        LineTo(buffer.Get(), marked.x, client.bottom);
    }
    BitBlt(paint.Get(), 0, 0, client.right, client.bottom, buffer.Get(), 0, 0, SRCCOPY);
}

LRESULT MapWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: OnPaint(); return 0;
        case WM_ERASEBKGND: return 1;
        case WM_SIZE: UpdateScrollRanges(); return 0;
        case WM_HSCROLL: OnScroll(SB_HORZ, LOWORD(wParam)); return 0;
        case WM_VSCROLL: OnScroll(SB_VERT, LOWORD(wParam)); return 0;
        case WM_LBUTTONDOWN:
            Mark(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
            if (onMarked_) onMarked_();
            return 0;
        default: return DefWindowProcW(window_, message, wParam, lParam);
    }
}

bool RegisterMapClass(HINSTANCE instance) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, kMapClass, &existing)) return true;
    WNDCLASSEXW type{};
    type.cbSize = sizeof type;
    type.lpfnWndProc = &MapWndProc;
    type.hInstance = instance;
    type.hCursor = LoadCursorW(nullptr, IDC_CROSS);
    type.lpszClassName = kMapClass;
    return RegisterClassExW(&type) != 0;
}

DefinePlace DefinePlaceWith(const DefineLocationParams& common) {
    return [common](HWND owner, Location& place, bool isNew) {
        DefineLocationParams params = common;
        params.place = &place;
        params.isNew = isNew;
        return ShowDefineLocation(owner, params);
    };
}

bool CheckTimeZone(HWND dialog, const DefineLocationParams& params, double& zone) {
    double longitudeWest = 0.0;
    double latitude = 0.0;
    double entered = 0.0;
    if (!ReadPlace(dialog, longitudeWest, latitude, entered)) return false;
    const auto computed = TimeZoneOffsetAtPoint(longitudeWest, latitude);
    zone = entered;
    if (!params.ask || (computed && *computed == entered)) return true;
    if (!computed) {
        // Out at sea no zone can be suggested: the user confirms the entered one.
        const String question = NoTimeZoneQuestionText(entered, longitudeWest, latitude, params.angleLayout);
        return params.ask(dialog, question, 2, 1, MessageTopic::NoTimeZone) == kAnswerYesButton;
    }
    const String question =
        TimeZoneQuestionText(entered, longitudeWest, latitude, *computed, params.angleLayout);
    const int answer = params.ask(dialog, question, 3, 1, MessageTopic::TimeZoneMismatch);
    if (answer == kAnswerYesButton) zone = *computed;
    return answer == kAnswerYesButton || answer == 4;
}

DialogTemplate DefineLocationDialogTemplate() {
    constexpr short w = 330;
    constexpr short h = 222;
    constexpr short field = 56;  // after the labels, "&Elevation (m)" the widest
    constexpr short right = 130;
    const DWORD picker = WS_TABSTOP | WS_GROUP;
    DialogTemplate t(L"Define User Location", w, h);
    t.Label(L"&Country", -1, kDialogMargin, 9, 47)
        .Add(DialogClass::kEdit, L"", kIdCountryEdit, ES_AUTOHSCROLL | WS_BORDER | picker, field, 7, 70, kEditHeight)
        .Label(L"&Town", -1, kDialogMargin, 25, 47)
        .Add(DialogClass::kEdit, L"", kIdTownEdit, ES_AUTOHSCROLL | WS_BORDER | picker, field, 23, 70, kEditHeight)
        .Label(L"L&ongitude", -1, kDialogMargin, 41, 47)
        .Add(kAnglePickerClass, L"", kIdLongitudePicker, picker, field, 39, 70, kEditHeight)
        .Label(L"L&atitude", -1, kDialogMargin, 57, 47)
        .Add(kAnglePickerClass, L"", kIdLatitudePicker, picker, field, 55, 70, kEditHeight)
        .Label(L"Time &zone", -1, kDialogMargin, 73, 47)
        .Add(kTimeZonePickerClass, L"", kIdTimeZonePicker, picker, field, 71, 50, kEditHeight)
        .Button(L"&Lookup", kIdLookupZone, field, 87)
        .Label(L"&Elevation (m)", -1, kDialogMargin, 109, 47)
        .Add(kNumberPickerClass, L"", kIdElevationPicker, picker, field, 107, 50, kEditHeight)
        .Label(L"&Map", -1, right, 9, 26)
        .Add(DialogClass::kComboBox, L"", kIdMapList, CBS_DROPDOWNLIST | WS_VSCROLL | picker, right + 28, 7,
             w - kDialogMargin - right - 28, 120)
        .Add(DialogClass::kStatic, L"", kIdMapFrame, SS_BLACKFRAME, right, 24, w - kDialogMargin - right, 150)
        .Add(DialogClass::kStatic, L"BMP_MAP_ZOOMED_OUT", kIdZoomOut, SS_BITMAP | SS_CENTERIMAGE | SS_NOTIFY, right,
             180, 10, 10)
        .Add(kTrackbarClass, L"", kIdZoom, TBS_HORZ | TBS_AUTOTICKS | picker, right + 12, 178, 70, 14)
        .Add(DialogClass::kStatic, L"BMP_MAP_ZOOMED_IN", kIdZoomIn, SS_BITMAP | SS_CENTERIMAGE | SS_NOTIFY,
             right + 84, 180, 10, 10)
        .Add(kButtonClass, L"", kIdMoveLeft, WS_TABSTOP | WS_GROUP, w - kDialogMargin - 62, 178, 14, 14)
        .Add(kButtonClass, L"", kIdMoveRight, WS_TABSTOP, w - kDialogMargin - 46, 178, 14, 14)
        .Add(kButtonClass, L"", kIdMoveUp, WS_TABSTOP, w - kDialogMargin - 30, 178, 14, 14)
        .Add(kButtonClass, L"", kIdMoveDown, WS_TABSTOP, w - kDialogMargin - 14, 178, 14, 14);
    return std::move(t.OkCancel(w, h));
}

INT_PTR CALLBACK DefineLocationDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) return OnInit(dialog, *reinterpret_cast<DefineLocationRun*>(lParam));
    DefineLocationRun* run = RunOf(dialog);
    if (!run) return FALSE;
    if (message == PickerChangedMessage()) {
        // Typed coordinates: the cross follows them.
        const int id = static_cast<int>(wParam);
        if (id == kIdLongitudePicker || id == kIdLatitudePicker) {
            MarkPlaceOfFields(dialog, *run);
            UpdateArrows(dialog, run->map);
        }
        return TRUE;
    }
    switch (message) {
        case WM_COMMAND:
            if (OnCommand(dialog, *run, LOWORD(wParam), HIWORD(wParam))) return TRUE;
            break;
        case WM_HSCROLL:
            // The zoom follows the trackbar's position, whatever the request.
            if (reinterpret_cast<HWND>(lParam) == GetDlgItem(dialog, kIdZoom))
                run->map.SetZoom(static_cast<int>(SendMessageW(reinterpret_cast<HWND>(lParam), TBM_GETPOS, 0, 0)));
            return TRUE;
        default:
            break;
    }
    return AnswerPlacedDialog(dialog, message, wParam, HelpPage::DefineUserLocation, run->params->placement);
}

bool ShowDefineLocation(HWND parent, DefineLocationParams& params) {
    if (!params.place || !RegisterMapClass(GetModuleHandleW(nullptr))) return false;
    DefineLocationRun run{&params, {}, {}, *params.place};
    return RunDialog(parent, DefineLocationDialogTemplate(), &DefineLocationDlgProc,
                     reinterpret_cast<LPARAM>(&run)) == 1;
}

}  // namespace corvinata
