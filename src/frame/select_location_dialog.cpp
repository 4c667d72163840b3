#include "frame/select_location_dialog.h"

#include <algorithm>
#include <string>

#include "app/text_fitting.h"

namespace corvinata {
namespace {

constexpr int kDifferenceLines[] = {kIdDifferenceSentence, kIdDifferenceCurrent,
                                    kIdDifferenceCurrentTime, kIdDifferenceFuture,
                                    kIdKeepLocalTime, kIdKeepMoment};

SelectLocationDialogParams* ParamsOf(HWND dialog) {
    return reinterpret_cast<SelectLocationDialogParams*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

const wchar_t* Wide(const String& text) { return reinterpret_cast<const wchar_t*>(text.Text()); }

String FromWide(const std::wstring& text) { return String(reinterpret_cast<const Char*>(text.c_str())); }

HWND Item(HWND dialog, int id) { return GetDlgItem(dialog, id); }

bool IsChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

// The text of a combo box's selected line.
String SelectedText(HWND dialog, int id) {
    HWND combo = Item(dialog, id);
    const LRESULT index = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return String();
    std::wstring text(static_cast<std::size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, index, 0)) + 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(text.size() - 1);
    return FromWide(text);
}

void SelectExact(HWND dialog, int id, const String& text) {
    HWND combo = Item(dialog, id);
    LRESULT index = SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                 reinterpret_cast<LPARAM>(Wide(text)));
    if (index == CB_ERR) index = 0;
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

// The entry number of the selected user place, or -1.
std::int32_t SelectedEntry(HWND dialog) {
    HWND list = Item(dialog, kIdUserPlaces);
    const LRESULT line = SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (line == LB_ERR) return -1;
    return static_cast<std::int32_t>(SendMessageW(list, LB_GETITEMDATA, static_cast<WPARAM>(line), 0));
}

const Location* UserPlace(const SelectLocationDialogParams& params, std::int32_t entry) {
    if (!params.userPlaces || entry < 0) return nullptr;
    const auto& entries = params.userPlaces->UserLocationEntries();
    const auto found = entries.find(entry);
    return found == entries.end() ? nullptr : &found->second;
}

void FillTowns(HWND dialog, const String& country) {
    HWND towns = Item(dialog, kIdTownList);
    SendMessageW(towns, CB_RESETCONTENT, 0, 0);
    for (const String& town : TownTableTownsOf(country.Text()))
        SendMessageW(towns, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(town)));
}

void FillUserPlaces(HWND dialog, const SelectLocationDialogParams& params, std::int32_t select) {
    HWND list = Item(dialog, kIdUserPlaces);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    if (!params.userPlaces) return;
    for (const auto& [entry, place] : params.userPlaces->UserLocationEntries()) {
        const String line = UserLocationKey(place);
        const LRESULT index = SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(line)));
        SendMessageW(list, LB_SETITEMDATA, static_cast<WPARAM>(index), entry);
        if (entry == select) SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
}

// The user mode needs a selected place: with none (an empty list, or no
// line selected) it and the buttons that act on the selection are off.
void UpdateEnabled(HWND dialog) {
    const bool any = SendMessageW(Item(dialog, kIdUserPlaces), LB_GETCOUNT, 0, 0) > 0;
    const bool selected = SelectedEntry(dialog) >= 0;
    EnableWindow(Item(dialog, kIdUserPlaces), any);
    EnableWindow(Item(dialog, kIdUserMode), selected);
    EnableWindow(Item(dialog, kIdEditPlace), selected);
    EnableWindow(Item(dialog, kIdDeletePlace), selected);
    if (!selected) {
        CheckDlgButton(dialog, kIdPredefinedMode, BST_CHECKED);
        CheckDlgButton(dialog, kIdUserMode, BST_UNCHECKED);
    }
}

