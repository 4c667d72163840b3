// Scripts run through the interpreter in the real program: the frame's
// script host opens, finds, changes and closes real windows of every kind,
// each statement one undo step labelled with its text, the error box is the
// program's own, and the Event Finder searches what a script asks.
#include "frame/script_windows.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "../views/shown_frames.h"
#include "app/help_topics_win.h"
#include "catalog/catalogue_registry.h"
#include "views/picture_window_win.h"
#include "controls/program_fonts.h"
#include "frame/window_kinds.h"
#include "frame_test.h"
#include "modal_driver.h"
#include "resources/resource_ids.h"
#include "script/clause_runners.h"
#include "script/script_catalogue.h"
#include "script/script_interpreter.h"
#include "support/recording_lesson_window.h"
#include "support/test_text.h"
#include "tools/event_definitions.h"
#include "tools/event_finder_window_win.h"
#include "views/eclipse_window_win.h"
#include "views/explorer_window_win.h"
#include "views/graph_save.h"
#include "views/graph_window_win.h"
#include "views/sky_display_win.h"
#include "views/sky_window_win.h"
#include "views/solar_system_window_win.h"

namespace corvinata {
namespace {

using test::Utf8;

std::string Num(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.4f", value);
    return text;
}

std::string Moment(const DateTime& d) {
    return std::to_string(d.year) + "-" + std::to_string(d.month) + "-" + std::to_string(d.day) + " " + Num(d.hours);
}

std::string SkyState(SkyWindow& w) {
    const SkyOptions& o = w.GetOptions();
    const int values[] = {o.mapType, o.gridType, o.gridLabelsOn, o.gridAsCrosses, o.horizonType, o.sunOn, o.moonOn,
                          o.starNamesOn, o.starLettersOn, o.planetDisplayMode, o.planetNamesOn, o.planetSymbolsOn,
                          o.planetTracksOn, o.deepSkyCatalogue, o.deepSkyNameSystem, o.deepSkyColour, o.eclipticOn,
                          o.constellationLinesOn, o.constellationBoundariesOn, o.constellationNames};
    std::string state;
    for (int v : values) state += std::to_string(v) + ",";
    const BodyIdentifier selected = w.GetSelectedBody();
    return state + Num(o.magnitudeLimit) + " zoom " + std::to_string(w.GetZoom()) + " look " +
           Num(w.GetViewDirection().azimuth) + "/" + Num(w.GetViewDirection().altitude) + " " +
           (selected.object ? Utf8(ObjectKeyName(*selected.object)) : "-") + " " +
           Moment(w.GetDocument().GetTimeAndPlace().dateTime);
}

std::string SolarState(SolarSystemWindow& w) {
    const SolarSystemOptions& o = w.GetOptions();
    const BodyIdentifier selected = w.GetSelectedBody();
    return std::to_string(o.moonOn) + std::to_string(o.namesOn) + std::to_string(o.signsOn) +
           std::to_string(o.orbitsOn) + std::to_string(o.zodiacRightAscension) + std::to_string(o.zodiacSigns) +
           std::to_string(o.zodiacConstellations) + std::to_string(o.zodiacSightLines) + " f" +
           std::to_string(o.function) + " zoom " + std::to_string(w.GetZoomedPlanet()) + " " +
           (selected.object ? Utf8(ObjectKeyName(*selected.object)) : "-") + " " + Moment(w.GetDocument().GetDateTime());
}

std::string GraphState(GraphWindow& w) {
    const GraphDocument& g = w.Graph();
    const TimeAndLocation& o = g.Options();
    std::string state = Utf8(o.location.town) + " " + Moment(o.beginDate) + " dst" + std::to_string(o.daylightSaving) +
                        " range " + std::to_string(o.stepUnit) + "x" + std::to_string(TimeAndLocationRangeUnits(o)) + " label " +
                        std::to_string(o.xAxisLabelStep.count) + " mark " + std::to_string(o.xAxisMarkStep.count) +
                        " y " + Num(o.yAxisMin) + ".." + Num(o.yAxisMax) + " lines";
    for (int i = 0; i < g.LineCount(); ++i) {
        state += " " + Utf8(g.GetGraphLine(i)->name) + std::to_string(g.GetGraphLine(i)->visibleInGraph);
    }
    return state;
}

std::string PictureState(PictureWindow& w) {
    return Utf8(w.GetModel().CurrentRef().fileName) + " fit" + std::to_string(w.GetFitToWindow());
}

std::string EclipseState(SolarEclipseWindow& w) {
    EclipseWindowCommands& e = w.GetCommands();
    return "details " + Num(e.GetDetailsPoint().longitude) + "/" + Num(e.GetDetailsPoint().latitude) + " " +
           Moment(e.GetDetailsTime()) + " centre " + Num(e.GetCentre().longitude) + "/" +
           Num(e.GetCentre().latitude) + " zoom " + std::to_string(e.GetZoom()) + " eclipse " +
           std::to_string(e.GetDocument().Model().found) + " " + Moment(e.GetDocument().Model().date);
}

std::string ExplorerState(ExplorerWindow& w) {
    const ExplorerDisplayOptions& o = w.GetDisplayOptions();
    return std::to_string(o.showOrbits) + std::to_string(o.showNames) + std::to_string(o.swapNorthSouth) +
           std::to_string(o.swapEastWest) + " zoom " + std::to_string(w.GetZoomLevel()) + " moon " +
           std::to_string(w.GetSelectedMoon()) + " tilt " + std::to_string(w.GetTiltAngle()) + " shown " +
           std::to_string(w.GetMoonVisibility()) + " " + Moment(w.GetDocument().GetTimeAndPlace().dateTime);
}

// The state of the window as the tests compare it.
std::string StateOf(MdiChildWindow& window) {
    if (auto* w = dynamic_cast<SkyWindow*>(&window)) return SkyState(*w);
    if (auto* w = dynamic_cast<SolarSystemWindow*>(&window)) return SolarState(*w);
    if (auto* w = dynamic_cast<GraphWindow*>(&window)) return GraphState(*w);
    if (auto* w = dynamic_cast<PictureWindow*>(&window)) return PictureState(*w);
    if (auto* w = dynamic_cast<SolarEclipseWindow*>(&window)) return EclipseState(*w);
    if (auto* w = dynamic_cast<ExplorerWindow*>(&window)) return ExplorerState(*w);
    return "?";
}

bool PumpUntil(const std::function<bool()>& done, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > milliseconds) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        MSG message;
        while (!done() && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return true;
}

class ScriptHostWinTest : public test::FrameTest {
protected:
    ScriptHostWinTest() {
        // As the program starts: the picture packs beside the program, then
        // the window kinds.
        app_ = std::make_unique<Application>(std::make_unique<Win32StorageService>(),
                                             GetProgramDirectory(GetModuleHandleW(nullptr)), ApplicationHooks{});
        EXPECT_TRUE(StartApplication(*app_));
        frame_ = std::make_unique<FrameWindow>(*app_, GetModuleHandleW(nullptr), modeless_, false);
        frame_->SetOfferWelcome(false);
        frame_->SetShowOnCreate(false);
        EXPECT_TRUE(frame_->Create());
        fonts_ = std::make_unique<ProgramFonts>(GetModuleHandleW(nullptr));
        AddProgramWindowKinds(*frame_, *app_, GetModuleHandleW(nullptr), *fonts_);
        // The tools made at start-up (the Event Finder) use the custom controls.
        UseCustomControls();
        SendMessageW(frame_->Window(), kStartupMessage, 0, 0);
        Host().AttachLessonWindow(&lesson_);
    }
    ~ScriptHostWinTest() override {
        Host().AttachLessonWindow(nullptr);
        // Changed graphs close without asking.
        for (RegisteredWindow* window : frame_->Registry().AllWindows()) {
            if (auto* graph = dynamic_cast<GraphWindow*>(window)) graph->Graph().History().MarkSaved();
        }
        Command(CMD_CLOSE_ALL);
        frame_.reset();
    }

