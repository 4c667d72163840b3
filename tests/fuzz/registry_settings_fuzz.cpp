// The settings the program starts from: the input (settings_input.h) is
// written into the registry, then read the way start-up reads it: the
// application's options, frame, recent files and picture packs, the
// dialogs, every window kind's panel, documents and windows, the stacking
// order, the layouts, night vision with the desktop's look a run left kept,
// and the user's own places.

#include "app/application.h"
#include "app/layouts.h"
#include "app/location_settings.h"
#include "app/main_windows.h"
#include "app/night_desktop.h"
#include "app/night_vision.h"
#include "app/settings_keys.h"
#include "app/window_records.h"
#include "app/window_settings.h"
#include "base/settings_tree.h"
#include "documents/report_kinds.h"
#include "fuzz/fuzz_targets.h"
#include "fuzz/settings_input.h"
#include "support/catalogues.h"

namespace corvinata::fuzz {

namespace {

constexpr RecordKeyNames kSharedModelNames{TXT("Time and location")};

// A window kind that reads what the program's kind of that number reads,
// and opens nothing.
class StoredKind final : public WindowKindState {
public:
    explicit StoredKind(int kind) : kind_(kind) {}

    bool SavePanel(SettingsTreeWriter&) override { return true; }
    void LoadPanel(SettingsTree& tree) override {
        PanelSettings panel;
        EclipsePanelSettings eclipse;
        switch (kind_) {
        case kJupiterExplorerWindow: LoadPanelOptions(PanelKind::Jupiter, panel, tree); break;
        case kSaturnExplorerWindow: LoadPanelOptions(PanelKind::Saturn, panel, tree); break;
        case kSkyWindow: LoadPanelOptions(PanelKind::Sky, panel, tree); break;
        case kSolarEclipseWindow: LoadTimeStepOptions(eclipse, tree); break;
        default: break;
        }
    }
    int DocumentCount() const override { return documents_; }
    int WindowCount(int) const override { return 0; }
    bool SaveModel(int, SettingsTreeWriter&) override { return true; }
    bool SaveWindow(int, int, SettingsTreeWriter&) override { return true; }
    int LoadModel(SettingsTree& tree) override {
        GraphModelValues graph;
        PictureModelValues picture;
        ReportModelValues report;
        DateTime date;
        TimeAndPlace moment;
        switch (kind_) {
        case kGraphWindow: LoadGraphModel(tree, graph); break;
        case kPictureWindow: LoadPictureModel(tree, picture); break;
        case kReportWindow: LoadReportModel(tree, kReportTypeCount - 1, report); break;
        case kSolarEclipseWindow: LoadSolarEclipseModel(tree, date); break;
        default: LoadTimeAndPlace(kSharedModelNames, tree, moment); break;
        }
        return documents_++;
    }
    bool LoadWindow(int, SettingsTree& tree) override {
        SkyWindowState sky;
        SolarSystemWindowState solarSystem;
        GraphViewState graph;
        PictureViewState picture;
        ExplorerOptions explorer;
        EclipseWindowState eclipse;
        ReportWindowState report;
        switch (kind_) {
        case kGraphWindow: return LoadGraphViewOptions(graph, tree);
        case kJupiterExplorerWindow: return LoadJupiterOptions(explorer, tree);
        case kPictureWindow: return LoadPictureOptions(picture, tree);
        case kReportWindow: return LoadReportOptions(report, tree);
        case kSaturnExplorerWindow: return LoadSaturnOptions(explorer, tree);
        case kSolarEclipseWindow: return LoadEclipseOptions(eclipse, tree);
        case kSkyWindow: return LoadSkyOptions(sky, tree);
        default: return LoadSolarSystemOptions(solarSystem, tree);
        }
    }
    void KeepWithoutWindows(int) override {}

private:
    int kind_;
    int documents_ = 0;
};

// A frame without windows, for the stacking order and the layouts.
class EmptyFrame final : public StackingFrame, public LayoutFrame {
public:
    bool PlaceBelow(const WindowReference&, const WindowReference*) override { return false; }
    void Maximize(const WindowReference&) override {}
    void Minimize(const WindowReference&) override {}
    std::vector<OpenChildWindow> OpenWindows() const override { return {}; }
    WindowGeometry WindowPlacement(const void*) const override { return {}; }
    void PlaceWindow(const void*, const WindowGeometry&) override {}
    PaneFlags PanesShown() const override { return {}; }
    void ShowPanes(const PaneFlags&) override {}
    void ShowLayoutMenu(const std::vector<String>&, int) override {}
};

}  // namespace

int FuzzRegistrySettings(const std::uint8_t* data, std::size_t size) {
    // The catalogues are built once, not by every run's application.
    static const test::ScopedCatalogues catalogues;
    ApplicationHooks hooks;
    hooks.createCatalogues = [] { return true; };
    Application app(std::make_unique<MemoryStorageService>(), PathName(), std::move(hooks));
    StorageService& storage = app.GetStorage();
    const String root = app.Keys().Root();
    WriteSettingsRecords(storage, root, SettingsRecords(data, size));

    Expect(app.StartUp(), "the program starts from any settings");
    StoredKind graph(kGraphWindow), jupiter(kJupiterExplorerWindow), picture(kPictureWindow), report(kReportWindow),
        saturn(kSaturnExplorerWindow), eclipse(kSolarEclipseWindow), sky(kSkyWindow), solarSystem(kSolarSystemWindow);
    WindowKindState* const kinds[kWindowKindCount] = {&graph, &jupiter, &picture, &report,
                                                      &saturn, &eclipse, &sky, &solarSystem};
    app.RestoreSession(kinds);
    EmptyFrame frame;
    SettingsTree tree(storage, root);
    RestoreMainWindows(tree, frame);
    Layouts layouts(frame);
    layouts.LoadLayouts(tree);
    NightVisionLevels levels;
    if (PushSettingsKey(tree, String(settings_key::kNightVision))) LoadNightVision(tree, levels);
    DesktopLook leftAtNight;
    KeptDesktopStore(storage, root).Load(leftAtNight);
    app.UserPlaces().LoadUserLocations();
    return 0;
}

}  // namespace corvinata::fuzz

CN_FUZZ_ENTRY(FuzzRegistrySettings)
