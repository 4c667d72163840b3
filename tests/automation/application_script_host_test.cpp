// The application's script host run by the interpreter against the real
// documents and actions of every kind; the windows are views without a
// window (the explorers', the eclipse's and the graph's own views, small
// Sky and Solar System stand-ins), so lookups, batches, error texts and
// field numbers are checked here and the real windows under Wine.
#include "automation/application_script_host.h"

#include <gtest/gtest.h>

#include <memory>

#include "base/memory_storage.h"
#include "base/text_format.h"
#include "script/script_catalogue.h"
#include "script/script_interpreter.h"
#include "support/app_fakes.h"
#include "support/catalogues.h"
#include "support/recording_lesson_window.h"
#include "support/script_host_fakes.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::RecordingLessonWindow;
using test::StandInWindows;
using test::Utf8;

ApplicationHooks OwnCatalogues() {
    ApplicationHooks hooks;
    hooks.createCatalogues = [] { return true; };
    hooks.destroyCatalogues = [] {};
    return hooks;
}

class ScriptHostTest : public ::testing::Test {
protected:
    ScriptHostTest() { host.AttachLessonWindow(&lesson); }

    // Runs the program; the first failure's text, or "" when it ran through.
    std::string Run(const char* program) {
        script = std::make_unique<ScriptExpression>(test::Wide(program).c_str());
        const ScriptRunServices services{host, catalogue, objects};
        if (RunScriptProgram(*script, services)) return "";
        return Utf8(script->message);
    }

    test::ScopedCatalogues catalogues;
    Application app{std::make_unique<MemoryStorageService>(), PathName(), OwnCatalogues()};
    StandInWindows windows{app, app.GetNotificationHub()};
    ApplicationScriptHost host{app, windows};
    RecordingLessonWindow lesson;
    ObjectModelScriptCatalogue catalogue;
    CatalogueObjectSource objects;
    std::unique_ptr<ScriptExpression> script;
};

TEST_F(ScriptHostTest, WindowsAreFoundByTheirExactNameWhileOpenAndOfTheirKind) {
    ASSERT_EQ(Run("Open Sky As S\nOpen Graph As G\nOpen Saturn As T\nOpen Sky As Gone\nClose Gone\n"), "");
    // The window opened after the close has a number of its own.
    ASSERT_EQ(Run("Open Solar System As P\n"), "");
    const String none;
    const struct {
        const Char* name;
        int kind;
        const char* error;
    } cases[] = {
        {TXT("S"), kSkyWindow, ""},
        {TXT("s"), kSkyWindow, "No window named 's' is open"},
        {TXT("S "), kSkyWindow, "No window named 'S ' is open"},
        {TXT("Gone"), kSkyWindow, "No window named 'Gone' is open"},
        {TXT("S"), kGraphWindow, "The window named 'S' is not of the expected type"},
        {TXT("G"), kGraphWindow, ""},
        {TXT("T"), kSaturnExplorerWindow, ""},
        {TXT("T"), kJupiterExplorerWindow, "The window named 'T' is not of the expected type"},
    };
    for (const auto& c : cases) {
        host.ClearScriptError();
        EXPECT_EQ(host.FindWindow(String(c.name), static_cast<WindowKind>(c.kind)), c.error[0] == 0);
        EXPECT_EQ(Utf8(host.GetScriptError()), c.error) << Utf8(String(c.name));
    }
    host.ClearScriptError();
    EXPECT_FALSE(host.GraphSetYAxisFrom(String(TXT("S")), 1));
    EXPECT_EQ(Utf8(host.GetScriptError()), "The window named 'S' is not of the expected type");
    host.ClearScriptError();
    EXPECT_FALSE(host.ExplorerSetNames(String(TXT("G")), false));
    EXPECT_EQ(Utf8(host.GetScriptError()), "The window named 'G' is not of the expected type");
    EXPECT_EQ(Run("Open Graph As F File \"missing.graph\"\n"), "cannot read missing.graph");
    EXPECT_EQ(Run("Activate Gone\n").empty(), false);
}

