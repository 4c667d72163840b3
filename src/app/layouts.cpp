#include "app/layouts.h"

#include <algorithm>

#include "app/app_interfaces.h"
#include "app/settings_keys.h"
#include "app/settings_values.h"

namespace corvinata {
namespace {

constexpr const Char* kName = TXT("Name");
constexpr const Char* kActive = TXT("Active");

Char FoldLetter(Char c) { return c >= TXT('a') && c <= TXT('z') ? static_cast<Char>(c - 32) : c; }

struct PaneFlagName {
    const Char* name;
    bool PaneFlags::*flag;
};

// The order in which the flags are stored.
constexpr PaneFlagName kPaneFlagNames[] = {
    {TXT("Control Panel"), &PaneFlags::controlPanel},
    {TXT("Related Tasks"), &PaneFlags::relatedTasks},
    {TXT("Status Line"), &PaneFlags::statusLine},
    {TXT("Toolbar"), &PaneFlags::toolbar},
    {TXT("Window Manager"), &PaneFlags::windowManager},
};

const LayoutWindow* FindWindow(const Layout& layout, const void* window) {
    for (const LayoutWindow& entry : layout.windows) {
        if (entry.window == window) return &entry;
    }
    return nullptr;
}

}  // namespace

bool SameLayoutName(const String& a, const String& b) {
    const Char* x = a.Text();
    const Char* y = b.Text();
    for (; *x && *y; ++x, ++y) {
        if (FoldLetter(*x) != FoldLetter(*y)) return false;
    }
    return *x == *y;
}

String DefaultLayoutName(const std::vector<Layout>& layouts) {
    for (int number = 1;; ++number) {
        String name = NumberedName(TXT("Layout "), number);
        const bool taken = std::any_of(layouts.begin(), layouts.end(),
                                       [&](const Layout& l) { return SameLayoutName(l.name, name); });
        if (!taken) return name;
    }
}

int Layouts::IndexOf(const String& name) const {
    for (std::size_t i = 0; i < layouts_.size(); ++i) {
        if (SameLayoutName(layouts_[i].name, name)) return static_cast<int>(i);
    }
    return -1;
}

int Layouts::CurrentIndex() const { return IndexOf(current_); }

void Layouts::Capture(Layout& layout) const {
    layout.windows.clear();
    for (const OpenChildWindow& open : frame_.OpenWindows()) {
        layout.windows.push_back({open.window, frame_.WindowPlacement(open.window)});
    }
    layout.panes = frame_.PanesShown();
}

void Layouts::Show(const Layout& layout) {
    for (const LayoutWindow& entry : layout.windows) frame_.PlaceWindow(entry.window, entry.geometry);
    frame_.ShowPanes(layout.panes);
}

void Layouts::UpdateMenu() {
    std::vector<String> names;
    for (const Layout& layout : layouts_) names.push_back(layout.name);
    frame_.ShowLayoutMenu(names, CurrentIndex());
}

bool Layouts::LoadLayout(SettingsTree& tree, int index,
                         const std::vector<OpenChildWindow>& open) {
    ReadGroup key(tree, NumberedName(TXT("Layout "), index).Text());
    Layout layout;
    if (!key.IsOpen() || !ReadStringValue(tree, kName, layout.name) || layout.name.IsEmpty()) {
        return false;
    }
    for (const PaneFlagName& pane : kPaneFlagNames) ReadBoolValue(tree, pane.name, layout.panes.*pane.flag);
    for (int j = 0;; ++j) {
        ReadGroup entry(tree, NumberedName(TXT("Window "), j).Text());
        WindowGeometry geometry;
        std::int32_t kind = 0;
        std::int32_t number = 0;
        if (!entry.IsOpen() || !ReadWindowGeometry(geometry, tree) ||
            !ReadIntValueInRange(tree, TXT("Type"), 0, kWindowKindCount - 1, kind) ||
            !ReadIntValueInRange(tree, TXT("Number"), 0, INT32_MAX, number)) {
            break;
        }
        // An entry that names no open window is dropped.
        for (const OpenChildWindow& window : open) {
            if (window.kind == kind && window.number == number && !FindWindow(layout, window.window)) {
                layout.windows.push_back({window.window, geometry});
                break;
            }
        }
    }
    if (IndexOf(layout.name) < 0) layouts_.push_back(std::move(layout));
    return true;
}

void Layouts::LoadLayouts(SettingsTree& tree) {
    layouts_.clear();
    const std::vector<OpenChildWindow> open = frame_.OpenWindows();
    int active = 0;
    {
        ReadGroup key(tree, settings_key::kLayouts);
        if (key.IsOpen()) {
            for (int i = 0; Count() < kMaxLayouts && LoadLayout(tree, i, open); ++i) {
            }
            if (!ReadIntValueInRange(tree, kActive, 0, Count() - 1, active)) active = 0;
        }
    }
    if (layouts_.empty()) {
        Layout first;
        first.name = DefaultLayoutName(layouts_);
        Capture(first);
        layouts_.push_back(std::move(first));
        active = 0;
    }
    current_ = layouts_[static_cast<std::size_t>(active)].name;
    UpdateMenu();
}

bool Layouts::SaveLayout(SettingsTreeWriter& writer, int index,
                         const std::vector<OpenChildWindow>& open) const {
    const Layout& layout = layouts_[static_cast<std::size_t>(index)];
    WriteGroup key(writer, NumberedName(TXT("Layout "), index).Text());
    WrittenValues values(writer);
    values.Then([&] { return key.IsOpen(); });
    values.Text(kName, layout.name.Text());
    for (const PaneFlagName& pane : kPaneFlagNames) values.Bool(pane.name, layout.panes.*pane.flag);
    int j = 0;
    for (const OpenChildWindow& window : open) {
        const LayoutWindow* entry = FindWindow(layout, window.window);
        if (!entry || !values.Ok()) continue;
        WriteGroup group(writer, NumberedName(TXT("Window "), j++).Text());
        values.Then([&] { return group.IsOpen() && WriteWindowGeometry(entry->geometry, writer); });
        values.Int(TXT("Type"), window.kind);
        values.Int(TXT("Number"), window.number);
    }
    return values.Ok();
}

bool Layouts::SaveLayouts(SettingsTreeWriter& writer) {
    const int current = CurrentIndex();
    if (current >= 0) Capture(layouts_[static_cast<std::size_t>(current)]);
    if (!DeleteSettingsKey(writer, settings_key::kLayouts)) return false;
    WriteGroup key(writer, settings_key::kLayouts);
    if (!key.IsOpen()) return false;
    const std::vector<OpenChildWindow> open = frame_.OpenWindows();
    for (int i = 0; i < Count(); ++i) {
        if (!SaveLayout(writer, i, open)) return false;
    }
    return WriteIntValue(writer, kActive, current < 0 ? 0 : current);
}

bool Layouts::ApplyLayout(int index) {
    if (index < 0 || index >= Count()) return false;
    const int old = CurrentIndex();
    if (old >= 0) Capture(layouts_[static_cast<std::size_t>(old)]);
    Layout& layout = layouts_[static_cast<std::size_t>(index)];
    current_ = layout.name;
    // A layout without windows never shows the control panel.
    if (layout.windows.empty()) layout.panes.controlPanel = false;
    Show(layout);
    UpdateMenu();
    return true;
}

void Layouts::ActivateAdjacentLayout(bool previous) {
    const int current = CurrentIndex();
    if (current < 0) return;
    const int count = Count();
    ApplyLayout(previous ? (current + count - 1) % count : (current + 1) % count);
}

bool Layouts::AddNewLayout() {
    if (Count() >= kMaxLayouts) return false;
    const int current = CurrentIndex();
    if (current >= 0) Capture(layouts_[static_cast<std::size_t>(current)]);
    Layout added;
    added.name = DefaultLayoutName(layouts_);
    Capture(added);
    current_ = added.name;
    layouts_.push_back(std::move(added));
    UpdateMenu();
    return true;
}

void Layouts::RemoveActiveLayout() {
    const int current = CurrentIndex();
    if (current < 0 || Count() < 2) return;
    layouts_.erase(layouts_.begin() + current);
    const int next = current < Count() ? current : 0;
    current_ = layouts_[static_cast<std::size_t>(next)].name;
    Show(layouts_[static_cast<std::size_t>(next)]);
    UpdateMenu();
}

void Layouts::RemoveInactiveLayouts() {
    if (CurrentIndex() < 0) return;
    layouts_.erase(std::remove_if(layouts_.begin(), layouts_.end(),
                                  [&](const Layout& l) { return !SameLayoutName(l.name, current_); }),
                   layouts_.end());
    UpdateMenu();
}

void Layouts::ForgetWindow(const void* window) {
    for (Layout& layout : layouts_) {
        layout.windows.erase(std::remove_if(layout.windows.begin(), layout.windows.end(),
                                            [&](const LayoutWindow& e) { return e.window == window; }),
                             layout.windows.end());
    }
}

}  // namespace corvinata
