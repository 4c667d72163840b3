// The frame's MDI children as windows of the MDI client: arranging and
// closing them (the Window menu), activating one, placing, stacking,
// maximizing and minimizing them for the layouts and the session, and
// their stacking order.
#pragma once

#include <windows.h>

#include <vector>

#include "app/child_window_registry.h"
#include "app/layouts.h"
#include "app/main_windows.h"
#include "app/navigation_history.h"

namespace corvinata {

class MdiWindows final : public StackingFrame, public WindowActivator {
public:
    explicit MdiWindows(const ChildWindowRegistry& registry) : registry_(registry) {}

    // The MDI client the children live in (none once it is gone).
    void Attach(HWND client) noexcept { client_ = client; }
    HWND Client() const noexcept { return client_; }
    // The active child; none without one. `maximized` (when given) tells
    // whether it is maximized.
    HWND ActiveChild(BOOL* maximized = nullptr) const;

    // Cascade, Tile Horizontally and Vertically, Arrange Icons, Close and
    // Close All.
    void RunCommand(int id);
    // Closes the active child until none is left or one refuses.
    void CloseAll();

    // The open windows as the layouts name them, and their placements.
    std::vector<OpenChildWindow> OpenWindows() const;
    WindowGeometry Placement(const void* window) const;
    void Place(const void* window, const WindowGeometry& geometry);
    // The open windows from the top.
    std::vector<WindowReference> StackingOrder() const;

    bool PlaceBelow(const WindowReference& window, const WindowReference* above) override;
    void Maximize(const WindowReference& window) override;
    void Minimize(const WindowReference& window) override;
    void ActivateWindow(const void* window) override;

private:
    const ChildWindowRegistry& registry_;
    HWND client_ = nullptr;
};

}  // namespace corvinata
