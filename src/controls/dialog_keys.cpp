#include "controls/dialog_keys.h"

namespace corvinata {
namespace {

// The dialog's property: the control that had the keys last, or the
// dialog itself before any did.
constexpr wchar_t kLastKeysProperty[] = L"CorvinataLastKeys";

bool CanTakeKeys(HWND control) {
    return control != nullptr && IsWindow(control) && IsWindowVisible(control) && IsWindowEnabled(control);
}

bool HasKeys(HWND control) {
    const HWND focus = GetFocus();
    return focus != nullptr && (focus == control || IsChild(control, focus));
}

}  // namespace

DialogKeysMemory::DialogKeysMemory(HWND dialog) : dialog_(dialog) { SetPropW(dialog_, kLastKeysProperty, dialog_); }

DialogKeysMemory::~DialogKeysMemory() {
    if (IsWindow(dialog_)) RemovePropW(dialog_, kLastKeysProperty);
}

void NoteDialogKeys(HWND dialog, HWND control) {
    if (dialog == nullptr || control == nullptr || !IsChild(dialog, control)) return;
    if (GetPropW(dialog, kLastKeysProperty) != nullptr) SetPropW(dialog, kLastKeysProperty, control);
}

void GiveDialogKeys(HWND dialog) {
    HWND control = static_cast<HWND>(GetPropW(dialog, kLastKeysProperty));
    if (control == dialog || !IsChild(dialog, control) || !CanTakeKeys(control)) {
        control = GetNextDlgTabItem(dialog, nullptr, FALSE);
    }
    SetFocus(control != nullptr ? control : dialog);
}

bool DisableKeepingKeys(HWND control) {
    if (control == nullptr) return false;
    const bool had = HasKeys(control);
    EnableWindow(control, FALSE);
    if (!had) return false;
    const HWND dialog = GetParent(control);
    const HWND next = dialog != nullptr ? GetNextDlgTabItem(dialog, control, FALSE) : nullptr;
    if (next != nullptr && next != control && CanTakeKeys(next)) SetFocus(next);
    return true;
}

void EnableKeepingKeys(std::initializer_list<HWND> controls, bool enable) {
    for (HWND control : controls) {
        if (enable) {
            EnableWindow(control, TRUE);
        } else {
            DisableKeepingKeys(control);
        }
    }
}

void GiveKeysTo(HWND control) {
    if (!CanTakeKeys(control) || GetActiveWindow() != GetAncestor(control, GA_ROOT)) return;
    SetFocus(control);
}

DisabledWhileWorking::~DisabledWhileWorking() {
    EnableWindow(control_, TRUE);
    if (hadKeys_) GiveKeysTo(control_);
}

}  // namespace corvinata