    ApplicationScriptHost& Host() { return frame_->ScriptHost(); }
    MdiChildWindow* Active() { return frame_->Children().ActiveWindow(); }
    HWND ActiveHandle() {
        return reinterpret_cast<HWND>(SendMessageW(frame_->MdiClient(), WM_MDIGETACTIVE, 0, 0));
    }
    // The first failure's text, or "" when the run ended (or paused) well.
    // An error box is answered with OK; its text is kept.
    std::string Start(const std::string& program) {
        script_ = std::make_unique<ScriptExpression>(test::Wide(program.c_str()).c_str());
        return AnsweringErrorBox([&] { return RunScriptProgram(*script_, Services()); });
    }
    std::string Continue() {
        return AnsweringErrorBox([&] { return RunCompiledScript(*script_, Services()); });
    }
    // Runs a program whose statement is expected to fail; the box's text.
    std::string RunIntoErrorBox(const std::string& program) {
        Start(program);
        return box_;
    }
    std::string AnsweringErrorBox(const std::function<bool()>& run) {
        box_.clear();
        const bool ran = test::ModalDriver::Run(
            [&](test::ModalDriver& d, HWND dialog) {
                wchar_t text[600] = {};
                GetDlgItemTextW(dialog, IDC_MESSAGE_TEXT, text, 600);
                box_ = Utf8(text);
                d.Key(VK_RETURN);
            },
            run);
        return ran ? "" : Utf8(script_->message);
    }
    std::string box_;