TEST_F(ScriptHostTest, TheSecondWindowOfANameIsTheOneAddressed) {
    ASSERT_EQ(Run("Open Sky As S\n"), "");
    ASSERT_EQ(Run("Open Sky As S\nWith S Set View Field 90\n"), "");
    EXPECT_EQ(windows.Sky(1).zoom, 60);
    EXPECT_EQ(windows.Sky(2).zoom, 90);
}

TEST_F(ScriptHostTest, EachStatementIsOneStepOnlyWhenSomethingChanged) {
    ASSERT_EQ(Run("Open Sky As S\n"
                  "With S Set Grid equ\n"
                  "With S Set Grid hor Appearance crosses Labels on\n"
                  "With S Set Grid hor Appearance crosses Labels on\n"
                  "With S Set DeepSky Names messier\n"),
              "");
    const SkyCommandHistory& history = windows.Sky(1).history;
    ASSERT_EQ(history.UndoableCount(), 3);
    EXPECT_EQ(history.StepFromCurrent(true, 2)->Count(), 3);
    EXPECT_EQ(history.StepFromCurrent(true, 3)->Count(), 1);
    EXPECT_EQ(Utf8(history.PeekUndoCommand()->GetText(true)), "[CorvinataScript] With S Set DeepSky Names messier");
    // Script values name the catalogues by meaning, not by the option's ids.
    EXPECT_EQ(windows.Sky(1).options.deepSkyNameSystem, 3);
    const struct {
        int script, option;
    } names[] = {{0, 0}, {1, 4}, {2, 3}, {3, 1}, {4, 2}, {5, 5}};
    for (const auto& c : names) EXPECT_EQ(SkyDeepSkyNameSystem(c.script), c.option);
}

TEST_F(ScriptHostTest, AStatementWhoseClauseFailsLeavesItsWindowAsItWas) {
    EXPECT_EQ(Run("Open Graph As G\nWith G Add Line Name \"A\" Code \"1\" Colour red Add Line Name \"B\" Code \"1\" Colour mauve\n"),
              "'mauve' is not a valid colour");
    GraphDocument& graph = windows.Graph(1).Graph();
    EXPECT_EQ(graph.LineCount(), 0);
    EXPECT_EQ(graph.History().UndoableCount(), 0);
    EXPECT_EQ(Utf8(windows.errorBoxes.back()),
              "The script contains an error that resulted in the following message:\r\n\r\n\"'mauve' is not a "
              "valid colour\".\r\n\r\nCorvinata will now stop executing the script.");
    EXPECT_EQ(lesson.closes, 1);
    EXPECT_TRUE(lesson.educatorEnabled);
    // Values the compiler bounds, from a damaged program.
    const String g(TXT("G"));
    EXPECT_TRUE(host.GraphSetGuideLine(g, 365));
    EXPECT_EQ(windows.Graph(1).GuideLinePosition(), 365);
    EXPECT_FALSE(host.GraphSetGuideLine(g, 366));
    EXPECT_EQ(Utf8(host.GetScriptError()), "The guide line position must be a number from 0 to 365");
    EXPECT_FALSE(host.GraphSetStep(g, TimeStep{kDaysUnit, 0}));
    EXPECT_EQ(Utf8(host.GetScriptError()), "The time step (0 days) must be positive");
}

