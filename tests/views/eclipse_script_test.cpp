// A script program with every Solar Eclipse clause, run against a host that
// forwards the eclipse operations to the Solar Eclipse actions on a real
// eclipse view: each statement is one undo step, labelled by its text.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "app/settings_records.h"
#include "script/clause_runners.h"
#include "script/script_catalogue.h"
#include "script/script_interpreter.h"
#include "script/script_operands.h"
#include "support/app_fakes.h"
#include "support/catalogues.h"
#include "support/date_records.h"
#include "support/recording_script_host.h"
#include "support/test_text.h"
#include "views/eclipse_view.h"

namespace corvinata {
namespace {

using test::MakeDateTime;
using test::Utf8;

// The window named in the program is the one view; every clause of a
// statement joins the statement's compound step.
class EclipseForwardingHost final : public test::RecordingScriptHost {
public:
    EclipseForwardingHost(EclipseView& view, SolarEclipseActions& actions) : view_(view), actions_(actions) {}

    bool BeginSolarEclipseClauses() override {
        compound_ = BeginCompoundCommand();
        return RecordingScriptHost::BeginSolarEclipseClauses();
    }
    bool EndSolarEclipseClauses(const String& window, const String& statement, bool with) override {
        actions_.EndCompound(view_, ScriptStepLabel(statement), std::move(compound_), true);
        return RecordingScriptHost::EndSolarEclipseClauses(window, statement, with);
    }
    bool EclipseAdvanceTime(const String&, bool forward, const TimeStep& step) override {
        DateTime moment = view_.GetDetailsTime();
        TimeStep signedStep = step;
        if (!forward) signedStep.count = -signedStep.count;
        if (AddDateTimeInterval(moment, signedStep)) {
            actions_.DisplayDetailsForTime(view_, moment, kChangeWhole, compound_.get());
        }
        return true;
    }
    bool EclipseCenterOnLocation(const String&) override {
        actions_.GoToSelectedLocation(view_, compound_.get());
        return true;
    }
    bool EclipseCenterOnPath(const String&) override {
        actions_.GoToCentralPath(view_, compound_.get());
        return true;
    }
    bool EclipseCenterLocation(const String&, double longitude, double latitude) override {
        actions_.Center(view_, MapPoint{longitude, latitude}, compound_.get());
        return true;
    }
    bool EclipseSetEclipseDate(const String&, const DateTime& date) override {
        actions_.CheckDate(view_, date, compound_.get());
        return true;
    }
    bool EclipseSetDate(const String&, const DateTime& date) override {
        actions_.DisplayDetailsForTime(view_, date, kChangeDate, compound_.get());
        return true;
    }
    bool EclipseSetTime(const String&, double hours) override {
        DateTime moment = view_.GetDetailsTime();
        moment.hours = hours;
        actions_.DisplayDetailsForTime(view_, moment, kChangeTimeOfDay, compound_.get());
        return true;
    }
    bool EclipseSetLatitude(const String&, double degrees) override {
        actions_.DisplayDetails(view_, MapPoint{kNotComputedAngle, degrees}, kDetailsLatitude, compound_.get());
        return true;
    }
    bool EclipseSetLongitude(const String&, double degrees) override {
        actions_.DisplayDetails(view_, MapPoint{degrees, kNotComputedAngle}, kDetailsLongitude, compound_.get());
        return true;
    }
    // 0..100 percent over the levels 1..5, halves away from zero.
    bool EclipseSetZoom(const String&, int percent) override {
        const int level = static_cast<int>(std::round(kEclipseZoomMin + (kEclipseZoomMax - kEclipseZoomMin) * percent / 100.0));
        actions_.ZoomTo(view_, level, compound_.get());
        return true;
    }

private:
    EclipseView& view_;
    SolarEclipseActions& actions_;
    std::unique_ptr<CompoundCommand> compound_;
};

TEST(EclipseScriptClauses, EachStatementIsOneStepOnTheWindow) {
    NotificationHub hub;
    test::FakeScriptErrors errors;
    SolarEclipseActions actions{CommandContext{hub, errors}};
    SolarEclipseDocument document(hub, MakeDateTime(2000, 1, 1));
    EclipseView view(document);
    view.SetClientSize(720, 360);

    test::ScopedCatalogues catalogues;
    ObjectModelScriptCatalogue catalogue;
    CatalogueObjectSource objects;
    EclipseForwardingHost host(view, actions);
    ScriptRunServices services{host, catalogue, objects};
    ScriptExpression script(test::Wide(
        "Open Solar Eclipse As E Set Eclipse Date 11.8.1999 Zoom 50\n"
        "With E Set Observer Lon 24.3E Lat 45.1N Date 11.8.1999 Time 11:00\n"
        "With E Center Path\n"
        "With E Center Location\n"
        "With E Center Lon 10E Lat 5N\n"
        "With E Advance 1 hours\n"
        "With E Retreat 30 minutes\n").c_str());
    ASSERT_TRUE(RunScriptProgram(script, services)) << Utf8(script.message);

    EclipseCommandHistory& history = view.GetCommandHistory();
    ASSERT_EQ(history.UndoableCount(), 7);
    EXPECT_EQ(Utf8(history.PeekUndoCommand()->GetText(false)), Utf8(ScriptStepLabel(String(TXT("With E Retreat 30 minutes")))));
    EXPECT_TRUE(document.Model().found);
    EXPECT_EQ(view.GetDetailsPoint().longitude, -24.3);
    EXPECT_EQ(view.GetDetailsPoint().latitude, 45.1);
    EXPECT_EQ(view.GetCentre().longitude, -10.0);
    EXPECT_EQ(view.GetZoom(), kEclipseZoomMax);  // from the location
    EXPECT_NEAR(view.GetDetailsTime().hours, 11.5, 1e-9);
    EXPECT_GT(view.Details().circumstances.magnitude, 1.0);

    history.UndoCommands(6);  // back to the eclipse date and the zoom of 50 %
    EXPECT_EQ(view.GetZoom(), 3);
    EXPECT_EQ(view.GetCentre().longitude, 0.0);
    history.UndoCommands(1);
    EXPECT_FALSE(document.Model().found);
}

}  // namespace
}  // namespace corvinata
