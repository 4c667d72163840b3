#include "controls/control_panel.h"

#include <commctrl.h>

#include "base/text_format.h"
#include "controls/window_text.h"

namespace corvinata {
namespace {

constexpr int kFirstOfferedUnit = kMinutesUnit;  // seconds are not offered
constexpr int kCountTextLimit = 100;

}  // namespace

INT_PTR DialogResult(HWND dialog, LRESULT result) {
    SetWindowLongPtrW(dialog, DWLP_MSGRESULT, result);
    return TRUE;
}

PanelTimePart::PanelTimePart(HWND dialog, const PanelTimeConfig& config, PanelTimeTarget& target)
    : dialog_(dialog), config_(config), target_(target) {
    HWND units = GetDlgItem(dialog, kStepUnitItem);
    for (int unit = kFirstOfferedUnit; unit < kTimeUnitCount; ++unit) {
        SendMessageW(units, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(GetTimeUnitName(unit)));
    }
    SendMessageW(units, CB_SETCURSEL, 0, 0);
    SetDlgItemTextW(dialog, kStepCountItem, TXT("1"));
}

PanelTimePart::~PanelTimePart() {
    if (animation_.IsRunning() && IsWindow(dialog_)) KillTimer(dialog_, config_.timerId);
}

String PanelTimePart::CountText() const { return DialogItemText(dialog_, kStepCountItem); }

std::int32_t PanelTimePart::SelectedUnit() const {
    Char text[kCountTextLimit + 1] = {};
    HWND units = GetDlgItem(dialog_, kStepUnitItem);
    if (SendMessageW(units, CB_GETCURSEL, 0, 0) == CB_ERR) return kTimeUnitCount;
    GetWindowTextW(units, text, kCountTextLimit + 1);
    return ParseTimeUnit(text);
}

PanelStepResult PanelTimePart::Step(bool forward) {
    return StepPanelTime(target_, CountText().Text(), SelectedUnit(), forward);
}

bool PanelTimePart::ParseTimeStep(TimeStep& step) const {
    std::int32_t count = 0;
    if (!ParseStepCount(CountText().Text(), count)) return false;
    TimeStepSet(step, SelectedUnit(), count);
    return true;
}

TimeStep PanelTimePart::ReadTimeStep() const {
    TimeStep step;
    TimeStepSet(step, SelectedUnit(), ReadStepCountForSaving(CountText().Text()));
    return step;
}

void PanelTimePart::ShowTimeStep(const TimeStep& step) {
    String count;
    StringFromInteger(step.count, 1, count, true, ' ');
    SetDlgItemTextW(dialog_, kStepCountItem, count.Text());
    HWND units = GetDlgItem(dialog_, kStepUnitItem);
    const LRESULT index = SendMessageW(units, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(GetTimeUnitName(step.unit)));
    // A unit the list does not offer (seconds) leaves no selection.
    SendMessageW(units, CB_SETCURSEL,
                 index == CB_ERR || step.unit < kFirstOfferedUnit ? static_cast<WPARAM>(-1) : index, 0);
}

void PanelTimePart::EnableTimeStep(bool enable) {
    for (const int item : {config_.dateItem, config_.timeItem, static_cast<int>(kStepCountItem),
                           static_cast<int>(kStepUnitItem), static_cast<int>(kTimeSpinnerItem),
                           static_cast<int>(kResetTimeItem), config_.animateItem}) {
        if (item != 0) EnableWindow(GetDlgItem(dialog_, item), enable);
    }
}

void PanelTimePart::ToggleAnimation(const void* window) {
    if (config_.animateItem == 0) return;
    if (animation_.IsRunning()) {
        StopAnimation();
        return;
    }
    animation_.Start(window);
    SetDlgItemTextW(dialog_, config_.animateItem, TXT("&Stop"));
    SetTimer(dialog_, config_.timerId, config_.period, nullptr);
}

void PanelTimePart::StopAnimation() {
    animation_.Stop();
    SetDlgItemTextW(dialog_, config_.animateItem, TXT("&Animate"));
    KillTimer(dialog_, config_.timerId);
}

void PanelTimePart::Attached(const void* window) {
    if (window != nullptr) attached_ = window;
    animation_.Attached(window);
}

void PanelTimePart::WindowClosing(const void* window) {
    if (window == attached_) attached_ = nullptr;
    if (animation_.IsRunning() && !animation_.WindowClosing(window)) StopAnimation();
}

bool PanelTimePart::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    switch (message) {
        case WM_NOTIFY: {
            const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
            if (header.idFrom != kTimeSpinnerItem || header.code != UDN_DELTAPOS) return false;
            // In the spinner's default range its forward arrow reports a
            // negative delta.
            const bool forward = reinterpret_cast<const NMUPDOWN&>(header).iDelta < 0;
            result = DialogResult(dialog_, Step(forward) == PanelStepResult::kStepped ? 0 : 1);
            return true;
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == kResetTimeItem) Reset();
            if (config_.animateItem != 0 && LOWORD(wParam) == config_.animateItem) ToggleAnimation(attached_);
            return false;  // the panel sees the command too
        case WM_TIMER:
            if (!animation_.IsRunning() || wParam != config_.timerId) return false;
            if (!animation_.Tick(target_, CountText().Text(), SelectedUnit())) StopAnimation();
            result = TRUE;
            return true;
        default: return false;
    }
}