TEST_F(ScriptHostTest, GraphClausesCheckTheirValues) {
    const struct {
        const char* statements;
        const char* error;
        int steps;
    } cases[] = {
        {"With G Add Line Name \"L\" Code \"Phase(50)\" Colour red\nWith G Hide Lines \"L\" \"nobody\"\n"
         "With G Show Lines \"nobody\"\n",
         "", 2},
        {"With G Set Begin Date 1.1.2000 Time 0:00 Step 99 years\n", "The step value would cause the date to become too large",
         0},
        {"With G Set Location Town \"Atlantis\" Country \"Nowhere\"\n",
         "Town 'Atlantis', country 'Nowhere' is not a known location", 0},
        {"With G Set Location Town \"London\" Country \"United Kingdom\" Dst on Step 2 days\n", "", 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Run((std::string("Open Graph As G\n") + c.statements).c_str()), c.error) << c.statements;
        EXPECT_EQ(windows.Graph(windows.last).Graph().History().UndoableCount(), c.steps) << c.statements;
    }
    const GraphDocument& lines = windows.Graph(1).Graph();
    ASSERT_EQ(lines.LineCount(), 1);
    EXPECT_FALSE(lines.GetGraphLine(0)->visibleInGraph);
    const GraphDocument& placed = windows.Graph(windows.last).Graph();
    EXPECT_EQ(Utf8(placed.Options().location.town), "London");
    EXPECT_TRUE(placed.Options().daylightSaving);
    EXPECT_EQ(placed.Options().stepCount, 2.0);
}

// A place handed to a graph or to the application brings its numbers and
// names; the receiver keeps how it shows them (orientation, side style).
TEST_F(ScriptHostTest, ANewPlaceKeepsTheReceiversDisplayModes) {
    ASSERT_EQ(Run("Open Graph As G\n"), "");
    GeoCoordinates& graph = windows.Graph(windows.last).Graph().Settings().location.coordinates;
    graph.longitude.SetOrientation(kEastPositive);
    graph.latitude.mode = kLatitudeMinusSign;
    Location paris;
    LocationInit(paris);
    paris.country = TXT("France");
    paris.town = TXT("Paris");
    const String name(TXT("G"));
    ASSERT_TRUE(host.BeginGraphClauses());
    ASSERT_TRUE(host.GraphSetLocation(name, paris));
    ASSERT_TRUE(host.EndGraphClauses(name, String(TXT("With G Set Location")), false));
    ASSERT_EQ(Run("With Application Set Location Town \"Paris\" Country \"France\"\n"), "");
    const Location& graphPlace = windows.Graph(windows.last).Graph().Options().location;
    const Location& current = app.Current().GetTimeAndLocation().location;
    EXPECT_EQ(Utf8(graphPlace.town), "Paris");
    EXPECT_LT(graphPlace.coordinates.longitude.GetValue(), 0.0);  // east of Greenwich
    EXPECT_EQ(graphPlace.coordinates.longitude.GetOrientation(), kEastPositive);
    EXPECT_EQ(graphPlace.coordinates.latitude.mode, kLatitudeMinusSign);
    EXPECT_TRUE(GeoCoordinatesEqual(current.coordinates, graphPlace.coordinates));
    EXPECT_EQ(current.coordinates.longitude.GetOrientation(), kWestPositive);
    EXPECT_EQ(current.coordinates.latitude.mode, kLatitudeHemisphereLetter);
}

