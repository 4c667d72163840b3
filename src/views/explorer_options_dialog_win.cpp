#include "views/explorer_options_dialog_win.h"

#include "controls/dialog_template.h"
#include "views/explorer_panel_texts.h"

namespace corvinata {
namespace {

struct ExplorerOptionsParams {
    ExplorerDisplayOptions working;
    WindowGeometry* placement;
    HelpPage helpPage;
};

struct OptionBox {
    int id;
    std::uint8_t ExplorerDisplayOptions::*field;
};

constexpr OptionBox kOptionBoxes[] = {
    {kExplorerOptionOrbitsBox, &ExplorerDisplayOptions::showOrbits},
    {kExplorerOptionNamesBox, &ExplorerDisplayOptions::showNames},
    {kExplorerOptionSwapNorthSouthBox, &ExplorerDisplayOptions::swapNorthSouth},
    {kExplorerOptionSwapEastWestBox, &ExplorerDisplayOptions::swapEastWest},
};

// Only a ticked box counts; an indeterminate one is off.
bool Ticked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void ShowExplanation(HWND dialog) {
    SetDlgItemTextW(dialog, kExplorerOptionExplanation,
                    ExplorerOrientationText(Ticked(dialog, kExplorerOptionSwapNorthSouthBox),
                                            Ticked(dialog, kExplorerOptionSwapEastWestBox)));
}

INT_PTR CALLBACK ExplorerOptionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* params = reinterpret_cast<ExplorerOptionsParams*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG: {
            params = reinterpret_cast<ExplorerOptionsParams*>(lParam);
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            PlaceDialog(dialog, params->placement);
            for (const OptionBox& box : kOptionBoxes) {
                CheckDlgButton(dialog, box.id, params->working.*box.field ? BST_CHECKED : BST_UNCHECKED);
            }
            ShowExplanation(dialog);
            return TRUE;
        }
        case WM_COMMAND:
            if (params == nullptr) break;
            switch (LOWORD(wParam)) {
                case kExplorerOptionSwapNorthSouthBox:
                case kExplorerOptionSwapEastWestBox: ShowExplanation(dialog); return FALSE;
                case IDOK:
                    for (const OptionBox& box : kOptionBoxes) {
                        params->working.*box.field = Ticked(dialog, box.id) ? 1 : 0;
                    }
                    EndDialog(dialog, 1);
                    return TRUE;
                default: break;
            }
            break;
        default: break;
    }
    if (params == nullptr) return FALSE;
    return AnswerPlacedDialog(dialog, message, wParam, params->helpPage, params->placement);
}

}  // namespace

bool ShowExplorerOptionsDialog(const ExplorerKindTraits& traits, ExplorerDisplayOptions& options,
                               WindowGeometry& placement, HWND parent, HINSTANCE instance) {
    const bool saturn = traits.kind == kSaturnExplorerWindow;
    ExplorerOptionsParams params{options, &placement,
                                 saturn ? HelpPage::SaturnExplorerOptions
                                        : HelpPage::JupiterExplorerOptions};
    const INT_PTR result = DialogBoxParamW(instance, saturn ? L"Dlg_SatOptions" : L"Dlg_JupOptions", parent,
                                           ExplorerOptionsDialogProc, reinterpret_cast<LPARAM>(&params));
    if (result != 1) return false;
    options = params.working;
    return true;
}

void ChangeExplorerOptions(ExplorerActions& actions, ExplorerView& view, WindowGeometry& placement, HWND parent,
                           HINSTANCE instance) {
    ExplorerDisplayOptions options = view.GetDisplayOptions();
    if (!ShowExplorerOptionsDialog(view.Traits(), options, placement, parent, instance)) return;
    actions.ChangeDisplayOptions(view, options, kExplorerOptionsWhole, nullptr);
}

}  // namespace corvinata
