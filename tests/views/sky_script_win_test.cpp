// Every Sky clause of a script reaches a real Sky window through the Sky
// actions, gathered into the statement's one undo step: the host below
// forwards the script interface's Sky operations as the application's
// script host will.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "../frame/frame_test.h"
#include "app/settings_records.h"
#include "frame/window_kinds.h"
#include "resources/resource_ids.h"
#include "script/clause_runners.h"
#include "script/script_interpreter.h"
#include "support/recording_script_host.h"
#include "support/test_text.h"
#include "views/sky_view.h"
#include "views/sky_window_win.h"

namespace corvinata {
namespace {

class SkyScriptHost final : public test::RecordingScriptHost {
public:
    SkyScriptHost(ChildWindows& children, SkyActions& actions) : children_(children), actions_(actions) {}

    SkyWindow* window = nullptr;

    void ScriptFailed(const ScriptRunFailure& failure) override { failed = true, error = failure.message; }
    bool failed = false;
    String error;

    bool OpenSky(const String&) override {
        window = dynamic_cast<SkyWindow*>(children_.NewWindow(kSkyWindow));
        return window != nullptr;
    }
    bool FindWindow(const String&, WindowKind kind) override { return kind == kSkyWindow && window; }
    bool ActivateWindow(const String&) override {
        SendMessageW(GetParent(window->Handle()), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(window->Handle()), 0);
        return true;
    }
    bool SetWindowPosition(const String&, int x, int y) override {
        return SetWindowPos(window->Handle(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER) != FALSE;
    }
    bool BeginSkyClauses() override {
        step_ = BeginCompoundCommand();
        return true;
    }
    bool EndSkyClauses(const String&, const String& statement, bool withStatement) override {
        // A window opened by the statement takes its clauses directly.
        actions_.EndCompound(*window, ScriptStepLabel(statement), std::move(step_), withStatement);
        return true;
    }

    bool SkyAdvanceTime(const String&, bool forward, const TimeStep& step) override {
        DateTime moment = window->GetDocument().GetTimeAndPlace().dateTime;
        TimeStep signedStep = step;
        if (!forward) signedStep.count = -signedStep.count;
        if (!AddDateTimeInterval(moment, signedStep)) return false;
        actions_.GoTo(*window, moment, window->GetTimeFlag(), kChangeWhole, step_.get());
        return true;
    }
    bool SkySelect(const String&, const CelestialObject& object, bool highlight) override {
        actions_.SelectPair(*window, BodyIdentifierFromObject(&object), highlight ? 1 : 0, 0, 0, step_.get());
        return true;
    }
    bool SkySetDate(const String&, const DateTime& date) override {
        actions_.GoTo(*window, date, window->GetTimeFlag(), kChangeDate, step_.get());
        return true;
    }
    bool SkySetTime(const String&, double hours) override {
        DateTime moment = window->GetDocument().GetTimeAndPlace().dateTime;
        moment.hours = hours;
        actions_.GoTo(*window, moment, window->GetTimeFlag(), kChangeTimeOfDay, step_.get());
        return true;
    }
    bool SkySetConstellationBoundaries(const String&, bool on) override {
        return Option(kSkyBoundariesField, [on](SkyOptions& o) { o.constellationBoundariesOn = on; });
    }
    bool SkySetConstellationLines(const String&, bool on) override {
        return Option(kSkyLinesField, [on](SkyOptions& o) { o.constellationLinesOn = on; });
    }
    bool SkySetConstellationNames(const String&, int choice) override {
        return Option(kSkyConstellationNamesField, [choice](SkyOptions& o) { o.constellationNames = choice; });
    }
    bool SkySetDeepSkyIndicateImage(const String&, bool on) override {
        return Option(kSkyDeepSkyColourField, [on](SkyOptions& o) { o.deepSkyColour = on; });
    }
    bool SkySetDeepSkyShowCatalog(const String&, int catalog) override {
        return Option(kSkyDeepSkyCatalogueField, [catalog](SkyOptions& o) { o.deepSkyCatalogue = catalog; });
    }
    bool SkySetDeepSkyShowNames(const String&, int names) override {
        return Option(kSkyDeepSkyNamesField, [names](SkyOptions& o) { o.deepSkyNameSystem = names; });
    }
    bool SkySetEcliptic(const String&, bool on) override {
        return Option(kSkyEclipticField, [on](SkyOptions& o) { o.eclipticOn = on; });
    }
    bool SkySetGrid(const String&, int type, std::optional<bool> crosses, std::optional<bool> labels) override {
        Option(kSkyGridTypeField, [type](SkyOptions& o) { o.gridType = type; });
        if (crosses) Option(kSkyGridCrossesField, [&](SkyOptions& o) { o.gridAsCrosses = *crosses; });
        if (labels) Option(kSkyGridLabelsField, [&](SkyOptions& o) { o.gridLabelsOn = *labels; });
        return true;
    }
    bool SkySetHorizon(const String&, int choice) override {
        return Option(kSkyHorizonField, [choice](SkyOptions& o) { o.horizonType = choice; });
    }
    bool SkySetMap(const String&, int choice) override {
        return Option(kSkyMapTypeField, [choice](SkyOptions& o) { o.mapType = choice; });
    }
    bool SkySetMoon(const String&, bool on) override {
        return Option(kSkyMoonField, [on](SkyOptions& o) { o.moonOn = on; });
    }
    bool SkySetPlanetNames(const String&, bool on) override {
        return Option(kSkyPlanetNamesField, [on](SkyOptions& o) { o.planetNamesOn = on; });
    }
    bool SkySetPlanets(const String&, int choice) override {
        return Option(kSkyPlanetModeField, [choice](SkyOptions& o) { o.planetDisplayMode = choice; });
    }
    bool SkySetPlanetSymbols(const String&, bool on) override {
        return Option(kSkyPlanetSymbolsField, [on](SkyOptions& o) { o.planetSymbolsOn = on; });
    }
    bool SkySetPlanetTracks(const String&, bool on) override {
        return Option(kSkyPlanetTracksField, [on](SkyOptions& o) { o.planetTracksOn = on; });
    }
    bool SkySetStarLetters(const String&, bool on) override {
        return Option(kSkyStarLettersField, [on](SkyOptions& o) { o.starLettersOn = on; });
    }
    bool SkySetStarMagnitudeLimit(const String&, double magnitude) override {
        return Option(kSkyMagnitudeField, [magnitude](SkyOptions& o) { o.magnitudeLimit = magnitude; });
    }
    bool SkySetStarNames(const String&, bool on) override {
        return Option(kSkyStarNamesField, [on](SkyOptions& o) { o.starNamesOn = on; });
    }
    bool SkySetSun(const String&, bool on) override {
        return Option(kSkySunField, [on](SkyOptions& o) { o.sunOn = on; });
    }
    bool SkySetViewingField(const String&, int degrees) override {
        actions_.ZoomTo(*window, degrees, 1, step_.get());
        return true;
    }
    bool SkySetViewingLatitude(const String&, double degrees) override {
        actions_.LookTo(*window, ViewDirection{0.0, degrees}, kViewAltitude, 1, step_.get());
        return true;
    }
    // A script gives the compass azimuth; the window keeps its own angle.
    bool SkySetViewingLongitude(const String&, double degrees) override {
        const double azimuth = WindowAzimuth(degrees, window->GetOptions().mapType);
        actions_.LookTo(*window, ViewDirection{azimuth, 0.0}, kViewAzimuth, 1, step_.get());
        return true;
    }

private:
    template <class Change>
    bool Option(std::int32_t field, Change change) {
        SkyOptions options = window->GetOptions();
        change(options);
        actions_.ChangeOptions(*window, options, field, window->GetTimeFlag(), step_.get());
        return true;
    }

    ChildWindows& children_;
    SkyActions& actions_;
    std::unique_ptr<CompoundCommand> step_;
};

class SkyScriptTest : public test::FrameTest {
protected:
    SkyScriptTest() {
        Start();
        fonts_ = std::make_unique<ProgramFonts>(GetModuleHandleW(nullptr));
        AddProgramWindowKinds(*frame_, *app_, GetModuleHandleW(nullptr), *fonts_);
        host_ = std::make_unique<SkyScriptHost>(frame_->Children(), app_->GetSkyActions());
    }
    ~SkyScriptTest() override {
        Command(CMD_CLOSE_ALL);
        frame_.reset();
    }
    bool Run(const char* program) {
        ScriptExpression script(test::Wide(program).c_str());
        const ScriptRunServices services{*host_, catalogue_, objects_};
        const bool ok = RunScriptProgram(script, services);
        EXPECT_FALSE(host_->failed) << test::Utf8(host_->error);
        EXPECT_TRUE(ok) << test::Utf8(script.message) << " " << test::Utf8(script.detail);
        return ok;
    }

