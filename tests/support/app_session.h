// Fakes of the frame and of the window kinds, and a whole settings session
// that shutdown writes and the next start-up reads: the same checks run on
// the in-memory registry natively and on the Windows registry under Wine.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/application_settings.h"
#include "base/registry_key.h"
#include "support/settings_round_trip.h"

namespace corvinata::test {

// A frame with open windows whose placements and panes the test sets.
class FakeFrame final : public LayoutFrame {
public:
    std::vector<OpenChildWindow> OpenWindows() const override { return open; }
    WindowGeometry WindowPlacement(const void* window) const override { return placed.at(window); }
    void PlaceWindow(const void* window, const WindowGeometry& geometry) override { placed[window] = geometry; }
    PaneFlags PanesShown() const override { return panes; }
    void ShowPanes(const PaneFlags& shown) override { panes = shown; }
    void ShowLayoutMenu(const std::vector<String>& names, int checked) override {
        menu.clear();
        for (const String& name : names) menu.push_back(Utf8(name));
        this->checked = checked;
    }
    void Open(const void* window, std::int32_t kind, std::int32_t number, std::int32_t left) {
        open.push_back({window, kind, number});
        placed[window] = WindowGeometry{kGeometryAll, left, 10, 300, 200, false, false};
    }

    std::vector<OpenChildWindow> open;
    std::map<const void*, WindowGeometry> placed;
    PaneFlags panes;
    std::vector<std::string> menu;
    int checked = -2;
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
    void LoadPanel(SettingsTree& tree) override {
        ++panelLoads;
        ReadIntValue(tree, TXT("Step"), panel);
    }
    int DocumentCount() const override { return static_cast<int>(documents.size()); }
    int WindowCount(int document) const override { return static_cast<int>(At(document).windows.size()); }
    bool SaveModel(int document, SettingsTreeWriter& writer) override {
        return WriteIntValue(writer, TXT("Value"), At(document).model);
    }
    bool SaveWindow(int document, int window, SettingsTreeWriter& writer) override {
        return WriteIntValue(writer, TXT("Id"), At(document).windows[static_cast<std::size_t>(window)]);
    }
    int LoadModel(SettingsTree& tree) override {
        std::int32_t value = -1;
        ReadIntValue(tree, TXT("Value"), value);
        if (!shared) documents.push_back({value, {}});
        documents.back().model = value;
        return DocumentCount() - 1;
    }
    bool LoadWindow(int document, SettingsTree& tree) override {
        std::int32_t id = -1;
        if (!ReadIntValue(tree, TXT("Id"), id) || id < 0) return false;
        At(document).windows.push_back(id);
        return true;
    }
    void KeepWithoutWindows(int document) override { kept.push_back(document); }
    Document& At(int document) { return documents[static_cast<std::size_t>(document)]; }
    const Document& At(int document) const { return documents[static_cast<std::size_t>(document)]; }

