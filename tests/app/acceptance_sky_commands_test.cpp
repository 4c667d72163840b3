// Sky steps the control panel and the Object Info follow: which change bits
// an options step leaves, and the show-at and look-at steps.
#include <gtest/gtest.h>

#include "app/sky_commands.h"
#include "astro/planet_records.h"
#include "support/app_fakes.h"
#include "support/catalogues.h"
#include "support/date_records.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::MakeDateTime;
using test::Utf8;

// Centring turns the view to (10 x body number, 5); the look direction of a
// target is (target azimuth + zoom, 0).
class SkyWindowStub final : public SkyWindowCommands {
public:
    explicit SkyWindowStub(SkyDocument& document) : document_(document) {}
    ViewDirection ComputeLookDirection(const SkyPosition& t, double z) override { return {t.first + z, 0.0}; }
    void Highlight() override { ++highlights; }
    int GetZoomStep() const override { return 10; }
    void GetZoomRange(int& minimum, int& maximum) const override {
        minimum = 10;
        maximum = 180;
    }
    int GetZoom() const override { return 60; }
    SkyDocument& GetDocument() override { return document_; }
    const SkyOptions& GetOptions() const override { return options; }
    BodyIdentifier GetSelectedBody() const override { return selected; }
    bool GetTimeFlag() const override { return timeFlag; }
    bool IsTracking() const override { return tracking; }
    SkyPosition GetLookTarget() const override { return target; }
    SkyCommandHistory& GetCommandHistory() override { return history; }
    ViewDirection GetViewDirection() const override { return direction; }
    void SetZoom(int) override {}
    void SetOptions(const SkyOptions& o) override { options = o; }
    void SelectBody(const BodyIdentifier& body, int centreMode, int, int) override {
        selected = body;
        if (centreMode != 0) direction = ViewDirection{10.0 * body.object->Number(), 5.0};
    }
    void SetLookTarget(const SkyPosition& t) override { target = t; }
    void SetTracking(bool t) override { tracking = t; }
    void SetTimeFlag(bool f) override { timeFlag = f; }
    void SetViewDirection(const ViewDirection& d) override { direction = d; }
    void StepAltitude(double) override {}
    void StepAzimuth(double, bool) override {}
    void RefreshDisplay() override {}

    SkyOptions options;
    BodyIdentifier selected;
    bool timeFlag = false;
    bool tracking = false;
    SkyPosition target;
    ViewDirection direction{30.0, 5.0};
    SkyCommandHistory history;
    int highlights = 0;

private:
    SkyDocument& document_;
};

class SkyStepsTest : public ::testing::Test {
protected:
    SkyStepsTest() {
        now.value.dateTime = MakeDateTime(2012, 3, 4, 20.0, kLocalCivilTime);
        document.SetDateTime(now.value.dateTime, false, false);
        window.options.gridType = 2;
        window.selected = Body(3, "Jupiter");
    }
    std::string Text(bool undo) { return Utf8(window.history.PeekUndoCommand()->GetText(undo)); }
    BodyIdentifier Body(int number, const char* name) {
        BodyIdentifier body;
        BodyIdentifierInit(body, GetCatalogueObject(kBodyPlanet, number), nullptr,
                           test::Wide(name).c_str());
        return body;
    }

    test::ScopedCatalogues catalogues_;
    NotificationHub hub;
    test::FakeCurrentTime now;
    test::FakeSkyComputer computer;
    SkyDocument document{hub, now, computer};
    SkyWindowStub window{document};
    test::FakeScriptErrors errors;
    SkyActions actions{CommandContext{hub, errors}};
};

struct BitsCase {
    const char* name;
    void (*before)(SkyOptions&);
    void (*change)(SkyOptions&);
    std::uint32_t bits;
};

