// Sky steps the control panel and the Object Info follow: which change bits
// an options step leaves, and the show-at and look-at steps.
#include <gtest/gtest.h>

#include "app/sky_commands.h"
#include "astro/planet_records.h"
#include "support/app_fakes.h"
#include "support/catalogues.h"
#include "support/date_records.h"
#include "support/sky_window_fake.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::MakeDateTime;
using test::Utf8;

using test::FakeSkyWindow;

class SkyStepsTest : public ::testing::Test, protected test::SkySession {
protected:
    SkyStepsTest() {
        now.value.dateTime = MakeDateTime(2012, 3, 4, 20.0, kLocalCivilTime);
        document.SetDateTime(now.value.dateTime, false, false);
        window.options.gridType = 2;
        window.selected = Body(3, "Jupiter");
        window.direction = ViewDirection{30.0, 5.0};
    }
    std::string Text(bool undo) { return Utf8(window.history.PeekUndoCommand()->GetText(undo)); }
    BodyIdentifier Body(int number, const char* name) {
        BodyIdentifier body;
        BodyIdentifierInit(body, GetCatalogueObject(kBodyPlanet, number), nullptr,
                           test::Wide(name).c_str());
        return body;
    }
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
        FakeSkyWindow w(document);
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
    EXPECT_EQ(Text(true), "Look to 330\u00B0/5\u00B0 at 04.03.2012 20:00:00");
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
    EXPECT_EQ(Text(true), "Look to 330\u00B0/5\u00B0");
    EXPECT_TRUE(window.tracking);
    EXPECT_EQ(window.target.first, 100.0);
    window.history.UndoCommands(2);
    EXPECT_EQ(window.direction, (ViewDirection{0.0, 0.0}));
}

}  // namespace
}  // namespace corvinata
