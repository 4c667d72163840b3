// Programs compiled and run against a host that records every call.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalog/event_kinds.h"
#include "script/clause_runners.h"
#include "script/script_interpreter.h"
#include "support/catalogues.h"
#include "support/recording_script_host.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Utf8;
using test::Wide;
using Calls = std::vector<std::string>;

struct Fixture {
    explicit Fixture(const std::string& program) : script(Wide(program).c_str()) {
        script.folder = TXT("C:\\Lessons");
    }
    bool Start() { return RunScriptProgram(script, services); }
    bool Continue() { return RunCompiledScript(script, services); }

    test::ScopedCatalogues catalogues;
    ObjectModelScriptCatalogue catalogue;
    CatalogueObjectSource objects;
    test::RecordingScriptHost host;
    ScriptRunServices services{host, catalogue, objects};
    ScriptExpression script;
};

// The calls between the start of a run and its end.
Calls WindowCalls(const Calls& calls) {
    if (calls.size() < 5) return calls;
    EXPECT_EQ(Calls(calls.begin(), calls.begin() + 3),
              (Calls{"ShowScriptMessage()", "ClearError()", "Running(1)"}));
    EXPECT_EQ(Calls(calls.end() - 2, calls.end()), (Calls{"Ended(0)", "Running(0)"}));
    return Calls(calls.begin() + 3, calls.end() - 2);
}

struct RoundTrip {
    const char* name;
    const char* program;
    // "$" stands for the program's text.
    Calls calls;
};

class RunsEveryClause : public testing::TestWithParam<RoundTrip> {};

TEST_P(RunsEveryClause, CallsTheHostOncePerClauseInOrder) {
    const RoundTrip& c = GetParam();
    Fixture run(c.program);
    ASSERT_TRUE(run.Start()) << Utf8(run.script.message) << " " << Utf8(run.script.detail);
    Calls expected = c.calls;
    for (std::string& call : expected) {
        const std::size_t at = call.find('$');
        if (at != std::string::npos) call.replace(at, 1, c.program);
    }
    EXPECT_EQ(WindowCalls(run.host.calls), expected);
}

const std::string kMagnitude = std::to_string(kFunctionMagnitude);