TEST_F(ScriptHostTest, EventSearchesAreCheckedBeforeTheEventFinderStarts) {
    const struct {
        const char* statement;
        const char* error;
    } cases[] = {
        {"With EventFinder Search Begin 1.1.2024 End 1.1.2024 Dst off Location Town \"Paris\" Country \"France\" Step 1 days Code \"Sun.Mag() < 0\"",
         "The begin date (01.01.2024 00:00) must be earlier than the end date (01.01.2024 00:00)"},
        {"With EventFinder Search Begin 2.1.2024 End 1.1.2024 Dst off Location Town \"Paris\" Country \"France\" Step 1 days Code \"Sun.Mag() < 0\"",
         "The begin date (02.01.2024 00:00) must be earlier than the end date (01.01.2024 00:00)"},
        {"With EventFinder Search Begin 1.1.2024 End 2.1.2024 Dst off Location Town \"Atlantis\" Country "
         "\"Nowhere\" Step 1 days Code \"Sun.Mag() < 0\"",
         "Town 'Atlantis', country 'Nowhere' is not a known location"},
        {"With EventFinder Search Begin 1.1.2024 End 31.12.2024 Dst off Location Town \"London\" Country "
         "\"United Kingdom\" Step 1 days Code \"Sun.Mag() < 0\"",
         ""},
    };
    for (const auto& c : cases) EXPECT_EQ(Run(c.statement), c.error) << c.statement;
    ASSERT_EQ(windows.searches.size(), 1u);
    EXPECT_EQ(Utf8(windows.searches[0]), "1 Days Sun.Mag() < 0 London");

    // Begin and end that differ only in their time system pass both checks.
    ScriptEventSearch search;
    search.begin = DateTime{2024, 1, 1, 0.0, kUniversalTime};
    search.end = DateTime{2024, 1, 1, 0.0, kLocalCivilTime};
    search.step = TimeStep{kDaysUnit, 1};
    search.code = TXT("Sun.Mag() < 0");
    EXPECT_TRUE(host.StartEventSearch(search));
    search.step.count = 0;
    EXPECT_FALSE(host.StartEventSearch(search));
    EXPECT_EQ(Utf8(host.GetScriptError()), "The time step (0 days) must be positive");
    // A compiled program from elsewhere may carry a slip: it is no search.
    search.step.count = 1;
    search.code = TXT("Sun.Mag() <");
    host.ClearScriptError();
    EXPECT_FALSE(host.StartEventSearch(search));
    EXPECT_FALSE(host.GetScriptError().IsEmpty());
    EXPECT_EQ(windows.searches.size(), 2u);
}

TEST_F(ScriptHostTest, ApplicationSettingsActEvenWhenThePlaceIsUnknown) {
    EXPECT_EQ(Run("With Application Set Location Town \"Atlantis\" Country \"Nowhere\" Rtc on\n"),
              "Town 'Atlantis', country 'Nowhere' is not a known location");
    EXPECT_TRUE(app.Options().time.clockActive);
    ASSERT_EQ(Run("With Application Set Time 21:30 Location Town \"Paris\" Country \"France\" Rtc off\n"), "");
    EXPECT_FALSE(app.Options().time.clockActive);
    EXPECT_TRUE(app.Options().time.userDefined);
    EXPECT_EQ(app.Current().GetTimeAndLocation().dateTime.hours, 21.5);
    EXPECT_EQ(Utf8(app.Current().GetTimeAndLocation().location.town), "Paris");
}

