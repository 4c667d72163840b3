// Every Solar System clause of a script reaches a real Solar System window
// through the Solar System actions, gathered into the statement's one undo
// step: the host below forwards the script interface's Solar System
// operations as the application's script host will.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "../frame/frame_test.h"
#include "app/settings_records.h"
#include "catalog/catalogue_registry.h"
#include "catalog/event_kinds.h"
#include "frame/window_kinds.h"
#include "resources/resource_ids.h"
#include "script/clause_runners.h"
#include "script/script_interpreter.h"
#include "support/recording_script_host.h"
#include "support/test_text.h"
#include "views/solar_system_window_win.h"

namespace corvinata {
namespace {

class SolarScriptHost final : public test::RecordingScriptHost {
public:
    SolarScriptHost(ChildWindows& children, SolarSystemActions& actions) : children_(children), actions_(actions) {}

    SolarSystemWindow* window = nullptr;
    bool failed = false;
    String error;

    void ScriptFailed(const ScriptRunFailure& failure) override { failed = true, error = failure.message; }
    bool OpenSolarSystem(const String&) override {
        window = dynamic_cast<SolarSystemWindow*>(children_.NewWindow(kSolarSystemWindow));
        return window != nullptr;
    }
    bool FindWindow(const String&, WindowKind kind) override { return kind == kSolarSystemWindow && window; }
    bool ActivateWindow(const String&) override {
        SendMessageW(GetParent(window->Handle()), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(window->Handle()), 0);
        return true;
    }
    bool SetWindowPosition(const String&, int x, int y) override {
        return SetWindowPos(window->Handle(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER) != FALSE;
    }
    bool BeginSolarSystemClauses() override {
        step_ = BeginCompoundCommand();
        return true;
    }
    bool EndSolarSystemClauses(const String&, const String& statement, bool withStatement) override {
        actions_.EndCompound(*window, ScriptStepLabel(statement), std::move(step_), withStatement);
        return true;
    }
    bool SolarSystemAdvanceTime(const String&, bool forward, const TimeStep& step) override {
        DateTime moment = window->GetDocument().GetDateTime();
        TimeStep signedStep = step;
        if (!forward) signedStep.count = -signedStep.count;
        if (!AddDateTimeInterval(moment, signedStep)) return false;
        actions_.GoTo(*window, moment, kChangeWhole, step_.get(), true);
        return true;
    }
    bool SolarSystemSelect(const String&, const CelestialObject& planet, bool highlight) override {
        actions_.SelectPair(*window, BodyIdentifierFromObject(&planet), highlight ? 1 : 0, 0, step_.get());
        if (highlight) window->Highlight();
        return true;
    }
    bool SolarSystemSetDate(const String&, const DateTime& date) override {
        actions_.GoTo(*window, date, kChangeDate, step_.get(), true);
        return true;
    }
    bool SolarSystemSetTime(const String&, double hours) override {
        DateTime moment = window->GetDocument().GetDateTime();
        moment.hours = hours;
        actions_.GoTo(*window, moment, kChangeTimeOfDay, step_.get(), true);
        return true;
    }
    bool SolarSystemSetEclipticConstellations(const String&, bool on) override {
        return Option(kZodiacConstellationsField, [on](SolarSystemOptions& o) { o.zodiacConstellations = on; });
    }
    bool SolarSystemSetEclipticRa(const String&, bool on) override {
        return Option(kZodiacRightAscensionField, [on](SolarSystemOptions& o) { o.zodiacRightAscension = on; });
    }
    bool SolarSystemSetEclipticSight(const String&, bool on) override {
        return Option(kZodiacSightLinesField, [on](SolarSystemOptions& o) { o.zodiacSightLines = on; });
    }
    bool SolarSystemSetEclipticZodiac(const String&, bool on) override {
        return Option(kZodiacSignsField, [on](SolarSystemOptions& o) { o.zodiacSigns = on; });
    }
    bool SolarSystemSetFunction(const String&, std::uint32_t id) override {
        return Option(kSolarFunctionField, [id](SolarSystemOptions& o) { o.function = static_cast<std::int32_t>(id); });
    }
    bool SolarSystemSetMoon(const String&, bool on) override {
        return Option(kSolarMoonField, [on](SolarSystemOptions& o) { o.moonOn = on; });
    }
    bool SolarSystemSetNames(const String&, bool on) override {
        return Option(kSolarNamesField, [on](SolarSystemOptions& o) { o.namesOn = on; });
    }
    bool SolarSystemSetOrbits(const String&, bool on) override {
        return Option(kSolarOrbitsField, [on](SolarSystemOptions& o) { o.orbitsOn = on; });
    }
    bool SolarSystemSetSymbols(const String&, bool on) override {
        return Option(kSolarSignsField, [on](SolarSystemOptions& o) { o.signsOn = on; });
    }
    bool SolarSystemSetZoom(const String&, const CelestialObject& planet) override {
        actions_.ZoomToPlanet(*window, PlanetNumberOfObject(planet), 1, step_.get());
        return true;
    }

private:
    template <class Change>
    bool Option(std::int32_t field, Change change) {
        SolarSystemOptions options = window->GetOptions();
        change(options);
        actions_.ChangeOptions(*window, options, field, step_.get());
        return true;
    }

    ChildWindows& children_;
    SolarSystemActions& actions_;
    std::unique_ptr<CompoundCommand> step_;
};

class SolarScriptTest : public test::FrameTest {
protected:
    SolarScriptTest() {
        Start();
        fonts_ = std::make_unique<ProgramFonts>(GetModuleHandleW(nullptr));
        AddProgramWindowKinds(*frame_, *app_, GetModuleHandleW(nullptr), *fonts_);
        host_ = std::make_unique<SolarScriptHost>(frame_->Children(), app_->GetSolarSystemActions());
    }
    ~SolarScriptTest() override {
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
    std::unique_ptr<SolarScriptHost> host_;
};

TEST_F(SolarScriptTest, EveryClauseOfAStatementIsOneStep) {
    ASSERT_TRUE(Run("Open Solar System As O Activate\n"
                    "With O Select Earth Set Date 1.1.2000 Moon off Names off Orbits off "
                    "Ecliptic Constellations on RA on Sight on Zodiac on Function Mag Zoom Saturn "
                    "Symbols on Time 6:00\n"
                    "With O Advance 1 days Set Zoom Mars\n"));
    SolarSystemWindow& solar = *host_->window;
    SolarSystemCommandHistory& history = solar.GetCommandHistory();
    ASSERT_EQ(history.UndoableCount(), 2);
    const SolarSystemOptions& o = solar.GetOptions();
    EXPECT_FALSE(o.moonOn);
    EXPECT_FALSE(o.namesOn);
    EXPECT_FALSE(o.orbitsOn);
    EXPECT_TRUE(o.signsOn);
    EXPECT_TRUE(o.zodiacConstellations && o.zodiacRightAscension && o.zodiacSightLines && o.zodiacSigns);
    EXPECT_EQ(o.function, static_cast<std::int32_t>(kFunctionMagnitude));
    EXPECT_EQ(solar.GetSelectedBody().object, PlanetByNumber(2));
    EXPECT_EQ(solar.GetZoomedPlanet(), 3);
    EXPECT_EQ(solar.GetDocument().GetDateTime().day, 2);
    EXPECT_EQ(test::Utf8(history.PeekUndoCommand()->GetText(true).Text()),
              test::Utf8(ScriptStepLabel(String(TXT("With O Advance 1 days Set Zoom Mars"))).Text()));
    Command(CMD_UNDO);
    EXPECT_EQ(solar.GetZoomedPlanet(), 5);
    EXPECT_EQ(solar.GetDocument().GetDateTime().day, 1);
    Command(CMD_UNDO);
    EXPECT_EQ(solar.GetZoomedPlanet(), 3);
    EXPECT_TRUE(solar.GetOptions().moonOn);
    EXPECT_EQ(solar.GetOptions().function, 8388608);
}

}  // namespace
}  // namespace corvinata
