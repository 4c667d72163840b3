#include "app/main_windows.h"

#include <gtest/gtest.h>

#include "app/settings_values.h"
#include "support/app_session.h"
#include "support/fake_product.h"

namespace corvinata {
namespace {

using test::FakeKind;

class MainWindowsTest : public ::testing::Test, protected test::MemorySettings {
protected:
    bool Save(const std::vector<WindowReference>& stacking, const ActiveWindowShow& active) {
        SettingsTreeWriter writer(storage, root);
        return SaveMainWindows(writer, all.pointers, stacking, active) && SaveSharedModels(writer, all.pointers);
    }

    bool KeyExists(const Char* below) {
        String path = root;
        StringAppend(path, TXT("\\Main Windows\\"));
        StringAppend(path, below);
        return storage.CreateRegistryNode(RegistryHive::CurrentUser, path.Text())->Exists();
    }

    test::FakeKinds all;
    FakeKind* kinds = all.kinds;
};

TEST_F(MainWindowsTest, KeysFollowTheKindsDocumentsAndWindows) {
    kinds[kSkyWindow].documents[0].windows = {1, 2, 3};
    kinds[kGraphWindow].documents = {{10, {1, 2}}, {11, {3}}};
    ASSERT_TRUE(Save({{kSkyWindow, 2}, {kGraphWindow, 1}}, {true, false, true}));
    const Char* present[] = {
        TXT("Sky\\Windows\\Window 2"), TXT("Sky\\Model"), TXT("Sky\\Control panel"),
        TXT("Graph\\Models\\Model 0\\Windows\\Window 1"), TXT("Graph\\Models\\Model 1\\Windows\\Window 0"),
        TXT("Z order\\1"), TXT("Active window\\Geometry"), TXT("Solar system\\Control panel"),
    };
    const Char* absent[] = {TXT("Sky\\Models"), TXT("Sky\\Windows\\Window 3"),
                            TXT("Graph\\Models\\Model 1\\Windows\\Window 1"), TXT("Z order\\2"),
                            TXT("Solar system\\Model"), TXT("Solar system\\Windows")};
    for (const Char* key : present) EXPECT_TRUE(KeyExists(key));
    for (const Char* key : absent) EXPECT_FALSE(KeyExists(key));
    SettingsTree tree(storage, root);
    const ActiveWindowShow shown = LoadActiveWindowShow(tree);
    EXPECT_TRUE(shown.present && shown.maximized && !shown.minimized);
    ReadGroup geometry(tree, TXT("Main Windows\\Active window\\Geometry"));
    std::int32_t left = 0;
    EXPECT_FALSE(ReadIntValue(tree, TXT("Left"), left));  // the state only
}

// A kind whose windows were all closed keeps neither its windows nor the
// moment of its shared document: its next window starts from the current
// time and place, not from a moment of an earlier run.
TEST_F(MainWindowsTest, AKindWithoutWindowsKeepsNoModelAndNoWindowsKey) {
    for (FakeKind& kind : all.kinds) {
        if (kind.shared) kind.documents[0].windows = {1};
    }
    kinds[kGraphWindow].documents = {{10, {1}}};
    kinds[kPictureWindow].documents = {{11, {1}}};
    ASSERT_TRUE(Save({}, {}));
    EXPECT_TRUE(KeyExists(TXT("Sky\\Model")));
    EXPECT_TRUE(KeyExists(TXT("Jupiter explorer\\Windows")));
    EXPECT_TRUE(KeyExists(TXT("Graph\\Models\\Model 0")));

    for (FakeKind& kind : all.kinds) {
        if (kind.shared) kind.documents[0].windows.clear();
    }
    kinds[kGraphWindow].documents.clear();
    kinds[kPictureWindow].documents.clear();
    ASSERT_TRUE(Save({}, {}));
    for (int k = 0; k < kWindowKindCount; ++k) {
        String folder(WindowKindFolder(k));
        for (const Char* key : {TXT("\\Windows"), TXT("\\Model"), TXT("\\Models")}) {
            String path = folder;
            StringAppend(path, key);
            EXPECT_FALSE(KeyExists(path.Text())) << test::Utf8(path);
        }
        StringAppend(folder, TXT("\\Control panel"));
        EXPECT_TRUE(KeyExists(folder.Text())) << test::Utf8(folder);
    }
    // The next start leaves the shared documents at their own moment.
    test::FakeKinds loaded;
    for (FakeKind& kind : loaded.kinds) {
        if (kind.shared) kind.documents[0].model = 7;
    }
    SettingsTree tree(storage, root);
    LoadMainWindows(tree, loaded.pointers);
    EXPECT_EQ(loaded.kinds[kSkyWindow].documents[0].model, 7);
    EXPECT_TRUE(loaded.kinds[kSkyWindow].documents[0].windows.empty());
}

TEST_F(MainWindowsTest, NoOpenWindowLeavesNoStackingAndNoActiveWindow) {
    ASSERT_TRUE(Save({{kSkyWindow, 0}}, {true, true, false}));
    ASSERT_TRUE(Save({}, {}));
    EXPECT_FALSE(KeyExists(TXT("Z order\\0")));
    EXPECT_FALSE(KeyExists(TXT("Active window")));
    SettingsTree tree(storage, root);
    EXPECT_TRUE(LoadStackingOrder(tree).empty());
    EXPECT_FALSE(LoadActiveWindowShow(tree).present);
}

// A document none of whose windows can be read stays in its kind's list
// without windows, and the next save writes its model again.
TEST_F(MainWindowsTest, DocumentWhoseWindowsCannotBeReadStaysWithoutWindows) {
    kinds[kGraphWindow].documents = {{1, {-1}}, {2, {4}}};
    ASSERT_TRUE(Save({}, {}));
    FakeKind graphs;
    WindowKindState* only[kWindowKindCount] = {&graphs};
    {
        SettingsTree tree(storage, root);
        LoadMainWindows(tree, only);
    }
    EXPECT_EQ(graphs.kept, std::vector<int>{0});
    ASSERT_EQ(graphs.documents.size(), 2u);
    EXPECT_EQ(graphs.documents[0].model, 1);
    EXPECT_TRUE(graphs.documents[0].windows.empty());
    EXPECT_EQ(graphs.documents[1].windows, std::vector<std::int32_t>{4});

    SettingsTreeWriter writer(storage, root);
    ASSERT_TRUE(SaveMainWindows(writer, only, {}, {}));
    EXPECT_TRUE(KeyExists(TXT("Graph\\Models\\Model 0")));
    EXPECT_FALSE(KeyExists(TXT("Graph\\Models\\Model 0\\Windows")));
    EXPECT_TRUE(KeyExists(TXT("Graph\\Models\\Model 1\\Windows\\Window 0")));
}

// A first run has no panel keys: every panel is still loaded, so that it
// takes the defaults of missing values, and from nothing else (a value of
// the kind's own key is not the panel's).
TEST_F(MainWindowsTest, AFirstRunLoadsEveryPanelFromNothing) {
    {
        SettingsTreeWriter writer(storage, root);
        WriteGroup sky(writer, TXT("Main Windows\\Sky"));
        ASSERT_TRUE(WriteIntValue(writer, TXT("Step"), 7));
    }
    test::FakeKinds loaded;
    for (FakeKind& kind : loaded.kinds) kind.panel = -1;
    SettingsTree tree(storage, root);
    LoadMainWindows(tree, loaded.pointers);
    for (int k = 0; k < kWindowKindCount; ++k) {
        EXPECT_EQ(loaded.kinds[k].panelLoads, 1) << k;
        EXPECT_EQ(loaded.kinds[k].panel, -1) << k;
    }
    // With a stored panel its values are read.
    kinds[kSkyWindow].panel = 5;
    ASSERT_TRUE(Save({}, {}));
    test::FakeKinds again;
    SettingsTree stored(storage, root);
    LoadMainWindows(stored, again.pointers);
    EXPECT_EQ(again.kinds[kSkyWindow].panel, 5);
    EXPECT_EQ(again.kinds[kSkyWindow].panelLoads, 1);
}

// Records the stacking calls; the window (Sky, 5) is not open.
struct RecordingStack final : StackingFrame {
    bool PlaceBelow(const WindowReference& w, const WindowReference* above) override {
        if (w.number == 5) return false;
        calls.push_back(std::to_string(w.kind) + (above ? " below " + std::to_string(above->kind) : " top"));
        return true;
    }
    void Maximize(const WindowReference& w) override { calls.push_back("max " + std::to_string(w.kind)); }
    void Minimize(const WindowReference& w) override { calls.push_back("min " + std::to_string(w.kind)); }
    std::vector<std::string> calls;
};

TEST_F(MainWindowsTest, StackingIsRestoredUpToAnEntryThatNamesNoKind) {
    ASSERT_TRUE(Save({{kSkyWindow, 5}, {kPictureWindow, 0}, {kGraphWindow, 1}, {9, 0}, {kReportWindow, 0}},
                     {true, true, false}));
    RecordingStack frame;
    SettingsTree tree(storage, root);
    RestoreMainWindows(tree, frame);
    EXPECT_EQ(frame.calls, (std::vector<std::string>{"2 top", "0 below 2"}));  // the active one is gone
    ASSERT_TRUE(Save({{kPictureWindow, 0}, {kSkyWindow, 5}}, {true, true, false}));
    frame.calls.clear();
    SettingsTree again(storage, root);
    RestoreMainWindows(again, frame);
    EXPECT_EQ(frame.calls, (std::vector<std::string>{"2 top", "min 2"}));
}

}  // namespace
}  // namespace corvinata