// A time that is or rounds to 24:00 is the midnight that ends the day: 0 h
// of the day after the date the statement sets (whichever clause comes
// first), or after the current date when it sets none; never the start of
// the same day. The last valid day, which has no next one, keeps 23:59:59.
TEST_F(ScriptHostTest, ATimeThatReachesMidnightStartsTheNextDay) {
    enum Where { kApplication, kSky, kSolarSystem, kJupiter, kGraphBegin };
    const struct {
        const char* program;
        Where where;
        int year, month, day;
        double hours;
    } cases[] = {
        {"With Application Set Date 1.2.2026 Time 23:59:59.7\n", kApplication, 2026, 2, 2, 0.0},
        {"With Application Set Date 1.2.2026 Time 24:00\n", kApplication, 2026, 2, 2, 0.0},
        {"With Application Set Time 24:00:00 Date 31.12.2026\n", kApplication, 2027, 1, 1, 0.0},
        {"With Application Set Date 1.2.2026 Time 23:59:59.4\n", kApplication, 2026, 2, 1, 23 + 59 / 60.0 + 59 / 3600.0},
        {"With Application Set Date 28.2.2026 Time 10:00\nWith Application Set Time 24:00\n", kApplication, 2026, 3, 1,
         0.0},
        {"With Application Set Date 28.2.2026 Time 10:00\nWith Application Set Time 23:59:59.5\n", kApplication, 2026, 3,
         1, 0.0},
        {"With Application Set Date 31.12.3000 Time 24:00\n", kApplication, 3000, 12, 31, 24 - 1 / 3600.0},
        {"Open Sky As S Set Date 1.2.2026 Time 24:00\n", kSky, 2026, 2, 2, 0.0},
        {"Open Sky As S Set Time 23:59:59.7 Date 1.2.2026\n", kSky, 2026, 2, 2, 0.0},
        {"Open Sky As S Set Date 28.2.2026 Time 10:00\nWith S Set Time 24:00\n", kSky, 2026, 3, 1, 0.0},
        {"Open Solar System As P Set Date 1.2.2026 Time 24:00\n", kSolarSystem, 2026, 2, 2, 0.0},
        {"Open Solar System As P Set Date 28.2.2026 Time 10:00\nWith P Set Time 24:00\n", kSolarSystem, 2026, 3, 1,
         0.0},
        {"Open Jupiter As J Set Time 24:00 Date 1.2.2026\n", kJupiter, 2026, 2, 2, 0.0},
        {"Open Graph As G\nWith G Set Begin Date 1.2.2026 Time 24:00\n", kGraphBegin, 2026, 2, 2, 0.0},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(Run(c.program), "") << c.program;
        DateTime moment;
        switch (c.where) {
            case kApplication: moment = app.Current().GetTimeAndLocation().dateTime; break;
            case kSky: moment = windows.Sky(windows.last).GetDocument().GetTimeAndPlace().dateTime; break;
            case kSolarSystem: moment = windows.Solar(windows.last).GetDocument().GetDateTime(); break;
            case kJupiter:
                moment = windows.Explorer(windows.last).GetDocument().GetTimeAndPlace().dateTime;
                break;
            case kGraphBegin: moment = windows.Graph(windows.last).Graph().Options().beginDate; break;
        }
        EXPECT_EQ(moment.year, c.year) << c.program;
        EXPECT_EQ(moment.month, c.month) << c.program;
        EXPECT_EQ(moment.day, c.day) << c.program;
        EXPECT_NEAR(moment.hours, c.hours, 1e-9) << c.program;
    }
}

// The documents of the windows take the application's moment when a
// script sets it, as the program's windows do.
TEST_F(ScriptHostTest, TheWindowsFollowTheMomentTheApplicationIsGiven) {
    ASSERT_EQ(Run("Open Sky As S\nOpen Solar System As P\nOpen Jupiter As J\n"
                  "With Application Set Date 14.3.2026 Time 21:30\n"),
              "");
    const DateTime moments[] = {windows.Sky(1).GetDocument().GetTimeAndPlace().dateTime,
                                windows.Solar(2).GetDocument().GetDateTime(),
                                windows.Explorer(3).GetDocument().GetTimeAndPlace().dateTime};
    for (const DateTime& moment : moments) {
        EXPECT_EQ(moment.year, 2026);
        EXPECT_EQ(moment.month, 3);
        EXPECT_EQ(moment.day, 14);
        EXPECT_NEAR(moment.hours, 21.5, 1e-9);
    }
}

TEST_F(ScriptHostTest, ZoomsTakeTheirLevels) {
    ASSERT_EQ(Run("Open Solar Eclipse As E\n"), "");
    const String e(TXT("E"));
    const struct {
        int percent, level;
    } eclipse[] = {{0, 1}, {100, 5}, {50, 3}, {12, 1}, {13, 2}};
    for (const auto& c : eclipse) {
        EXPECT_EQ(EclipseZoomLevel(c.percent), c.level);
        host.BeginSolarEclipseClauses();
        EXPECT_TRUE(host.EclipseSetZoom(e, c.percent));
        host.EndSolarEclipseClauses(e, String(TXT("zoom")), true);
        EXPECT_EQ(windows.Eclipse(1).GetZoom(), c.level) << c.percent;
    }
    const struct {
        const char* planet;
        int level;
    } planets[] = {{"Mars", 3}, {"Venus", 1}};
    for (const auto& c : planets) {
        EXPECT_EQ(Run((std::string("Open Solar System As P\nWith P Set Zoom ") + c.planet + "\n").c_str()), "");
        EXPECT_EQ(windows.Solar(windows.last).zoomed, c.level) << c.planet;
    }
    // The Earth is no operand the compiler lets through; the host takes it.
    host.BeginSolarSystemClauses();
    EXPECT_TRUE(host.SolarSystemSetZoom(String(TXT("P")), *PlanetByNumber(2)));
    host.EndSolarSystemClauses(String(TXT("P")), String(TXT("zoom")), true);
    EXPECT_EQ(windows.Solar(windows.last).zoomed, 2);
    EXPECT_FALSE(host.SolarSystemSetZoom(String(TXT("P")), *CatalogueByType(kBodySun)->CatalogueGetObjectAt(0)));
    EXPECT_EQ(Utf8(host.GetScriptError()), "'Sun' is not a planet");
}

