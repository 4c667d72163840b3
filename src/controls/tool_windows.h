// The frame's tool windows (calculator, Object Info, the event tools...):
// modeless dialogs owned by the frame, each shown and hidden by its own
// command, which the Tools menu checks while the window is visible.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "base/settings_tree.h"
#include "base/storage.h"
#include "base/wide_string.h"

namespace corvinata {

// How every tool window writes its state when the program ends: into the
// program's settings, and only while the user keeps the changes made
// (Options > Appearance). With "Discard any changes" nothing of a tool is
// written, so the next start shows what the last kept exit left.
class ToolStateSaver {
public:
    // `storeOnExit` answers the user's choice; none keeps the changes.
    ToolStateSaver(StorageService& storage, String settingsRoot, std::function<bool()> storeOnExit)
        : storage_(storage), root_(std::move(settingsRoot)), storeOnExit_(std::move(storeOnExit)) {}
    bool Stores() const { return !storeOnExit_ || storeOnExit_(); }
    // Calls `write` with a writer at the settings' root when changes are
    // kept; nothing otherwise.
    void Save(const std::function<void(SettingsTreeWriter& writer)>& write) const;

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
    // Writes the tool's state through `saver` and destroys its window.
    virtual void SaveAndDestroy(const ToolStateSaver& saver) = 0;
};

// Adds a tab per text, in order, to a tab control (no pictures).
void InsertTabs(HWND tabs, const wchar_t* const* texts, int count);
// Shows or hides a tool window through the frame's command, so that the
// command's check mark follows (its close box, a restored visible tool).
inline void ToggleToolByCommand(HWND frame, int command) {
    SendMessageW(frame, WM_COMMAND, static_cast<WPARAM>(command), 0);
}

class ToolWindows {
public:
    void Add(std::unique_ptr<ToolWindow> tool) { tools_.push_back(std::move(tool)); }
    void CreateAll(HWND frame);
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
