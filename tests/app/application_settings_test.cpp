#include "app/application_settings.h"

#include <gtest/gtest.h>

#include "app/application.h"
#include "app/location_choice.h"
#include "app/window_records.h"
#include "base/memory_storage.h"
#include "catalog/body_types.h"
#include "catalog/catalogue_registry.h"
#include "catalog/celestial_object.h"
#include "catalog/name_systems.h"
#include "support/app_session.h"
#include "support/fake_product.h"

namespace corvinata {
namespace {

class ApplicationSettingsTest : public ::testing::Test, protected test::MemorySettings {
protected:
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
    first.windows.kinds[kSkyWindow].documents[0].model = 99;
    ASSERT_TRUE(test::SaveWholeSettings(storage, root, first));
    test::WholeSettings next;
    test::LoadWholeSettings(storage, root, next);
    EXPECT_FALSE(next.options.general.saveOptionsOnExit);
    EXPECT_EQ(next.options.general.angleDegreeBase, 1);  // the display values keep what was stored
    EXPECT_FALSE(next.options.starsFixed);
    EXPECT_EQ(next.frame.left, 30);
    EXPECT_EQ(next.layouts.Count(), 2);
    EXPECT_EQ(next.windows.kinds[kSkyWindow].documents[0].model, 99);  // kept in either case
}

TEST_F(ApplicationSettingsTest, FirstStartGivesTheDefaults) {
    test::WholeSettings fresh;
    test::LoadWholeSettings(storage, root, fresh);
    EXPECT_TRUE(fresh.frame.maximized && fresh.frame.panes.controlPanel && fresh.frame.panes.windowManager);
    EXPECT_EQ(fresh.states.graphOptions.geometry.left, kDefaultDialogLeft);
    EXPECT_EQ(fresh.states.solarSystemOptions.geometry.top, kDefaultDialogTop);
    EXPECT_EQ(fresh.layouts.Count(), 1);
    EXPECT_TRUE(fresh.stacking.empty() && !fresh.active.present);
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

TEST(ApplicationTest, ProvidesItsProductAndKeepsCustomControls) {
    bool destroyed = false;
    {
        ApplicationHooks hooks;
        hooks.createCatalogues = [] { return true; };
        hooks.destroyCatalogues = [&] { destroyed = true; };
        Application app(std::make_unique<MemoryStorageService>(), PathName(), std::move(hooks));
        EXPECT_EQ(&GetProductInfo(), &app.Product());
        String title;
        EXPECT_EQ(test::Utf8(app.Product().GetProductTitle(title)), "Corvinata 1.70");
        EXPECT_EQ(test::Utf8(app.Keys().Root()), "\\Software\\Corvinata Software\\Corvinata\\1.70");
        EXPECT_EQ(test::Utf8(app.Keys().MainWindows()),
                  "\\Software\\Corvinata Software\\Corvinata\\1.70\\Main Windows");
        ASSERT_TRUE(app.StartUp());
        EXPECT_EQ(app.Current().GetTimeAndLocation().dateTime.timeSystem, kLocalCivilTime);
        app.SetScriptErrorIfRunning(String(TXT("ignored: no script runs")));
        app.SetScriptRunning(true);
        app.SetScriptErrorIfRunning(String(TXT("first")));
        app.SetScriptErrorIfRunning(String(TXT("second")));
        EXPECT_EQ(test::Utf8(app.ScriptError()), "first");

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
        // A shared object (one bitmap button for many windows) stays with its owner.
        app.Controls().AttachControl(&windows[0], *kept);
        EXPECT_EQ(app.Controls().FindControl(&windows[0]), kept.get());
        app.Controls().DestroyControl(&windows[0]);
        EXPECT_FALSE(secondGone);
    }
    EXPECT_TRUE(destroyed);
}

TEST(ApplicationTest, TimeAndPlaceChangeOnlyWhenTheDialogIsConfirmed) {
    Application app(std::make_unique<MemoryStorageService>(), PathName(), ApplicationHooks());
    ASSERT_TRUE(app.StartUp());
    const DateTime user = test::MakeDateTime(2040, 2, 2, 10.0, kLocalCivilTime);
    auto setUserTime = [&](DateTimeOptions& o) {
        o.userDefined = true;
        o.userTime = user;
        return 0;
    };
    app.ChangeDateTime(setUserTime);
    EXPECT_FALSE(app.Options().time.userDefined);
    app.ChangeDateTime([&](DateTimeOptions& o) { return setUserTime(o) + 1; });
    EXPECT_EQ(app.Current().GetTimeAndLocation().dateTime.year, 2040);
    app.ChangeLocation([](LocationOptions& o, bool& retain) {
        o.location = test::SampleLocation();
        retain = true;
        return 1;
    });
    EXPECT_EQ(test::Utf8(app.Current().GetTimeAndLocation().location.town), "Vienna");
    EXPECT_DOUBLE_EQ(app.Current().GetTimeAndLocation().dateTime.hours, 10.0);
    EXPECT_FALSE(app.Options().location.userDefined);  // a town of the table
}

// The settings of one machine, lent to one application after another.
class LentStorage final : public StorageService {
public:
    explicit LentStorage(MemoryStorageService& owner) : owner_(owner) {}
    std::unique_ptr<BinaryFile> CreateBinaryFile(const String& path) override { return owner_.CreateBinaryFile(path); }
    std::unique_ptr<LocaleFormatter> CreateLocaleFormatter() override { return owner_.CreateLocaleFormatter(); }
    std::unique_ptr<SystemInfo> CreateSystemInfo() override { return owner_.CreateSystemInfo(); }
    std::unique_ptr<FileFinder> CreateFileFinder() override { return owner_.CreateFileFinder(); }
    bool PathExists(const Char* path) override { return owner_.PathExists(path); }
    bool IsFolder(const Char* path) override { return owner_.IsFolder(path); }
    bool MakeFolder(const Char* path) override { return owner_.MakeFolder(path); }
    bool RemoveFolder(const Char* path) override { return owner_.RemoveFolder(path); }
    bool RemoveFile(const Char* path) override { return owner_.RemoveFile(path); }
    RegistryApi& Registry() override { return owner_.Registry(); }

private:
    MemoryStorageService& owner_;
};

// A user's time in LCT or UT, then another place with either choice of the
// Location dialog: after a restart the moment is the one shown before it.
TEST(ApplicationTest, UserTimeAfterAChangeOfPlaceComesBackAsShown) {
    const struct {
        int system;
        double hours;
        bool retainLocalTime;
    } cases[] = {
        {kLocalCivilTime, 12.0, false}, {kUniversalTime, 0.5, true},
        {kLocalCivilTime, 12.0, true},  {kUniversalTime, 0.5, false},
    };
    for (const auto& c : cases) {
        MemoryStorageService machine;
        DateTime shown;
        {
            Application app(std::make_unique<LentStorage>(machine), PathName(), ApplicationHooks());
            ASSERT_TRUE(app.StartUp());
            app.ChangeDateTime([&](DateTimeOptions& o) {
                o.userDefined = true;
                o.userDaylightSaving = false;
                o.userTime = test::MakeDateTime(2030, 1, 1, c.hours, c.system);
                return 1;
            });
            app.ChangeLocation([&](LocationOptions& o, bool& retain) {
                o.location = PredefinedLocation(TXT("Ukraine"), TXT("Kyiv"));
                retain = c.retainLocalTime;
                return 1;
            });
            shown = app.Current().GetTimeAndLocation().dateTime;
            SessionState session;
            ASSERT_TRUE(app.SaveSession(session));
        }
        Application next(std::make_unique<LentStorage>(machine), PathName(), ApplicationHooks());
        ASSERT_TRUE(next.StartUp());
        const DateTime again = next.Current().GetTimeAndLocation().dateTime;
        EXPECT_EQ(test::Utf8(next.Current().GetTimeAndLocation().location.town), "Kyiv");
        EXPECT_EQ(again.day, shown.day) << c.system << c.retainLocalTime;
        EXPECT_NEAR(again.hours, shown.hours, 1e-6) << c.system << c.retainLocalTime;
    }
}

// A saved "Orientation" of 1 is how the location options show their place:
// it comes back with them, while the current place keeps its own modes, and
// it stays with the options when another place is chosen.
TEST(ApplicationTest, SavedOrientationStaysWithTheLocationOptions) {
    MemoryStorageService machine;
    {
        Application app(std::make_unique<LentStorage>(machine), PathName(), ApplicationHooks());
        ASSERT_TRUE(app.StartUp());
        app.Options().location.location.coordinates.longitude.SetOrientation(kEastPositive);
        SessionState session;
        ASSERT_TRUE(app.SaveSession(session));
    }
    Application next(std::make_unique<LentStorage>(machine), PathName(), ApplicationHooks());
    ASSERT_TRUE(next.StartUp());
    const Location& options = next.Options().location.location;
    const Location& current = next.Current().GetTimeAndLocation().location;
    EXPECT_EQ(options.coordinates.longitude.GetOrientation(), kEastPositive);
    EXPECT_TRUE(LocationEqual(current, options));
    EXPECT_EQ(current.coordinates.longitude.GetOrientation(), kWestPositive);
    next.ChangeLocation([](LocationOptions& o, bool& retain) {
        o.location = PredefinedLocation(TXT("Ukraine"), TXT("Kyiv"));
        retain = true;
        return 1;
    });
    EXPECT_EQ(test::Utf8(options.town), "Kyiv");
    EXPECT_EQ(options.coordinates.longitude.GetOrientation(), kEastPositive);
    EXPECT_EQ(current.coordinates.longitude.GetOrientation(), kWestPositive);
}

TEST(ApplicationTest, OwnCataloguesNameTheConstellationLanguage) {
    Application app(std::make_unique<MemoryStorageService>(), PathName(), ApplicationHooks());
    ASSERT_TRUE(app.StartUp());
    ASSERT_NE(CatalogueByType(kBodyConstellation), nullptr);
    app.Options().general.constellationLanguage = 1;
    SessionState session;
    app.SaveSession(session);
    SettingsTree tree(app.GetStorage(), app.Keys().Root());
    ReadGroup key(tree, TXT("Appearance Options"));
    String language;
    ASSERT_TRUE(ReadStringValue(tree, TXT("Language for constellation names"), language));
    EXPECT_EQ(language, GetBodyType(kBodyConstellation)->NameSystems()->FindById(1)->Name());
}

}  // namespace
}  // namespace corvinata