INSTANTIATE_TEST_SUITE_P(
    Kinds, RunsEveryClause,
    testing::Values(
        RoundTrip{"Graph",
                  "Open Graph As G File \"a.grf\" Activate "
                  "Hide Lines \"n\" Add Line Name \"n\" Code \"1\" Colour red "
                  "Show Lines \"n\" \"m\" Set YAxisFrom -5 Begin Date 1.2.2000 Time 10:30 "
                  "Dst on GuideLine 5 Position 10,20 Step 2 hours "
                  "Location Town \"Paris\" Country \"France\" "
                  "XAxisLabel 1 days XAxisMark 3 minutes YAxisTo 7",
                  {"OpenGraph(G,C:\\Lessons\\a.grf)", "BeginGraphClauses()", "ActivateWindow(G)",
                   "GraphSetBeginDate(G,2000-02-01 10.5h/2)", "GraphSetDst(G,1)",
                   "GraphSetGuideLine(G,5)", "SetWindowPosition(G,10,20)", "GraphSetStep(G,2u2)",
                   "GraphSetLocation(G,Paris/France)", "GraphSetXAxisLabel(G,1u3)",
                   "GraphSetXAxisMark(G,3u1)", "GraphAddLine(G,n,1,red)",
                   "GraphHideLinesByName(G,[n])", "GraphShowLinesByName(G,[n m])",
                   "GraphSetYAxisFrom(G,-5)", "GraphSetYAxisTo(G,7)", "EndGraphClauses(G,$,0)"}},
        RoundTrip{"Jupiter",
                  "Open Jupiter As J Activate Advance 1 days Hide Io Select Europa Highlight "
                  "Show Europa Retreat 2 hours Set Date 3.4.2001 Names on Orbits off Zoom Io "
                  "Position 1,2 SwapEW on SwapNS off Tilt -30 Time 12:00",
                  {"OpenJupiter(J)", "BeginExplorerClauses(J)", "ActivateWindow(J)",
                   "ExplorerAdvanceTime(J,1,1u3)", "ExplorerHideMoonsByName(J,[Io])",
                   "ExplorerSelect(J,Europa,1)", "ExplorerShowMoonsByName(J,[Europa])",
                   "ExplorerAdvanceTime(J,0,2u2)", "ExplorerSetDate(J,2001-04-03 0h/2)",
                   "ExplorerSetNames(J,1)", "ExplorerSetOrbits(J,0)", "ExplorerSetZoom(J,Io)",
                   "SetWindowPosition(J,1,2)", "ExplorerSwapEastWest(J,1)",
                   "ExplorerSwapNorthSouth(J,0)", "ExplorerSetTilt(J,-30)",
                   "ExplorerSetTime(J,12)", "EndExplorerClauses(J,$,0)"}},
        RoundTrip{"Saturn", "Open Saturn As T\nWith T Select Titan",
                  {"OpenSaturn(T)", "FindWindow(T,4)", "BeginExplorerClauses(T)",
                   "ExplorerSelect(T,Titan,0)", "EndExplorerClauses(T,With T Select Titan,1)"}},
        RoundTrip{"Picture",
                  "Open Picture As P Activate Select \"M31\" Set ScaleToFit on Position 3,4",
                  {"OpenPicture(P)", "BeginPictureClauses()", "ActivateWindow(P)",
                   "PictureSelect(P,M31)", "PictureSetScale(P,1)", "SetWindowPosition(P,3,4)",
                   "EndPictureClauses(P,$,0)"}},
        RoundTrip{"SolarEclipse",
                  "Open Solar Eclipse As E Activate Advance 1 days Retreat 1 hours Center Path "
                  "Set Position 5,6 Eclipse Date 11.8.1999 Observer Date 12.8.1999 Lon 10W Lat 5N "
                  "Time 10:30 Zoom 50",
                  {"OpenSolarEclipse(E)", "BeginSolarEclipseClauses()", "ActivateWindow(E)",
                   "EclipseAdvanceTime(E,1,1u3)", "EclipseAdvanceTime(E,0,1u2)",
                   "EclipseCenterOnPath(E)", "SetWindowPosition(E,5,6)",
                   "EclipseSetEclipseDate(E,1999-08-11 0h/2)", "EclipseSetDate(E,1999-08-12 0h/2)",
                   "EclipseSetLongitude(E,10)", "EclipseSetLatitude(E,5)",
                   "EclipseSetTime(E,10.5)", "EclipseSetZoom(E,50)",
                   "EndSolarEclipseClauses(E,$,0)"}},
        RoundTrip{"EclipseCentre", "Open Solar Eclipse As E\nWith E Center Location\n"
                                   "With E Center Lon 10E Lat 5N",
                  {"OpenSolarEclipse(E)", "FindWindow(E,5)", "BeginSolarEclipseClauses()",
                   "EclipseCenterOnLocation(E)",
                   "EndSolarEclipseClauses(E,With E Center Location,1)", "FindWindow(E,5)",
                   "BeginSolarEclipseClauses()", "EclipseCenterLocation(E,-10,5)",
                   "EndSolarEclipseClauses(E,With E Center Lon 10E Lat 5N,1)"}},
        RoundTrip{"Sky",
                  "Open Sky As S Activate Advance 1 days Retreat 2 days Select Moon Highlight "
                  "Set Date 1.1.2000 Ecliptic on Grid equ Appearance crosses Labels on "
                  "Horizon classic Map realistic Moon off Position 7,8 "
                  "Constellation Boundaries on Lines off Names full "
                  "DeepSky IndicateImage on Catalog messier Names proper "
                  "Planet Names on Symbols off Show all Tracks on "
                  "Star Letters on Magnitude 6.5 Names off View Field 90 Lat 45 Lon 180 Sun on "
                  "Time 21:00",
                  {"OpenSky(S)", "BeginSkyClauses()", "ActivateWindow(S)",
                   "SkyAdvanceTime(S,1,1u3)", "SkyAdvanceTime(S,0,2u3)", "SkySelect(S,Moon,1)",
                   "SkySetDate(S,2000-01-01 0h/2)", "SkySetEcliptic(S,1)", "SkySetGrid(S,2,1,1)",
                   "SkySetHorizon(S,1)", "SkySetMap(S,2)", "SkySetMoon(S,0)",
                   "SetWindowPosition(S,7,8)", "SkySetConstellationBoundaries(S,1)",
                   "SkySetConstellationLines(S,0)", "SkySetConstellationNames(S,2)",
                   "SkySetDeepSkyIndicateImage(S,1)", "SkySetDeepSkyShowCatalog(S,1)",
                   "SkySetDeepSkyShowNames(S,0)", "SkySetPlanetNames(S,1)",
                   "SkySetPlanetSymbols(S,0)", "SkySetPlanets(S,1)", "SkySetPlanetTracks(S,1)",
                   "SkySetStarLetters(S,1)", "SkySetStarMagnitudeLimit(S,6.5)",
                   "SkySetStarNames(S,0)", "SkySetViewingField(S,90)",
                   "SkySetViewingLatitude(S,45)", "SkySetViewingLongitude(S,180)",
                   "SkySetSun(S,1)", "SkySetTime(S,21)", "EndSkyClauses(S,$,0)"}},
        RoundTrip{"SolarSystem",
                  "Open Solar System As O Activate Advance 1 days Retreat 1 days Select Earth "
                  "Set Date 1.1.2000 Moon on Names off Orbits on Position 1,1 "
                  "Ecliptic Constellations on RA off Sight on Zodiac off Function Mag Zoom Mars "
                  "Symbols on Time 6:00",
                  {"OpenSolarSystem(O)", "BeginSolarSystemClauses()", "ActivateWindow(O)",
                   "SolarSystemAdvanceTime(O,1,1u3)", "SolarSystemAdvanceTime(O,0,1u3)",
                   "SolarSystemSelect(O,Earth,0)", "SolarSystemSetDate(O,2000-01-01 0h/2)",
                   "SolarSystemSetMoon(O,1)", "SolarSystemSetNames(O,0)",
                   "SolarSystemSetOrbits(O,1)", "SetWindowPosition(O,1,1)",
                   "SolarSystemSetEclipticConstellations(O,1)", "SolarSystemSetEclipticRa(O,0)",
                   "SolarSystemSetEclipticSight(O,1)", "SolarSystemSetEclipticZodiac(O,0)",
                   "SolarSystemSetFunction(O," + kMagnitude + ")", "SolarSystemSetZoom(O,Mars)",
                   "SolarSystemSetSymbols(O,1)", "SolarSystemSetTime(O,6)",
                   "EndSolarSystemClauses(O,$,0)"}},
        // Dates and times of the application are local civil time (2).
        RoundTrip{"Statements",
                  "With Application Set Date 2.3.2004 Dst on Rtc off StarsStationary on\n"
                  "With Application Set Time 10:15 Location Lon 10E Lat 50N TimeZone 1\n"
                  "With EventFinder Search Begin 1.1.2000 End 2.1.2000 Dst off Step 1 days "
                  "Location Town \"Paris\" Country \"France\" Code \"Sun.Mag() < 0\"\n"
                  "With Educator Set Position 5,6\n"
                  "Open Solar System As O\nWith O Activate\nClose O",
                  {"ApplyApplicationSettings(2004-03-02 0h/2|-|-|1|0|1)",
                   "ApplyApplicationSettings(-|10.25|-10W/50N/1|-|-|-)",
                   "StartEventSearch(2000-01-01 0h/2|2000-01-02 0h/2|Paris/France|0|1u3|"
                   "Sun.Mag() < 0)",
                   "SetEducatorPosition(5,6)", "OpenSolarSystem(O)", "FindWindow(O,7)",
                   "BeginSolarSystemClauses()", "ActivateWindow(O)",
                   "EndSolarSystemClauses(O,With O Activate,1)", "CloseWindow(O)"}}),
    [](const testing::TestParamInfo<RoundTrip>& info) { return std::string(info.param.name); });

