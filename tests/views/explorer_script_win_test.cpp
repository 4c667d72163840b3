// Every explorer clause of a script reaches a real Saturn explorer window
// through the explorer actions, gathered into the statement's one undo step:
// the host below forwards the script interface's explorer operations as the
// application's script host will.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "../frame/frame_test.h"
#include "app/settings_records.h"
#include "catalog/catalogue_registry.h"
#include "frame/window_kinds.h"
#include "resources/resource_ids.h"
#include "script/clause_runners.h"
#include "script/script_interpreter.h"
#include "support/recording_script_host.h"
#include "support/test_text.h"
#include "views/explorer_window_win.h"

namespace corvinata {
namespace {

class ExplorerScriptHost final : public test::RecordingScriptHost {
public:
    ExplorerScriptHost(ChildWindows& children, ExplorerActions& actions) : children_(children), actions_(actions) {}

    ExplorerWindow* window = nullptr;
    bool failed = false;
    String error;

    void ScriptFailed(const ScriptRunFailure& failure) override { failed = true, error = failure.message; }
    bool OpenSaturn(const String&) override {
        window = dynamic_cast<ExplorerWindow*>(children_.NewWindow(kSaturnExplorerWindow));
        return window != nullptr;
    }
    bool FindWindow(const String&, WindowKind kind) override { return kind == kSaturnExplorerWindow && window; }
    bool BeginExplorerClauses(const String&) override {
        step_ = std::make_unique<CompoundCommand>();
        moved_ = false;
        return true;
    }
    bool EndExplorerClauses(const String&, const String& statement, bool withStatement) override {
        if (withStatement) {
            actions_.EndCompoundCommand(*window, ScriptStepLabel(statement), std::move(step_), true);
        } else if (step_ && !step_->group.IsEmpty()) {
            // An Open statement sets up the window it made: nothing to undo.
            window->GetCommandHistory().PerformCommand(step_->group, 1, false);
        }
        step_.reset();
        return true;
    }
    bool ExplorerAdvanceTime(const String&, bool forward, const TimeStep& step) override {
        DateTime moment = Moment();
        TimeStep signedStep = step;
        if (!forward) signedStep.count = -signedStep.count;
        if (!AddDateTimeInterval(moment, signedStep)) return false;
        return GoTo(moment, kChangeWhole);
    }
    bool ExplorerHideMoonsByName(const String&, const MoonList& moons) override { return Moons(moons, false); }
    bool ExplorerShowMoonsByName(const String&, const MoonList& moons) override { return Moons(moons, true); }
    bool ExplorerSelect(const String&, const CelestialObject& moon, bool highlight) override {
        actions_.SelectMoonStep(*window, MoonIndex(moon), step_.get());
        if (highlight) window->StartViewTransition();
        return true;
    }
    bool ExplorerSetDate(const String&, const DateTime& date) override {
        DateTime moment = Moment();
        moment.year = date.year, moment.month = date.month, moment.day = date.day;
        return GoTo(moment, kChangeDate);
    }
    bool ExplorerSetTime(const String&, double hours) override {
        DateTime moment = Moment();
        moment.hours = hours;
        return GoTo(moment, kChangeTimeOfDay);
    }
    bool ExplorerSetNames(const String&, bool on) override {
        return Option(kExplorerOptionNames, [on](ExplorerDisplayOptions& o) { o.showNames = on; });
    }
    bool ExplorerSetOrbits(const String&, bool on) override {
        return Option(kExplorerOptionOrbits, [on](ExplorerDisplayOptions& o) { o.showOrbits = on; });
    }
    bool ExplorerSwapEastWest(const String&, bool on) override {
        return Option(kExplorerOptionSwapEastWest, [on](ExplorerDisplayOptions& o) { o.swapEastWest = on; });
    }
    bool ExplorerSwapNorthSouth(const String&, bool on) override {
        return Option(kExplorerOptionSwapNorthSouth, [on](ExplorerDisplayOptions& o) { o.swapNorthSouth = on; });
    }
    bool ExplorerSetTilt(const String&, int degrees) override {
        actions_.TiltTo(*window, degrees, step_.get());
        return true;
    }
    bool ExplorerSetZoom(const String&, const CelestialObject& moon) override {
        actions_.ZoomToLevel(*window, MoonIndex(moon), true, step_.get());
        return true;
    }

private:
    // The statement's time clauses build on each other: the document moves
    // only when the statement's step runs.
    DateTime Moment() const { return moved_ ? moment_ : window->GetDocument().GetTimeAndPlace().dateTime; }
    bool GoTo(const DateTime& moment, std::int32_t part) {
        actions_.GoTo(*window, moment, part, step_.get(), true);
        moment_ = moment;
        moved_ = true;
        return true;
    }
    int MoonIndex(const CelestialObject& moon) const {
        const ExplorerKindTraits& traits = window->Traits();
        for (int k = 0; k < traits.moonCount; ++k) {
            if (String(ObjectKeyName(moon)) == String(traits.moonNames[k])) return k;
        }
        return -1;
    }
    bool Moons(const MoonList& moons, bool show) {
        for (const CelestialObject* moon : moons) actions_.ShowHideMoon(*window, MoonIndex(*moon), show, step_.get());
        return true;
    }
    template <class Change>
    bool Option(std::int32_t field, Change change) {
        ExplorerDisplayOptions options = window->GetDisplayOptions();
        change(options);
        actions_.ChangeDisplayOptions(*window, options, field, step_.get());
        return true;
    }