    // One statement per line, the first opening the window: each runs
    // alone (a Message after each pauses the run), its window's state and
    // undo count are taken after it, and then every step is undone.
    void WalkStatements(const std::vector<std::string>& statements) {
        std::string program;
        for (std::size_t i = 0; i < statements.size(); ++i) {
            program += statements[i] + "\nMessage \"" + std::to_string(i) + "\"\n";
        }
        ASSERT_EQ(Start(program), "");
        MdiChildWindow* window = Active();
        ASSERT_NE(window, nullptr);
        CommandHistory& history = *window->History();
        std::vector<std::string> states{StateOf(*window)};
        int steps = history.UndoableCount();
        for (std::size_t i = 1; i < statements.size(); ++i) {
            ASSERT_EQ(Continue(), "") << statements[i];
            EXPECT_EQ(history.UndoableCount(), steps + 1) << statements[i];
            steps = history.UndoableCount();
            ASSERT_NE(history.PeekUndoCommand(), nullptr);
            EXPECT_EQ(Utf8(history.PeekUndoCommand()->GetText(true)), "[CorvinataScript] " + statements[i]);
            states.push_back(StateOf(*window));
            EXPECT_NE(states[i], states[i - 1]) << statements[i];
            // Message reached the lesson window.
            EXPECT_EQ(Utf8(lesson_.messages.back()), std::to_string(i));
        }
        EXPECT_TRUE(lesson_.ended);
        for (std::size_t i = statements.size() - 1; i >= 1; --i) {
            SendMessageW(frame_->MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(window->Handle()), 0);
            Command(CMD_UNDO);
            EXPECT_EQ(StateOf(*window), states[i - 1]) << "undo of " << statements[i];
        }
    }