ControlPanel::~ControlPanel() {
    time_.reset();
    keys_.reset();
    if (dialog_ != nullptr) {
        if (dialogs_ != nullptr) dialogs_->RemoveModelessDialog(dialog_);
        HWND dialog = dialog_;
        dialog_ = nullptr;
        SetWindowLongPtrW(dialog, DWLP_USER, 0);
        DestroyWindow(dialog);
    }
}

void ControlPanel::ControlPanelAttach(PanelWindow* window) {
    window_ = window;
    if (time_ != nullptr) time_->Attached(window);
    ControlPanelUpdate(nullptr);
}

void ControlPanel::ControlPanelShow(bool show) {
    if (dialog_ != nullptr) ShowWindow(dialog_, show ? SW_SHOW : SW_HIDE);
}

void ControlPanel::ControlPanelStepTime(bool backward) {
    if (time_ != nullptr) time_->Step(!backward);
}

void ControlPanel::ControlPanelResyncTime() {
    if (time_ != nullptr) time_->Reset();
}

void ControlPanel::ControlPanelWindowClosing(PanelWindow* window) {
    if (time_ != nullptr) time_->WindowClosing(window);
}

bool ControlPanel::CreatePanelDialog(HINSTANCE instance, const wchar_t* templateName, HWND parent,
                                     ModelessDialogs* dialogs) {
    return AfterCreate(
        CreateDialogParamW(instance, templateName, parent, &DialogProc, reinterpret_cast<LPARAM>(this)),
        dialogs);
}

bool ControlPanel::CreatePanelDialogIndirect(HINSTANCE instance, const DLGTEMPLATE* dialogTemplate,
                                             HWND parent, ModelessDialogs* dialogs) {
    return AfterCreate(CreateDialogIndirectParamW(instance, dialogTemplate, parent, &DialogProc,
                                                  reinterpret_cast<LPARAM>(this)),
                       dialogs);
}

bool ControlPanel::AfterCreate(HWND dialog, ModelessDialogs* dialogs) {
    if (dialog == nullptr) return false;
    dialogs_ = dialogs;
    if (dialogs_ != nullptr) dialogs_->AddModelessDialog(dialog);
    keys_ = std::make_unique<DialogKeysMemory>(dialog);
    SetWindowPos(dialog, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

bool ControlPanel::CommonMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    switch (message) {
        case WM_MOUSEWHEEL:
            if (window_ != nullptr) window_->WheelZoom(GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA);
            result = TRUE;
            return true;
        case WM_NCLBUTTONDOWN:
            // A panel cannot be dragged by its caption.
            if (wParam != HTCAPTION) return false;
            result = DialogResult(dialog_, 0);
            return true;
        case WM_HELP:
            if (window_ != nullptr) SendMessageW(window_->GetWindowHandle(), WM_HELP, wParam, lParam);
            result = TRUE;
            return true;
        case WM_COMMAND:
            // Escape gives the keys back to the window.
            if (LOWORD(wParam) != IDCANCEL || window_ == nullptr) break;
            SetFocus(window_->GetWindowHandle());
            result = TRUE;
            return true;
        case WM_CONTEXTMENU: {
            // Shift+F10 and the menu key in the panel: the window's menu of
            // its selection, as from the window itself.
            if (lParam != -1 || window_ == nullptr) return false;
            const HWND window = window_->GetWindowHandle();
            SendMessageW(window, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window), -1);
            result = TRUE;
            return true;
        }
        case WM_DESTROY: time_.reset(); keys_.reset(); return false;
        default: break;
    }
    return time_ != nullptr && time_->HandleMessage(message, wParam, lParam, result);
}

INT_PTR CALLBACK ControlPanel::DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* panel = reinterpret_cast<ControlPanel*>(lParam);
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        panel->dialog_ = dialog;
        return panel->HandleMessage(message, wParam, lParam);
    }
    auto* panel = reinterpret_cast<ControlPanel*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (panel == nullptr) return FALSE;
    if (message == WM_NCDESTROY) {
        // Destroyed with its parent: the panel forgets the handle.
        if (panel->dialogs_ != nullptr) panel->dialogs_->RemoveModelessDialog(dialog);
        panel->dialog_ = nullptr;
        return FALSE;
    }
    INT_PTR result = FALSE;
    if (panel->CommonMessage(message, wParam, lParam, result)) return result;
    return panel->HandleMessage(message, wParam, lParam);
}

}  // namespace corvinata
