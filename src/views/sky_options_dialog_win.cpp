#include "views/sky_options_dialog_win.h"

#include <commctrl.h>

#include <cwchar>
#include <memory>

#include "app/custom_control_map.h"
#include "app/dialog_positions.h"
#include "app/help_topics_win.h"
#include "app/sky_panel_texts.h"
#include "catalog/body_types.h"
#include "catalog/celestial_object.h"
#include "catalog/name_systems.h"
#include "controls/spin_edit_window.h"
#include "views/tab_page_keys_win.h"

namespace corvinata {
namespace {

constexpr int kComboTextLimit = 100;

constexpr const wchar_t* kPageTemplates[kSkyOptionsPageCount] = {
    L"DLG_SKYOPTIONSGENERAL", L"DLG_SKYOPTIONSPLANETS", L"DLG_SKYOPTIONSSTARS",
    L"DLG_SKYOPTIONSCONSTELLATIONS", L"DLG_SKYOPTIONSDEEPSKY"};
constexpr const wchar_t* kTabNames[kSkyOptionsPageCount] = {L"General", L"Planets", L"Stars", L"Constellations",
                                                            L"Deep Sky"};

// The dialog is modal and one at a time: its edit buffer and page are the
// process's.
struct EditBuffer {
    SkyOptions options;
    bool starsFixed = false;
    double openedMagnitude = 0.0;
    double shownMagnitude = 0.0;
    bool magnitudeShown = false;
};
EditBuffer g_buffer;
HWND g_page = nullptr;
int g_pageIndex = 0;
OptionsDialogPlacement* g_placement = nullptr;
std::unique_ptr<TabPageKeys> g_pageKeys;

void Check(HWND page, int item, bool on) { CheckDlgButton(page, item, on ? BST_CHECKED : BST_UNCHECKED); }
bool Checked(HWND page, int item) { return IsDlgButtonChecked(page, item) == BST_CHECKED; }

void FillList(HWND page, int item, SkyOptionList list, std::int32_t code) {
    int count = 0;
    const SkyOptionChoice* choices = SkyOptionChoices(list, count);
    HWND combo = GetDlgItem(page, item);
    for (int i = 0; i < count; ++i) SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choices[i].text));
    SendMessageW(combo, CB_SETCURSEL, SkyOptionPositionOf(list, code), 0);
}

String ComboText(HWND page, int item) {
    Char text[kComboTextLimit + 1] = {};
    HWND combo = GetDlgItem(page, item);
    const LRESULT selected = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    if (selected != CB_ERR &&
        SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(selected), 0) <= kComboTextLimit) {
        SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(text));
    }
    return String(text);
}

std::int32_t ReadList(HWND page, int item, SkyOptionList list) {
    return SkyOptionCodeOf(list, ComboText(page, item).Text());
}

const NameSystemList* DeepSkyNameSystems() {
    const BodyType* type = GetBodyType(kBodyDeepSky);
    return type != nullptr ? type->NameSystems() : nullptr;
}

PickerControl<NumberPicker>* MagnitudeField(HWND page) {
    return FindCustomControl<PickerControl<NumberPicker>>(GetDlgItem(page, kMagnitudeLimitItem));
}

void EnableGridBoxes(HWND page) {
    const bool grid = ReadList(page, kGridTypeItem, SkyOptionList::kGridType) != 0;
    EnableWindow(GetDlgItem(page, kGridLabelsItem), grid);
    EnableWindow(GetDlgItem(page, kGridCrossesItem), grid);
}

void EnableDeepSkyBoxes(HWND page) {
    const bool shown = ReadList(page, kDeepSkyCatalogueItem, SkyOptionList::kDeepSkyCatalogue) != 0;
    EnableWindow(GetDlgItem(page, kDeepSkyNamesItem), shown);
    EnableWindow(GetDlgItem(page, kDeepSkyColourItem), shown);
}