void SetMode(HWND dialog, bool user) {
    CheckDlgButton(dialog, kIdPredefinedMode, user ? BST_UNCHECKED : BST_CHECKED);
    CheckDlgButton(dialog, kIdUserMode, user ? BST_CHECKED : BST_UNCHECKED);
}

// The place the dialog would choose now.
Location FuturePlace(HWND dialog, const SelectLocationDialogParams& params) {
    if (IsChecked(dialog, kIdUserMode))
        if (const Location* place = UserPlace(params, SelectedEntry(dialog))) return *place;
    return PredefinedLocation(SelectedText(dialog, kIdCountryList).Text(),
                              SelectedText(dialog, kIdTownList).Text());
}

// Sets a label or radio button to a text that fits its control: a long
// place name keeps its beginning and end around "...". A control of more
// than one line wraps its text and must hold all its lines.
void SetFittedText(HWND dialog, int id, const String& text) {
    HWND control = Item(dialog, id);
    RECT client{};
    GetClientRect(control, &client);
    int width = client.right - client.left;
    const bool button = id == kIdKeepLocalTime || id == kIdKeepMoment;
    if (button) width -= GetSystemMetrics(SM_CXMENUCHECK) + 6;  // the radio circle and its gap
    HDC dc = GetDC(control);
    const HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int lines = std::max<int>(1, (client.bottom - client.top) / std::max<int>(1, metrics.tmHeight));
    const MeasureText measure = [&](const String& candidate) -> std::optional<int> {
        if (lines == 1) {
            SIZE size{};
            if (!GetTextExtentPoint32W(dc, Wide(candidate), candidate.Length(), &size)) return std::nullopt;
            return size.cx;
        }
        // Wrapped: as wide as the control while its lines fit, wider when not.
        RECT r{0, 0, width, 0};
        DrawTextW(dc, Wide(candidate), candidate.Length(), &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        return r.bottom <= lines * metrics.tmHeight ? width : width + 1;
    };
    const String fitted = ShortenTextToWidth(text, width, measure).value_or(text);
    SelectObject(dc, oldFont);
    ReleaseDC(control, dc);
    SetWindowTextW(control, Wide(fitted));
}

void ShowDetails(HWND dialog, const SelectLocationDialogParams& params, const Location& place) {
    const PlaceDetails details = DescribePlace(place, params.angleStyle);
    SetFittedText(dialog, kIdPlaceName, details.name);
    SetDlgItemTextW(dialog, kIdPlaceLongitude, Wide(details.longitude));
    SetDlgItemTextW(dialog, kIdPlaceLatitude, Wide(details.latitude));
    SetDlgItemTextW(dialog, kIdPlaceTimeZone, Wide(details.timeZone));
    SetDlgItemTextW(dialog, kIdPlaceElevation, Wide(details.elevation));
}

void Refresh(HWND dialog, const SelectLocationDialogParams& params) {
    UpdateEnabled(dialog);
    const Location future = FuturePlace(dialog, params);
    const TimeDifferenceTexts texts = DescribeTimeDifference(params.now, future);
    SetFittedText(dialog, kIdDifferenceSentence, texts.sentence);
    SetFittedText(dialog, kIdDifferenceCurrent, texts.current);
    SetFittedText(dialog, kIdDifferenceCurrentTime, texts.currentTime);
    SetFittedText(dialog, kIdDifferenceFuture, texts.future);
    SetFittedText(dialog, kIdKeepLocalTime, texts.keepLocal);
    SetFittedText(dialog, kIdKeepMoment, texts.keepMoment);
    for (int id : kDifferenceLines) EnableWindow(Item(dialog, id), texts.enabled);
    ShowDetails(dialog, params, future);
}

int TopOf(HWND dialog, int id) {
    RECT r{};
    GetWindowRect(Item(dialog, id), &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r.top;
}

void MoveUp(HWND dialog, int id, int by) {
    RECT r{};
    HWND control = Item(dialog, id);
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    SetWindowPos(control, nullptr, r.left, r.top - by, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Without the time difference the dialog loses exactly the height of the
// hidden section: the separator and the buttons move up to where it began.
void HideTimeDifference(HWND dialog) {
    for (int id : kDifferenceLines) ShowWindow(Item(dialog, id), SW_HIDE);
    ShowWindow(Item(dialog, kIdDifferenceTitle), SW_HIDE);
    ShowWindow(Item(dialog, kIdDifferenceFrame), SW_HIDE);
    const int by = TopOf(dialog, kIdButtonSeparator) - TopOf(dialog, kIdDifferenceFrame);
    for (int id : {static_cast<int>(kIdButtonSeparator), IDOK, IDCANCEL}) MoveUp(dialog, id, by);
    RECT frame{};
    GetWindowRect(dialog, &frame);
    SetWindowPos(dialog, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top - by,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR OnInit(HWND dialog, SelectLocationDialogParams& params) {
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&params));
    PlaceDialog(dialog, params.placement);
    HWND countries = Item(dialog, kIdCountryList);
    for (const String& country : TownTableCountries())
        SendMessageW(countries, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(country)));
    if (params.userPlaces) params.userPlaces->LoadUserLocations();
    FillUserPlaces(dialog, params, params.userEntry);
    SelectExact(dialog, kIdCountryList, params.country);
    FillTowns(dialog, SelectedText(dialog, kIdCountryList));
    SelectExact(dialog, kIdTownList, params.town);
    SetMode(dialog, params.userDefinedChosen && SelectedEntry(dialog) >= 0);
    CheckDlgButton(dialog, kIdKeepLocalTime, BST_CHECKED);
    Refresh(dialog, params);
    if (!params.showTimeDifference) HideTimeDifference(dialog);
    return TRUE;
}

void OnNew(HWND dialog, SelectLocationDialogParams& params) {
    if (!params.definePlace || !params.userPlaces) return;
    Location place;
    LocationInit(place);
    place.country = TXT("My country");
    place.town = TXT("My town");
    if (!params.definePlace(dialog, place, true)) return;
    const std::int32_t entry = params.userPlaces->AddUserLocation(place);
    if (entry < 0) return;
    FillUserPlaces(dialog, params, entry);
    SetMode(dialog, true);
    Refresh(dialog, params);
}

void OnEdit(HWND dialog, SelectLocationDialogParams& params) {
    const std::int32_t entry = SelectedEntry(dialog);
    const Location* stored = UserPlace(params, entry);
    if (!stored || !params.definePlace) return;
    const Location before = *stored;
    Location place = before;
    std::int32_t shown = entry;
    if (params.definePlace(dialog, place, false)) {
        // The store keeps a place under its names: the edited place goes in
        // as a new entry, and whoever named the old entry follows it.
        params.userPlaces->DeleteUserLocation(before);
        shown = params.userPlaces->AddUserLocation(place);
        if (shown < 0) shown = params.userPlaces->AddUserLocation(before);
        if (params.currentPlace == PlaceIdentity{PlaceIdentity::kUserPlace, entry})
            params.currentPlace.index = shown;
        if (params.userEntry == entry) params.userEntry = shown;
    }
    FillUserPlaces(dialog, params, shown);
    Refresh(dialog, params);
}

void OnDelete(HWND dialog, SelectLocationDialogParams& params) {
    const std::int32_t entry = SelectedEntry(dialog);
    const Location* stored = UserPlace(params, entry);
    if (!stored || !params.ask) return;
    if (!MayDeleteUserPlace(params.currentPlace, entry)) {
        params.ask(dialog, CurrentPlaceNotDeletableText(*stored), 0, 1,
                   MessageTopic::LocationInUse);
        return;
    }
    if (params.ask(dialog, DeletePlaceQuestionText(*stored), 2, 1,
                   MessageTopic::DeleteLocation) != kAnswerYesButton)
        return;
    if (params.userEntry == entry) params.userEntry = -1;
    HWND list = Item(dialog, kIdUserPlaces);
    const LRESULT line = SendMessageW(list, LB_GETCURSEL, 0, 0);
    params.userPlaces->DeleteUserLocation(Location(*stored));
    SendMessageW(list, LB_DELETESTRING, static_cast<WPARAM>(line), 0);
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    if (count > 0) {
        SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(line < count ? line : count - 1), 0);
    } else {
        SetMode(dialog, false);
        SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(dialog, kIdPredefinedMode)), TRUE);
    }
    Refresh(dialog, params);
}