    std::unique_ptr<ProgramFonts> fonts_;
    test::RecordingLessonWindow lesson_;
    ObjectModelScriptCatalogue catalogue_;
    CatalogueObjectSource objects_;
    std::unique_ptr<ScriptExpression> script_;

private:
    ScriptRunServices Services() { return ScriptRunServices{Host(), catalogue_, objects_}; }
};

TEST_F(ScriptHostWinTest, EveryClauseOfEveryKindActsOnARealWindowAsOneStep) {
    const std::vector<std::vector<std::string>> kinds = {
        {"Open Sky As S Set Map realistic",
         "With S Activate Set Position 10,10 Date 1.1.2000 Time 21:00",
         "With S Select Moon Highlight",
         "With S Set Ecliptic on Grid equ Appearance crosses Labels on Horizon seasonal Moon off",
         "With S Set Constellation Boundaries on Lines on Names full",
         "With S Set DeepSky IndicateImage on Catalog messier Names messier",
         "With S Set Planet Names on Symbols on Show all Tracks on",
         "With S Set Star Letters on Magnitude 6.5 Names on Sun off",
         "With S Set View Field 90 Lat 45 Lon 180",
         "With S Advance 1 days Retreat 2 hours"},
        {"Open Solar System As O",
         "With O Activate Set Position 20,20 Date 1.1.2000 Time 6:00",
         "With O Select Earth Highlight",
         "With O Set Moon off Names off Orbits off Symbols off",
         "With O Set Ecliptic Constellations on RA on Sight on Zodiac on",
         "With O Set Function Mag Zoom Mars",
         "With O Advance 1 days Retreat 1 hours"},
        {"Open Graph As G Add Line Name \"L\" Code \"Phase(50)\" Colour red",
         "With G Activate Set Position 30,30 Add Line Name \"M\" Code \"Phase(20)\" Colour blue",
         "With G Hide Lines \"L\"",
         "With G Show Lines \"L\" Set GuideLine 100",
         "With G Set Begin Date 1.1.2000 Time 0:00 Dst on",
         "With G Set Location Town \"Paris\" Country \"France\" Step 2 days",
         "With G Set XAxisLabel 7 days XAxisMark 2 days YAxisFrom 10 YAxisTo 90"},
        {"Open Solar Eclipse As E",
         "With E Activate Set Position 50,50 Eclipse Date 11.8.1999",
         "With E Set Zoom 50",
         "With E Set Observer Lon 24.3E Lat 45.1N Date 11.8.1999 Time 11:00",
         "With E Center Path",
         "With E Center Location",
         "With E Center Lon 10E Lat 5N",
         "With E Advance 1 hours Retreat 30 minutes"},
        {"Open Jupiter As J",
         "With J Activate Set Position 60,60 Date 1.1.2000 Time 21:00",
         "With J Hide Io Europa Callisto",
         "With J Show Io Select Ganymede Highlight",
         "With J Set Names off Orbits off SwapEW on SwapNS on",
         "With J Set Tilt 20 Zoom Europa",
         "With J Advance 1 days Retreat 2 hours"},
        {"Open Saturn As T",
         "With T Select Titan Set Zoom Titan Tilt -10 Names off"},
    };
    for (const auto& statements : kinds) {
        SCOPED_TRACE(statements[0]);
        WalkStatements(statements);
    }
}

TEST_F(ScriptHostWinTest, PictureClausesShowAPictureOfTheInstalledPacks) {
    ASSERT_FALSE(app_->PicturePacks().empty());
    ASSERT_GE(app_->PicturePacks()[0].entries.size(), 2u);
    const std::string picture = Utf8(app_->PicturePacks()[0].entries[1].fileName);
    ASSERT_EQ(Start("Open Picture As Probe\n"), "");
    const bool fits = dynamic_cast<PictureWindow*>(Active())->GetFitToWindow();
    WalkStatements({"Open Picture As P",
                    "With P Activate Set Position 40,40 Select \"" + picture + "\"",
                    "With P Select \"no such picture\" Set ScaleToFit " + std::string(fits ? "off" : "on")});
}

TEST_F(ScriptHostWinTest, ActivateAndPositionActAtOnceOnTheNamedWindow) {
    ASSERT_EQ(Start("Open Sky As A\nOpen Graph As B\nWith A Activate Set Position 70,80\n"), "");
    SkyWindow* sky = dynamic_cast<SkyWindow*>(Active());
    ASSERT_NE(sky, nullptr);
    EXPECT_EQ(ActiveHandle(), sky->Handle());
    RECT placed{};
    GetWindowRect(sky->Handle(), &placed);
    MapWindowPoints(nullptr, frame_->MdiClient(), reinterpret_cast<POINT*>(&placed), 2);
    EXPECT_EQ(placed.left, 70);
    EXPECT_EQ(placed.top, 80);
    const std::size_t open = frame_->Registry().AllWindows().size();
    ASSERT_EQ(Start("Open Sky As C\nClose C\n"), "");
    EXPECT_EQ(frame_->Registry().AllWindows().size(), open);
}

// The user closes a window the script named; the window the script opens
// next may stand where the closed one stood, yet the old name reaches it
// never.
TEST_F(ScriptHostWinTest, AClosedWindowsNameNeverReachesItsSuccessor) {
    ASSERT_EQ(Start("Open Sky As A\nMessage \"close it\"\nOpen Sky As B\nWith A Set Sun on\n"), "");
    SendMessageW(Active()->Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(Continue(), "No window named 'A' is open");
    EXPECT_EQ(box_,
              "The script contains an error that resulted in the following message:\r\n\r\n\"No window named 'A' "
              "is open\".\r\n\r\nCorvinata will now stop executing the script.");
    SkyWindow* b = dynamic_cast<SkyWindow*>(Active());
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->History()->UndoableCount(), 0);
    EXPECT_EQ(lesson_.closes, 1);
    EXPECT_TRUE(lesson_.educatorEnabled);
}

TEST_F(ScriptHostWinTest, AFailingClauseLeavesTheWindowAsItWasAndStopsTheScript) {
    const std::string box = RunIntoErrorBox(
        "Open Graph As G\nWith G Set YAxisFrom 10 Begin Date 1.1.2000 Time 0:00 Step 99 years\nMessage \"never\"\n");
    EXPECT_NE(box.find("\"The step value would cause the date to become too large\"."), std::string::npos) << box;
    GraphWindow* graph = dynamic_cast<GraphWindow*>(Active());
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(graph->Graph().History().UndoableCount(), 0);
    EXPECT_EQ(graph->Graph().Options().yAxisMin, 0.0);
    ASSERT_FALSE(lesson_.messages.empty());
    EXPECT_EQ(Utf8(lesson_.messages.back()), "");
}

// A graph file opens in a window of its own without a message box; one
// that cannot be read stops the script with the reason.
TEST_F(ScriptHostWinTest, OpenGraphReadsAGraphFileQuietly) {
    ASSERT_EQ(Start("Open Graph As G Add Line Name \"L\" Code \"Phase(50)\" Colour red\n"
                    "With G Set YAxisFrom 10 YAxisTo 90\n"),
              "");
    auto* written = dynamic_cast<GraphWindow*>(Active());
    ASSERT_NE(written, nullptr);
    wchar_t module[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, module, MAX_PATH);
    std::wstring folder(module);
    folder = folder.substr(0, folder.rfind(L'\\') + 1);
    const std::string path = Utf8((folder + L"script_host_test.gph").c_str());
    ASSERT_TRUE(WriteGraphFile(written->Graph(), String(test::Wide(path.c_str()).c_str()), app_->GetStorage()));
    written->Graph().History().MarkSaved();
    SendMessageW(written->Handle(), WM_CLOSE, 0, 0);

    ASSERT_EQ(Start("Open Graph As F File \"" + path + "\"\nWith F Hide Lines \"L\"\n"), "");
    auto* read = dynamic_cast<GraphWindow*>(Active());
    ASSERT_NE(read, nullptr);
    ASSERT_EQ(read->Graph().LineCount(), 1);
    EXPECT_FALSE(read->Graph().GetGraphLine(0)->visibleInGraph);
    EXPECT_EQ(read->Graph().Options().yAxisMax, 90.0);

    const std::size_t open = frame_->Registry().AllWindows().size();
    EXPECT_NE(Start("Open Graph As M File \"" + path + ".missing\"\n"), "");
    EXPECT_FALSE(box_.empty());
    EXPECT_EQ(frame_->Registry().AllWindows().size(), open);
    DeleteFileW((folder + L"script_host_test.gph").c_str());
}

TEST_F(ScriptHostWinTest, ApplicationAndEducatorStatementsReachTheProgram) {
    ASSERT_EQ(Start("With Educator Set Position 5,6\n"
                    "With Application Set Date 2.3.2004 Time 10:15 Dst off Rtc off StarsStationary on\n"),
              "");
    EXPECT_EQ(lesson_.x, 5);
    EXPECT_EQ(lesson_.y, 6);
    const DateTime now = app_->Current().GetTimeAndLocation().dateTime;
    EXPECT_EQ(Moment(now), "2004-3-2 10.2500");
    EXPECT_TRUE(app_->GetStarsFixed());
    EXPECT_TRUE(app_->Options().time.userDefined);
    EXPECT_FALSE(app_->Options().time.clockActive);
}

TEST_F(ScriptHostWinTest, ASearchForTheFullMoonsOf2024FindsTwelve) {
    String fullMoon;
    events::PredefinedEventExpression(0, nullptr, nullptr, fullMoon);
    ASSERT_EQ(Utf8(fullMoon).find('"'), std::string::npos);
    ASSERT_EQ(Start("With EventFinder Search Begin 1.1.2024 End 31.12.2024 Dst off Location Town \"London\" "
                    "Country \"United Kingdom\" Step 1 hours Code \"" + Utf8(fullMoon) + "\"\n"),
              "");
    EXPECT_TRUE(frame_->Tools().IsShown(CMD_EVENT_FINDER));
    auto* finder = dynamic_cast<EventFinderWindow*>(frame_->Tools().Find(CMD_EVENT_FINDER));
    ASSERT_NE(finder, nullptr);
    ASSERT_TRUE(PumpUntil([&] { return !finder->Control().IsSearching(); }, 120000));
    PumpUntil([] { return false; }, 50);
    EXPECT_EQ(finder->Control().Current().foundRanges.size(), 12u);
    EXPECT_EQ(Utf8(finder->Control().Current().location.town), "London");
}

TEST_F(ScriptHostWinTest, HidingTheMoonChangesTheDrawnSky) {
    ASSERT_EQ(Start("Open Sky As S Set Map equatorial Moon on View Field 30 Date 1.1.2000 Time 21:00\n"
                    "Message \"look\"\nWith S Set Moon off\n"),
              "");
    SkyWindow* sky = dynamic_cast<SkyWindow*>(Active());
    ASSERT_NE(sky, nullptr);
    const CelestialObject& moon = *CatalogueByType(kBodyMoon)->CatalogueGetObjectAt(0);
    sky->SetViewDirection(sky->ComputeLookDirection(sky->BodyPosition(moon), 30));
    sky->UpdateView(0, true);
    auto frame = [&] { return test::DrawnFrame(*sky->Display()); };
    const std::vector<unsigned char> before = frame();
    ASSERT_EQ(Continue(), "");
    SendMessageW(frame_->MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(sky->Handle()), 0);
    EXPECT_FALSE(sky->GetOptions().moonOn);
    EXPECT_NE(frame(), before);
}

}  // namespace
}  // namespace corvinata