void FillPage(HWND page, int index) {
    const SkyOptions& o = g_buffer.options;
    switch (index) {
    case 0:
        Check(page, kShowSunItem, o.sunOn);
        Check(page, kShowMoonItem, o.moonOn);
        Check(page, kShowEclipticItem, o.eclipticOn);
        FillList(page, kHorizonItem, SkyOptionList::kHorizon, o.horizonType);
        FillList(page, kMapTypeItem, SkyOptionList::kMapType, o.mapType);
        FillList(page, kGridTypeItem, SkyOptionList::kGridType, o.gridType);
        Check(page, kGridLabelsItem, o.gridLabelsOn);
        Check(page, kGridCrossesItem, o.gridAsCrosses);
        Check(page, kStarsFixedItem, g_buffer.starsFixed);
        EnableGridBoxes(page);
        break;
    case 1: {
        Check(page, kPlanetNamesItem, o.planetNamesOn);
        Check(page, kPlanetSymbolsItem, o.planetSymbolsOn);
        Check(page, kPlanetTracksItem, o.planetTracksOn);
        const int radio = o.planetDisplayMode == 1 ? kPlanetsAllItem
                          : o.planetDisplayMode == 0 ? kPlanetsNoneItem
                          : o.planetDisplayMode == 2 ? kPlanetsRealisticItem : 0;
        if (radio != 0) CheckRadioButton(page, kPlanetsAllItem, kPlanetsRealisticItem, radio);
        break;
    }
    case 2:
        Check(page, kStarNamesItem, o.starNamesOn);
        Check(page, kStarLettersItem, o.starLettersOn);
        if (auto* field = MagnitudeField(page)) {
            field->SetFormat(0.0, 20.0, 1);
            field->SetValue(o.magnitudeLimit);
            g_buffer.openedMagnitude = o.magnitudeLimit;
            g_buffer.shownMagnitude = field->GetValue();
            g_buffer.magnitudeShown = true;
        }
        break;
    case 3:
        FillList(page, kConstellationNamesItem, SkyOptionList::kConstellationNames, o.constellationNames);
        Check(page, kConstellationLinesItem, o.constellationLinesOn);
        Check(page, kConstellationBoundariesItem, o.constellationBoundariesOn);
        break;
    case 4: {
        FillList(page, kDeepSkyCatalogueItem, SkyOptionList::kDeepSkyCatalogue, o.deepSkyCatalogue);
        HWND names = GetDlgItem(page, kDeepSkyNamesItem);
        SendMessageW(names, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"None"));
        int selected = 0;
        if (const NameSystemList* systems = DeepSkyNameSystems()) {
            for (int i = 0; i < systems->Count(); ++i) {
                const NameSystem* system = systems->ItemAt(i);
                if (system == nullptr) continue;
                const LRESULT at =
                    SendMessageW(names, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(system->Name().Text()));
                if (system->GetId() == o.deepSkyNameSystem && o.deepSkyNameSystem != kNoDeepSkyNames) {
                    selected = static_cast<int>(at);
                }
            }
        }
        SendMessageW(names, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
        Check(page, kDeepSkyColourItem, o.deepSkyColour);
        EnableDeepSkyBoxes(page);
        break;
    }
    default: break;
    }
}

void ReadPage(HWND page, int index) {
    if (page == nullptr) return;
    SkyOptions& o = g_buffer.options;
    switch (index) {
    case 0:
        o.sunOn = Checked(page, kShowSunItem);
        o.moonOn = Checked(page, kShowMoonItem);
        o.eclipticOn = Checked(page, kShowEclipticItem);
        o.horizonType = ReadList(page, kHorizonItem, SkyOptionList::kHorizon);
        o.mapType = ReadList(page, kMapTypeItem, SkyOptionList::kMapType);
        o.gridType = ReadList(page, kGridTypeItem, SkyOptionList::kGridType);
        o.gridLabelsOn = Checked(page, kGridLabelsItem);
        o.gridAsCrosses = Checked(page, kGridCrossesItem);
        g_buffer.starsFixed = Checked(page, kStarsFixedItem);
        break;
    case 1:
        o.planetNamesOn = Checked(page, kPlanetNamesItem);
        o.planetSymbolsOn = Checked(page, kPlanetSymbolsItem);
        o.planetTracksOn = Checked(page, kPlanetTracksItem);
        if (Checked(page, kPlanetsAllItem)) o.planetDisplayMode = 1;
        if (Checked(page, kPlanetsNoneItem)) o.planetDisplayMode = 0;
        if (Checked(page, kPlanetsRealisticItem)) o.planetDisplayMode = 2;
        break;
    case 2:
        o.starNamesOn = Checked(page, kStarNamesItem);
        o.starLettersOn = Checked(page, kStarLettersItem);
        if (auto* field = MagnitudeField(page); field != nullptr && g_buffer.magnitudeShown) {
            o.magnitudeLimit =
                SkyMagnitudeReadBack(g_buffer.openedMagnitude, g_buffer.shownMagnitude, field->GetValue());
        }
        break;
    case 3:
        o.constellationNames = ReadList(page, kConstellationNamesItem, SkyOptionList::kConstellationNames);
        o.constellationLinesOn = Checked(page, kConstellationLinesItem);
        o.constellationBoundariesOn = Checked(page, kConstellationBoundariesItem);
        break;
    case 4: {
        o.deepSkyCatalogue = ReadList(page, kDeepSkyCatalogueItem, SkyOptionList::kDeepSkyCatalogue);
        const String name = ComboText(page, kDeepSkyNamesItem);
        o.deepSkyNameSystem = kNoDeepSkyNames;
        if (const NameSystemList* systems = DeepSkyNameSystems()) {
            if (const NameSystem* system = systems->FindByName(name.Text())) o.deepSkyNameSystem = system->GetId();
        }
        o.deepSkyColour = Checked(page, kDeepSkyColourItem);
        break;
    }
    default: break;
    }
}