TEST(Interpreter, PausesAfterEachMessageAndResumes) {
    Fixture run("Message \"a\"\nMessage \"b\"");
    ASSERT_TRUE(run.Start());
    EXPECT_EQ(run.host.calls, (Calls{"ShowScriptMessage()", "ClearError()", "Running(1)",
                                     "ShowScriptMessage(a)", "Running(0)"}));
    run.host.calls.clear();
    ASSERT_TRUE(run.Continue());
    EXPECT_EQ(run.host.calls,
              (Calls{"ClearError()", "Running(1)", "ShowScriptMessage(b)", "Ended(1)",
                     "Running(0)"}));
    run.host.calls.clear();
    EXPECT_FALSE(run.Continue());
    EXPECT_TRUE(run.host.calls.empty());
}

TEST(Interpreter, RecompilingDuringAPauseEndsTheRun) {
    Fixture run("Message \"a\"\nMessage \"b\"");
    ASSERT_TRUE(run.Start());
    ASSERT_TRUE(CompileScriptProgram(run.script, run.catalogue));
    run.host.calls.clear();
    EXPECT_FALSE(run.Continue());
    EXPECT_TRUE(run.host.calls.empty());
    EXPECT_EQ(Utf8(run.script.message), "The script has no paused run to continue");
}