    bool shared = false;
    std::int32_t panel = 0;
    int panelLoads = 0;
    std::vector<Document> documents;
    std::vector<int> kept;
};

// Eight kinds, the shared ones with their one document.
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

class NoTowns final : public LocationDirectory {
public:
    bool HasTown(const String&, const String&) const override { return false; }
    bool FirstTown(String&, String&) const override { return false; }
    const Location* FindUserLocation(const String&, const String&) const override { return nullptr; }
};

inline int g_sampleWindows[3];

// Everything the application writes at shutdown and reads at start-up, with
// three windows open (two Sky, one Graph).
struct WholeSettings {
    WholeSettings() {
        for (int i = 0; i < 3; ++i) layoutFrame.Open(&g_sampleWindows[i], i < 2 ? kSkyWindow : kGraphWindow, i % 2, 5);
    }
    ApplicationOptions options;
    FrameWindowSettings frame;
    RecentFiles recent;
    NoTowns towns;
    DialogPositions dialogs;
    ApplicationDialogStates states{dialogs, towns};
    FakeFrame layoutFrame;
    Layouts layouts{layoutFrame};
    FakeKinds windows;
    std::vector<WindowReference> stacking;
    ActiveWindowShow active;
};

// A session with a value off its default in every record.
inline void FillSampleSession(WholeSettings& s, SettingsTree& emptyTree) {
    s.options.general = GeneralOptions{0, 1, 1, false, true};
    s.options.time = DateTimeOptions{true, MakeDateTime(2031, 7, 4, 21.25, kUniversalTime), true, true};
    s.options.location = LocationOptions{false, SampleLocation()};
    s.options.starsFixed = true;
    s.frame = FrameWindowSettings{40, 30, 640, 930, false, {}, true};
    s.recent.AddRecentFile(String(TXT("C:\\GRAPHS\\b.gph")));
    s.recent.AddRecentFile(String(TXT("C:\\GRAPHS\\a.gph")));
    s.states.defineTime.geometry.left = 17;
    s.states.graphEditLine.geometry.top = 19;
    s.states.graphOptions.currentTab = 3;
    s.states.selectLesson.browsePath = String(TXT("D:\\Lessons"));
    s.states.selectLesson.list.columnWidths = {300, 70, 180};
    s.states.selectLesson.list.selectedRows = {2};
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
    SessionState session{&s.frame, &s.layouts, &s.dialogs, {}, s.stacking, s.active};
    for (int k = 0; k < kWindowKindCount; ++k) session.kinds[k] = s.windows.pointers[k];
    SettingsTreeWriter writer(storage, root);
    return SaveSettingsAtShutdown(writer, FakeNameSystems(), session, s.recent, s.options, nullptr, root);
}

// Reads the tree as start-up does.
inline void LoadWholeSettings(StorageService& storage, const String& root, WholeSettings& s) {
    SettingsTree tree(storage, root);
    LoadApplicationOptions(tree, FakeNameSystems(), s.options);
    LoadFrameWindowSettings(tree, s.frame);
    s.recent.LoadRecentFiles(tree);
    s.dialogs.RestoreDialogPositions(tree);
    LoadMainWindows(tree, s.windows.pointers);
    s.layouts.LoadLayouts(tree);
    s.stacking = LoadStackingOrder(tree);
    s.active = LoadActiveWindowShow(tree);
}

inline void ExpectSame(const WindowGeometry& a, const WindowGeometry& b) {
    EXPECT_TRUE(a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height &&
                a.minimized == b.minimized && a.maximized == b.maximized);
}

inline void ExpectSameWholeSettings(const WholeSettings& a, const WholeSettings& b) {
    const GeneralOptions& g = b.options.general;
    EXPECT_TRUE(g.raDisplayUnit == 0 && g.angleDegreeBase == 1 && g.constellationLanguage == 1);
    const DateTimeOptions& t = b.options.time;
    EXPECT_TRUE(t.userDefined && t.userDaylightSaving && t.clockActive);
    ExpectSame(t.userTime, a.options.time.userTime);
    EXPECT_FALSE(b.options.location.userDefined);
    ExpectSame(b.options.location.location, a.options.location.location);
    EXPECT_TRUE(b.options.starsFixed);
    EXPECT_TRUE(b.frame.top == 40 && b.frame.left == 30 && b.frame.bottom == 640 && b.frame.right == 930);
    EXPECT_FALSE(b.frame.maximized || b.frame.showHelpHint || b.frame.panes.toolbar || b.frame.panes.statusLine);
    EXPECT_EQ(a.recent.Paths(), b.recent.Paths());
    EXPECT_EQ(b.states.defineTime.geometry.left, 17);
    EXPECT_EQ(b.states.graphEditLine.geometry.top, 19);
    EXPECT_EQ(b.states.graphOptions.currentTab, 3);
    EXPECT_EQ(Utf8(b.states.selectLesson.browsePath), "D:\\Lessons");
    EXPECT_EQ(b.states.selectLesson.list.columnWidths, (std::vector<std::int32_t>{300, 70, 180}));
    EXPECT_EQ(b.states.selectLesson.list.selectedRows, std::vector<std::int32_t>{2});
    ASSERT_EQ(a.layouts.Count(), b.layouts.Count());
    EXPECT_EQ(a.layouts.CurrentIndex(), b.layouts.CurrentIndex());
    for (int i = 0; i < a.layouts.Count(); ++i) {
        const Layout& x = a.layouts.At(i);
        const Layout& y = b.layouts.At(i);
        EXPECT_EQ(Utf8(x.name), Utf8(y.name));
        EXPECT_TRUE(x.panes.toolbar == y.panes.toolbar && x.panes.statusLine == y.panes.statusLine) << i;
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
            EXPECT_TRUE(x.documents[d].model == y.documents[d].model && x.documents[d].windows == y.documents[d].windows);
        }
    }
    ASSERT_EQ(a.stacking.size(), b.stacking.size());
    for (std::size_t n = 0; n < a.stacking.size(); ++n) {
        EXPECT_TRUE(a.stacking[n].kind == b.stacking[n].kind && a.stacking[n].number == b.stacking[n].number);
    }
    EXPECT_TRUE(b.active.present && b.active.maximized && !b.active.minimized);
}