    std::unique_ptr<ProgramFonts> fonts_;
    ObjectModelScriptCatalogue catalogue_;
    CatalogueObjectSource objects_;
    std::unique_ptr<SkyScriptHost> host_;
};

TEST_F(SkyScriptTest, EveryClauseOfAStatementIsOneStep) {
    ASSERT_TRUE(Run("Open Sky As S Activate Set Map equatorial\n"
                    "With S Select Moon Set Date 1.1.2000 Ecliptic off Grid equ Appearance crosses Labels on "
                    "Horizon seasonal Moon off Constellation Boundaries on Lines off Names full "
                    "DeepSky IndicateImage on Catalog messier Names proper "
                    "Planet Names on Symbols off Show all Tracks on "
                    "Star Letters on Magnitude 6.5 Names on View Field 90 Lat 45 Lon 180 Sun off Time 21:00\n"
                    "With S Advance 1 days Set View Field 30\n"));
    SkyWindow& sky = *host_->window;
    // The window the statement opened took its clause directly.
    SkyCommandHistory& history = sky.GetCommandHistory();
    ASSERT_EQ(history.UndoableCount(), 2);
    const SkyOptions& o = sky.GetOptions();
    EXPECT_EQ(o.mapType, kEquatorialMap);
    EXPECT_FALSE(o.eclipticOn);
    EXPECT_EQ(o.gridType, 2);
    EXPECT_TRUE(o.gridAsCrosses);
    EXPECT_EQ(o.horizonType, 2);
    EXPECT_TRUE(o.constellationBoundariesOn);
    EXPECT_FALSE(o.constellationLinesOn);
    EXPECT_EQ(o.constellationNames, 2);
    EXPECT_EQ(o.deepSkyCatalogue, 1);
    EXPECT_EQ(o.planetDisplayMode, 1);
    EXPECT_TRUE(o.planetTracksOn);
    EXPECT_DOUBLE_EQ(o.magnitudeLimit, 6.5);
    EXPECT_FALSE(o.sunOn);
    EXPECT_EQ(sky.GetZoom(), 30);
    EXPECT_EQ(sky.GetViewDirection().altitude, 45.0);
    // In the equatorial map the longitude is the right ascension itself.
    EXPECT_EQ(sky.GetViewDirection().azimuth, 180.0);
    EXPECT_EQ(sky.GetDocument().GetTimeAndPlace().dateTime.day, 2);
    EXPECT_EQ(test::Utf8(history.PeekUndoCommand()->GetText(true).Text()),
              test::Utf8(ScriptStepLabel(String(TXT("With S Advance 1 days Set View Field 30"))).Text()));
    // One undo takes back the whole last statement, the next the one before.
    Command(CMD_UNDO);
    EXPECT_EQ(sky.GetZoom(), 90);
    EXPECT_EQ(sky.GetDocument().GetTimeAndPlace().dateTime.day, 1);
    Command(CMD_UNDO);
    EXPECT_EQ(sky.GetZoom(), 60);
    EXPECT_TRUE(sky.GetOptions().sunOn);
    EXPECT_EQ(sky.GetOptions().mapType, kEquatorialMap);
}

}  // namespace
}  // namespace corvinata
