#include "app/layouts.h"

#include <gtest/gtest.h>

#include <map>

#include "app/frame_commands.h"
#include "app/settings_keys.h"
#include "app/settings_values.h"
#include "support/app_session.h"
#include "support/fake_product.h"
#include "support/test_text.h"
#include "resources/resource_ids.h"

namespace corvinata {
namespace {

using test::FakeFrame;

class LayoutsTest : public ::testing::Test, protected test::MemorySettings {
protected:
    LayoutsTest() {
        frame.Open(&sky, 6, 0, 11);
        frame.Open(&graph, 0, 0, 22);
    }

    void SaveAndReload(Layouts& into) {
        {
            SettingsTreeWriter writer(storage, root);
            ASSERT_TRUE(layouts.SaveLayouts(writer));
        }
        SettingsTree tree(storage, root);
        into.LoadLayouts(tree);
    }

    // Writes the values of layout `index` straight into the store.
    void StoreLayout(int index, const Char* name, std::int32_t windowNumber = 0) {
        SettingsTreeWriter writer(storage, root);
        String path(TXT("Layouts\\"));
        StringAppend(path, NumberedName(TXT("Layout "), index).Text());
        WriteGroup key(writer, path.Text());
        WriteStringValue(writer, TXT("Name"), String(name));
        WriteGroup window(writer, TXT("Window 0"));
        WriteWindowGeometry(WindowGeometry{kGeometryAll, 5, 5, 50, 50, false, false}, writer);
        WriteIntValue(writer, TXT("Type"), 6);
        WriteIntValue(writer, TXT("Number"), windowNumber);
    }

    // Whether the frame offers a layout command with these layouts.
    bool LayoutCommandEnabled(int command) const {
        FrameCommandContext context;
        context.layoutCount = layouts.Count();
        return IsFrameCommandEnabled(*FindFrameCommand(command), context);
    }

    int sky = 0, graph = 0;
    FakeFrame frame;
    Layouts layouts{frame};
};

TEST_F(LayoutsTest, FiveLayoutsSurviveARestartAndASixthIsRefused) {
    SettingsTree empty(storage, root);
    layouts.LoadLayouts(empty);
    for (int i = 1; i < kMaxLayouts; ++i) {
        frame.placed[&sky].left = 100 * i;
        frame.panes.toolbar = i % 2 == 0;
        ASSERT_TRUE(layouts.AddNewLayout());
    }
    EXPECT_FALSE(LayoutCommandEnabled(CMD_ADD_LAYOUT));
    EXPECT_FALSE(layouts.AddNewLayout());
    ASSERT_TRUE(layouts.ApplyLayout(2));
    Layouts reloaded(frame);
    SaveAndReload(reloaded);
    ASSERT_EQ(reloaded.Count(), kMaxLayouts);
    EXPECT_EQ(test::Utf8(reloaded.CurrentName()), "Layout 3");
    for (int i = 0; i < kMaxLayouts; ++i) {
        EXPECT_TRUE(SameLayoutName(reloaded.At(i).name, layouts.At(i).name));
        EXPECT_EQ(reloaded.At(i).panes.toolbar, layouts.At(i).panes.toolbar) << i;
        ASSERT_EQ(reloaded.At(i).windows.size(), 2u) << i;
        EXPECT_EQ(reloaded.At(i).windows[0].geometry.left, layouts.At(i).windows[0].geometry.left);
    }
    reloaded.ActivateAdjacentLayout(false);
    reloaded.ActivateAdjacentLayout(false);
    reloaded.ActivateAdjacentLayout(false);
    EXPECT_EQ(reloaded.CurrentIndex(), 0);  // after the last comes the first
    reloaded.ActivateAdjacentLayout(true);
    EXPECT_EQ(reloaded.CurrentIndex(), 4);
    EXPECT_EQ(frame.placed[&sky].left, 400);
}

TEST_F(LayoutsTest, StoredDuplicatesAndLayoutsBeyondFiveAreNotLoaded) {
    const Char* names[] = {TXT("A"), TXT("a"), TXT("B"), TXT("C"), TXT("D"), TXT("E"), TXT("F")};
    for (int i = 0; i < 7; ++i) StoreLayout(i, names[i]);
    SettingsTree tree(storage, root);
    layouts.LoadLayouts(tree);
    EXPECT_EQ(frame.menu, (std::vector<std::string>{"A", "B", "C", "D", "E"}));
}

TEST_F(LayoutsTest, ActiveBeyondTheListAndWindowsNotOpenFallBack) {
    StoreLayout(0, TXT("Day"), 3);  // no fourth Sky window is open
    StoreLayout(1, TXT("Night"));
    {
        SettingsTreeWriter writer(storage, root);
        WriteGroup key(writer, TXT("Layouts"));
        WriteIntValue(writer, TXT("Active"), 7);
    }
    SettingsTree tree(storage, root);
    layouts.LoadLayouts(tree);
    EXPECT_EQ(layouts.CurrentIndex(), 0);
    EXPECT_TRUE(layouts.At(0).windows.empty());
    ASSERT_EQ(layouts.At(1).windows.size(), 1u);
    EXPECT_EQ(layouts.At(1).windows[0].window, &sky);
}

TEST_F(LayoutsTest, LayoutWithoutWindowsHidesTheControlPanel) {
    StoreLayout(0, TXT("Day"));
    StoreLayout(1, TXT("Night"), 3);
    SettingsTree tree(storage, root);
    layouts.LoadLayouts(tree);
    layouts.ApplyLayout(1);
    EXPECT_FALSE(frame.panes.controlPanel);
}

TEST_F(LayoutsTest, FirstStartMakesOneLayoutAndRemovingKeepsOne) {
    SettingsTree empty(storage, root);
    layouts.LoadLayouts(empty);
    EXPECT_EQ(frame.menu, (std::vector<std::string>{"Layout 1"}));
    EXPECT_EQ(layouts.At(0).windows.size(), 2u);
    for (int command : {CMD_NEXT_LAYOUT, CMD_PREVIOUS_LAYOUT, CMD_REMOVE_ACTIVE_LAYOUT}) {
        EXPECT_FALSE(LayoutCommandEnabled(command)) << command;
    }
    layouts.AddNewLayout();
    layouts.AddNewLayout();
    layouts.RemoveActiveLayout();  // the last: the first becomes current
    EXPECT_EQ(frame.menu, (std::vector<std::string>{"Layout 1", "Layout 2"}));
    EXPECT_EQ(frame.checked, 0);
    layouts.ApplyLayout(1);
    layouts.RemoveInactiveLayouts();
    EXPECT_EQ(frame.menu, (std::vector<std::string>{"Layout 2"}));
    layouts.RemoveActiveLayout();  // never the only one
    EXPECT_EQ(layouts.Count(), 1);
    EXPECT_TRUE(layouts.AddNewLayout());
    EXPECT_EQ(test::Utf8(layouts.CurrentName()), "Layout 1");
}

}  // namespace
}  // namespace corvinata
