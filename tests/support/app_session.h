// Fakes of the frame and of the window kinds for the tests of layouts, the
// main-window keys and the whole settings tree.
#pragma once

#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/application_settings.h"
#include "app/layouts.h"
#include "app/main_windows.h"
#include "app/settings_values.h"
#include "base/registry_key.h"
#include "support/date_records.h"
#include "support/settings_round_trip.h"
#include "support/test_text.h"

namespace corvinata::test {

// A frame with a few open windows whose placements and panes the test sets.
class FakeFrame final : public LayoutFrame {
public:
    std::vector<OpenChildWindow> OpenWindows() const override { return open; }
    WindowGeometry WindowPlacement(const void* window) const override { return placed.at(window); }
    void PlaceWindow(const void* window, const WindowGeometry& geometry) override {
        placed[window] = geometry;
    }
    PaneFlags PanesShown() const override { return panes; }
    void ShowPanes(const PaneFlags& shown) override { panes = shown; }
    void ShowLayoutMenu(const std::vector<String>& names, int checked) override {
        menu.clear();
        for (const String& name : names) menu.push_back(test::Utf8(name));
        this->checked = checked;
    }
    void ReportLayoutNameTaken(const String& name) override { refused.push_back(test::Utf8(name)); }

    void Open(const void* window, std::int32_t kind, std::int32_t number, std::int32_t left) {
        open.push_back({window, kind, number});
        placed[window] = WindowGeometry{kGeometryAll, left, 10, 300, 200, false, false};
    }

    std::vector<OpenChildWindow> open;
    std::map<const void*, WindowGeometry> placed;
    PaneFlags panes;
    std::vector<std::string> menu;
    int checked = -2;
    std::vector<std::string> refused;
};

// Documents with a model number and windows with ids; a window whose id is
// negative is stored but cannot be opened again.
class FakeKind final : public WindowKindState {
public:
    struct Document {
        std::int32_t model;
        std::vector<std::int32_t> windows;
    };

    bool SavePanel(SettingsTreeWriter& writer) override { return WriteIntValue(writer, TXT("Step"), panel); }
    void LoadPanel(SettingsTree& tree) override { ReadIntValue(tree, TXT("Step"), panel); }
    int DocumentCount() const override { return static_cast<int>(documents.size()); }
    int WindowCount(int document) const override {
        return static_cast<int>(documents[static_cast<std::size_t>(document)].windows.size());
    }
    bool SaveModel(int document, SettingsTreeWriter& writer) override {
        return WriteIntValue(writer, TXT("Value"), documents[static_cast<std::size_t>(document)].model);
    }
    bool SaveWindow(int document, int window, SettingsTreeWriter& writer) override {
        return WriteIntValue(writer, TXT("Id"),
                             documents[static_cast<std::size_t>(document)].windows[static_cast<std::size_t>(window)]);
    }
    int LoadModel(SettingsTree& tree) override {
        std::int32_t value = -1;
        ReadIntValue(tree, TXT("Value"), value);
        if (shared) {
            documents.resize(1);
            documents[0].model = value;
            return 0;
        }
        documents.push_back({value, {}});
        return DocumentCount() - 1;
    }
    bool LoadWindow(int document, SettingsTree& tree) override {
        std::int32_t id = -1;
        if (!ReadIntValue(tree, TXT("Id"), id) || id < 0) return false;
        documents[static_cast<std::size_t>(document)].windows.push_back(id);
        return true;
    }
    void DropDocument(int document) override {
        documents.erase(documents.begin() + document);
        ++dropped;
    }

    bool shared = false;
    std::int32_t panel = 0;
    std::vector<Document> documents;
    int dropped = 0;
};


// Eight kinds of fakes, the shared ones with their one document.
struct FakeKinds {
    FakeKinds() {
        for (int k = 0; k < kWindowKindCount; ++k) {
            kinds[k].shared = IsSharedDocumentKind(k);
            if (kinds[k].shared) kinds[k].documents.push_back({0, {}});
            pointers[k] = &kinds[k];
        }
    }
    FakeKind kinds[kWindowKindCount];
    WindowKindState* pointers[kWindowKindCount] = {};
};

// Everything the application writes at shutdown and reads at start-up.
struct WholeSettings {
    WholeSettings() {
        // The tools choose their own keys below "Dialogs"; they are not here.
        for (int slot = 0; slot < kGraphOptionsDialog; ++slot) {
            if (slot != kEventFinderTool && slot != kEventForecastTool) {
                dialogs.Register(slot, &placements[slot]);
            }
        }
        dialogs.Register(kGraphOptionsDialog, &graphOptions);
    }

