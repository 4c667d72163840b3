#include "app/main_windows.h"

#include <gtest/gtest.h>

#include "app/settings_values.h"
#include "base/memory_storage.h"
#include "base/registry_root.h"
#include "support/app_session.h"
#include "support/fake_product.h"

namespace corvinata {
namespace {

using test::FakeKind;

class MainWindowsTest : public ::testing::Test {
protected:
    MainWindowsTest() {
        GetRegistryRootPath(root);
        for (int k = 0; k < kWindowKindCount; ++k) {
            kinds[k].shared = IsSharedDocumentKind(k);
            if (kinds[k].shared) kinds[k].documents.push_back({0, {}});
            pointers[k] = &kinds[k];
        }
    }

    bool Save(const std::vector<WindowReference>& stacking, const ActiveWindowShow& active) {
        SettingsTreeWriter writer(storage, root);
        return SaveMainWindows(writer, pointers, stacking, active);
    }

    bool KeyExists(const Char* below) {
        String path = root;
        StringAppend(path, TXT("\\Main Windows\\"));
        StringAppend(path, below);
        return storage.CreateRegistryNode(RegistryHive::CurrentUser, path.Text())->Exists();
    }

    MemoryStorageService storage;
    test::FakeProductInfo product{storage};
    ScopedApplicationServices services{&product, nullptr};
    String root;
    FakeKind kinds[kWindowKindCount];
    WindowKindState* pointers[kWindowKindCount] = {};
};

TEST_F(MainWindowsTest, KeysFollowTheKindsDocumentsAndWindows) {
    kinds[kSkyWindow].documents[0].windows = {1, 2, 3};
    kinds[kGraphWindow].documents = {{10, {1, 2}}, {11, {3}}};
    ASSERT_TRUE(Save({{kSkyWindow, 2}, {kGraphWindow, 1}}, {true, false, true}));
    const Char* present[] = {
        TXT("Sky\\Windows\\Window 2"), TXT("Sky\\Model"), TXT("Sky\\Control panel"),
        TXT("Graph\\Models\\Model 0\\Windows\\Window 1"), TXT("Graph\\Models\\Model 1\\Windows\\Window 0"),
        TXT("Z order\\1"), TXT("Active window\\Geometry"), TXT("Solar system\\Model"),
    };
    const Char* absent[] = {TXT("Sky\\Models"), TXT("Sky\\Windows\\Window 3"),
                            TXT("Graph\\Models\\Model 1\\Windows\\Window 1"), TXT("Z order\\2")};
    for (const Char* key : present) EXPECT_TRUE(KeyExists(key));
    for (const Char* key : absent) EXPECT_FALSE(KeyExists(key));
    SettingsTree tree(storage, root);
    const ActiveWindowShow shown = LoadActiveWindowShow(tree);
    EXPECT_TRUE(shown.present && shown.maximized && !shown.minimized);
    ReadGroup geometry(tree, TXT("Main Windows\\Active window\\Geometry"));
    std::int32_t left = 0;
    EXPECT_FALSE(ReadIntValue(tree, TXT("Left"), left));  // the state only
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

TEST_F(MainWindowsTest, WindowsAndPanelsReadBackKindByKind) {
    kinds[kSkyWindow].documents[0] = {42, {5, 6}};
    kinds[kSkyWindow].panel = 7;
    kinds[kPictureWindow].documents = {{1, {8}}, {2, {9, 10}}};
    ASSERT_TRUE(Save({{kPictureWindow, 1}, {kSkyWindow, 0}}, {}));
    FakeKind fresh[kWindowKindCount];
    WindowKindState* freshPointers[kWindowKindCount];
    for (int k = 0; k < kWindowKindCount; ++k) {
        fresh[k].shared = IsSharedDocumentKind(k);
        if (fresh[k].shared) fresh[k].documents.push_back({0, {}});
        freshPointers[k] = &fresh[k];
    }
    SettingsTree tree(storage, root);
    LoadMainWindows(tree, freshPointers);
    EXPECT_EQ(fresh[kSkyWindow].documents[0].model, 42);
    EXPECT_EQ(fresh[kSkyWindow].documents[0].windows, (std::vector<std::int32_t>{5, 6}));
    EXPECT_EQ(fresh[kSkyWindow].panel, 7);
    ASSERT_EQ(fresh[kPictureWindow].documents.size(), 2u);
    EXPECT_EQ(fresh[kPictureWindow].documents[1].windows, (std::vector<std::int32_t>{9, 10}));
    const std::vector<WindowReference> order = LoadStackingOrder(tree);
    ASSERT_EQ(order.size(), 2u);
    EXPECT_EQ(order[0].kind, kPictureWindow);
    EXPECT_EQ(order[0].number, 1);
}

TEST_F(MainWindowsTest, DocumentWhoseWindowsCannotOpenIsDropped) {
    kinds[kGraphWindow].documents = {{1, {-1}}, {2, {4}}};
    ASSERT_TRUE(Save({}, {}));
    FakeKind graphs;
    WindowKindState* only[kWindowKindCount] = {&graphs};
    SettingsTree tree(storage, root);
    LoadMainWindows(tree, only);
    EXPECT_EQ(graphs.dropped, 1);
    ASSERT_EQ(graphs.documents.size(), 1u);
    EXPECT_EQ(graphs.documents[0].model, 2);
}

TEST_F(MainWindowsTest, StackingEndsAtAnEntryThatNamesNoKind) {
    ASSERT_TRUE(Save({{kSkyWindow, 0}, {9, 0}, {kGraphWindow, 0}}, {}));
    SettingsTree tree(storage, root);
    EXPECT_EQ(LoadStackingOrder(tree).size(), 1u);
}

}  // namespace
}  // namespace corvinata