    ChildWindows& children_;
    ExplorerActions& actions_;
    std::unique_ptr<CompoundCommand> step_;
    DateTime moment_;
    bool moved_ = false;
};

class ExplorerScriptTest : public test::FrameTest {
protected:
    ExplorerScriptTest() {
        Start();
        fonts_ = std::make_unique<ProgramFonts>(GetModuleHandleW(nullptr));
        AddProgramWindowKinds(*frame_, *app_, GetModuleHandleW(nullptr), *fonts_);
        host_ = std::make_unique<ExplorerScriptHost>(frame_->Children(), app_->GetSaturnExplorerActions());
    }
    ~ExplorerScriptTest() override {
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
    std::unique_ptr<ExplorerScriptHost> host_;
};

TEST_F(ExplorerScriptTest, EveryClauseOfAStatementIsOneStep) {
    ASSERT_TRUE(Run("Open Saturn As T Set Names off\n"
                    "With T Select Titan Highlight Hide Mimas Set Date 16.10.2017 Time 6:00 Orbits off "
                    "SwapEW on SwapNS on Tilt -30 Zoom Rhea\n"
                    "With T Advance 1 days Show Mimas Retreat 2 hours\n"));
    ExplorerWindow& saturn = *host_->window;
    ExplorerCommandHistory& history = saturn.GetCommandHistory();
    ASSERT_EQ(history.UndoableCount(), 2);
    const ExplorerDisplayOptions& o = saturn.GetDisplayOptions();
    EXPECT_FALSE(o.showNames);
    EXPECT_FALSE(o.showOrbits);
    EXPECT_TRUE(o.swapEastWest && o.swapNorthSouth);
    EXPECT_EQ(saturn.GetSelectedMoon(), 5);
    EXPECT_EQ(saturn.GetZoomLevel(), 4);
    EXPECT_EQ(saturn.GetTiltAngle(), -30);
    EXPECT_TRUE(saturn.IsMoonShown(0));
    const DateTime& moment = saturn.GetDocument().GetTimeAndPlace().dateTime;
    EXPECT_EQ(moment.day, 17);
    EXPECT_NEAR(moment.hours, 4.0, 1e-9);
    EXPECT_EQ(test::Utf8(history.PeekUndoCommand()->GetText(true).Text()),
              test::Utf8(ScriptStepLabel(String(TXT("With T Advance 1 days Show Mimas Retreat 2 hours"))).Text()));
    Command(CMD_UNDO);
    EXPECT_FALSE(saturn.IsMoonShown(0));
    EXPECT_EQ(saturn.GetDocument().GetTimeAndPlace().dateTime.day, 16);
    Command(CMD_UNDO);
    EXPECT_TRUE(saturn.IsMoonShown(0));
    EXPECT_EQ(saturn.GetZoomLevel(), 7);
    EXPECT_EQ(saturn.GetTiltAngle(), 0);
    EXPECT_TRUE(saturn.GetDisplayOptions().showOrbits);
    // The Open statement's own clause is not a step.
    EXPECT_FALSE(saturn.GetDisplayOptions().showNames);
}

}  // namespace
}  // namespace corvinata