INT_PTR CALLBACK PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        FillPage(page, static_cast<int>(lParam));
        SetWindowPos(page, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        return TRUE;
    case WM_COMMAND:
        if (HIWORD(wParam) == CBN_SELCHANGE && LOWORD(wParam) == kGridTypeItem) EnableGridBoxes(page);
        // Decided: the Deep Sky boxes follow the catalogue as it changes,
        // like the grid boxes.
        if (HIWORD(wParam) == CBN_SELCHANGE && LOWORD(wParam) == kDeepSkyCatalogueItem) EnableDeepSkyBoxes(page);
        return FALSE;
    default: return FALSE;
    }
}

void CreatePage(HWND dialog, int index) {
    if (g_page != nullptr) DestroyWindow(g_page);
    g_page = nullptr;
    g_pageIndex = index;
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(dialog, GWLP_HINSTANCE));
    g_page = CreateDialogParamW(instance, kPageTemplates[index], dialog, &PageProc, index);
    if (g_page == nullptr) return;
    HWND tab = GetDlgItem(dialog, kSkyOptionsTabItem);
    RECT area;
    GetWindowRect(tab, &area);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&area), 2);
    SendMessageW(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    SetWindowPos(g_page, HWND_TOP, area.left, area.top, 0, 0, SWP_NOSIZE);
    ShowWindow(g_page, SW_SHOW);
}

void OnInit(HWND dialog) {
    HWND tab = GetDlgItem(dialog, kSkyOptionsTabItem);
    for (int i = 0; i < kSkyOptionsPageCount; ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(kTabNames[i]);
        SendMessageW(tab, TCM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    int current = 0;
    if (g_placement != nullptr) {
        const WindowGeometry& at = g_placement->geometry;
        if ((at.fieldMask & kGeometryPosition) != 0) {
            SetWindowPos(dialog, nullptr, at.left, at.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        }
        current = SkyOptionsPageOrGeneral(g_placement->currentTab);
    }
    SendMessageW(tab, TCM_SETCURSEL, static_cast<WPARAM>(current), 0);
    CreatePage(dialog, current);
}

void SavePlacement(HWND dialog) {
    if (g_placement == nullptr) return;
    RECT rect;
    GetWindowRect(dialog, &rect);
    // The dialog keeps only where it was: "Left" and "Top".
    g_placement->geometry = WindowGeometry{kGeometryPosition, rect.left, rect.top, 0, 0, false, false};
    g_placement->currentTab = g_pageIndex;
}

INT_PTR CALLBACK SkyOptionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        OnInit(dialog);
        g_pageKeys = std::make_unique<TabPageKeys>(dialog, kSkyOptionsTabItem);
        // The keys start on the tabs, where the arrows turn the pages (the
        // page lies above the tabs and would take the first focus).
        SetFocus(GetDlgItem(dialog, kSkyOptionsTabItem));
        return FALSE;
    case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        if (header.idFrom != kSkyOptionsTabItem) return FALSE;
        if (header.code == TCN_SELCHANGING) {
            ReadPage(g_page, g_pageIndex);
            SetWindowLongPtrW(dialog, DWLP_MSGRESULT, FALSE);
            return TRUE;
        }
        if (header.code == TCN_SELCHANGE) {
            const int index = static_cast<int>(SendMessageW(header.hwndFrom, TCM_GETCURSEL, 0, 0));
            CreatePage(dialog, SkyOptionsPageOrGeneral(index));
        }
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            ReadPage(g_page, g_pageIndex);
            EndDialog(dialog, 1);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, 0);
            return TRUE;
        }
        return FALSE;
    case WM_HELP: ShowHelpTopic(dialog, HelpPage::SkyOptions); return TRUE;
    case WM_DESTROY:
        g_pageKeys.reset();
        SavePlacement(dialog);
        if (g_page != nullptr) DestroyWindow(g_page);
        g_page = nullptr;
        return FALSE;
    default: return FALSE;
    }
}

}  // namespace

HWND SkyOptionsCurrentPage() { return g_page; }

bool ShowSkyOptionsDialog(HWND parent, OptionsDialogPlacement& placement, bool& starsFixed, SkyOptions& options) {
    g_buffer = EditBuffer{options, starsFixed, 0.0, 0.0, false};
    g_placement = &placement;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    const INT_PTR result = DialogBoxParamW(instance, L"Dlg_SkyOptions", parent, &SkyOptionsDialogProc, 0);
    g_placement = nullptr;
    if (result != 1) return false;
    options = g_buffer.options;
    starsFixed = g_buffer.starsFixed;
    return true;
}

}  // namespace corvinata
