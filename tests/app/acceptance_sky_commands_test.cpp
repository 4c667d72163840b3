// Sky steps the control panel and the Object Info follow: which change bits
// an options step leaves, and the show-at and look-at steps.
#include <gtest/gtest.h>

#include "app/sky_commands.h"
#include "astro/planet_records.h"
#include "support/app_fakes.h"
#include "support/catalogues.h"
#include "support/date_records.h"
#include "support/sky_session.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::MakeDateTime;
using test::Utf8;

// The view shows the equatorial map, where the direction towards a body is
// its position: Jupiter at right ascension 36 degrees, declination 13.
class SkyStepsTest : public ::testing::Test, protected test::SkySession {
protected:
    SkyStepsTest() {
        now.value.dateTime = MakeDateTime(2012, 3, 4, 20.0, kLocalCivilTime);
        document.SetDateTime(now.value.dateTime, false, false);
        SkyOptions options = window.GetOptions();
        options.gridType = 2;
        window.SetOptions(options);
        window.SelectBody(Body(3, "Jupiter"), 0, 0, 0);
        jupiter = Towards(3);
        window.SetViewDirection(jupiter);
    }
    ViewDirection Towards(int planet) const {
        const SkyPosition p = window.BodyPosition(*GetCatalogueObject(kBodyPlanet, planet));
        return ViewDirection{p.first, p.second};
    }
    std::string Text(bool undo) { return Utf8(history.PeekUndoCommand()->GetText(undo)); }
    BodyIdentifier Body(int number, const char* name) {
        BodyIdentifier body;
        BodyIdentifierInit(body, GetCatalogueObject(kBodyPlanet, number), nullptr,
                           test::Wide(name).c_str());
        return body;
    }
    ViewDirection jupiter;
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
        SkyView w(document, std::make_unique<SkyCommandHistory>());
        SkyOptions before = window.GetOptions();
        c.before(before);
        w.SetOptions(before);
        SkyOptions wanted = before;
        c.change(wanted);
        actions.ChangeOptions(w, wanted, kSkyOptionsWhole, false, nullptr);
        EXPECT_EQ(w.GetCommandHistory().changeBits, c.bits) << c.name;
        EXPECT_FALSE(w.GetCommandHistory().timeChanged) << c.name;
    }
    actions.ChangeOptions(window, window.GetOptions(), kSkyOptionsWhole, true, nullptr);
    EXPECT_EQ(history.changeBits, kSkyOtherOptionsChanged);
    EXPECT_TRUE(history.timeChanged);
    EXPECT_TRUE(document.GetTimeFlag());
}

TEST_F(SkyStepsTest, ShowAtIsOneStepOfMomentBodyAndDirection) {
    actions.ShowAt(window, Body(4, "Saturn"), MakeDateTime(2012, 3, 5, 20.0, kLocalCivilTime), false);
    ASSERT_EQ(history.StepCount(), 1);
    EXPECT_EQ(Text(false), "Show Saturn at 05.03.2012 20:00:00");
    EXPECT_EQ(Text(true), "Look to 36\u00B0/13\u00B0 at 04.03.2012 20:00:00");
    EXPECT_EQ(history.PeekUndoCommand()->Count(), 3);
    EXPECT_EQ(window.GetViewDirection(), Towards(4));
    EXPECT_EQ(document.GetTimeAndPlace().dateTime.day, 5);
    history.UndoCommands(1);
    EXPECT_EQ(Utf8(window.GetSelectedBody().name), "Jupiter");
    EXPECT_EQ(window.GetViewDirection(), jupiter);
    EXPECT_EQ(document.GetTimeAndPlace().dateTime.day, 4);
    history.RedoCommands(1);
    actions.ShowAt(window, Body(4, "Saturn"), MakeDateTime(2012, 3, 5, 20.0, kLocalCivilTime), false);
    EXPECT_EQ(history.StepCount(), 1);
    EXPECT_TRUE(window.HighlightOn());
}

TEST_F(SkyStepsTest, LookingAtTheSelectionOrATargetEndsOrStartsTracking) {
    window.SetTracking(true);
    actions.LookAtSelection(window);
    EXPECT_EQ(history.StepCount(), 0);
    window.SetViewDirection(ViewDirection{0.0, 0.0});
    actions.LookAtSelection(window);
    EXPECT_EQ(window.GetViewDirection(), jupiter);
    EXPECT_EQ(Text(true), "Look to 0\u00B0/0\u00B0");
    EXPECT_FALSE(window.IsTracking());
    actions.LookAtTarget(window, SkyPosition{100.0, 0.0, 0});
    EXPECT_EQ(window.GetViewDirection(), (ViewDirection{100.0, 0.0}));
    EXPECT_EQ(Text(true), "Look to 36\u00B0/13\u00B0");
    EXPECT_TRUE(window.IsTracking());
    EXPECT_EQ(window.GetLookTarget().first, 100.0);
    history.UndoCommands(2);
    EXPECT_EQ(window.GetViewDirection(), (ViewDirection{0.0, 0.0}));
}

}  // namespace
}  // namespace corvinata