void OnOk(HWND dialog, SelectLocationDialogParams& params) {
    params.country = SelectedText(dialog, kIdCountryList);
    params.town = SelectedText(dialog, kIdTownList);
    params.retainLocalCivilTime = IsChecked(dialog, kIdKeepLocalTime);
    params.userDefinedChosen = IsChecked(dialog, kIdUserMode) && SelectedEntry(dialog) >= 0;
    params.userEntry = params.userDefinedChosen ? SelectedEntry(dialog) : -1;
    LocationAssign(params.chosen, FuturePlace(dialog, params));
    EndDialog(dialog, 1);
}

INT_PTR OnCommand(HWND dialog, SelectLocationDialogParams& params, int id, int code) {
    switch (id) {
        case kIdPredefinedMode:
            SetMode(dialog, false);
            Refresh(dialog, params);
            return TRUE;
        case kIdUserMode:
            SetMode(dialog, true);
            Refresh(dialog, params);
            return TRUE;
        case kIdCountryList:
            if (code != CBN_SELCHANGE) return FALSE;
            FillTowns(dialog, SelectedText(dialog, kIdCountryList));
            SendMessageW(Item(dialog, kIdTownList), CB_SETCURSEL, 0, 0);
            SetMode(dialog, false);
            Refresh(dialog, params);
            return TRUE;
        case kIdTownList:
            if (code != CBN_SELCHANGE) return FALSE;
            SetMode(dialog, false);
            Refresh(dialog, params);
            return TRUE;
        case kIdUserPlaces:
            if (code == LBN_DBLCLK) OnEdit(dialog, params);
            if (code != LBN_SELCHANGE) return TRUE;
            SetMode(dialog, true);
            Refresh(dialog, params);
            return TRUE;
        case kIdNewPlace: OnNew(dialog, params); return TRUE;
        case kIdEditPlace: OnEdit(dialog, params); return TRUE;
        case kIdDeletePlace: OnDelete(dialog, params); return TRUE;
        case IDOK: OnOk(dialog, params); return TRUE;
        default: return FALSE;
    }
}

}  // namespace

