#include "views/picture_dialogs_win.h"

#include <commctrl.h>

#include "controls/dialog_template.h"
#include "controls/list_view_columns.h"
#include "resources/picture_ids.h"

namespace corvinata {

namespace {

struct OptionsParams {
    WindowGeometry* placement;
    bool scaleToFit;
};

INT_PTR CALLBACK PictureOptionsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* params = reinterpret_cast<OptionsParams*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        params = reinterpret_cast<OptionsParams*>(lParam);
        PlaceDialog(dialog, params->placement);
        CheckDlgButton(dialog, IDC_PIC_SCALE_TO_FIT, params->scaleToFit ? BST_CHECKED : BST_UNCHECKED);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) != IDOK) break;
        params->scaleToFit = IsDlgButtonChecked(dialog, IDC_PIC_SCALE_TO_FIT) == BST_CHECKED;
        EndDialog(dialog, 1);
        return TRUE;
    default:
        break;
    }
    return AnswerPlacedDialog(dialog, message, wParam, HelpPage::PictureOptions, params ? params->placement : nullptr);
}

struct PacksParams {
    StorageService* storage;
    PicturePackList* packs;
    PicPackListSettings* settings;
};

constexpr ListColumn kPackColumns[] = {
    {L"Name", 160, LVCFMT_LEFT}, {L"Pictures", 50, LVCFMT_RIGHT}, {L"Path", 320, LVCFMT_LEFT}};

void FillPackList(HWND list, const PacksParams& params) {
    SetUpRowList(list, kPackColumns);
    int row = 0;
    for (PicPackRow& pack : MakePicPackRows(*params.storage, *params.packs)) {
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = pack.name.Data();
        const int index = static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
        if (index < 0) continue;
        item.iItem = index;
        item.iSubItem = 1;
        item.pszText = pack.pictures.Data();
        SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
        item.iSubItem = 2;
        item.pszText = pack.folder.Data();
        SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
        ++row;
    }
}

void SelectRow(HWND list, int row) {
    if (row < 0) return;
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
    SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

INT_PTR CALLBACK PicturePacksProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* params = reinterpret_cast<PacksParams*>(GetWindowLongPtrW(dialog, DWLP_USER));
    HWND list = GetDlgItem(dialog, IDC_PIC_LIST);
    switch (message) {
    case WM_INITDIALOG: {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        params = reinterpret_cast<PacksParams*>(lParam);
        FillPackList(list, *params);
        PlaceDialog(dialog, &params->settings->geometry);
        ApplyColumnWidths(list, params->settings->list, false);
        const int rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
        SelectRow(list, PicPackRowToSelect(params->settings->selectedItem, rows));
        return TRUE;
    }
    case WM_COMMAND: {
        if (LOWORD(wParam) != IDOK) break;
        CaptureListViewState(list, params->settings->list);
        const int selected =
            static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
        params->settings->selectedItem = selected < 0 ? 0 : selected;
        EndDialog(dialog, 1);
        return TRUE;
    }
    default:
        break;
    }
    return AnswerPlacedDialog(dialog, message, wParam, HelpPage::InstalledPicturePacks,
                              params ? &params->settings->geometry : nullptr);
}

}  // namespace

bool ShowPictureOptionsDialog(HINSTANCE instance, HWND owner, WindowGeometry* placement, bool& scaleToFit) {
    OptionsParams params{placement, scaleToFit};
    if (DialogBoxParamW(instance, L"Dlg_PicOptions", owner, PictureOptionsProc, reinterpret_cast<LPARAM>(&params)) !=
        1)
        return false;
    scaleToFit = params.scaleToFit;
    return true;
}

void ShowPicturePacksDialog(HINSTANCE instance, HWND owner, StorageService& storage, PicturePackList& packs,
                            PicPackListSettings& settings) {
    PacksParams params{&storage, &packs, &settings};
    DialogBoxParamW(instance, L"DLG_VIEWPICPACKS", owner, PicturePacksProc, reinterpret_cast<LPARAM>(&params));
}

}  // namespace corvinata
