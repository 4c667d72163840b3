// Writing and reading the application's whole settings tree in memory, as
// shutdown and the next start-up do: options, frame, recent files, every
// dialog, five layouts and sixteen windows with their records.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "app/application_settings.h"
#include "app/product_info.h"
#include "app/settings_keys.h"
#include "app/settings_records.h"
#include "app/window_settings.h"
#include "base/memory_storage.h"
#include "base/services.h"

namespace corvinata {
namespace {

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
    void DropDocument(int) override {}

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
    void ReportLayoutNameTaken(const String&) override {}
    int ids[16] = {};
    std::vector<OpenChildWindow> open;
};

void BM_WholeSettingsTreeRoundTrip(benchmark::State& state) {
    MemoryStorageService storage;
    ProgramProductInfo product(storage, PathName());
    ScopedApplicationServices services(&product, nullptr);
    SettingsKeys keys;
    const String root = keys.Root();
    NoNames names;
    ApplicationOptions options;
    FrameWindowSettings frame;
    RecentFiles recent;
    for (int i = 0; i < kMaxRecentFiles; ++i) recent.AddRecentFile(NumberedName(TXT("C:\\GRAPHS\\g"), i));
    DialogPlacement placements[kDialogSlotCount];
    DialogPositions dialogs;
    for (int slot = 0; slot < kDialogSlotCount; ++slot) {
        if (DialogSlotKey(slot)) dialogs.Register(slot, &placements[slot]);
    }
    StillFrame layoutFrame;
    Layouts layouts(layoutFrame);
    {
        SettingsTree empty(storage, root);
        layouts.LoadLayouts(empty);
    }
    while (layouts.AddNewLayout()) {
    }
    std::vector<std::unique_ptr<SkyLikeKind>> kinds;
    SessionState session;
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
    for (auto _ : state) {
        {
            SettingsTreeWriter writer(storage, root);
            SaveSettingsAtShutdown(writer, names, session, recent, options, nullptr, root);
        }
        SettingsTree tree(storage, root);
        LoadApplicationOptions(tree, names, options);
        LoadFrameWindowSettings(tree, frame);
        recent.LoadRecentFiles(tree);
        dialogs.RestoreDialogPositions(tree);
        LoadMainWindows(tree, session.kinds);
        layouts.LoadLayouts(tree);
        benchmark::DoNotOptimize(LoadStackingOrder(tree));
    }
}
BENCHMARK(BM_WholeSettingsTreeRoundTrip)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace corvinata