struct Failing {
    const char* op;
    bool returnsFalse;  // else it succeeds and only leaves the error text
    Calls tail;         // the calls from the failing statement on
};

class StopsOnFirstFailure : public testing::TestWithParam<Failing> {};

const char* const kWith = "With S Set Date 1.1.2000 Sun on";

// The step the failing statement opened is closed, so the user's next edit
// is a step of its own.
TEST_P(StopsOnFirstFailure, WithTheHostTextAndThePosition) {
    const Failing& c = GetParam();
    Fixture run("Open Sky As S\n  With S Set Date 1.1.2000 Sun on\nMessage \"never\"");
    (c.returnsFalse ? run.host.failing : run.host.reporting) = c.op;
    EXPECT_FALSE(run.Start());
    const Calls tail(run.host.calls.begin() + 4, run.host.calls.end());
    EXPECT_EQ(tail, c.tail);
    EXPECT_EQ(run.script.runStatus, kRunStopped);
    run.host.UserEdit("edit");
    Calls steps{"edit"};
    if (c.tail.size() > 3) steps.insert(steps.begin(), "[CorvinataScript] " + std::string(kWith));
    EXPECT_EQ(run.host.undoSteps, steps);
}

INSTANTIATE_TEST_SUITE_P(
    Ops, StopsOnFirstFailure,
    testing::Values(
        Failing{"FindWindow", true,
                {"FindWindow(S,6)", "Failed(FindWindow refused," + std::string(kWith) + ",2,3)",
                 "Running(0)"}},
        Failing{"SkySetDate", true,
                {"FindWindow(S,6)", "BeginSkyClauses()", "SkySetDate(S,2000-01-01 0h/2)",
                 "EndSkyClauses(S," + std::string(kWith) + ",1)",
                 "Failed(SkySetDate refused," + std::string(kWith) + ",2,3)", "Running(0)"}},
        Failing{"SkySetSun", false,
                {"FindWindow(S,6)", "BeginSkyClauses()", "SkySetDate(S,2000-01-01 0h/2)",
                 "SkySetSun(S,1)", "EndSkyClauses(S," + std::string(kWith) + ",1)",
                 "Failed(SkySetSun refused," + std::string(kWith) + ",2,3)", "Running(0)"}}));

// A line name is a length and its characters; a length of 36 once ended
// the name list and ran the characters as clauses.
TEST(Interpreter, LineNameOf36CharactersStaysAName) {
    const std::string name(36, 'x');
    Fixture run("Open Graph As G Show Lines \"" + name + "\" Add Line Name \"" + name +
                "\" Code \"1\" Colour red");
    ASSERT_TRUE(run.Start()) << Utf8(run.script.message);
    const Calls calls = WindowCalls(run.host.calls);
    ASSERT_EQ(calls.size(), 5u);
    EXPECT_EQ(calls[2], "GraphAddLine(G," + name + ",1,red)");
    EXPECT_EQ(calls[3], "GraphShowLinesByName(G,[" + name + "])");
}