DialogTemplate SelectLocationDialogTemplate() {
    constexpr short w = 260;
    constexpr short h = 306;
    constexpr short inner = 19;
    constexpr short field = 58;
    constexpr short value = 70;
    const DWORD list = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_GROUP;
    DialogTemplate t(L"Select Location", w, h);
    t.Add(DialogClass::kButton, L"&Predefined location", kIdPredefinedMode,
          BS_RADIOBUTTON | WS_TABSTOP | WS_GROUP, kDialogMargin, 7, 130, 10)
        .Label(L"&Country", -1, inner, 20, 36)
        .Add(DialogClass::kComboBox, L"", kIdCountryList, list, field, 18, 130, 150)
        .Label(L"&Town", -1, inner, 35, 36)
        .Add(DialogClass::kComboBox, L"", kIdTownList, list, field, 33, 130, 150)
        .Add(DialogClass::kButton, L"&User defined location", kIdUserMode,
             BS_RADIOBUTTON | WS_TABSTOP | WS_GROUP, kDialogMargin, 50, 130, 10)
        .Add(DialogClass::kListBox, L"", kIdUserPlaces,
             LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP | WS_GROUP, inner, 63,
             170, 46)
        .Button(L"&New..", kIdNewPlace, w - kDialogMargin - kButtonWidth, 63)
        .Button(L"&Edit...", kIdEditPlace, w - kDialogMargin - kButtonWidth, 79)
        .Button(L"&Delete", kIdDeletePlace, w - kDialogMargin - kButtonWidth, 95)
        .Group(L"Selected location", -1, kDialogMargin, 115, w - 14, 66)
        .Label(L"", kIdPlaceName, 15, 127, w - 30)
        .Label(L"Longitude:", -1, 15, 139, 50)
        .Label(L"", kIdPlaceLongitude, value, 139, 120)
        .Label(L"Latitude:", -1, 15, 149, 50)
        .Label(L"", kIdPlaceLatitude, value, 149, 120)
        .Label(L"Time zone:", -1, 15, 159, 50)
        .Label(L"", kIdPlaceTimeZone, value, 159, 120)
        .Label(L"Elevation:", -1, 15, 169, 50)
        .Label(L"", kIdPlaceElevation, value, 169, 120)
        .Group(L"", kIdDifferenceFrame, kDialogMargin, 185, w - 14, 88)
        .Label(L"Time difference", kIdDifferenceTitle, 15, 185, 70)
        .Label(L"", kIdDifferenceSentence, 15, 197, w - 30, 16)
        .Label(L"", kIdDifferenceCurrent, 15, 215, w - 30)
        .Label(L"", kIdDifferenceCurrentTime, 23, 225, w - 38)
        .Label(L"", kIdDifferenceFuture, 15, 237, w - 30)
        .Radio(L"", kIdKeepLocalTime, 23, 249, w - 38, true)
        .Radio(L"", kIdKeepMoment, 23, 259, w - 38, false)
        .Add(DialogClass::kStatic, L"", kIdButtonSeparator, SS_ETCHEDHORZ, kDialogMargin, 279, w - 14, 1);
    return std::move(t.OkCancel(w, h));
}

