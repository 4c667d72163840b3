// The control panels of the window kinds: one modeless dialog per kind in
// the frame's control-panel pane, attached to the active window of its kind,
// and the shared time controls (date and time read-out, step count and unit,
// spinner, "&Reset" and "&Animate").
#pragma once

#include <windows.h>

#include <memory>

#include "app/notification.h"
#include "app/panel_time.h"
#include "base/wide_string.h"
#include "controls/dialog_keys.h"

namespace corvinata {

// A child window as its control panel sees it.
class PanelWindow {
public:
    virtual ~PanelWindow() = default;
    virtual HWND GetWindowHandle() const = 0;
    // Wheel steps (one per 120 of delta; negative towards the user).
    virtual void WheelZoom(int steps) = 0;
};

// The message loop's list of modeless dialogs (keyboard navigation).
class ModelessDialogs {
public:
    virtual ~ModelessDialogs() = default;
    virtual void AddModelessDialog(HWND dialog) = 0;
    virtual void RemoveModelessDialog(HWND dialog) = 0;
};

enum PanelTimeItem : int {
    kStepCountItem = 20960,
    kStepUnitItem = 20962,
    kTimeSpinnerItem = 20870,
    kResetTimeItem = 20850,
    kAnimateItem = 20510,
};

struct PanelTimeConfig {
    int dateItem = 20600;
    int timeItem = 21002;
    int animateItem = 0;  // 0: no "&Animate" button
    UINT timerId = static_cast<UINT>(-1);  // -1: none (no "&Animate" button)
    UINT period = 100;  // ms between two animation steps
};

// The time controls of one panel dialog.
class PanelTimePart {
public:
    // Fills the unit list ("Minutes" .. "Years", "Minutes" chosen) and the
    // count ("1").
    PanelTimePart(HWND dialog, const PanelTimeConfig& config, PanelTimeTarget& target);
    ~PanelTimePart();
    PanelTimePart(const PanelTimePart&) = delete;
    PanelTimePart& operator=(const PanelTimePart&) = delete;

    PanelStepResult Step(bool forward);
    // False when the count is not a whole number within the step limits.
    bool ParseTimeStep(TimeStep& step) const;
    // Lenient read for saving: an unreadable count is 1.
    TimeStep ReadTimeStep() const;
    void ShowTimeStep(const TimeStep& step);
    void EnableTimeStep(bool enable);
    void Reset() { target_.SetPanelTime(target_.GetResetTime()); }
    bool IsAnimating() const noexcept { return animation_.IsRunning(); }
    const PanelTimeConfig& Config() const noexcept { return config_; }
    void ToggleAnimation(const void* window);
    // The panel was attached to a window (a running animation steps it from
    // now on), or a window is closing (the animation stops with the window
    // it steps).
    void Attached(const void* window);
    void WindowClosing(const void* window);
    // The time controls' messages; false for those the panel handles itself.
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);

private:
    String CountText() const;
    std::int32_t SelectedUnit() const;
    void StopAnimation();

    HWND dialog_;
    PanelTimeConfig config_;
    PanelTimeTarget& target_;
    PanelAnimation animation_;
    const void* attached_ = nullptr;  // the window last attached, while open
};

class ControlPanel : public NotificationObserver {
public:
    ControlPanel() = default;
    ~ControlPanel() override;
    ControlPanel(const ControlPanel&) = delete;
    ControlPanel& operator=(const ControlPanel&) = delete;

    // A notification of the attached window refreshes the panel.
    void Update(void* argument) override { ControlPanelUpdate(argument); }
    // Refreshes every field from the attached window; nothing without one.
    virtual void ControlPanelUpdate(void* argument) = 0;

    HWND GetDialogWindow() const noexcept { return dialog_; }
    PanelWindow* GetAttachedWindow() const noexcept { return window_; }
    // Null detaches. Then refreshes.
    void ControlPanelAttach(PanelWindow* window);
    void ControlPanelShow(bool show);
    // F7/F8 and F9 of the frame: one step of the time controls, "&Reset".
    virtual void ControlPanelStepTime(bool backward);
    virtual void ControlPanelResyncTime();
    // The window is going away for good.
    virtual void ControlPanelWindowClosing(PanelWindow* window);

    // The common creation: the dialog from the program's resources, at the
    // top-left corner of the pane, offered the dialog keys.
    bool CreatePanelDialog(HINSTANCE instance, const wchar_t* templateName, HWND parent,
                           ModelessDialogs* dialogs);
    // The same from a template in memory.
    bool CreatePanelDialogIndirect(HINSTANCE instance, const DLGTEMPLATE* dialogTemplate, HWND parent,
                                   ModelessDialogs* dialogs);

    PanelTimePart* TimePart() const noexcept { return time_.get(); }

protected:
    // The panel's own messages after the common frame.
    virtual INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    void SetTimePart(std::unique_ptr<PanelTimePart> part) { time_ = std::move(part); }

private:
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    bool AfterCreate(HWND dialog, ModelessDialogs* dialogs);
    bool CommonMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);

    HWND dialog_ = nullptr;
    PanelWindow* window_ = nullptr;
    ModelessDialogs* dialogs_ = nullptr;
    std::unique_ptr<PanelTimePart> time_;
    // Given the keys, the panel hands them to the control that had them last.
    std::unique_ptr<DialogKeysMemory> keys_;
};

// The message result of a dialog procedure.
INT_PTR DialogResult(HWND dialog, LRESULT result);

}  // namespace corvinata