// Keys below the settings root ("" the root itself) with value names the
// sample session writes there.
struct StoredNames {
    const char* key;
    std::vector<const char*> values;
};

inline const std::vector<StoredNames>& SampleSessionNames() {
    static const std::vector<StoredNames> names = {
        {"", {"Stars fixed"}},
        {"Application frame window",
         {"Maximized", "Top", "Left", "Bottom", "Right", "Toolbar visible", "Control panel visible",
          "Related tasks visible", "Window manager visible", "Status line visible", "ShowHelpHint"}},
        {"Appearance Options",
         {"Save options when terminating", "RA display unit", "Angle degree base", "Language for constellation names"}},
        {"Location Options", {"User defined"}},
        {"Location Options\\Current location", {"Country", "Town"}},
        {"Time Options", {"User defined time and DST active", "User defined DST", "Real time clock active"}},
        {"Time Options\\User defined time", {"Year", "Month", "Day", "Time", "Time System"}},
        {"Dialogs\\Define Time\\Geometry", {"Left", "Top"}},
        {"Dialogs\\Graph\\Edit Line\\Geometry", {"Left"}},
        {"Dialogs\\Event Forecast\\Options", {"Generation on", "Content"}},
        {"Dialogs\\Graph\\Options Dialog", {"Current tab"}},
        {"Dialogs\\Select Lesson", {"Browse path"}},
        {"Dialogs\\Select Location", {"Retain LCT"}},
        {"Main Windows\\Sky\\Model", {"Value"}},
        {"Main Windows\\Sky\\Control panel", {"Step"}},
        {"Main Windows\\Sky\\Windows\\Window 1", {"Id"}},
        {"Main Windows\\Graph\\Models\\Model 0", {"Value"}},
        {"Main Windows\\Graph\\Models\\Model 0\\Windows\\Window 0", {"Id"}},
        {"Main Windows\\Z order\\2", {"Window type", "Window number"}},
        {"Main Windows\\Active window\\Geometry", {"Minimized", "Maximized"}},
        {"Layouts", {"Active"}},
        {"Layouts\\Layout 1", {"Name", "Control Panel", "Related Tasks", "Status Line", "Toolbar", "Window Manager"}},
        {"Layouts\\Layout 1\\Window 2", {"Type", "Number"}},
        {"Layouts\\Layout 1\\Window 2\\Geometry", {"Left", "Top", "Width", "Height", "Minimized", "Maximized"}},
        {"Recent files", {"File 1", "File 2"}},
    };
    return names;
}

// Whether `root` + key holds the value, asked through the registry's calls.
inline bool StoredValueExists(StorageService& storage, const String& root, const char* keyName, const char* value) {
    std::string path = Utf8(root).substr(1);
    if (*keyName) path += std::string("\\") + keyName;
    RegistryApi& registry = storage.Registry();
    RegistryApi::Key key = nullptr;
    if (!registry.OpenKey(registry.RootKey(RegistryHive::CurrentUser), Wide(path).c_str(), key)) return false;
    std::uint32_t type = 0, size = 0;
    const bool found = registry.QueryValue(key, Wide(value).c_str(), type, nullptr, size);
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
    for (const StoredNames& names : SampleSessionNames()) {
        for (const char* value : names.values) {
            EXPECT_TRUE(StoredValueExists(storage, root, names.key, value)) << names.key << " : " << value;
        }
    }
    WholeSettings read;
    read.windows.kinds[kSkyWindow].documents[0].windows.clear();
    LoadWholeSettings(storage, root, read);
    ExpectSameWholeSettings(saved, read);
}

}  // namespace corvinata::test