INT_PTR CALLBACK SelectLocationDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) return OnInit(dialog, *reinterpret_cast<SelectLocationDialogParams*>(lParam));
    SelectLocationDialogParams* params = ParamsOf(dialog);
    if (!params) return FALSE;
    if (message == WM_COMMAND && OnCommand(dialog, *params, LOWORD(wParam), HIWORD(wParam))) return TRUE;
    return AnswerPlacedDialog(dialog, message, wParam, HelpPage::SelectLocation, params->placement);
}

INT_PTR ShowSelectLocationDialog(HWND owner, SelectLocationDialogParams& params) {
    return RunDialog(owner, SelectLocationDialogTemplate(), &SelectLocationDialogProc,
                     reinterpret_cast<LPARAM>(&params));
}

bool ChangeLocation(HWND owner, SelectLocationState& state, SelectLocationDialogParams& params,
                    const std::function<void(const Location&, bool retainLocalCivilTime)>& apply) {
    params.country = state.country;
    params.town = state.town;
    params.retainLocalCivilTime = state.retainLocalCivilTime;
    params.userEntry = -1;
    if (params.userPlaces && state.userDefined) {
        params.userPlaces->LoadUserLocations();
        for (const auto& [entry, place] : params.userPlaces->UserLocationEntries())
            if (&place == state.userDefined) params.userEntry = entry;
    }
    params.userDefinedChosen = params.userEntry >= 0;
    if (ShowSelectLocationDialog(owner, params) != 1) return false;
    state.country = params.country;
    state.town = params.town;
    state.retainLocalCivilTime = params.retainLocalCivilTime;
    state.userDefined = params.userDefinedChosen ? UserPlace(params, params.userEntry) : nullptr;
    if (apply) apply(params.chosen, params.retainLocalCivilTime);
    return true;
}

}  // namespace corvinata
