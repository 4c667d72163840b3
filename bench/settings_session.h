// A representative settings session for timing the whole tree: options,
// frame, ten recent files, every dialog, five layouts and sixteen windows
// with Sky records. Shared by the in-memory benchmark and the program that
// times the Windows registry.
#pragma once

#include <memory>
#include <vector>

#include "app/application_settings.h"
#include "app/settings_keys.h"
#include "app/settings_records.h"
#include "app/window_settings.h"

namespace corvinata {
namespace timing {

class NoNames final : public NameSystemNames {
public:
    bool FindIdByName(const String&, std::int32_t&) const override { return false; }
    String NameOfId(std::int32_t) const override { return String(TXT("Latin")); }
};

// Two windows of Sky records per kind, one model per document.
class SkyLikeKind final : public WindowKindState {
public:
    bool SavePanel(SettingsTreeWriter& writer) override { return SavePanelOptions(PanelKind::Sky, panel_, writer); }
    void LoadPanel(SettingsTree& tree) override { LoadPanelOptions(PanelKind::Sky, panel_, tree); }
    int DocumentCount() const override { return 1; }
    int WindowCount(int) const override { return 2; }
    bool SaveModel(int, SettingsTreeWriter& writer) override {
        return WriteDateTimeValue(writer, {TXT("Date and Time")}, model_);
    }
    bool SaveWindow(int, int, SettingsTreeWriter& writer) override { return SaveSkyOptions(window_, writer); }
    int LoadModel(SettingsTree& tree) override {
        ReadDateTimeValue(tree, {TXT("Date and Time")}, model_);
        return 0;
    }
    bool LoadWindow(int, SettingsTree& tree) override { return LoadSkyOptions(window_, tree); }
    void KeepWithoutWindows(int) override {}

private:
    PanelSettings panel_;
    DateTime model_{2024, 5, 1, 12.0, kLocalCivilTime};
    SkyWindowState window_;
};

class StillFrame final : public LayoutFrame {
public:
    StillFrame() {
        for (int i = 0; i < 16; ++i) open.push_back({&ids[i], i / 2, i % 2});
    }
    std::vector<OpenChildWindow> OpenWindows() const override { return open; }
    WindowGeometry WindowPlacement(const void*) const override { return {kGeometryAll, 10, 20, 520, 520, false, false}; }
    void PlaceWindow(const void*, const WindowGeometry&) override {}
    PaneFlags PanesShown() const override { return {}; }
    void ShowPanes(const PaneFlags&) override {}
    void ShowLayoutMenu(const std::vector<String>&, int) override {}
    int ids[16] = {};
    std::vector<OpenChildWindow> open;
};

struct TimedSession {
    explicit TimedSession(StorageService& storage, const String& rootPath)
        : storage(storage), root(rootPath), layouts(layoutFrame) {
        for (int i = 0; i < kMaxRecentFiles; ++i) recent.AddRecentFile(NumberedName(TXT("C:\\GRAPHS\\g"), i));
        for (int slot = 0; slot < kDialogSlotCount; ++slot) {
            if (DialogSlotKey(slot)) dialogs.Register(slot, &placements[slot]);
        }
        {
            SettingsTree empty(storage, root);
            layouts.LoadLayouts(empty);
        }
        while (layouts.AddNewLayout()) {
        }
        session.frame = &frame;
        session.layouts = &layouts;
        session.dialogs = &dialogs;
        for (int k = 0; k < kWindowKindCount; ++k) {
            kinds.push_back(std::make_unique<SkyLikeKind>());
            session.kinds[k] = kinds.back().get();
            session.stacking.push_back({k, 0});
            session.stacking.push_back({k, 1});
        }
        session.active = {true, false, true};
    }

    // What shutdown writes and the next start-up reads; false when a write
    // failed.
    bool RoundTrip() {
        bool written = false;
        {
            SettingsTreeWriter writer(storage, root);
            written = SaveSettingsAtShutdown(writer, names, session, recent, options, nullptr, root);
        }
        SettingsTree tree(storage, root);
        LoadApplicationOptions(tree, names, options);
        LoadFrameWindowSettings(tree, frame);
        recent.LoadRecentFiles(tree);
        dialogs.RestoreDialogPositions(tree);
        LoadMainWindows(tree, session.kinds);
        layouts.LoadLayouts(tree);
        return written && LoadStackingOrder(tree).size() == session.stacking.size();
    }

    StorageService& storage;
    String root;
    NoNames names;
    ApplicationOptions options;
    FrameWindowSettings frame;
    RecentFiles recent;
    DialogPlacement placements[kDialogSlotCount];
    DialogPositions dialogs;
    StillFrame layoutFrame;
    Layouts layouts;
    std::vector<std::unique_ptr<SkyLikeKind>> kinds;
    SessionState session;
};

}  // namespace timing
}  // namespace corvinata