struct Damage {
    const char* program;
    std::size_t word;  // index into the code; past the end: the last word
    CodeWord value;
    const char* message;
};

class RefusesDamagedPrograms : public testing::TestWithParam<Damage> {};

// Nothing of a damaged statement reaches a window.
TEST_P(RefusesDamagedPrograms, BeforeAnyWindowCall) {
    const Damage& c = GetParam();
    Fixture run(c.program);
    ASSERT_TRUE(CompileScriptProgram(run.script, run.catalogue));
    ScriptCode& code = run.script.code;
    code[c.word < code.size() ? c.word : code.size() - 1] = c.value;
    EXPECT_FALSE(run.Start());
    EXPECT_EQ(Utf8(run.script.message), c.message);
    EXPECT_EQ(run.host.calls.size(), 5u);
}

INSTANTIATE_TEST_SUITE_P(
    Words, RefusesDamagedPrograms,
    testing::Values(
        Damage{"Open Sky As S", 2, 99, "A statement of the compiled script is not known"},
        Damage{"Open Sky As S", 1, 99, "A number of the compiled script is out of range"},
        Damage{"Open Sky As S", 3, 50, "The compiled script ends in the middle of a statement"},
        Damage{"Open Sky As S Set Date 1.1.2000", 6, 20001301,
               "A date of the compiled script is not valid"},
        Damage{"Open Sky As S Set Time 10:00", 6, 250000,
               "A time of the compiled script is not valid"},
        Damage{"Open Sky As S Advance 1 days", 7, 6,
               "A time step of the compiled script has no valid unit"},
        Damage{"Open Sky As S Advance 1 days", 6, 0,
               "A time step of the compiled script does not move forward"},
        Damage{"Open Sky As S Advance 1 days", 6, 0xFFFFFFFFu,
               "A time step of the compiled script does not move forward"},
        Damage{"Open Sky As S Set Map realistic", 6, 3,
               "A choice of the compiled script is not in its list"},
        Damage{"Open Sky As S Select Moon", 7, 5,
               "A body of the compiled script is not known here"},
        Damage{"Open Solar System As O Set Function Mag", 6, 1u << 31,
               "A body function of the compiled script is not known here"},
        Damage{"Open Picture As P Set ScaleToFit on", 5, 77,
               "A clause of the compiled script does not belong to its window"}));

// Cut anywhere, a program stops with an error or, cut between statements,
// runs what is left; with any word replaced it still never reads past its end.
TEST(Interpreter, DamagedCodeNeverReadsPastItsEnd) {
    Fixture run("Open Sky As S Select Moon Set Date 1.1.2000\n"
                "With S Set Grid hor Labels on\nMessage \"m\"");
    ASSERT_TRUE(CompileScriptProgram(run.script, run.catalogue));
    const ScriptCode code = run.script.code;
    for (std::size_t n = 1; n < code.size(); ++n) {
        run.script.code.assign(code.begin(), code.begin() + static_cast<long>(n));
        const bool boundary = code[n] == kOpStatementStart && code[n - 2] == kOpStatementEnd;
        EXPECT_EQ(run.Start(), boundary) << n;
        for (CodeWord value : {0u, 36u, 108u, 109u, 0xFFFFFFFFu}) {
            run.script.code = code;
            run.script.code[n] = value;
            run.Start();
        }
    }
}

TEST(Interpreter, StatementTextIsOneTrimmedLine) {
    EXPECT_EQ(Utf8(StatementText(TXT("x  Open\tSky\r\n   As  S \n"), 24, 1, 22)), "Open Sky As S");
}

// No-break space, form feed, vertical tab and the ideographic space separate
// words for the compiler, so they do in the undo label.
TEST(Interpreter, StatementTextFoldsEveryWhiteSpaceTheCompilerAccepts) {
    const Char source[] = {0x3000, 'O', 'p', 'e', 'n', 0x00A0, 'S', 'k', 'y', 0x000C, 0x000B,
                           'A', 's', 0x3000, 'S', 0x00A0, 0};
    EXPECT_EQ(Utf8(StatementText(source, 16, 0, 16)), "Open Sky As S");
}

}  // namespace
}  // namespace corvinata
