// The frame's tool windows (calculator, Object Info, the event tools...):
// modeless dialogs owned by the frame, each shown and hidden by its own
// command, which the Tools menu checks while the window is visible.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

namespace corvinata {

class ToolWindow {
public:
    virtual ~ToolWindow() = default;
    // The frame command that shows and hides the window.
    virtual int Command() const = 0;
    virtual HWND Window() const = 0;
    // Reads the tool's settings and creates its window (hidden, or shown
    // through the frame's command when it was visible at the last exit).
    virtual void Create(HWND frame) = 0;
    // Writes the tool's settings and destroys its window.
    virtual void SaveAndDestroy() = 0;
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
    void SaveAndDestroyAll();
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