TEST_F(ScriptHostTest, AdvanceAndRetreatMoveTheSharedMomentUnlessItLeavesTheCalendar) {
    ASSERT_EQ(Run("Open Sky As S Set Date 3.1.1583 Time 12:00\nWith S Retreat 400 days\n"), "");
    const SkyDocument& sky = windows.Sky(1).GetDocument();
    EXPECT_EQ(windows.Sky(1).history.UndoableCount(), 1);
    // A negative step (a damaged or hand-made program) moves the other way.
    const String s(TXT("S"));
    host.BeginSkyClauses();
    EXPECT_TRUE(host.SkyAdvanceTime(s, true, TimeStep{kDaysUnit, -1}));
    EXPECT_TRUE(host.EndSkyClauses(s, String(TXT("advance")), true));
    EXPECT_EQ(sky.GetTimeAndPlace().dateTime.day, 2);
    EXPECT_EQ(sky.GetTimeAndPlace().dateTime.year, 1583);
}

TEST_F(ScriptHostTest, ExplorerClausesGoThroughTheirKindsActions) {
    ASSERT_EQ(Run("Open Jupiter As J Set Names off Orbits off SwapEW on SwapNS on Tilt 20 Zoom Europa\n"
                  "With J Hide Io Europa Callisto Select Ganymede Highlight\n"),
              "");
    ExplorerView& jupiter = windows.Explorer(1);
    EXPECT_EQ(jupiter.GetCommandHistory().UndoableCount(), 2);
    EXPECT_EQ(jupiter.GetCommandHistory().PeekUndoCommand()->Count(), 4);
    EXPECT_FALSE(jupiter.IsMoonShown(0));
    EXPECT_TRUE(jupiter.IsMoonShown(2));
    EXPECT_EQ(jupiter.GetSelectedMoon(), 2);
    EXPECT_EQ(jupiter.GetZoomLevel(), 1);
    EXPECT_EQ(jupiter.GetTiltAngle(), 20);
    const ExplorerDisplayOptions expected{0, 0, 1, 1};
    EXPECT_EQ(jupiter.GetDisplayOptions(), expected);
    jupiter.GetCommandHistory().UndoCommands(1);
    EXPECT_TRUE(jupiter.IsMoonShown(0));
}

TEST_F(ScriptHostTest, MessagesAndTheEndOfALessonReachTheLessonWindow) {
    ASSERT_EQ(Run("With Educator Set Position 30,40\nMessage \"First\"\n"), "");
    EXPECT_EQ(lesson.x, 30);
    ASSERT_EQ(lesson.messages.size(), 2u);
    EXPECT_EQ(Utf8(lesson.messages[1]), "First");
    EXPECT_TRUE(lesson.ended);
    EXPECT_EQ(lesson.closes, 0);
    ASSERT_EQ(Run("Open Sky As S\n"), "");
    EXPECT_EQ(lesson.closes, 1);
    EXPECT_TRUE(lesson.educatorEnabled);
    ScriptRunFailure failure;
    failure.message = TXT("why");
    host.ScriptFailed(failure);
    EXPECT_EQ(lesson.closes, 2);
}

}  // namespace
}  // namespace corvinata
