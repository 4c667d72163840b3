// The base of every kind of child window: the MDI child itself, its caption,
// its stored placement, the wheel, and telling the frame when the window
// opens, becomes active and goes away.
#pragma once

#include <windows.h>

#include "app/child_window_registry.h"
#include "app/command_history.h"
#include "app/window_geometry.h"
#include "base/wide_string.h"

namespace corvinata {

class MdiChildWindow;
class PanelWindow;
struct RelatedTaskSource;

// What a child window needs of the frame.
class ChildWindowHost {
public:
    virtual ~ChildWindowHost() = default;
    virtual HWND MdiClient() const = 0;
    virtual void ChildWindowOpened(MdiChildWindow& window) = 0;
    // The MDI client made the window its active child: its kind's panel
    // follows it, the menus and lists of windows too. `previous` is the
    // child that was active before, or none.
    virtual void ChildWindowActivated(MdiChildWindow* previous, MdiChildWindow& window) = 0;
    // The window is active, newly or again (the frame came back from a tool
    // window): what the frame shows of the active window (its Related
    // Tasks) follows it.
    virtual void ChildWindowShown(MdiChildWindow& window) { static_cast<void>(window); }
    // The dialog of the kind's control panel while it shows the window,
    // else none.
    virtual HWND ChildPanelDialog(MdiChildWindow& window) { return static_cast<void>(window), nullptr; }
    // A click into the Related Tasks pane asked that the next activation
    // of a child leave the pane and the keys alone: true once, and forgotten.
    virtual bool TakeActivationSkip() { return false; }
    virtual void ChildWindowClosed(MdiChildWindow& window) = 0;
    // The window is closing: its kind's control panel lets go of it.
    virtual void ChildWindowClosing(MdiChildWindow& window) { static_cast<void>(window); }
    // The last message has passed; the object may be freed now.
    virtual void ChildWindowReleased(MdiChildWindow& window) { static_cast<void>(window); }
    // The window's caption changed (what it shows moved on, or its state
    // came back after a restart): lists of the windows follow it.
    virtual void ChildWindowRetitled(MdiChildWindow& window) { static_cast<void>(window); }
};

// How a new window is shown: as its geometry says, or maximized when the
// active child is (so that a maximized arrangement stays so).
enum class ChildShowMode { AsStored, LikeActiveChild };

class MdiChildWindow : public RegisteredWindow {
public:
    MdiChildWindow(ChildWindowHost& host, WindowDocument& document) : host_(host), document_(document) {}
    ~MdiChildWindow() override;
    MdiChildWindow(const MdiChildWindow&) = delete;
    MdiChildWindow& operator=(const MdiChildWindow&) = delete;

    // Creates the MDI child of a class registered with WindowProc.
    bool Create(const wchar_t* className, HINSTANCE instance, const WindowGeometry& geometry, ChildShowMode mode);

    HWND Handle() const noexcept { return handle_; }
    const void* WindowHandle() const override { return handle_; }
    WindowDocument& Document() const override { return document_; }

    // The kind's own part of the caption and status text.
    virtual String GetStatusText() const = 0;
    // A window that must ask first (an unsaved graph) may refuse to close.
    virtual bool CanClose() { return true; }
    // Whole wheel notches, and whether they turn backward (zoom out); also
    // Ctrl+Plus and Ctrl+Minus, one notch each.
    virtual void OnMouseWheelSteps(int steps, bool backward) { static_cast<void>(steps), static_cast<void>(backward); }
    // The window as its kind's control panel sees it, or none.
    virtual PanelWindow* AsPanelWindow() { return nullptr; }
    // The window's undo history, or none.
    virtual CommandHistory* History() { return nullptr; }
    // A new window of the kind with this one's view (the window manager's
    // and the context menu's Duplicate); false when the kind has none.
    virtual bool Duplicate() { return false; }
    // What the Related Tasks pane offers for the window: the caller has set
    // the kind and the program's moment; the window gives its own moment and
    // its selection (a graph also itself, for the tasks that edit it).
    virtual void DescribeForRelatedTasks(RelatedTaskSource& source) { static_cast<void>(source); }

    // The caption: the kind's name, ": " and the status text.
    void SetChildTitle();
    // The keys go to the kind's control panel (the control that had them
    // last), once the activation under way has ended; Tab on the window
    // does the same.
    // `bringForward`: also when another top-level window of the program is
    // in front by then (the MDI client's activation, which a tool's
    // command may have started).
    void FocusPanelLater(bool bringForward);
    // A click on the active window brings the keys back from its panel
    // (an activation by the click leaves them to the panel).
    void TakeKeys();

    // The window procedure every kind registers its class with.
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    ChildWindowHost& Host() const noexcept { return host_; }

private:
    // What every kind does when it becomes active or inactive: `full` for
    // the MDI client's activation (WM_MDIACTIVATE), else the caption's
    // (WM_NCACTIVATE), which leaves the panel as it is.
    void OnActivation(bool active, bool full, HWND previous);
    void FocusPanel();
    void FocusPanelNow();
    // The keys are leaving `control`: when it is one of the panel's, the
    // panel gives them back to it.
    void NotePanelKeys(HWND control);
    bool IsActiveChild() const;

    ChildWindowHost& host_;
    WindowDocument& document_;
    HWND handle_ = nullptr;
    // An activation asked for the panel's focus, not yet given.
    bool focusPanelPending_ = false;
    bool focusBringsForward_ = false;
};

// Posted to a child window: the keys go to its panel now.
constexpr UINT kFocusPanelMessage = WM_APP + 32;

// Whole wheel notches of a wheel message's delta (120 a notch, truncated).
struct WheelSteps {
    int steps;
    bool backward;
};
WheelSteps WheelStepsOf(int delta) noexcept;

// The window's restored rectangle (even while minimized or maximized) and state.
void CaptureGeometry(HWND window, WindowGeometry& geometry);
// The restored rectangle first, then the state: maximized wins over minimized.
void ApplyGeometry(const WindowGeometry& geometry, HWND window);

// Registers a window class of the program unless the module has it
// already (a second window kind, a test's frame); true when it exists then.
bool RegisterWindowClass(const WNDCLASSW& windowClass);
// The frame's menu, which the kinds' classes name as their class menu too.
constexpr const wchar_t* kMainMenuName = L"Menu_Main";

// A kind's MDI child class: the child window procedure, the kind's icon
// resource, an arrow cursor, the background (none: the window's own
// painting covers it) and the class menu (none, or the main menu's name).
struct MdiChildClass {
    const wchar_t* name;
    int iconId;
    UINT style;
    HBRUSH background;
    const wchar_t* menuName;
};
bool RegisterMdiChildClass(HINSTANCE instance, const MdiChildClass& childClass);

}  // namespace corvinata