const BitsCase kBitsCases[] = {
    {"labels only", [](SkyOptions&) {}, [](SkyOptions& o) { o.starNamesOn = true; },
     kSkyViewOptionsChanged},
    {"magnitude", [](SkyOptions&) {}, [](SkyOptions& o) { o.magnitudeLimit = 6.0; },
     kSkyOtherOptionsChanged},
    {"horizon", [](SkyOptions&) {}, [](SkyOptions& o) { o.horizonType = 2; },
     kSkyCoordinateOptionsChanged | kSkyOtherOptionsChanged},
    {"to horizontal grid", [](SkyOptions&) {}, [](SkyOptions& o) { o.gridType = 1; },
     kSkyCoordinateOptionsChanged | kSkyOtherOptionsChanged},
    {"crosses on horizontal grid", [](SkyOptions& o) { o.gridType = 1; },
     [](SkyOptions& o) { o.gridAsCrosses = true; },
     kSkyCoordinateOptionsChanged | kSkyOtherOptionsChanged},
    {"crosses on equatorial grid", [](SkyOptions&) {}, [](SkyOptions& o) { o.gridAsCrosses = true; },
     kSkyOtherOptionsChanged},
};

TEST_F(SkyStepsTest, OptionStepsLeaveTheChangeBitsOfWhatTheyTouch) {
    for (const BitsCase& c : kBitsCases) {
        SkyWindowStub w(document);
        w.options.gridType = 2;
        c.before(w.options);
        SkyOptions wanted = w.options;
        c.change(wanted);
        actions.ChangeOptions(w, wanted, kSkyOptionsWhole, false, nullptr);
        EXPECT_EQ(w.history.changeBits, c.bits) << c.name;
        EXPECT_FALSE(w.history.timeChanged) << c.name;
    }
    actions.ChangeOptions(window, window.options, kSkyOptionsWhole, true, nullptr);
    EXPECT_EQ(window.history.changeBits, kSkyOtherOptionsChanged);
    EXPECT_TRUE(window.history.timeChanged);
    EXPECT_TRUE(document.GetTimeFlag());
}

TEST_F(SkyStepsTest, ShowAtIsOneStepOfMomentBodyAndDirection) {
    actions.ShowAt(window, Body(4, "Saturn"), MakeDateTime(2012, 3, 5, 20.0, kLocalCivilTime), false);
    ASSERT_EQ(window.history.StepCount(), 1);
    EXPECT_EQ(Text(false), "Show Saturn at 05.03.2012 20:00:00");
    EXPECT_EQ(Text(true), "Look to 30\u00B0/5\u00B0 at 04.03.2012 20:00:00");
    EXPECT_EQ(window.history.PeekUndoCommand()->Count(), 3);
    EXPECT_EQ(window.direction, (ViewDirection{40.0, 5.0}));
    EXPECT_EQ(document.GetTimeAndPlace().dateTime.day, 5);
    window.history.UndoCommands(1);
    EXPECT_EQ(Utf8(window.selected.name), "Jupiter");
    EXPECT_EQ(window.direction, (ViewDirection{30.0, 5.0}));
    EXPECT_EQ(document.GetTimeAndPlace().dateTime.day, 4);
    window.history.RedoCommands(1);
    actions.ShowAt(window, Body(4, "Saturn"), MakeDateTime(2012, 3, 5, 20.0, kLocalCivilTime), false);
    EXPECT_EQ(window.history.StepCount(), 1);
    EXPECT_EQ(window.highlights, 2);
}

TEST_F(SkyStepsTest, LookingAtTheSelectionOrATargetEndsOrStartsTracking) {
    window.tracking = true;
    actions.LookAtSelection(window);
    EXPECT_EQ(window.history.StepCount(), 0);
    window.direction = ViewDirection{0.0, 0.0};
    actions.LookAtSelection(window);
    EXPECT_EQ(window.direction, (ViewDirection{30.0, 5.0}));
    EXPECT_EQ(Text(true), "Look to 0\u00B0/0\u00B0");
    EXPECT_FALSE(window.tracking);
    actions.LookAtTarget(window, SkyPosition{100.0, 0.0, 0});
    EXPECT_EQ(window.direction, (ViewDirection{160.0, 0.0}));
    EXPECT_EQ(Text(true), "Look to 30\u00B0/5\u00B0");
    EXPECT_TRUE(window.tracking);
    EXPECT_EQ(window.target.first, 100.0);
    window.history.UndoCommands(2);
    EXPECT_EQ(window.direction, (ViewDirection{0.0, 0.0}));
}

}  // namespace
}  // namespace corvinata
