// The frame's tool windows (calculator, Object Info, the event tools...):
// modeless dialogs owned by the frame, each shown and hidden by its own
// command, which the Tools menu checks while the window is visible.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "app/help_topics.h"
#include "app/notification.h"
#include "base/date_time_location.h"
#include "base/settings_tree.h"
#include "base/storage.h"
#include "base/wide_string.h"

namespace corvinata {

// What the frame gives every tool window.
struct ToolWindowParams {
    HINSTANCE instance = nullptr;
    StorageService* storage = nullptr;
    String settingsRoot;
    // The application's moment and place (a tool's defaults at a first
    // start); none for a tool that does not follow them.
    std::function<DateTimeLocation()> currentTime;
    NotificationHub* hub = nullptr;
    // The message loop's modeless dialogs.
    std::vector<HWND>* modeless = nullptr;
    // The frame command that shows and hides the window.
    int command = 0;
};

// How every tool window writes its state when the program ends: into the
// program's settings. Where a tool stands and whether it is shown are
// written only while the user keeps the changes made (Options >
// Appearance): with "Discard any changes" the next start shows the windows
// as the last kept exit left them. What the user made with a tool is
// written at every exit.
class ToolStateSaver {
public:
    // `storeOnExit` answers the user's choice; none keeps the changes.
    ToolStateSaver(StorageService& storage, String settingsRoot, std::function<bool()> storeOnExit)
        : storage_(storage), root_(std::move(settingsRoot)), storeOnExit_(std::move(storeOnExit)) {}
    bool Stores() const { return !storeOnExit_ || storeOnExit_(); }
    // Calls `write` with a writer at the settings' root when changes are
    // kept; nothing otherwise.
    void Save(const std::function<void(SettingsTreeWriter& writer)>& write) const;
    // Calls `write` with a writer at the settings' root whatever the user
    // chose: what a tool has made (the Event Finder's runs) is the user's
    // work, not a window's state, and a discarded exit must not lose it.
    void SaveWork(const std::function<void(SettingsTreeWriter& writer)>& write) const;

private:
    StorageService& storage_;
    String root_;
    std::function<bool()> storeOnExit_;
};

class ToolWindow {
public:
    virtual ~ToolWindow() = default;
    // The frame command that shows and hides the window.
    virtual int Command() const = 0;
    virtual HWND Window() const = 0;
    // Reads the tool's settings and creates its window (hidden, or shown
    // through the frame's command when it was visible at the last exit).
    virtual void Create(HWND frame) = 0;
    // Writes the tool's state through `saver`; the window stays as it is.
    virtual void SaveState(const ToolStateSaver& saver) = 0;
    // Writes the tool's state through `saver` and destroys its window.
    virtual void SaveAndDestroy(const ToolStateSaver& saver) = 0;
};

// Adds a tab per text, in order, to a tab control (no pictures).
void InsertTabs(HWND tabs, const wchar_t* const* texts, int count);
// Lays a tab's page over the tab control's display area (the page a child
// of the tabs or of their dialog), after `after` in the z-order.
void FitPageIntoTabs(HWND page, HWND tabs, HWND after = HWND_TOP, UINT flags = 0);
// Shows or hides a tool window through the frame's command, so that the
// command's check mark follows (its close box, a restored visible tool).
inline void ToggleToolByCommand(HWND frame, int command) {
    SendMessageW(frame, WM_COMMAND, static_cast<WPARAM>(command), 0);
}

// A tool window made from a dialog template of the program's resources:
// a modeless dialog owned by the frame, which the message loop serves and
// the tool's frame command shows and hides.
// A tool dialog's answer of 1 to WM_NCACTIVATE, its caption drawn first as
// the window now is: a dialog that answers the message itself skips the
// default drawing, and the active tool would keep an inactive caption.
void DrawCaptionAsActivated(HWND dialog, WPARAM wParam, LPARAM lParam);

class DialogToolWindow : public ToolWindow {
public:
    DialogToolWindow() = default;
    DialogToolWindow(const DialogToolWindow&) = delete;
    DialogToolWindow& operator=(const DialogToolWindow&) = delete;

    int Command() const override { return Params().command; }
    HWND Window() const override { return window_; }

protected:
    // The frame's parameters of the tool.
    virtual const ToolWindowParams& Params() const = 0;
    // The dialog's messages, WM_INITDIALOG with the window known. What it
    // leaves (FALSE) of WM_CLOSE hides the window through the frame's
    // command, of WM_HELP opens the tool's page.
    virtual INT_PTR HandleDialog(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    virtual HelpPage HelpTopic() const = 0;

    // Creates the dialog `name` owned by `frame`; it joins the message
    // loop's modeless dialogs. False when it could not be made.
    bool OpenDialog(HWND frame, const wchar_t* name);
    // Moves the window to (x, y), its size and order kept, not activated.
    void MoveTo(int x, int y) const;
    // Where the window stands and whether it is shown, into the tool's
    // state (the place is kept when the window cannot say).
    void ReadPlacement(int& left, int& top, bool& visible) const;
    // Shows or hides the window through the frame's command.
    void ToggleThroughFrame() const { ToggleToolByCommand(frame_, Params().command); }
    // The window leaves the message loop's dialogs and goes.
    void CloseDialog();

    HWND frame_ = nullptr;
    HWND window_ = nullptr;

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

class ToolWindows {
public:
    void Add(std::unique_ptr<ToolWindow> tool) { tools_.push_back(std::move(tool)); }
    void CreateAll(HWND frame);
    void SaveAll(const ToolStateSaver& saver);
    void SaveAndDestroyAll(const ToolStateSaver& saver);
    // Shows a hidden tool or hides a shown one; false when no tool answers
    // to the command.
    bool Toggle(int command);
    // Whether the command's tool window is shown (its menu check).
    bool IsShown(int command) const;
    ToolWindow* Find(int command) const;

private:
    std::vector<std::unique_ptr<ToolWindow>> tools_;
};

}  // namespace corvinata
