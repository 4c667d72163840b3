#include "views/solar_options_dialog_win.h"

#include "catalog/body_types.h"
#include "catalog/celestial_object.h"
#include "catalog/event_kinds.h"
#include "controls/dialog_template.h"

namespace corvinata {

namespace {

struct SolarOptionsParams {
    SolarSystemOptions working;
    WindowGeometry* placement;
};

struct CheckField {
    int id;
    bool SolarSystemOptions::*field;
};

constexpr CheckField kCheckFields[] = {
    {kSolarOptionNames, &SolarSystemOptions::namesOn},
    {kSolarOptionSymbols, &SolarSystemOptions::signsOn},
    {kSolarOptionMoon, &SolarSystemOptions::moonOn},
    {kSolarOptionOrbits, &SolarSystemOptions::orbitsOn},
    {kSolarOptionRightAscension, &SolarSystemOptions::zodiacRightAscension},
    {kSolarOptionSigns, &SolarSystemOptions::zodiacSigns},
    {kSolarOptionConstellations, &SolarSystemOptions::zodiacConstellations},
    {kSolarOptionSightLines, &SolarSystemOptions::zodiacSightLines},
};

void OnInit(HWND dialog, SolarOptionsParams& params) {
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&params));
    PlaceDialog(dialog, params.placement);
    for (const CheckField& c : kCheckFields) {
        CheckDlgButton(dialog, c.id, params.working.*c.field ? BST_CHECKED : BST_UNCHECKED);
    }
    HWND combo = GetDlgItem(dialog, kSolarOptionQuantity);
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    const BodyType* planets = GetBodyType(kBodyPlanet);
    if (!planets) return;
    for (const EventKind* kind : planets->Properties()) {
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kind->GetName()));
    }
    const EventKind* chosen = planets->FindProperty(static_cast<std::uint32_t>(params.working.function));
    if (chosen) {
        SendMessageW(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(chosen->GetName()));
    }
}

void OnOk(HWND dialog, SolarOptionsParams& params) {
    for (const CheckField& c : kCheckFields) params.working.*c.field = IsDlgButtonChecked(dialog, c.id) == BST_CHECKED;
    // No entry chosen (or a name no quantity has): the quantity stays.
    wchar_t name[101] = {};
    GetDlgItemTextW(dialog, kSolarOptionQuantity, name, 101);
    const BodyType* planets = GetBodyType(kBodyPlanet);
    const EventKind* kind = planets && name[0] ? planets->FindPropertyByName(name) : nullptr;
    if (kind) params.working.function = static_cast<std::int32_t>(kind->GetId());
}

INT_PTR CALLBACK SolarOptionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* params = reinterpret_cast<SolarOptionsParams*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        OnInit(dialog, *reinterpret_cast<SolarOptionsParams*>(lParam));
        return TRUE;
    case WM_COMMAND:
        if (!params || LOWORD(wParam) != IDOK) break;
        OnOk(dialog, *params);
        EndDialog(dialog, 1);
        return TRUE;
    default:
        break;
    }
    if (!params) return FALSE;
    return AnswerPlacedDialog(dialog, message, wParam, HelpPage::SolarSystemOptions, params->placement);
}

}  // namespace

bool ShowSolarOptionsDialog(SolarSystemOptions& options, WindowGeometry& placement, HWND parent, HINSTANCE instance) {
    SolarOptionsParams params{options, &placement};
    const INT_PTR result = DialogBoxParamW(instance, L"Dlg_SolarOptions", parent, SolarOptionsDialogProc,
                                           reinterpret_cast<LPARAM>(&params));
    if (result != 1) return false;
    options = params.working;
    return true;
}

}  // namespace corvinata