    ApplicationOptions options;
    FrameWindowSettings frame;
    RecentFiles recent;
    DialogPlacement placements[kGraphOptionsDialog];
    OptionsDialogPlacement graphOptions{5};
    DialogPositions dialogs;
    FakeFrame layoutFrame;
    Layouts layouts{layoutFrame};
    FakeKinds windows;
    std::vector<WindowReference> stacking;
    ActiveWindowShow active;
};

inline int g_sampleWindows[3];

// A session with a value off its default in every record.
inline void FillSampleSession(WholeSettings& s, SettingsTree& emptyTree) {
    s.options.general.raDisplayUnit = 0;
    s.options.general.angleDegreeBase = 1;
    s.options.general.constellationLanguage = 1;
    s.options.time.userDefined = true;
    s.options.time.userTime = MakeDateTime(2031, 7, 4, 21.25, kUniversalTime);
    s.options.time.userDaylightSaving = true;
    s.options.time.clockActive = true;
    s.options.location.userDefined = false;
    s.options.location.location = SampleLocation();
    s.options.starsFixed = true;
    s.frame = FrameWindowSettings{40, 30, 640, 930, false, {}, true};
    s.recent.AddRecentFile(String(TXT("C:\\GRAPHS\\b.gph")));
    s.recent.AddRecentFile(String(TXT("C:\\GRAPHS\\a.gph")));
    for (int i = 0; i < kGraphOptionsDialog; ++i) {
        if (i != kEventFinderTool && i != kEventForecastTool) s.placements[i].geometry.left = 10 * i;
    }
    s.graphOptions.geometry.top = 77;
    s.graphOptions.currentTab = 3;
    s.layoutFrame.Open(&g_sampleWindows[0], kSkyWindow, 0, 15);
    s.layoutFrame.Open(&g_sampleWindows[1], kSkyWindow, 1, 25);
    s.layoutFrame.Open(&g_sampleWindows[2], kGraphWindow, 0, 35);
    s.layoutFrame.panes.statusLine = false;
    s.layouts.LoadLayouts(emptyTree);
    s.layoutFrame.panes.toolbar = false;
    s.layoutFrame.placed[&g_sampleWindows[1]].maximized = true;
    s.layouts.AddNewLayout();
    s.windows.kinds[kSkyWindow].documents[0] = {12, {1, 2}};
    s.windows.kinds[kSkyWindow].panel = 4;
    s.windows.kinds[kGraphWindow].documents = {{3, {9}}};
    s.stacking = {{kSkyWindow, 1}, {kGraphWindow, 0}, {kSkyWindow, 0}};
    s.active = {true, false, true};
}

inline bool SaveWholeSettings(StorageService& storage, const String& root, WholeSettings& s) {
    SessionState session;
    session.frame = &s.frame;
    session.layouts = &s.layouts;
    session.dialogs = &s.dialogs;
    for (int k = 0; k < kWindowKindCount; ++k) session.kinds[k] = s.windows.pointers[k];
    session.stacking = s.stacking;
    session.active = s.active;
    SettingsTreeWriter writer(storage, root);
    return SaveSettingsAtShutdown(writer, FakeNameSystems(), session, s.recent, s.options, nullptr,
                                  root);
}

// Reads the tree as start-up does, with the same windows open again.
inline void LoadWholeSettings(StorageService& storage, const String& root, WholeSettings& s) {
    SettingsTree tree(storage, root);
    LoadApplicationOptions(tree, FakeNameSystems(), s.options);
    LoadFrameWindowSettings(tree, s.frame);
    s.recent.LoadRecentFiles(tree);
    s.dialogs.RestoreDialogPositions(tree);
    LoadMainWindows(tree, s.windows.pointers);
    for (int i = 0; i < 3; ++i) {
        s.layoutFrame.Open(&g_sampleWindows[i], i < 2 ? kSkyWindow : kGraphWindow, i < 2 ? i : 0, 0);
    }
    s.layouts.LoadLayouts(tree);
    s.stacking = LoadStackingOrder(tree);
    s.active = LoadActiveWindowShow(tree);
}

inline void ExpectSame(const WindowGeometry& a, const WindowGeometry& b) {
    EXPECT_EQ(a.left, b.left);
    EXPECT_EQ(a.top, b.top);
    EXPECT_EQ(a.width, b.width);
    EXPECT_EQ(a.height, b.height);
    EXPECT_EQ(a.minimized, b.minimized);
    EXPECT_EQ(a.maximized, b.maximized);
}

inline void ExpectSameWholeSettings(const WholeSettings& a, const WholeSettings& b) {
    EXPECT_EQ(a.options.general.raDisplayUnit, b.options.general.raDisplayUnit);
    EXPECT_EQ(a.options.general.angleDegreeBase, b.options.general.angleDegreeBase);
    EXPECT_EQ(a.options.general.constellationLanguage, b.options.general.constellationLanguage);
    EXPECT_EQ(a.options.general.saveOptionsOnExit, b.options.general.saveOptionsOnExit);
    EXPECT_EQ(a.options.time.userDefined, b.options.time.userDefined);
    ExpectSame(a.options.time.userTime, b.options.time.userTime);
    EXPECT_EQ(a.options.time.userDaylightSaving, b.options.time.userDaylightSaving);
    EXPECT_EQ(a.options.time.clockActive, b.options.time.clockActive);
    EXPECT_EQ(a.options.location.userDefined, b.options.location.userDefined);
    ExpectSame(a.options.location.location, b.options.location.location);
    EXPECT_EQ(a.options.starsFixed, b.options.starsFixed);
    EXPECT_EQ(a.frame.top, b.frame.top);
    EXPECT_EQ(a.frame.left, b.frame.left);
    EXPECT_EQ(a.frame.bottom, b.frame.bottom);
    EXPECT_EQ(a.frame.right, b.frame.right);
    EXPECT_EQ(a.frame.maximized, b.frame.maximized);
    EXPECT_FALSE(b.frame.showHelpHint);
    const Layout& current = a.layouts.At(a.layouts.CurrentIndex());
    EXPECT_EQ(b.frame.panes.toolbar, current.panes.toolbar);
    EXPECT_EQ(b.frame.panes.statusLine, current.panes.statusLine);
    EXPECT_EQ(a.recent.Paths(), b.recent.Paths());
    for (int i = 0; i < kGraphOptionsDialog; ++i) {
        EXPECT_EQ(a.placements[i].geometry.left, b.placements[i].geometry.left) << "dialog " << i;
        EXPECT_EQ(a.placements[i].geometry.top, b.placements[i].geometry.top) << "dialog " << i;
    }
    EXPECT_EQ(a.graphOptions.geometry.top, b.graphOptions.geometry.top);
    EXPECT_EQ(a.graphOptions.currentTab, b.graphOptions.currentTab);
    ASSERT_EQ(a.layouts.Count(), b.layouts.Count());
    EXPECT_EQ(a.layouts.CurrentIndex(), b.layouts.CurrentIndex());
    for (int i = 0; i < a.layouts.Count(); ++i) {
        const Layout& x = a.layouts.At(i);
        const Layout& y = b.layouts.At(i);
        EXPECT_EQ(Utf8(x.name), Utf8(y.name));
        EXPECT_EQ(x.panes.toolbar, y.panes.toolbar) << i;
        EXPECT_EQ(x.panes.statusLine, y.panes.statusLine) << i;
        ASSERT_EQ(x.windows.size(), y.windows.size()) << i;
        for (std::size_t j = 0; j < x.windows.size(); ++j) {
            EXPECT_EQ(x.windows[j].window, y.windows[j].window);
            ExpectSame(x.windows[j].geometry, y.windows[j].geometry);
        }
    }
    for (int k = 0; k < kWindowKindCount; ++k) {
        const FakeKind& x = a.windows.kinds[k];
        const FakeKind& y = b.windows.kinds[k];
        EXPECT_EQ(x.panel, y.panel) << "kind " << k;
        ASSERT_EQ(x.documents.size(), y.documents.size()) << "kind " << k;
        for (std::size_t d = 0; d < x.documents.size(); ++d) {
            EXPECT_EQ(x.documents[d].model, y.documents[d].model);
            EXPECT_EQ(x.documents[d].windows, y.documents[d].windows);
        }
    }
    ASSERT_EQ(a.stacking.size(), b.stacking.size());
    for (std::size_t n = 0; n < a.stacking.size(); ++n) {
        EXPECT_EQ(a.stacking[n].kind, b.stacking[n].kind);
        EXPECT_EQ(a.stacking[n].number, b.stacking[n].number);
    }
    EXPECT_EQ(a.active.present, b.active.present);
    EXPECT_EQ(a.active.maximized, b.active.maximized);
}

// Keys below the settings root, with one of their values (null: the key
// alone), as the sample session writes them.
struct StoredName {
    const char* key;
    const char* value;
};

inline const std::vector<StoredName>& SampleSessionNames() {
    static const std::vector<StoredName> names = {
        {"", "Stars fixed"},
        {"Application frame window", "Maximized"}, {"Application frame window", "Top"},
        {"Application frame window", "Left"}, {"Application frame window", "Bottom"},
        {"Application frame window", "Right"}, {"Application frame window", "Toolbar visible"},
        {"Application frame window", "Control panel visible"},
        {"Application frame window", "Related tasks visible"},
        {"Application frame window", "Window manager visible"},
        {"Application frame window", "Status line visible"},
        {"Application frame window", "ShowHelpHint"},
        {"Appearance Options", "Save options when terminating"}, {"Appearance Options", "RA display unit"},
        {"Appearance Options", "Angle degree base"},
        {"Appearance Options", "Language for constellation names"},
        {"Location Options", "User defined"}, {"Location Options\\Current location", "Country"},
        {"Time Options", "User defined time and DST active"}, {"Time Options", "User defined DST"},
        {"Time Options", "Real time clock active"}, {"Time Options\\User defined time", "Time System"},
        {"Dialogs\\Define Appearance\\Geometry", "Left"}, {"Dialogs\\Define Time\\Geometry", "Top"},
        {"Dialogs\\Graph\\Edit Line\\Geometry", "Left"}, {"Dialogs\\Event Forecast\\Options\\Geometry", "Top"},
        {"Dialogs\\Graph\\Options Dialog", "Current tab"},
        {"Main Windows\\Sky\\Model", "Value"}, {"Main Windows\\Sky\\Control panel", "Step"},
        {"Main Windows\\Sky\\Windows\\Window 1", "Id"},
        {"Main Windows\\Graph\\Models\\Model 0\\Windows\\Window 0", "Id"},
        {"Main Windows\\Z order\\2", "Window type"}, {"Main Windows\\Z order\\2", "Window number"},
        {"Main Windows\\Active window\\Geometry", "Minimized"},
        {"Main Windows\\Active window\\Geometry", "Maximized"},
        {"Layouts", "Active"}, {"Layouts\\Layout 1", "Name"}, {"Layouts\\Layout 1", "Control Panel"},
        {"Layouts\\Layout 1", "Related Tasks"}, {"Layouts\\Layout 1", "Status Line"},
        {"Layouts\\Layout 1", "Toolbar"}, {"Layouts\\Layout 1", "Window Manager"},
        {"Layouts\\Layout 1\\Window 2", "Type"}, {"Layouts\\Layout 1\\Window 2", "Number"},
        {"Layouts\\Layout 1\\Window 2\\Geometry", "Height"},
        {"Layouts\\Layout 1\\Window 2\\Geometry", "Minimized"},
        {"Recent files", "File 1"}, {"Recent files", "File 2"},
    };
    return names;
}

// Whether the value is stored under `root` + key, through the registry's
// own calls.
inline bool StoredValueExists(StorageService& storage, const String& root, const StoredName& name) {
    std::string path = Utf8(root).substr(1);
    if (*name.key) path += std::string("\\") + name.key;
    RegistryApi& registry = storage.Registry();
    RegistryApi::Key key = nullptr;
    if (!registry.OpenKey(registry.RootKey(RegistryHive::CurrentUser), Wide(path).c_str(), key)) {
        return false;
    }
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    const bool found = registry.QueryValue(key, Wide(name.value).c_str(), type, nullptr, size);
    registry.CloseKey(key);
    return found;
}

inline void ExpectWholeSettingsRoundTrip(StorageService& storage, const String& root) {
    WholeSettings saved;
    {
        SettingsTree empty(storage, root);
        FillSampleSession(saved, empty);
    }
    ASSERT_TRUE(SaveWholeSettings(storage, root, saved));
    for (const StoredName& name : SampleSessionNames()) {
        EXPECT_TRUE(StoredValueExists(storage, root, name)) << name.key << " : " << name.value;
    }
    WholeSettings read;
    read.windows.kinds[kSkyWindow].documents[0].windows.clear();
    LoadWholeSettings(storage, root, read);
    ExpectSameWholeSettings(saved, read);
}

}  // namespace corvinata::test
