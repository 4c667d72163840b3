#include "app/application_settings.h"

#include <gtest/gtest.h>

#include "app/application.h"
#include "app/window_records.h"
#include "base/memory_storage.h"
#include "base/registry_root.h"
#include "support/app_session.h"
#include "support/fake_product.h"

namespace corvinata {
namespace {

class ApplicationSettingsTest : public ::testing::Test {
protected:
    ApplicationSettingsTest() { GetRegistryRootPath(root); }

    MemoryStorageService storage;
    test::FakeProductInfo product{storage};
    ScopedApplicationServices services{&product, nullptr};
    String root;
};

TEST_F(ApplicationSettingsTest, WholeTreeReadsBackFieldByField) {
    test::ExpectWholeSettingsRoundTrip(storage, root);
}

TEST_F(ApplicationSettingsTest, WithoutSaveOnExitOnlyTheOptionsChange) {
    test::WholeSettings first;
    {
        SettingsTree empty(storage, root);
        test::FillSampleSession(first, empty);
    }
    ASSERT_TRUE(test::SaveWholeSettings(storage, root, first));
    first.options.general.saveOptionsOnExit = false;
    first.options.general.angleDegreeBase = 0;
    first.options.starsFixed = false;
    first.frame.left = 300;
    first.layouts.AddNewLayout();
    ASSERT_TRUE(test::SaveWholeSettings(storage, root, first));
    test::WholeSettings next;
    test::LoadWholeSettings(storage, root, next);
    EXPECT_FALSE(next.options.general.saveOptionsOnExit);
    EXPECT_EQ(next.options.general.angleDegreeBase, 0);
    EXPECT_FALSE(next.options.starsFixed);
    EXPECT_EQ(next.frame.left, 30);
    EXPECT_EQ(next.layouts.Count(), 2);
}

TEST_F(ApplicationSettingsTest, FirstStartGivesTheDefaults) {
    test::WholeSettings fresh;
    test::LoadWholeSettings(storage, root, fresh);
    EXPECT_TRUE(fresh.frame.maximized);
    EXPECT_TRUE(fresh.frame.panes.controlPanel && fresh.frame.panes.windowManager);
    EXPECT_EQ(fresh.graphOptions.geometry.left, kDefaultDialogLeft);
    EXPECT_EQ(fresh.graphOptions.geometry.top, kDefaultDialogTop);
    EXPECT_EQ(fresh.layouts.Count(), 1);
    EXPECT_TRUE(fresh.recent.Paths().empty());
}

TEST_F(ApplicationSettingsTest, InsideOutFrameRectangleKeepsTheDefault) {
    {
        SettingsTreeWriter writer(storage, root);
        WriteGroup key(writer, TXT("Application frame window"));
        WriteIntValue(writer, TXT("Left"), 900);
    }
    SettingsTree tree(storage, root);
    FrameWindowSettings frame;
    LoadFrameWindowSettings(tree, frame);
    EXPECT_EQ(frame.left, 100);
    EXPECT_EQ(frame.right, 700);
}

TEST_F(ApplicationSettingsTest, RecentFilesKeepTenDistinctPathsNewestFirst) {
    RecentFiles recent;
    for (int i = 0; i < 11; ++i) recent.AddRecentFile(NumberedName(TXT("g"), i));
    recent.AddRecentFile(String(TXT("g5")));
    ASSERT_EQ(recent.Paths().size(), 10u);
    EXPECT_EQ(test::Utf8(recent.Paths()[0]), "g5");
    EXPECT_EQ(test::Utf8(recent.Paths()[9]), "g1");
    EXPECT_EQ(test::Utf8(*recent.PathForCommand(301)), "g10");
    EXPECT_EQ(recent.PathForCommand(310), nullptr);
    const auto texts = recent.MenuTexts([](const String& p) { return p; });
    EXPECT_EQ(test::Utf8(texts[9]), "&10 g1");
}

TEST(HistoryDropDownTest, TenStepsThenMore) {
    for (int steps : {10, 11}) {
        CommandHistory history;
        for (int i = 0; i < steps; ++i) {
            history.AddCommand(CommandGroup(NumberedName(TXT("do "), i), NumberedName(TXT("undo "), i)));
        }
        const auto items = HistoryDropDownItems(history, HistoryDropDown::Undo);
        ASSERT_EQ(items.size(), steps == 10 ? 10u : 11u);
        EXPECT_EQ(items[0].command, 20112);
        EXPECT_EQ(test::Utf8(items[0].text), steps == 10 ? "undo 9" : "undo 10");
        if (steps == 11) {
            EXPECT_EQ(items[10].command, 20132);
            EXPECT_FALSE(items[10].enabled);
        }
        EXPECT_TRUE(HistoryDropDownItems(history, HistoryDropDown::Redo).empty());
    }
}

TEST(WindowRecordsTest, NewWindowsStartFromTheirDefaults) {
    ExplorerOptions jupiter, saturn;
    JupiterMoonsAllShown(jupiter);
    SaturnMoonsAllShown(saturn);
    EXPECT_EQ(jupiter.zoomPosition, 3);
    EXPECT_EQ(saturn.zoomPosition, 7);
    EXPECT_EQ(saturn.satellitesShown, std::vector<bool>(8, true));
    SkyWindowState sky;
    BodyIdentifier first;
    first.name = TXT("Sun");
    SkyModelDefaults(sky, first);
    EXPECT_EQ(sky.fieldWidth, 60);
    EXPECT_EQ(sky.options.mapType, 2);
    EXPECT_EQ(sky.options.magnitudeLimit, 20.0);
    EXPECT_EQ(sky.selectedBody.name, first.name);
}

TEST_F(ApplicationSettingsTest, StoredDocumentValuesRefuseWhatCannotExist) {
    {
        SettingsTreeWriter writer(storage, root);
        WriteGroup key(writer, TXT("Model 0"));
        WriteStringValue(writer, TXT("Path"), String(TXT("C:\\PICS")));
        WriteIntValue(writer, TXT("Type"), 99);
    }
    SettingsTree tree(storage, root);
    ReadGroup key(tree, TXT("Model 0"));
    PictureModelValues picture;
    EXPECT_FALSE(LoadPictureModel(tree, picture));
    EXPECT_EQ(test::Utf8(picture.fileName), "m042.jpg");
    EXPECT_EQ(test::Utf8(picture.path), "C:\\PICS");
    ReportModelValues report;
    EXPECT_FALSE(LoadReportModel(tree, 5, report));
    EXPECT_EQ(report.type, 0);
}

TEST(ApplicationTest, PublishesItsInterfacesAndKeepsCustomControls) {
    bool destroyed = false;
    {
        ApplicationHooks hooks;
        hooks.createCatalogues = [] { return true; };
        hooks.destroyCatalogues = [&] { destroyed = true; };
        Application app(std::make_unique<MemoryStorageService>(), PathName(), std::move(hooks));
        EXPECT_EQ(GetPublishedInterfaces().application, &app);
        EXPECT_EQ(&GetProductInfo(), &app.Product());
        String title;
        EXPECT_EQ(test::Utf8(app.Product().GetProductTitle(title)), "Corvinata 1.70");
        EXPECT_EQ(test::Utf8(app.Keys().Root()), "\\Software\\Corvinata Software\\Corvinata\\1.70");
        EXPECT_EQ(app.Keys().Root().Text(), app.Keys().Root().Text());  // kept, not composed again
        EXPECT_EQ(test::Utf8(app.Keys().MainWindows()),
                  "\\Software\\Corvinata Software\\Corvinata\\1.70\\Main Windows");
        ASSERT_TRUE(app.StartUp());
        EXPECT_EQ(app.Current().GetTimeAndLocation().dateTime.timeSystem, kLocalCivilTime);

        struct Control : CustomControl {
            explicit Control(bool& gone) : gone(gone) {}
            ~Control() override { gone = true; }
            bool& gone;
        };
        bool firstGone = false, secondGone = false;
        int windows[2];
        app.Controls().RegisterControl(&windows[0], std::make_unique<Control>(firstGone));
        app.Controls().RegisterControl(&windows[1], std::make_unique<Control>(secondGone));
        EXPECT_EQ(app.Controls().FindControl(&title), nullptr);
        app.Controls().DestroyControl(&windows[0]);
        EXPECT_TRUE(firstGone);
        std::unique_ptr<CustomControl> kept = app.Controls().ForgetControl(&windows[1]);
        EXPECT_FALSE(secondGone);
        EXPECT_EQ(app.Controls().FindControl(&windows[1]), nullptr);
    }
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(GetPublishedInterfaces().application, nullptr);
}

}  // namespace
}  // namespace corvinata
