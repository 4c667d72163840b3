#include "frame/about_dialogs.h"

#include <shellapi.h>

#include "app/help_topics_win.h"
#include "base/services.h"
#include "base/text_format.h"
#include "base/wide_string.h"
#include "controls/dialog_placement.h"
#include "controls/hyperlink_control.h"
#include "controls/question_end.h"
#include "app/product_info.h"
#include "controls/window_centring.h"
#include "generated/picture_pack.h"
#include "resources/resource_ids.h"

namespace corvinata {

namespace {

constexpr const Char* kReleaseDate = TXT("Dec 6 2026");

// The sources of the built-in data, then the pictures' credits, which their
// licence asks the program to show.
constexpr const Char kDataCredits[] =
    TXT("Data: Eclipse Predictions by Fred Espenak, NASA's GSFC. VizieR catalogue access tool, CDS, ")
    TXT("Strasbourg, France (NGC 2000.0, Bright Star Catalogue, constellation tables). Made with Natural ")
    TXT("Earth. Contains data from GeoNames (geonames.org), licensed under CC BY 4.0. Astronomical League, ")
    TXT("Herschel 400 Observing Program (the Herschel 400 list). Theory tables of ")
    TXT("VSOP87, IAU 1980 nutation, ELP-2000/82, Pluto and E5 from the MIT-licensed libraries astronomia ")
    TXT("and meeus. Methods of Jean Meeus, Astronomical Algorithms.\r\n\r\n");

String AboutCredits() {
    String credits(kDataCredits);
    StringAppend(credits, picture_pack::kCredits);
    return credits;
}

struct AboutState {
    HBITMAP logo;
    BITMAP size;
    const NightVisionStateInterface* night;
};

void OpenWebAddress(const Char* address) {
    ShellExecuteW(nullptr, L"open", address, nullptr, nullptr, SW_SHOWNORMAL);
}

// Replaces "%s" in a window's text by the product name.
void FillProductName(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 511);
    String filled(text);
    ReplaceSubstring(filled, TXT("%s"), GetProductInfo().GetProductName(), 0, -1);
    SetWindowTextW(window, filled.Text());
}

void InitAbout(HWND dialog, AboutState& state) {
    SetWindowLongPtrW(dialog, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&state));
    FillProductName(dialog);
    FillProductName(GetDlgItem(dialog, IDC_ABOUT_TEXT));
    const ProductInfoInterface& product = GetProductInfo();
    SetDlgItemTextW(dialog, IDC_VERSION, product.GetVersion());
    SetDlgItemTextW(dialog, IDC_LANGUAGE, ProgramProductInfo::GetLanguageName());
    const Char* edition = product.GetEditionName();
    SetDlgItemTextW(dialog, IDC_STATUS, edition && *edition ? edition : TXT("Release"));
    SetDlgItemTextW(dialog, IDC_RELEASE_DATE, kReleaseDate);
    SetDlgItemTextW(dialog, IDC_CREDITS, AboutCredits().Text());
    // The link shows the address without its scheme.
    const Char* address = product.GetWebAddress();
    const Char* shown = address;
    for (const Char* p = address; p[0]; ++p) {
        if (p[0] == TXT(':') && p[1] == TXT('/') && p[2] == TXT('/')) shown = p + 3;
    }
    HWND linkWindow = GetDlgItem(dialog, IDC_WEB_LINK);
    CustomControlRegistryInterface* registry = GetCustomControlRegistry();
    if (auto* link = registry ? dynamic_cast<Hyperlink*>(registry->FindControl(linkWindow)) : nullptr) {
        link->SetClickAction(OpenWebAddress);
        link->SetTarget(address);
        link->SetText(shown);
        InvalidateRect(linkWindow, nullptr, TRUE);
    }
    // The logo stands centred at the top of its area, at its own size.
    RECT area{};
    GetWindowRect(GetDlgItem(dialog, IDC_LOGO_AREA), &area);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&area), 2);
    const int width = state.logo ? state.size.bmWidth : 0;
    const int height = state.logo ? state.size.bmHeight : 0;
    MoveWindow(GetDlgItem(dialog, IDC_LOGO), area.left + ((area.right - area.left) - width) / 2, area.top, width,
               height, FALSE);
}

