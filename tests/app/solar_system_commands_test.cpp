#include "app/solar_system_commands.h"

#include <gtest/gtest.h>

#include "catalog/planet_catalogue.h"
#include "support/catalogues.h"

#include "app/settings_records.h"
#include "support/app_fakes.h"
#include "support/date_records.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::MakeDateTime;
using test::Utf8;

class StillPlanets final : public SolarSystemComputer {
public:
    int PlanetCount() const override { return 9; }
    double OrbitalPeriodYears(int) const override { return 1.0; }
    SolarSystemPoint Compute(int, const TimeAndPlace&) override { return {}; }
    double ComputeMoonAngle(const TimeAndPlace&) override { return 0.0; }
};

// A window whose zoom to a body moves to the planet of the body's number.
class FakeSolarWindow final : public SolarSystemWindowCommands {
public:
    explicit FakeSolarWindow(SolarSystemDocument& document) : document_(document) {}
    void Highlight() override { ++highlights; }
    SolarSystemDocument& GetDocument() override { return document_; }
    const SolarSystemOptions& GetOptions() const override { return options; }
    BodyIdentifier GetSelectedBody() const override { return selected; }
    SolarSystemCommandHistory& GetCommandHistory() override { return history; }
    int GetZoomedPlanet() const override { return planet; }
    void SetOptions(const SolarSystemOptions& o) override { options = o; }
    void SelectBody(const BodyIdentifier& body, int zoomMode, int) override {
        selected = body;
        const int number = PlanetNumberOfObject(*body.object);
        if (zoomMode != 0 && number > planet) planet = number;
    }
    void SetZoomedPlanet(int p) override { planet = p; }
    void RefreshDisplay() override {}

    SolarSystemOptions options;
    BodyIdentifier selected;
    SolarSystemCommandHistory history;
    int planet = 4;
    int highlights = 0;

private:
    SolarSystemDocument& document_;
};

class SolarSystemCommandsTest : public ::testing::Test {
protected:
    test::ScopedCatalogues catalogues_;  // body identifiers name real objects
    SolarSystemCommandsTest() { hub.Insert(&listener); }
    static test::FakeCurrentTime Now() {
        test::FakeCurrentTime now;
        now.value.dateTime = MakeDateTime(2020, 7, 1, 22.5, kLocalCivilTime);
        return now;
    }
    std::string RedoText() { return Utf8(window.history.PeekUndoCommand()->GetText(false)); }
    std::string UndoText() { return Utf8(window.history.PeekUndoCommand()->GetText(true)); }

    NotificationHub hub;
    test::FakeCurrentTime now = Now();
    StillPlanets planets;
    SolarSystemDocument document{hub, now, planets};
    FakeSolarWindow window{document};
    test::RecordingObserver listener;
    test::FakeScriptErrors errors;
    SolarSystemActions actions{CommandContext{hub, errors}};
};

TEST_F(SolarSystemCommandsTest, ZoomStepStopsAtMercuryAndPluto) {
    struct Case {
        int from, steps, direction, to;
    };
    const Case cases[] = {{7, 3, 1, 8}, {8, 1, 1, 8}, {1, 2, 0, 0}};
    for (const Case& c : cases) {
        FakeSolarWindow w(document);
        w.planet = c.from;
        actions.ZoomStep(w, c.steps, c.direction, false);
        EXPECT_EQ(w.planet, c.to);
        EXPECT_EQ(w.history.StepCount(), c.from == c.to ? 0 : 1);
    }
}

TEST_F(SolarSystemCommandsTest, MergedWheelStepsNameTheLastPlanetAndUndoToTheFirst) {
    actions.ZoomStep(window, 1, 1, false);
    actions.ZoomStep(window, 1, 1, true);
    actions.ZoomStep(window, 1, 1, true);
    EXPECT_EQ(window.history.StepCount(), 1);
    EXPECT_EQ(RedoText(), "Zoom to Neptune");
    EXPECT_EQ(UndoText(), "Zoom to Jupiter");
    window.history.UndoCommands(1);
    EXPECT_EQ(window.planet, 4);
}

// Planet 9 used to overrun the planet table.
TEST_F(SolarSystemCommandsTest, PlanetOutsideTheTableIsRefused) {
    actions.ZoomToPlanet(window, 9, 1, nullptr);
    EXPECT_EQ(window.history.StepCount(), 0);
    EXPECT_EQ(Utf8(errors.error), "The planet number must be between 0 and 8");
}

TEST_F(SolarSystemCommandsTest, SelectingABodyThatNeedsAWiderZoomIsOneStep) {
    const BodyIdentifier mars = BodyIdentifierFromObject(PlanetByNumber(3));
    window.selected = mars;
    actions.SelectPair(window, mars, 0, 0, nullptr);
    EXPECT_EQ(window.history.StepCount(), 0);
    const BodyIdentifier uranus = BodyIdentifierFromObject(PlanetByNumber(6));
    actions.SelectPair(window, uranus, 2, 0, nullptr);
    EXPECT_EQ(RedoText(), "Select and Zoom to Uranus");
    EXPECT_EQ(UndoText(), "Select Mars and Zoom to Jupiter");
    window.history.UndoCommands(1);
    EXPECT_EQ(Utf8(window.selected.name), "Mars");
    EXPECT_EQ(window.planet, 4);
}

TEST_F(SolarSystemCommandsTest, GoToComparesTheAppliedPartAndMayRunUnrecorded) {
    actions.GoTo(window, MakeDateTime(2020, 7, 1, 3.0, kLocalCivilTime), kChangeDate, nullptr, true);
    EXPECT_EQ(window.history.StepCount(), 0);
    actions.GoTo(window, MakeDateTime(1999, 1, 1, 3.0, kLocalCivilTime), kChangeTimeOfDay, nullptr,
                 false);
    EXPECT_EQ(window.history.StepCount(), 0);
    EXPECT_EQ(document.GetDateTime().hours, 3.0);
    EXPECT_EQ(document.GetDateTime().year, 2020);
    ASSERT_EQ(listener.heard.size(), 1u);
    EXPECT_EQ(listener.heard[0].event, kEventSolarSystemCommand);
    EXPECT_TRUE(window.history.timeChanged);
}

TEST_F(SolarSystemCommandsTest, OneOptionFieldChangesAloneAndUndoes) {
    SolarSystemOptions given;
    given.zodiacSigns = true;
    given.moonOn = false;
    actions.ChangeOptions(window, given, kZodiacSignsField, nullptr);
    EXPECT_TRUE(window.options.zodiacSigns);
    EXPECT_TRUE(window.options.moonOn);
    actions.ChangeOptions(window, given, kZodiacSignsField, nullptr);
    EXPECT_EQ(window.history.StepCount(), 1);
    window.history.UndoCommands(1);
    EXPECT_FALSE(window.options.zodiacSigns);
}

}  // namespace
}  // namespace corvinata
