// Layouts: named arrangements of the frame (which panes are shown and where
// each open child window lies) that the user switches between from
// View > Layout.
//
// At most five layouts exist, each name once (letter case ignored, so the
// menu and the stored list can never disagree about which one is meant).
// Exactly one is current; leaving it first captures the present arrangement
// into it, so a layout always remembers how it was last left.
#pragma once

#include <cstdint>
#include <vector>

#include "app/window_geometry.h"
#include "base/settings_tree.h"
#include "base/wide_string.h"

namespace corvinata {

constexpr int kMaxLayouts = 5;

// Whether each frame pane is shown. The control-panel flag is the user's
// wish, not whether the pane happens to be visible (it hides itself while no
// window is open).
struct PaneFlags {
    bool controlPanel = true;
    bool relatedTasks = true;
    bool statusLine = true;
    bool toolbar = true;
    bool windowManager = true;
};

// An open child window as the settings name it: its kind and its position
// among the open windows of that kind.
struct OpenChildWindow {
    const void* window;
    std::int32_t kind;
    std::int32_t number;
};

struct LayoutWindow {
    const void* window;
    WindowGeometry geometry;
};

struct Layout {
    String name;
    std::vector<LayoutWindow> windows;  // in the order they were captured
    PaneFlags panes;
};

// What layouts need of the frame.
class LayoutFrame {
public:
    virtual ~LayoutFrame() = default;
    // Every open child window: kinds in order, each kind's documents in list
    // order, each document's windows in view order.
    virtual std::vector<OpenChildWindow> OpenWindows() const = 0;
    virtual WindowGeometry WindowPlacement(const void* window) const = 0;
    virtual void PlaceWindow(const void* window, const WindowGeometry& geometry) = 0;
    virtual PaneFlags PanesShown() const = 0;
    // Shows or hides the panes in the order control panel, related tasks,
    // status line, toolbar, window manager.
    virtual void ShowPanes(const PaneFlags& panes) = 0;
    // The layout entries of View > Layout: one per name, `checked` marked.
    virtual void ShowLayoutMenu(const std::vector<String>& names, int checked) = 0;
};

// "Layout " followed by the smallest number from 1 that no layout uses.
String DefaultLayoutName(const std::vector<Layout>& layouts);
// Letter case ignored.
bool SameLayoutName(const String& a, const String& b);

class Layouts {
public:
    explicit Layouts(LayoutFrame& frame) : frame_(frame) {}

    // Reads the layouts below `tree`'s innermost key (the settings root):
    // at most five, a name already taken skipped, windows matched to the open
    // ones. Without any, one default layout holds the present arrangement.
    void LoadLayouts(SettingsTree& tree);
    // Captures the present arrangement into the current layout, then
    // rewrites the whole "Layouts" key. False when a write failed.
    bool SaveLayouts(SettingsTreeWriter& writer);

    // Makes layout `index` current (commands 20175..20179); false for an
    // index that is not a layout.
    bool ApplyLayout(int index);
    void ActivateAdjacentLayout(bool previous);
    // A new layout of the present arrangement under the next default name;
    // false when five exist.
    bool AddNewLayout();
    void RemoveActiveLayout();
    void RemoveInactiveLayouts();
    // A closed window leaves every layout.
    void ForgetWindow(const void* window);

    int Count() const noexcept { return static_cast<int>(layouts_.size()); }
    const Layout& At(int index) const { return layouts_[static_cast<std::size_t>(index)]; }
    // The current layout's position; -1 when the current name names none.
    int CurrentIndex() const;
    const String& CurrentName() const noexcept { return current_; }

private:
    void Capture(Layout& layout) const;
    void Show(const Layout& layout);
    void UpdateMenu();
    int IndexOf(const String& name) const;
    bool LoadLayout(SettingsTree& tree, int index, const std::vector<OpenChildWindow>& open);
    bool SaveLayout(SettingsTreeWriter& writer, int index,
                    const std::vector<OpenChildWindow>& open) const;

    LayoutFrame& frame_;
    std::vector<Layout> layouts_;
    String current_;
};

}  // namespace corvinata