void DrawLogo(const DRAWITEMSTRUCT& item, const AboutState& state) {
    if (!state.logo) return;
    HDC memory = CreateCompatibleDC(item.hDC);
    HGDIOBJ old = SelectObject(memory, state.logo);
    BitBlt(item.hDC, 0, 0, state.size.bmWidth, state.size.bmHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    if (state.night && state.night->IsNightVisionActive()) TintForNightVision(item.hDC, item.rcItem);
}

INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<AboutState*>(GetWindowLongPtrW(dialog, GWLP_USERDATA));
    switch (message) {
    case WM_INITDIALOG:
        InitAbout(dialog, *reinterpret_cast<AboutState*>(lParam));
        return TRUE;
    case WM_DRAWITEM:
        if (state && wParam == IDC_LOGO) {
            DrawLogo(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), *state);
            return TRUE;
        }
        return FALSE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, 0);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK WelcomeProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        CentreInClient(GetParent(dialog), dialog);
        CheckRadioButton(dialog, IDC_WELCOME_TOUR, IDC_WELCOME_NOTHING, IDC_WELCOME_TOUR);
        return TRUE;
    case WM_HELP:
        ShowHelpTopic(dialog, HelpPage::Welcome);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            switch (FindCheckedRadioButton(dialog, IDC_WELCOME_TOUR, IDC_WELCOME_NOTHING)) {
            case IDC_WELCOME_TOUR: EndQuestion(dialog, static_cast<INT_PTR>(WelcomeChoice::QuickTour)); break;
            case IDC_WELCOME_HELP: EndQuestion(dialog, static_cast<INT_PTR>(WelcomeChoice::HelpPages)); break;
            default: EndQuestion(dialog, static_cast<INT_PTR>(WelcomeChoice::Nothing)); break;
            }
            return TRUE;
        case IDCANCEL:
            EndQuestion(dialog, static_cast<INT_PTR>(WelcomeChoice::Cancelled));
            return TRUE;
        default:
            return FALSE;
        }
    default:
        return FALSE;
    }
}

}  // namespace

void TintForNightVision(HDC dc, const RECT& area) {
    // Destination OR dark red, then AND a brownish red: every colour becomes
    // a red shade of about its brightness.
    constexpr DWORD kDestOrPattern = 0x00FA0089;
    constexpr DWORD kDestAndPattern = 0x00A000C9;
    HBRUSH orBrush = CreateSolidBrush(RGB(128, 0, 0));
    HBRUSH andBrush = CreateSolidBrush(RGB(127, 31, 31));
    HGDIOBJ old = SelectObject(dc, orBrush);
    const int w = area.right - area.left;
    const int h = area.bottom - area.top;
    PatBlt(dc, area.left, area.top, w, h, kDestOrPattern);
    SelectObject(dc, andBrush);
    PatBlt(dc, area.left, area.top, w, h, kDestAndPattern);
    SelectObject(dc, old);
    DeleteObject(orBrush);
    DeleteObject(andBrush);
}

void ShowAboutDialog(HINSTANCE instance, HWND frame, const NightVisionStateInterface& night) {
    AboutState state{};
    state.night = &night;
    state.logo = LoadBitmapW(instance, L"BMP_CORVINATA_LOGO");
    if (state.logo) GetObjectW(state.logo, sizeof state.size, &state.size);
    DialogBoxParamW(instance, L"Dlg_About", frame, AboutProc, reinterpret_cast<LPARAM>(&state));
    if (state.logo) DeleteObject(state.logo);
}

WelcomeChoice ShowWelcomeDialog(HINSTANCE instance, HWND frame) {
    const INT_PTR result = DialogBoxParamW(instance, L"Dlg_Welcome", frame, WelcomeProc, 0);
    if (result <= 0) return WelcomeChoice::Cancelled;
    return static_cast<WelcomeChoice>(result);
}

}  // namespace corvinata
